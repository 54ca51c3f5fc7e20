#include "changes/Unitchangeday.h"
#include "ui_Unitchangeday.h"

#include "changes/DayShift.h"
#include "changes/DayText.h"
#include "changes/ShiftCheck.h"
#include "data/WorkAttributes.h"
#include "forms/WindowScaling.h"
#include "master/Registration.h"
#include "patterns/PatternDays.h"
#include "patterns/PatternMatch.h"
#include "platform/Dialogs.h"

#include <algorithm>

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
    connect(ui->ComPattern, &QComboBox::activated, this, &TFormChangeDay::patternChosen);
    connect(ui->BtnRegister, &QPushButton::clicked, this, [this] { dialogs::guard([this] { BtnRegisterClick(); }); });
    connect(ui->BtnStandard, &QPushButton::clicked, this, [this] {
        accept();
        Q_EMIT standardWanted();
    });
    connect(ui->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->BtnRegister->setDefault(true);
}

TFormChangeDay::~TFormChangeDay() = default;

void TFormChangeDay::edit(const QString& name, QDate date, const DayEntry& standard, const DayEntry& current,
    const patterns::ShiftPatterns& patterns, Overlaps overlaps)
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

    patterns_ = patterns;
    choices_.clear();
    ui->ComPattern->clear();
    ui->ComPattern->addItem(QStringLiteral("（なし）"));
    for (int i = 0; i < patterns.patterns.size(); ++i) {
        const patterns::Pattern& p = patterns.patterns[i];
        if (!patterns::dayInputOf(p))
            continue; // times or a break the boxes cannot hold
        choices_.append(i);
        ui->ComPattern->addItem(p.code + QStringLiteral("　") + p.name
            + (p.isWorking() ? QStringLiteral("　") + patterns::clockText(p.start) + u'～' + patterns::clockText(p.end)
                             : QString()));
    }
    const bool offered = !choices_.isEmpty();
    ui->LabelPattern->setVisible(offered);
    ui->ComPattern->setVisible(offered);
    showPattern(current);
    open();
    (offered ? ui->ComPattern : ui->ComBox)->setFocus();
}

void TFormChangeDay::patternChosen(int choice)
{
    if (choice < 1 || choice > choices_.size())
        return;
    if (const auto day = patterns::dayInputOf(patterns_.patterns[choices_[choice - 1]]))
        boxes_.set(*day);
}

void TFormChangeDay::showPattern(const DayEntry& entry)
{
    ui->ComPattern->setCurrentIndex(
        static_cast<int>(choices_.indexOf(patterns::patternOf(patterns_, entry))) + 1); // 0: none
}

// The day rule of the master window: a day that is not a working day has zero times.
void TFormChangeDay::boxChange()
{
    const master::DayInput current = boxes_.input();
    const master::DayInput ruled = master::withDayRule(current);
    if (ruled != current)
        boxes_.set(ruled);
    const bool complete
        = std::ranges::none_of(boxes_.all(), [](const QComboBox* box) { return box->currentIndex() < 0; });
    showPattern(complete ? changes::entryOf(ruled) : DayEntry {});
}

void TFormChangeDay::BtnRegisterClick()
{
    const master::DayInput day = boxes_.input();
    if (const auto refusal = master::checkDays({ &day, 1 }, date_.dayOfWeek() - 1)) {
        boxes_.pointAt(*refusal);
        dialogs::message(dialogs::Kind::Plain, master::refusalText(*refusal), dialogs::Buttons::Ok, this);
        return;
    }
    DayEntry entry = changes::entryOf(master::withDayRule(day));
    // A pattern without times chosen for the boxes' day is kept with it.
    if (const int choice = ui->ComPattern->currentIndex() - 1; choice >= 0 && choice < choices_.size()) {
        const patterns::Pattern& p = patterns_.patterns[choices_[choice]];
        if (!p.isWorking())
            entry.pattern = p.code;
    }
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
