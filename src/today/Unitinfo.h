#pragma once

#include <QMainWindow>
#include <memory>

class Forms;
namespace Ui {
class TFormInfo;
}
class Timer;

// The today panel: a narrow window against the main window's top-right corner that lists
// who is on duty on the start-up date, keeps the main window's period-end reminder current
// and hands over to the main window's duty list with its "詳 細" button. The lines come
// from the today module's functions; the duty list itself is the main window's.
class TFormInfo : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormInfo(Forms& forms);
    ~TFormInfo() override;

    void appendLine(const QString& line);
    QStringList lines() const;
    // Stops keeping the panel current and withdraws the details button.
    void withdrawDetails();

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
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    int employees_ = 0;
};
