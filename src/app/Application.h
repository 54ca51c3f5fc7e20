#pragma once

#include <QApplication>
#include <QTranslator>

// The program's application object. Qt's own texts (standard dialogs, context menus) come in
// Japanese like the rest of the program. An exception that escapes an event handler is shown in
// an error box and the event loop goes on, instead of ending the program without a word.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // True when Qt's Japanese translation was found and installed.
    bool qtTranslated() const { return qtTranslated_; }

private:
    QTranslator qtTranslator_;
    bool qtTranslated_ = false;
};
