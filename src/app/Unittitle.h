#pragma once

#include <QDialog>
#include <QPoint>
#include <memory>
#include <vector>

class QLabel;
class Timer;
namespace Ui {
class TFormTitle;
}

// The title window opened from "バージョン": the product's credits over a backdrop
// picture. Each time it is shown the credit lines slide in from the right, one after
// another; hiding it stops the animation. It reads and changes no data.
class TFormTitle : public QDialog {
    Q_OBJECT
public:
    explicit TFormTitle(QWidget* parent = nullptr);
    ~TFormTitle() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // A credit line and the place where it comes to rest.
    struct Credit {
        QLabel* label;
        QPoint home;
    };

    void Timer1Timer();

    std::unique_ptr<Ui::TFormTitle> ui;
    Timer* Timer1 = nullptr;
    std::vector<Credit> credits_;
    std::size_t moving_ = 0; // index of the credit line now sliding in
};
