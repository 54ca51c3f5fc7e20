#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class TFormRequestNote;
}

// The dialog "希望のメモ": the note of the selected wishes, at most 40 characters, no "," and no
// control character. It opens window-modal, refuses a note that cannot be kept with a message,
// and tells its owner the note to set (the empty note removes it). It changes no data.
class TFormRequestNote : public QDialog {
    Q_OBJECT
public:
    explicit TFormRequestNote(QWidget* parent = nullptr);
    ~TFormRequestNote() override;

    // Opens for the wishes that who names, the field holding note.
    void edit(const QString& who, const QString& note);

Q_SIGNALS:
    void noteChosen(const QString& note);

private:
    void BtnRegisterClick();

    std::unique_ptr<Ui::TFormRequestNote> ui;
};
