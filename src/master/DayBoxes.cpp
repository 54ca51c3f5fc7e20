#include "master/DayBoxes.h"

#include "data/WorkAttributes.h"

#include <QComboBox>
#include <QSignalBlocker>

void DayBoxes::fillEntries()
{
    attribute->addItems(attributes::all());
    startHour->addItems(master::hourEntries());
    startMinute->addItems(master::minuteEntries());
    endHour->addItems(master::hourEntries());
    endMinute->addItems(master::minuteEntries());
    rest->addItems(master::restEntries());
    for (std::size_t i = 0; i < prompts_.size(); ++i) {
        all()[i]->setMaxVisibleItems(13);
        all()[i]->setCurrentIndex(master::kNoEntry);
        prompts_[i] = all()[i]->placeholderText();
    }
}

void DayBoxes::restorePrompts() const
{
    for (std::size_t i = 0; i < prompts_.size(); ++i)
        all()[i]->setPlaceholderText(prompts_[i]);
}

master::DayInput DayBoxes::input() const
{
    return { attribute->currentIndex(), startHour->currentIndex(), startMinute->currentIndex(), endHour->currentIndex(),
        endMinute->currentIndex(), rest->currentIndex() };
}

void DayBoxes::set(const master::DayInput& day) const
{
    const std::array<int, 6> entries { day.attribute, day.startHour, day.startMinute, day.endHour, day.endMinute,
        day.rest };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QSignalBlocker blocker(all()[i]);
        all()[i]->setCurrentIndex(entries[i]);
    }
}

void DayBoxes::pointAt(const master::Refusal& refusal) const
{
    using master::Problem;
    switch (refusal.problem) {
    case Problem::AttributeMissing:
        attribute->setPlaceholderText(QStringLiteral("選択入力"));
        attribute->setFocus();
        break;
    case Problem::TimesMissing:
        startHour->setFocus();
        break;
    case Problem::RestMissing:
        rest->setPlaceholderText(QStringLiteral("選択"));
        rest->setFocus();
        break;
    case Problem::ZeroHour:
        (refusal.atEndHour ? endHour : startHour)->setFocus();
        break;
    default:
        break;
    }
}
