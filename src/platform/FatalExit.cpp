#include "platform/FatalExit.h"

#include <cstdio>
#include <cstdlib>

void fatalExit(dialogs::Kind kind, const QString& text, const QString& systemError)
{
    dialogs::message(kind, text);
    const QByteArray line = (text + QStringLiteral(" (") + systemError + QStringLiteral(")\n")).toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    std::exit(1);
}
