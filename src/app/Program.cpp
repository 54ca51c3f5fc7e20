#include "app/Program.h"

#include "app/Unitabout.h"
#include "app/Unittitle.h"
#include "changes/Unitchange.h"
#include "data/Unitdata.h"
#include "labour/Unitlabour.h"
#include "master/Unitmaster.h"
#include "master/Unitmaster2.h"
#include "master/Unitperson.h"
#include "patterns/Unitpattern.h"
#include "period/Unitterm.h"
#include "reports/Uniteditor.h"
#include "reports/Unitlines.h"
#include "reports/ViewOutput.h"
#include "shell/Unitmain.h"
#include "targets/ShortageList.h"
#include "targets/Unittarget.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"
#include "views/Unitwklist.h"

Program::Program()
{
    output_ = std::make_unique<ViewOutput>();
    forms_.Output = output_.get();
    main_ = std::make_unique<TFormMain>(forms_);
    forms_.FormMain = main_.get();
    {
        TAboutBox aboutBox; // shows itself for 3 s; the windows after it wait
    }
    master_ = std::make_unique<TFormMaster>(forms_);
    forms_.FormMaster = master_.get();
    person_ = std::make_unique<TFormPerson>(forms_);
    forms_.FormPerson = person_.get();
    data_ = std::make_unique<TFormData>();
    forms_.FormData = data_.get();
    term_ = std::make_unique<TFormTerm>(forms_);
    forms_.FormTerm = term_.get();
    schedu_ = std::make_unique<TFormSchedu>(forms_);
    forms_.FormSchedu = schedu_.get();
    time_ = std::make_unique<TFormTime>(forms_);
    forms_.FormTime = time_.get();
    info_ = std::make_unique<TFormInfo>(forms_, main_.get());
    forms_.FormInfo = info_.get();
    wkList_ = std::make_unique<TFormWkList>(forms_);
    forms_.FormWkList = wkList_.get();
    title_ = std::make_unique<TFormTitle>();
    forms_.FormTitle = title_.get();
    editor_ = std::make_unique<TFormEditor>(forms_);
    forms_.FormEditor = editor_.get();
    master2_ = std::make_unique<TFormMaster2>();
    forms_.FormMaster2 = master2_.get();
    change_ = std::make_unique<TFormChange>(forms_);
    forms_.FormChange = change_.get();
    target_ = std::make_unique<TFormTarget>(forms_);
    forms_.FormTarget = target_.get();
    shortage_ = targets::makeShortageList(forms_);
    forms_.FormShortage = shortage_.get();
    labour_ = std::make_unique<TFormLabour>(forms_);
    forms_.FormLabour = labour_.get();
    pattern_ = std::make_unique<TFormPattern>(forms_);
    forms_.FormPattern = pattern_.get();
    connectWindows();
}

// The unique pointers release the windows in the reverse order of their creation.
Program::~Program() = default;

