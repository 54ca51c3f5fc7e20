#include "master/DayBoxes.h"

#include "data/WorkAttributes.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QSignalBlocker>

namespace {

// On Linux Qt names a combo box after its current entry, so assistive tools would meet
// "11" instead of "月曜日 勤務開始 時" once an hour is chosen. A day box keeps its own
// name and reports the chosen entry as its value.
class AccessibleDayBox : public QAccessibleWidget {
public:
    explicit AccessibleDayBox(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name)
            return box->accessibleName();
        if (t == QAccessible::Value)
            return box->currentText();
        return QAccessibleWidget::text(t);
    }
};

} // namespace

void DayBoxes::fillEntries()
{
    attribute->addItems(attributes::all());
    startHour->addItems(master::hourEntries());
    startMinute->addItems(master::minuteEntries());
    endHour->addItems(master::hourEntries());
    endMinute->addItems(master::minuteEntries());
    rest->addItems(master::restEntries());
    for (std::size_t i = 0; i < prompts_.size(); ++i) {
        QAccessible::registerAccessibleInterface(new AccessibleDayBox(all()[i])); // owned by Qt's cache
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
