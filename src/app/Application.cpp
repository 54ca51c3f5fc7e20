#include "app/Application.h"

#include "platform/AccessibleComboBox.h"
#include "platform/Dialogs.h"

#include <QFont>
#include <QLibraryInfo>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    qtTranslated_ = qtTranslator_.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && installTranslator(&qtTranslator_);
    accessibility::installComboBoxSupport();
    // Every text of the program is Japanese: one Japanese face for all of it, so that digits and
    // Latin letters beside kana are not taken from a fallback face of another weight.
    QFont font = QApplication::font();
    font.setFamilies({ QStringLiteral("Noto Sans CJK JP") });
    QApplication::setFont(font);
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
