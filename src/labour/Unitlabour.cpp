#include "labour/Unitlabour.h"
#include "ui_Unitlabour.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "data/Unitdata.h"

#include <QShowEvent>

using labour::Key;

TFormLabour::TFormLabour(Forms& forms)
    : ui(std::make_unique<Ui::TFormLabour>())
    , forms_(forms)
{
    ui->setupUi(this);
    attachFormetry(this);
    for (int code = 1; code <= 7; ++code)
        ui->ComboWeekStart->addItem(labour::weekdayName(code));
    // The names and ranges are the settings' own, so the window offers exactly what the file takes.
    for (const Row& row : rows()) {
        const labour::KeyForm& form = labour::formOf(row.key);
        row.label->setText(form.name);
        row.box->setAccessibleName(form.name);
        if (auto* spin = qobject_cast<QSpinBox*>(row.box)) {
            spin->setRange(form.minimum, form.maximum);
            if (form.minimum == 0)
                spin->setSpecialValueText(QStringLiteral("確認しない"));
        }
    }
    connect(ui->BtnRegister, &QPushButton::clicked, this, &TFormLabour::BtnRegisterClick);
    connect(ui->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->BtnRegister->setDefault(true);
}

TFormLabour::~TFormLabour() = default;

QList<TFormLabour::Row> TFormLabour::rows() const
{
    return {
        { Key::WeeklyHours, ui->LabelWeeklyHours, ui->SpinWeeklyHours },
        { Key::WeekStart, ui->LabelWeekStart, ui->ComboWeekStart },
        { Key::NightRate, ui->LabelNightRate, ui->SpinNightRate },
        { Key::OvertimeRate, ui->LabelOvertimeRate, ui->SpinOvertimeRate },
        { Key::OverSixtyRate, ui->LabelOverSixtyRate, ui->SpinOverSixtyRate },
        { Key::RunLimit, ui->LabelRunLimit, ui->SpinRunLimit },
        { Key::RestHours, ui->LabelRestHours, ui->SpinRestHours },
        { Key::MinimumWage, ui->LabelMinimumWage, ui->SpinMinimumWage },
    };
}

void TFormLabour::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const labour::Settings& settings = forms_.FormData->labourSettings;
    for (const Row& row : rows()) {
        if (auto* spin = qobject_cast<QSpinBox*>(row.box))
            spin->setValue(settings.value(row.key));
        else
            ui->ComboWeekStart->setCurrentIndex(settings.weekStart() - 1);
    }
    ui->SpinWeeklyHours->setFocus();
    ui->SpinWeeklyHours->selectAll();
}

void TFormLabour::done(int result)
{
    QDialog::done(result);
    Q_EMIT closed();
}

void TFormLabour::BtnRegisterClick()
{
    labour::Settings settings = forms_.FormData->labourSettings;
    for (const Row& row : rows()) {
        auto* spin = qobject_cast<QSpinBox*>(row.box);
        if (spin)
            spin->interpretText(); // a number still being typed counts
        settings.set(row.key, spin ? spin->value() : ui->ComboWeekStart->currentIndex() + 1);
    }
    forms_.FormData->labourSettings = settings;
    Q_EMIT tableChanged();
    accept();
}
