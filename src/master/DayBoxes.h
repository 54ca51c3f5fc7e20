#pragma once

#include "master/MasterRecord.h"
#include "master/Registration.h"

#include <QString>
#include <array>

class QComboBox;

// The six drop-down boxes of one weekday (attribute, start hour and minute, end hour and
// minute, rest), as the employee master window has seven times and the batch window once.
struct DayBoxes {
    DayBoxes() = default;
    DayBoxes(QComboBox* attribute, QComboBox* startHour, QComboBox* startMinute, QComboBox* endHour,
        QComboBox* endMinute, QComboBox* rest)
        : attribute(attribute)
        , startHour(startHour)
        , startMinute(startMinute)
        , endHour(endHour)
        , endMinute(endMinute)
        , rest(rest)
    {
    }

    QComboBox* attribute = nullptr;
    QComboBox* startHour = nullptr;
    QComboBox* startMinute = nullptr;
    QComboBox* endHour = nullptr;
    QComboBox* endMinute = nullptr;
    QComboBox* rest = nullptr;

    std::array<QComboBox*, 6> all() const { return { attribute, startHour, startMinute, endHour, endMinute, rest }; }

    // Gives each box its fixed entries, with no selection, and keeps its prompt.
    void fillEntries();
    // Lets every box show the prompt it was designed with again.
    void restorePrompts() const;
    master::DayInput input() const;
    // Sets every box without reporting the change, so no day rule runs.
    void set(const master::DayInput& day) const;
    // Puts the focus on the box a refused day check points at, with its prompt where the check
    // asks for a choice.
    void pointAt(const master::Refusal& refusal) const;

private:
    std::array<QString, 6> prompts_;
};
