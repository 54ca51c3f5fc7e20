#pragma once

#include "master/Registration.h"

#include <QDialog>
#include <memory>

struct Forms;
class QMenu;
namespace Ui {
class TFormPerson;
}

// The employee list beside the employee master window: lists the registered names in
// table row order and, from its context menu, asks for a new registration, for the selected
// employee to be loaded for editing or to be deleted; the master window does these. It holds
// the editing mode that the master window's register command reads; it writes no file.
class TFormPerson : public QDialog {
    Q_OBJECT
public:
    explicit TFormPerson(Forms& forms);
    ~TFormPerson() override;

    master::Mode mode() const { return mode_; }
    // The row loaded for editing; meaningful in edit mode only.
    int editedRow() const { return editedRow_; }
    void setNewRegistration() { mode_ = master::Mode::NewRegistration; }
    // Edit mode for the row loaded into the master window.
    void setEditing(int row)
    {
        mode_ = master::Mode::Edit;
        editedRow_ = row;
    }
    // Selects the first name, if there is one.
    void selectFirst();

    // Lists the name of every row in use, in row order, and shows their count.
    void refreshList();

Q_SIGNALS:
    // A new registration was chosen; the mode is new registration already.
    void newRegistrationChosen();
    // Editing or deleting was chosen for name, the empty text when no name is selected.
    void editChosen(const QString& name);
    void deleteChosen(const QString& name);

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
