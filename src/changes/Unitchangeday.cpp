#include "changes/Unitchangeday.h"
#include "ui_Unitchangeday.h"

#include "changes/DayShift.h"
#include "changes/DayText.h"
#include "changes/ShiftCheck.h"
#include "data/WorkAttributes.h"
#include "forms/WindowScaling.h"
#include "master/Registration.h"
#include "platform/Dialogs.h"

TFormChangeDay::TFormChangeDay(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormChangeDay>())
{
    ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    setMinimumSize(440, 330);
    attachFormetry(this);
    boxes_ = { ui->ComBox, ui->ComboxSh, ui->ComboxSm, ui->ComboxEh, ui->ComboxEm, ui->ComRest };
    boxes_.fillEntries();
    for (QComboBox* box : boxes_.all())
        connect(box, &QComboBox::currentIndexChanged, this, &TFormChangeDay::boxChange);
    connect(ui->BtnRegister, &QPushButton::clicked, this, [this] { dialogs::guard([this] { BtnRegisterClick(); }); });
    connect(ui->BtnStandard, &QPushButton::clicked, this, [this] {
        accept();
        Q_EMIT standardWanted();
    });
    connect(ui->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->BtnRegister->setDefault(true);
}

TFormChangeDay::~TFormChangeDay() = default;

void TFormChangeDay::edit(
    const QString& name, QDate date, const DayEntry& standard, const DayEntry& current, Overlaps overlaps)
{
    name_ = name;
    date_ = date;
    standard_ = standard;
    overlaps_ = std::move(overlaps);
    ui->LabelWho->setText(name + QStringLiteral("　　") + changes::dateText(date));
    ui->LabelStandard->setText(QStringLiteral("標準の勤務：") + changes::entryText(standard));
    boxes_.restorePrompts();
    const master::LoadedDay loaded = master::loadDay(current.attribute, current.startHour, current.startMinute,
        current.endHour, current.endMinute, current.netMinutes);
    boxes_.set(loaded.day);
    ui->BtnStandard->setEnabled(current.changed);
    open();
    ui->ComBox->setFocus();
}

// The day rule of the master window: a day that is not a working day has zero times.
void TFormChangeDay::boxChange()
{
    const master::DayInput current = boxes_.input();
    const master::DayInput ruled = master::withDayRule(current);
    if (ruled != current)
        boxes_.set(ruled);
}

void TFormChangeDay::BtnRegisterClick()
{
    const master::DayInput day = boxes_.input();
    if (const auto refusal = master::checkDays({ &day, 1 }, date_.dayOfWeek() - 1)) {
        boxes_.pointAt(*refusal);
        dialogs::message(dialogs::Kind::Plain, master::refusalText(*refusal), dialogs::Buttons::Ok, this);
        return;
    }
    const DayEntry entry = changes::entryOf(master::withDayRule(day));
    if (!accepts(entry))
        return;
    accept();
    if (changes::sameDay(entry, standard_))
        Q_EMIT standardWanted();
    else
        Q_EMIT registered(entry);
}

bool TFormChangeDay::accepts(const DayEntry& entry)
{
    const changes::ShiftCheck check = changes::checkShift(entry);
    if (check.verdict == changes::ShiftVerdict::Refused) {
        dialogs::message(dialogs::Kind::Warning,
            QStringLiteral("▼ %1勤務日として登録できません．時刻と休憩を確かめてください．").arg(check.reason),
            dialogs::Buttons::Ok, this);
        return false;
    }
    const auto ask = [this](const QString& text) {
        return dialogs::message(dialogs::Kind::Warning, text, dialogs::Buttons::YesNo, this) == dialogs::Answer::Yes;
    };
    if (check.verdict == changes::ShiftVerdict::Doubtful
        && !ask(QStringLiteral("▼ %1\r\nこのまま登録しますか？").arg(check.reason)))
        return false;
    const std::optional<daychanges::Shift> shift = daychanges::shiftOf(entry);
    if (!shift || !overlaps_)
        return true;
    for (const labour::Overlap& overlap : overlaps_(*shift))
        if (!ask(QStringLiteral("▼ この勤務は，%1の勤務と %2 重なります．\r\nこのまま登録しますか？")
                     .arg(changes::dateText(overlap.with), changes::durationText(overlap.minutes))))
            return false;
    return true;
}
