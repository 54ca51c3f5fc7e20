#include "app/Application.h"

#include "platform/AccessibleComboBox.h"
#include "platform/Dialogs.h"

#include <QLibraryInfo>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    qtTranslated_ = qtTranslator_.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && installTranslator(&qtTranslator_);
    accessibility::installComboBoxSupport();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        dialogs::showCurrentException();
        return false;
    }
}
