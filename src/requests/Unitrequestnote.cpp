#include "requests/Unitrequestnote.h"
#include "ui_Unitrequestnote.h"

#include "forms/WindowScaling.h"
#include "platform/Dialogs.h"
#include "requests/Requests.h"

TFormRequestNote::TFormRequestNote(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormRequestNote>())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setMinimumSize(440, 146);
    attachFormetry(this);
    ui->EditNote->setAccessibleDescription(ui->LabelHint->text());
    connect(ui->BtnRegister, &QPushButton::clicked, this, &TFormRequestNote::BtnRegisterClick);
    connect(ui->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->BtnRegister->setDefault(true);
}

TFormRequestNote::~TFormRequestNote() = default;

void TFormRequestNote::edit(const QString& who, const QString& note)
{
    ui->LabelWho->setText(who);
    ui->EditNote->setText(note);
    ui->EditNote->selectAll();
    open();
    ui->EditNote->setFocus();
}

void TFormRequestNote::BtnRegisterClick()
{
    const QString note = requests::storableNote(ui->EditNote->text());
    if (const QString fault = requests::noteFault(note); !fault.isEmpty()) {
        dialogs::message(
            dialogs::Kind::Plain, QStringLiteral("▼ ") + fault + QStringLiteral("．"), dialogs::Buttons::Ok, this);
        ui->EditNote->setFocus();
        return;
    }
    accept();
    Q_EMIT noteChosen(note);
}
