#pragma once

#include "master/DayBoxes.h"
#include "master/MasterRecord.h"

#include <QMainWindow>
#include <array>
#include <memory>

struct Forms;
namespace Ui {
class TFormMaster;
}
namespace master {
struct Refusal;
}
class TFormPatternWeek;
class Timer;

// The employee master window: takes one employee's name, wage and standard week, checks
// them and writes the record into the employee master table (never a file). It carries out
// what the employee list beside it asks for (a new registration, loading a record for
// editing, deleting one), while the list holds the editing mode; the batch window fills all
// seven day blocks at once. What a record holds and how it is checked is computed in
// MasterRecord and Registration; this window shows and paces it.
class TFormMaster : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMaster(Forms& forms);
    ~TFormMaster() override;

    // The seven day blocks, Monday first, as entry numbers; setting them runs no day rule.
    master::Week week() const;
    void setWeek(const master::Week& week);

    // What the employee list asks for: a new registration (its mode is set already), the
    // record of name loaded for editing, or the employee name deleted after a confirmation.
    // An empty name means that none is selected in the list.
    void newRegistrationChosen();
    void loadForEditing(const QString& name);
    void deleteEmployee(const QString& name);

Q_SIGNALS:
    // The window was closed; the main window shows again.
    void closed();
    // A registration or a deletion changed the employee master table.
    void tableChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Lets a day's boxes show their prompts again (the loader marks an open rest box so).
    void restoreDayPrompts(int day);
    void setName(const QString& name);
    void setWage(const QString& wage);
    void emptyAndFocusName();
    // Wage "0" and every day box without selection, showing its prompt. The name is
    // left as it is.
    void inputReset();
    // The progress display: shown at its first step, set, and hidden again at 0.
    void startProgress();
    void setProgress(int value);
    void stopProgress();

    void SpeedBtnClick();
    void dayChange(int day);
    void Edit1Change();
    void Edit2Change();
    void Edit1Exit();
    void Edit2Exit();
    void refuse(const master::Refusal& refusal);
    void showHelp(const QString& text);
    // Fills the day blocks chosen in the dialog "勤務パターンで入力" from their patterns.
    void NPatternWeekClick();
    // Moves the focus once the focus change in progress has finished.
    void focusLater(QWidget* widget);

    std::unique_ptr<Ui::TFormMaster> ui;
    Forms& forms_;
    std::array<DayBoxes, master::kDays> days_;
    Timer* TimerNameCut = nullptr; // hides the note of a cut name again
    std::unique_ptr<TFormPatternWeek> patternWeek_;
    bool placed_ = false;
};
