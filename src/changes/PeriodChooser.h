#pragma once

#include "changes/EffectiveSchedule.h"

#include <QObject>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class TFormData;

// The choice between the registered period ("今の期間") and the one that follows it ("次の期間")
// that the change window and the reports over a period offer: two checked menu items with their
// shortcuts and a visible combo box, kept as one choice and named for assistive tools, and a
// label beside the box that shows the chosen period's dates. It only chooses; the window computes
// over daychanges::EffectiveSchedule(data, choice()).
class PeriodChooser : public QObject {
    Q_OBJECT
public:
    // Adds the two items to menu and fills box; label may be null.
    PeriodChooser(const TFormData& data, QMenu* menu, QComboBox* box, QLabel* label);

    daychanges::PeriodChoice choice() const { return choice_; }
    // Sets the choice without telling: a window that opens on another window's choice.
    void setChoice(daychanges::PeriodChoice choice);
    // Shows the chosen period's dates as the tables now give them.
    void refresh();

    QAction* registeredItem() const { return registered_; }
    QAction* nextItem() const { return next_; }

Q_SIGNALS:
    // The user chose a period.
    void chosen(daychanges::PeriodChoice choice);

private:
    void choose(daychanges::PeriodChoice choice);

    const TFormData& data_;
    QComboBox* box_;
    QLabel* label_;
    QAction* registered_ = nullptr;
    QAction* next_ = nullptr;
    daychanges::PeriodChoice choice_ = daychanges::PeriodChoice::Registered;
};
