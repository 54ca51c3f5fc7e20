#pragma once

#include "platform/Dialogs.h"

#include <QString>

// Ends the program after a file problem: shows text in a message box of the given kind,
// writes text and the system's error description to standard error, and exits with code 1.
[[noreturn]] void fatalExit(dialogs::Kind kind, const QString& text, const QString& systemError);
