#include "labour/Unitlabour.h"
#include "ui_Unitlabour.h"

#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "platform/Dialogs.h"

#include <QShowEvent>

using labour::Key;

TFormLabour::TFormLabour(Forms& forms)
    : ui(std::make_unique<Ui::TFormLabour>())
    , forms_(forms)
{
    ui->setupUi(this);
    attachFormetry(this);
    // The names, ranges and choices are the settings' own, so the window offers exactly what the
    // file takes.
    for (const Row& row : rows()) {
        const labour::KeyForm& form = labour::formOf(row.key);
        row.label->setText(form.name);
        row.box->setAccessibleName(form.name);
        if (auto* spin = qobject_cast<QSpinBox*>(row.box)) {
            spin->setRange(form.minimum, form.maximum);
            if (form.minimum == 0)
                spin->setSpecialValueText(QStringLiteral("確認しない"));
        } else if (auto* combo = qobject_cast<QComboBox*>(row.box)) {
            combo->addItems(labour::choices(row.key));
        }
    }
    connect(ui->ComboScheme, &QComboBox::currentIndexChanged, this, &TFormLabour::enableDependents);
    connect(ui->ComboDaysOffRule, &QComboBox::currentIndexChanged, this, &TFormLabour::enableDependents);
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
        { Key::Scheme, ui->LabelScheme, ui->ComboScheme },
        { Key::SchemeStart, ui->LabelSchemeStart, ui->ComboSchemeStart },
        { Key::DaysOffRule, ui->LabelDaysOffRule, ui->ComboDaysOffRule },
        { Key::FourWeekStart, ui->LabelFourWeekStart, ui->EditFourWeekStart },
        { Key::MinorNight, ui->LabelMinorNight, ui->ComboMinorNight },
        { Key::NightBand, ui->LabelNightBand, ui->EditNightBand },
    };
}

void TFormLabour::enableDependents()
{
    ui->ComboSchemeStart->setEnabled(ui->ComboScheme->currentIndex() == labour::kSchemeMonthly);
    ui->EditFourWeekStart->setEnabled(ui->ComboDaysOffRule->currentIndex() == labour::kFourWeeks);
}

void TFormLabour::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const labour::Settings& settings = forms_.FormData->labourSettings;
    for (const Row& row : rows()) {
        const int value = settings.value(row.key);
        if (auto* spin = qobject_cast<QSpinBox*>(row.box))
            spin->setValue(value);
        else if (auto* combo = qobject_cast<QComboBox*>(row.box))
            combo->setCurrentIndex(value - labour::formOf(row.key).minimum);
        else
            qobject_cast<QLineEdit*>(row.box)->setText(labour::valueText(row.key, value));
    }
    enableDependents();
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
        if (auto* spin = qobject_cast<QSpinBox*>(row.box)) {
            spin->interpretText(); // a number still being typed counts
            settings.set(row.key, spin->value());
        } else if (auto* combo = qobject_cast<QComboBox*>(row.box)) {
            settings.set(row.key, labour::formOf(row.key).minimum + combo->currentIndex());
        } else if (const auto value = labour::valueOf(row.key, qobject_cast<QLineEdit*>(row.box)->text())) {
            settings.set(row.key, *value);
        } else {
            dialogs::message(dialogs::Kind::Warning,
                QStringLiteral("「%1」の値が不正です（%2）．")
                    .arg(labour::formOf(row.key).name, labour::valuesTaken(row.key)),
                dialogs::Buttons::Ok, this);
            row.box->setFocus();
            return;
        }
    }
    forms_.FormData->labourSettings = settings;
    Q_EMIT tableChanged();
    accept();
}
