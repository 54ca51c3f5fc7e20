#pragma once

#include "master/DayBoxes.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TFormMaster2;
}

// The weekly time-band batch window: one attribute, time band and rest time, chosen for
// all seven day blocks of the employee master window at once. It stays on top, hands the
// week to the master window's day boxes (never to a table) and forgets its choice on every
// hide.
class TFormMaster2 : public QDialog {
    Q_OBJECT
public:
    TFormMaster2();
    ~TFormMaster2() override;

Q_SIGNALS:
    // The same day block for all seven days, for the master window's boxes.
    void weekChosen(const master::Week& week);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Button1Click();
    void boxChange();

    std::unique_ptr<Ui::TFormMaster2> ui;
    DayBoxes boxes_;
};
