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

// The settings window "労務設定": a box for each labour setting, shown with the data holder's
// settings when the window opens: a number box or a list that takes only the values the setting
// allows, and a text box for a date or the night band. "登録" gives every setting the box's
// value in the data holder and closes, unless a text box holds a value its setting does not
// take: then a message names the setting and its values, and the box takes the focus again.
// "キャンセル" closes and changes nothing. Which values a setting takes is labour::keyForms()'s
// and labour::valueOf()'s; this window only shows them. The variable-hours period's start and
// the four weeks' first day can be chosen while their scheme is.
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
    void enableDependents();
    void BtnRegisterClick();

    std::unique_ptr<Ui::TFormLabour> ui;
    Forms& forms_;
};
