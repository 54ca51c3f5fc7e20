#pragma once

#include "master/Unitmaster.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QPushButton>

// Registers an employee through the employee master window as a user does, with the wage and
// standard week of sampleEmployee() (weekdays 9:00 to 17:30 with a break of 60 minutes, weekend
// off), and answers No to keeping the inputs for the next one.
inline void registerThroughMasterWindow(ProgramRun& run, const QString& name)
{
    TFormMaster* master = run.forms().FormMaster;
    if (!master->isVisible())
        run.forms().FormMain->handOverTo(master);
    master->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(name);
    master->findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("1000"));
    master::Week week;
    for (int d = 0; d < master::kDays; ++d)
        week[d] = d < 5 ? master::DayInput { 0, 9, 0, 17, 6, 12 } : master::DayInput { 1, 0, 0, 0, 0, 0 };
    master->setWeek(week);
    run.dialogs().answer(dialogs::Answer::No);
    master->findChild<QPushButton*>(QStringLiteral("SpeedBtn"))->click();
}
