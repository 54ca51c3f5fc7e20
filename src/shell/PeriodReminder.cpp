#include "shell/PeriodReminder.h"

#include "platform/Timer.h"

#include <QLabel>

PeriodReminder::PeriodReminder(QLabel* label)
    : QObject(label)
    , LabelMsg(label)
{
    TimerMsg = new Timer(this, 300, [this] { TimerMsgTimer(); });
}

PeriodReminder::~PeriodReminder() = default;

void PeriodReminder::show(const QString& text)
{
    LabelMsg->setText(text);
    LabelMsg->show();
    if (!TimerMsg->isEnabled()) // the today panel repeats this every 100 ms; the scroll keeps its pace
        TimerMsg->start();
}

void PeriodReminder::hide(const QString& text)
{
    LabelMsg->setText(text);
    hide();
}

void PeriodReminder::hide()
{
    LabelMsg->hide();
    TimerMsg->stop();
}

void PeriodReminder::TimerMsgTimer()
{
    static const QColor kFirst(255, 255, 204); // pale yellow
    QLabel* label = LabelMsg;
    QColor colour = label->palette().color(QPalette::Window);
    if (label->x() < 2) {
        colour = kFirst;
        label->hide();
        label->move(530, label->y());
    } else {
        label->show();
        label->move(label->x() - 10, label->y());
        if (label->x() <= 80)
            colour = Qt::cyan;
        else if (label->x() <= 290)
            colour = Qt::yellow;
        else if (label->x() <= 410)
            colour = kFirst;
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}
