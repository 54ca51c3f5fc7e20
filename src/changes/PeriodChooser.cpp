#include "changes/PeriodChooser.h"

#include "changes/DayText.h"
#include "data/Unitdata.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>

using daychanges::DateChoice;
using daychanges::PeriodChoice;

namespace {

// The item's name for assistive tools and the tests: NPeriodNow, NPeriodNext, NPeriodMonth202702.
QString itemName(const DateChoice& choice)
{
    if (choice.isMonth())
        return QStringLiteral("NPeriodMonth") + choice.month.toString(QStringLiteral("yyyyMM"));
    return choice.period == PeriodChoice::Next ? QStringLiteral("NPeriodNext") : QStringLiteral("NPeriodNow");
}

} // namespace

PeriodChooser::PeriodChooser(const TFormData& data, QMenu* menu, QComboBox* box, QLabel* label)
    : QObject(menu)
    , data_(data)
    , menu_(menu)
    , box_(box)
    , label_(label)
    , group_(new QActionGroup(this))
{
    steps_ = menu_->addSeparator();
    const auto step = [this](const char* name, const QString& text, const QKeySequence& key, int by) {
        QAction* a = menu_->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        connect(a, &QAction::triggered, this,
            [this, by] { choose(daychanges::stepChoice(data_.StringGrid2, choice_, by)); });
        stepping_.append(a);
    };
    step("NPeriodEarlier", QStringLiteral("前の期間・月"), QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
    step("NPeriodLater", QStringLiteral("後の期間・月"), QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    box_->setAccessibleName(QStringLiteral("期間"));
    box_->setToolTip(QStringLiteral(
        "今の期間，次の期間，又はその日付を含む月を選びます．Ctrl+PgUp と Ctrl+PgDown で日付順に前後へ切り替えます．"));
    connect(box_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < choices_.size())
            choose(choices_.at(index));
    });
    setChoice(PeriodChoice::Registered);
}

void PeriodChooser::offer()
{
    const QList<DateChoice> choices = daychanges::dateChoices(data_.StringGrid2);
    if (choices == choices_)
        return;
    choices_ = choices;
    for (QAction* a : group_->actions())
        delete a;
    const QSignalBlocker blocker(box_);
    box_->clear();
    for (const DateChoice& c : choices_) {
        QAction* a = new QAction(daychanges::choiceTitle(c), group_);
        a->setObjectName(itemName(c));
        a->setCheckable(true);
        menu_->insertAction(steps_, a);
        connect(a, &QAction::triggered, this, [this, c] { choose(c); });
        box_->addItem(daychanges::choiceTitle(c));
    }
}

void PeriodChooser::setChoice(const DateChoice& choice)
{
    offer();
    choice_ = choices_.contains(choice) ? choice : DateChoice(PeriodChoice::Registered);
    const qsizetype at = choices_.indexOf(choice_);
    group_->actions().at(at)->setChecked(true);
    const QSignalBlocker blocker(box_);
    box_->setCurrentIndex(static_cast<int>(at));
    const QString dates = changes::periodLine(daychanges::EffectiveSchedule(data_, choice_).dates());
    box_->setAccessibleDescription(dates);
    if (label_) {
        label_->setText(dates);
        label_->setAccessibleName(dates);
    }
}

void PeriodChooser::refresh()
{
    setChoice(choice_);
}

QList<QAction*> PeriodChooser::items() const
{
    return group_->actions() + stepping_;
}

void PeriodChooser::choose(const DateChoice& choice)
{
    const bool changed = choice != choice_;
    setChoice(choice);
    if (changed)
        Q_EMIT chosen(choice_);
}
