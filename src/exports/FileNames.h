#pragma once

#include <QString>
#include <QStringList>

// File names made of employee names, for the exports that write one file per employee.
namespace exports {

// The text as a file name that Windows, macOS and Linux all accept: the characters
// \ / : * ? " < > | and control characters become "_", trailing dots and blanks are dropped, a
// name that Windows keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, also with
// an extension after it) gets a "_" in front, and a name left empty becomes "_".
QString fileNameOf(const QString& text);

// fileNameOf() of each text with extension appended. A name that an earlier text already gave,
// compared in any case as Windows and macOS compare names, gets " (2)", " (3)" … before the
// extension, so that no two texts share a file.
QStringList distinctFileNames(const QStringList& texts, const QString& extension);

} // namespace exports
