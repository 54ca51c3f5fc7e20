#pragma once

#include "master/Registration.h"

#include <QDialog>
#include <memory>

class Forms;
class QMenu;
namespace Ui {
class TFormPerson;
}

// The employee list beside the employee master window: lists the registered names in
// table row order and, from its context menu, starts a new registration, loads an
// employee into the master window for editing or deletes one. It holds the editing mode
// that the master window's register command reads; it writes no file.
class TFormPerson : public QDialog {
    Q_OBJECT
public:
    explicit TFormPerson(Forms& forms);
    ~TFormPerson() override;

    master::Mode mode() const { return mode_; }
    // The row loaded for editing; meaningful in edit mode only.
    int editedRow() const { return editedRow_; }
    void setNewRegistration() { mode_ = master::Mode::NewRegistration; }

    // Lists the name of every row in use, in row order, and shows their count.
    void refreshList();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NNewClick();
    void NRewriteClick();
    void NDeleteClick();
    void NCancelClick();
    // Opens the context menu at the selected name, scrolled into view, for keyboard users.
    void showMenuAtSelection();
    // The selected name, or the empty text when none is selected.
    QString selectedName() const;

    std::unique_ptr<Ui::TFormPerson> ui;
    Forms& forms_;
    QMenu* PopupMenu1 = nullptr;
    master::Mode mode_ = master::Mode::NewRegistration;
    int editedRow_ = 0;
};
