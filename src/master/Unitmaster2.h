#pragma once

#include "master/DayBoxes.h"

#include <QDialog>
#include <memory>

class Forms;
namespace Ui {
class TFormMaster2;
}

// The weekly time-band batch window: one attribute, time band and rest time, copied into
// all seven day blocks of the employee master window at once. It stays on top, changes
// only the master window's day boxes (never a table) and forgets its choice on every hide.
class TFormMaster2 : public QDialog {
    Q_OBJECT
public:
    explicit TFormMaster2(Forms& forms);
    ~TFormMaster2() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Button1Click();
    void boxChange();

    std::unique_ptr<Ui::TFormMaster2> ui;
    Forms& forms_;
    DayBoxes boxes_;
};
