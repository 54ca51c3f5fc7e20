#pragma once

#include "labour/LabourSettings.h"

#include <QDialog>
#include <memory>

struct Forms;
class QLabel;
class QWidget;
namespace Ui {
class TFormLabour;
}

// The settings window "労務設定": a box for each labour setting that takes only the values the
// setting allows, shown with the data holder's settings when the window opens. "登録" gives
// every setting the box's value in the data holder and closes; "キャンセル" closes and changes
// nothing. Which values a setting takes is labour::keyForms()'s; this window only shows them.
class TFormLabour : public QDialog {
    Q_OBJECT
public:
    explicit TFormLabour(Forms& forms);
    ~TFormLabour() override;

Q_SIGNALS:
    // The data holder's labour settings were registered (the journal and the close write them).
    void tableChanged();
    // The window was closed, by either button, Escape or its frame; the main window shows again.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    struct Row {
        labour::Key key;
        QLabel* label;
        QWidget* box;
    };
    QList<Row> rows() const;
    void BtnRegisterClick();

    std::unique_ptr<Ui::TFormLabour> ui;
    Forms& forms_;
};
