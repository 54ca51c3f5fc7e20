#include "app/Application.h"
#include "app/Program.h"
#include "shell/Unitmain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL Rotan QX-30"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/rotandesk.png")));
    // Only closing the main window ends the program (after saving).
    QApplication::setQuitOnLastWindowClosed(false);
    Program program;
    program.forms().FormMain->show();
    return QApplication::exec();
}
