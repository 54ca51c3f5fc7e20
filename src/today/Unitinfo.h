#pragma once

#include <QMainWindow>
#include <memory>

struct Forms;
namespace Ui {
class TFormInfo;
}
class Timer;

// The today panel: a narrow window against the main window's top-right corner that lists
// who is on duty on the start-up date, keeps the period-end reminder current and hands over to
// the duty list with its "詳 細" button. The lines come from the today module's functions; the
// reminder label and the duty list belong to the main window, which the panel tells through its
// signals and only follows with its position.
class TFormInfo : public QMainWindow {
    Q_OBJECT
public:
    // mainWindow is the window whose top-right corner the panel keeps to.
    TFormInfo(Forms& forms, QWidget* mainWindow);
    ~TFormInfo() override;

    void appendLine(const QString& line);
    QStringList lines() const;
    // Stops keeping the panel current and withdraws the details button.
    void withdrawDetails();

Q_SIGNALS:
    // Today's weekday code (1 = Sunday … 7 = Saturday), worked out from the start-up date.
    void weekdayKnown(int code);
    // The list is built and the details button is offered.
    void detailsOffered();
    // The period-end reminder is to be shown with text, or set to text and hidden.
    void reminderShown(const QString& text);
    void reminderHidden(const QString& text);
    // The hand-over to the duty list: the details were asked for (the top menus close), the
    // panel has slid over the main window (the duty panel grows), and the panel has moved out
    // of the way (the list of today's employees starts under the date line).
    void detailsAsked();
    void dutyPanelWanted();
    void dutyListWanted(const QString& dateLine, int employees);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Timer1Timer();
    void Timer2Timer();
    void Button1Click();

    void setTextColour(const QColor& colour);
    void moveToMainCorner();

    std::unique_ptr<Ui::TFormInfo> ui;
    Forms& forms_;
    QWidget* mainWindow_;
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    int employees_ = 0;
};
