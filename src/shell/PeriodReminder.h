#pragma once

#include <QObject>

class QLabel;
class QString;
class Timer;

// The main window's period-end reminder: the label LabelMsg that scrolls from right to left,
// changing its colour as it goes, while the period nears its end. The today panel decides the
// text; this keeps the label and its scroll timer TimerMsg. The label has no accessible name of
// its own, so that assistive tools read its text and hear of each new text as a change of name.
class PeriodReminder : public QObject {
    Q_OBJECT
public:
    explicit PeriodReminder(QLabel* label);
    ~PeriodReminder() override;

    // Sets the text and keeps the label shown and scrolling.
    void show(const QString& text);
    // Sets the text, hides the label and stops its scroll.
    void hide(const QString& text);
    // Hides the label and stops its scroll.
    void hide();

private:
    void TimerMsgTimer();

    QLabel* LabelMsg;
    Timer* TimerMsg = nullptr;
};