void Program::connectWindows()
{
    TFormMain* main = main_.get();

    // The windows the main window hands over to give it back when they close.
    QObject::connect(master_.get(), &TFormMaster::closed, main, &QWidget::show);
    QObject::connect(term_.get(), &TFormTerm::closed, main, &QWidget::show);
    QObject::connect(schedu_.get(), &ViewWindow::closed, main, &QWidget::show);
    QObject::connect(time_.get(), &ViewWindow::closed, main, &QWidget::show);
    QObject::connect(editor_.get(), &TFormEditor::closed, main, &QWidget::show);
    QObject::connect(change_.get(), &TFormChange::closed, main, &QWidget::show);
    QObject::connect(target_.get(), &TFormTarget::closed, main, &QWidget::show);
    // The shortage list may also be opened from the change window, which stays open beneath it.
    QObject::connect(shortage_.get(), &TFormLines::closed, main, [main, change = change_.get()] {
        if (!change->isVisible())
            main->show();
    });
    QObject::connect(labour_.get(), &TFormLabour::closed, main, &QWidget::show);
    QObject::connect(pattern_.get(), &TFormPattern::closed, main, &QWidget::show);

    // The employee list and the batch window ask the master window to act on its inputs.
    TFormMaster* master = master_.get();
    QObject::connect(person_.get(), &TFormPerson::newRegistrationChosen, master, &TFormMaster::newRegistrationChosen);
    QObject::connect(person_.get(), &TFormPerson::editChosen, master, &TFormMaster::loadForEditing);
    QObject::connect(person_.get(), &TFormPerson::deleteChosen, master, &TFormMaster::deleteEmployee);
    QObject::connect(master2_.get(), &TFormMaster2::weekChosen, master, &TFormMaster::setWeek);

    // Every change the user commits to a persisted table goes to the recovery journal at once.
    QObject::connect(master, &TFormMaster::tableChanged, main, &TFormMain::journalChanges);
    QObject::connect(term_.get(), &TFormTerm::tableChanged, main, &TFormMain::journalChanges);
    QObject::connect(change_.get(), &TFormChange::tableChanged, main, &TFormMain::journalChanges);
    QObject::connect(target_.get(), &TFormTarget::tableChanged, main, &TFormMain::journalChanges);
    QObject::connect(labour_.get(), &TFormLabour::tableChanged, main, &TFormMain::journalChanges);
    QObject::connect(pattern_.get(), &TFormPattern::tableChanged, main, &TFormMain::journalChanges);

    // A registered period ends the reminder of the previous one.
    QObject::connect(term_.get(), &TFormTerm::periodRegistered, main, &TFormMain::hidePeriodReminder);

    // The views check their menu items when complete; the weekday list can be opened again
    // once it has been emptied.
    QObject::connect(schedu_.get(), &ViewWindow::completed, main,
        [main] { main->scheduleItem(TFormMain::ScheduleItem::Monthly)->setChecked(true); });
    QObject::connect(time_.get(), &ViewWindow::completed, main,
        [main] { main->scheduleItem(TFormMain::ScheduleItem::Daily)->setChecked(true); });
    QObject::connect(wkList_.get(), &TFormWkList::filled, main,
        [main] { main->scheduleItem(TFormMain::ScheduleItem::Weekly)->setChecked(true); });
    QObject::connect(wkList_.get(), &TFormWkList::emptied, main,
        [main] { main->scheduleItem(TFormMain::ScheduleItem::Weekly)->setEnabled(true); });

    // The today panel tells today's weekday code to the duty list, the hour chart and the weekday
    // list, keeps the main window's reminder and hands over to the duty list.
    TFormInfo* info = info_.get();
    QObject::connect(info, &TFormInfo::weekdayKnown, main, &TFormMain::setTodayWeekdayCode);
    QObject::connect(info, &TFormInfo::weekdayKnown, time_.get(), &TFormTime::setTodayWeekdayCode);
    QObject::connect(info, &TFormInfo::weekdayKnown, wkList_.get(), &TFormWkList::setTodayWeekdayCode);
    QObject::connect(info, &TFormInfo::detailsOffered, main, [main] { main->setPictureHint(true); });
    QObject::connect(info, &TFormInfo::reminderShown, main, &TFormMain::startPeriodReminder);
    QObject::connect(info, &TFormInfo::reminderHidden, main, &TFormMain::stopPeriodReminder);
    QObject::connect(info, &TFormInfo::detailsAsked, main, [main] { main->setTopMenusEnabled(false); });
    QObject::connect(info, &TFormInfo::dutyPanelWanted, main, &TFormMain::growDutyPanel);
    QObject::connect(info, &TFormInfo::dutyListWanted, main, &TFormMain::startDutyList);

    QObject::connect(main, &TFormMain::titleWanted, title_.get(), &QWidget::show);

    // The text window prints the main window's panel.
    QObject::connect(editor_.get(), &TFormEditor::printRequested, main,
        [main, editor = editor_.get()] { main->printLineReport(editor); });
}
