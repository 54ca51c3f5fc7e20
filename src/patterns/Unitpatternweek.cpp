#include "patterns/Unitpatternweek.h"
#include "ui_Unitpatternweek.h"

#include "data/WorkAttributes.h"
#include "forms/WindowScaling.h"
#include "patterns/PatternDays.h"

TFormPatternWeek::TFormPatternWeek(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormPatternWeek>())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    attachFormetry(this);
    connect(ui->BtnApply, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->BtnApply->setDefault(true);
}

TFormPatternWeek::~TFormPatternWeek() = default;

std::array<QComboBox*, master::kDays> TFormPatternWeek::boxes() const
{
    return { ui->ComMon, ui->ComTue, ui->ComWed, ui->ComThu, ui->ComFri, ui->ComSat, ui->ComSun };
}

void TFormPatternWeek::choose(const patterns::ShiftPatterns& patterns)
{
    choices_.clear();
    QStringList texts;
    for (const patterns::Pattern& p : patterns.patterns)
        if (const auto day = patterns::dayInputOf(p)) {
            choices_.append(*day);
            texts.append(p.code + QStringLiteral("　") + p.name + QStringLiteral("　")
                + (p.isWorking() ? patterns::timesText(p) : p.attribute()));
        }
    for (const QString& attribute : { attributes::kRegularDayOff, attributes::kDayOfRest, attributes::kOther }) {
        choices_.append(patterns::dayOff(attribute));
        texts.append(attribute);
    }
    for (QComboBox* box : boxes()) {
        box->clear();
        box->addItem(QStringLiteral("（そのまま）"));
        box->addItems(texts);
    }
    open();
    ui->ComMon->setFocus();
}

std::array<std::optional<master::DayInput>, master::kDays> TFormPatternWeek::chosen() const
{
    std::array<std::optional<master::DayInput>, master::kDays> days;
    for (int d = 0; d < master::kDays; ++d)
        if (const int i = boxes()[d]->currentIndex(); i > 0)
            days[d] = choices_.value(i - 1);
    return days;
}
