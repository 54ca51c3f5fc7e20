#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

// Every message box of the program goes through this service. On screen it shows a
// modal box; a test installs a Script instead, which records each message and answers
// from a queue, so handlers run unchanged without a person at the screen.
namespace dialogs {

enum class Kind { Plain, Information, Warning, Error, Custom };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Shows a modal message; "\r\n" in text is a line break. Returns the button pressed
// (Escape or the close box answer No in a Yes/No box).
Answer message(Kind kind, const QString& text, Buttons buttons = Buttons::Ok, QWidget* parent = nullptr);

struct Shown {
    Kind kind;
    QString text;
    Buttons buttons;
};

// Scripted answers for tests. While a Script lives, no box is shown: each message is
// appended to shown and answered by the next queued answer (Ok, or No for Yes/No, when
// the queue is empty). An optional hook runs when a message is shown.
class Script {
public:
    Script();
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    void answer(Answer a) { answers_.append(a); }
    void onMessage(std::function<void(const Shown&)> hook) { hook_ = std::move(hook); }

    QList<Shown> shown;
    QStringList texts() const;

private:
    friend Answer message(Kind, const QString&, Buttons, QWidget*);
    QList<Answer> answers_;
    std::function<void(const Shown&)> hook_;
};

// Runs a handler; a number conversion error it raises is shown in an error box and
// the rest of the handler is skipped, so the event loop goes on.
void guard(const std::function<void()>& handler);

} // namespace dialogs
