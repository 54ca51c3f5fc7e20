#pragma once

#include "changes/EffectiveSchedule.h"

#include <QObject>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class TFormData;

// The choice of dates that the change window, the reports over a period and the outputs offer:
// the registered period ("今の期間"), the one that follows it ("次の期間") and every calendar month
// with a date in either ("YYYY年M月"). Checked menu items and a visible combo box kept as one
// choice and named for assistive tools, two menu items that step through the choices in date
// order (Ctrl+PgUp, Ctrl+PgDown), and a label beside the box that shows the chosen dates. It only
// chooses; the window computes over daychanges::EffectiveSchedule(data, choice()).
class PeriodChooser : public QObject {
    Q_OBJECT
public:
    // Adds the items to menu and fills box; label may be null.
    PeriodChooser(const TFormData& data, QMenu* menu, QComboBox* box, QLabel* label);

    const daychanges::DateChoice& choice() const { return choice_; }
    // Sets the choice without telling: a window that opens on another window's choice.
    void setChoice(const daychanges::DateChoice& choice);
    // Offers the choices and shows the chosen dates as the tables now give them; a month no
    // longer offered gives way to the registered period.
    void refresh();
    // The items that change the choice, for a window that locks it.
    QList<QAction*> items() const;

Q_SIGNALS:
    // The user chose.
    void chosen(const daychanges::DateChoice& choice);

private:
    void offer();
    void choose(const daychanges::DateChoice& choice);

    const TFormData& data_;
    QMenu* menu_;
    QComboBox* box_;
    QLabel* label_;
    QActionGroup* group_;
    QAction* steps_ = nullptr; // the separator before the stepping items
    QList<QAction*> stepping_;
    QList<daychanges::DateChoice> choices_; // as offered, in the box's order
    daychanges::DateChoice choice_;
};
