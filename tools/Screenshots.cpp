// Screenshots of every window and print report, the same for the same tree, so that two trees
// can be compared pixel by pixel and the guide can show the windows.
//
// The program runs on the demo shop's data on a fixed date, with every timer and pause at pace
// 0 and every message box answered, and is walked as a user walks it: menu items and buttons
// found by their names and chosen, names double-clicked. Each step waits for what the user
// would see (a check mark, an enabled command, a line count), never for time to pass. Windows
// go to <outdir>/<name>.png and their captions to <outdir>/captions.txt, print reports to
// <outdir>/report-<name>.pdf.
//
// Usage: rotan_screenshots <outdir>
//        rotan_screenshots --compare <dir-a> <dir-b>   (per PNG and for the captions: identical,
//                                                      differs or missing; exit status 0 only
//                                                      when all are identical)
#include "DemoShop.h"

#include "app/Application.h"
#include "app/Program.h"
#include "app/Unittitle.h"
#include "changes/Unitchange.h"
#include "data/Unitdata.h"
#include "labour/Unitlabour.h"
#include "master/Unitmaster.h"
#include "master/Unitmaster2.h"
#include "master/Unitperson.h"
#include "patterns/Unitpattern.h"
#include "period/Unitterm.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Pace.h"
#include "reports/Uniteditor.h"
#include "reports/Unitlines.h"
#include "shell/Unitmain.h"
#include "targets/Unittarget.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"
#include "views/Unitwklist.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// A Monday in June, in the morning.
const QDateTime kNow(QDate(2024, 6, 3), QTime(10, 0));
// The period's filler rows are drawn from this seed; no view shows them.
constexpr quint32 kSeed = 1;

QDir g_out;
dialogs::Script* g_dialogs = nullptr;
// The caption of each window shot: the pictures do not show the title bar.
QStringList g_captions;

// A step that could not be done; the windows and scratch directories are cleaned up on the way out.
struct Failure {
    QString what;
};

[[noreturn]] void fail(const QString& what)
{
    QString message = what;
    if (g_dialogs && !g_dialogs->shown.isEmpty())
        message += QStringLiteral("\nlast message box: ") + g_dialogs->shown.last().text;
    throw Failure { message };
}

// Runs the event loop until done() holds. A step that never completes (a renamed control, a
// window that changed its behaviour) stops the tool instead of hanging it.
void waitUntil(const QString& what, const std::function<bool()>& done)
{
    const QDeadlineTimer watchdog(60000);
    while (!done()) {
        if (watchdog.hasExpired())
            fail(QStringLiteral("gave up waiting for ") + what);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

template <typename T> T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        fail(QStringLiteral("%1 has no %2").arg(window->objectName(), QLatin1String(name)));
    return found;
}

// Chooses an item of a menu bar's menu: the menu opens, then the item is chosen.
void choose(QWidget* window, const char* menu, const char* item)
{
    Q_EMIT child<QMenu>(window, menu)->aboutToShow();
    QAction* action = child<QAction>(window, item);
    if (!action->isEnabled())
        fail(QStringLiteral("%1 of %2 is disabled").arg(QLatin1String(item), window->objectName()));
    action->trigger();
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

void clickItem(QListWidget* list, int row, bool twice = false)
{
    QWidget* view = list->viewport();
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(view, Qt::LeftButton, {}, at);
    if (twice) { // the second press of a double click arrives as a double-click event
        QTest::mouseDClick(view, Qt::LeftButton, {}, at);
        QTest::mouseRelease(view, Qt::LeftButton, {}, at);
    }
}

bool enabled(QWidget* window, const char* item)
{
    return child<QAction>(window, item)->isEnabled();
}

void shoot(QWidget* window, const QString& name)
{
    QCoreApplication::sendPostedEvents(); // pending moves, resizes and layouts
    g_captions << name + QStringLiteral(": ") + window->windowTitle();
    if (!window->grab().save(g_out.filePath(name + QStringLiteral(".png"))))
        fail(QStringLiteral("cannot write ") + name + QStringLiteral(".png"));
}

// Prints a report as a user does: the printer setup answered with a PDF file, then the print
// command, which is enabled again once the report is printed.
void print(QWidget* window, const char* menu, const char* setup, const char* printItem, const QString& name)
{
    const QString pdf = g_out.filePath(QStringLiteral("report-") + name + QStringLiteral(".pdf"));
    g_dialogs->answerPrinter(pdf);
    const auto pick = [&](const char* item) {
        if (menu)
            choose(window, menu, item);
        else
            child<QAction>(window, item)->trigger();
    };
    pick(setup);
    pick(printItem);
    waitUntil(
        name + QStringLiteral(" printed"), [&] { return enabled(window, printItem) && QFileInfo(pdf).size() > 0; });
}

// The windows created as the program creates them, in dir as the start directory.
std::unique_ptr<Program> startIn(const QString& dir)
{
    QDir::setCurrent(dir);
    auto program = std::make_unique<Program>();
    program->forms().FormMain->show();
    return program;
}

bool menuEnabled(QWidget* window, const char* menu)
{
    return child<QMenu>(window, menu)->menuAction()->isEnabled();
}

void writeShop(const QString& dir, const std::function<void(TFormData&)>& damage = {})
{
    TFormData data;
    if (!demo::fillShop(data, kNow.date(), kSeed))
        fail(QStringLiteral("the demo period could not be registered"));
    if (damage)
        damage(data);
    if (const auto error = demo::writeDataFiles(dir, data))
        fail(*error);
}

// Start-up ends with "情報" enabled in every state; only the normal state enables the rest.
void shootStartupState(const QString& name, const std::function<void(const QString&)>& prepare)
{
    QTemporaryDir dir;
    prepare(dir.path());
    const auto program = startIn(dir.path());
    Forms* forms = &program->forms();
    waitUntil(name, [&] { return menuEnabled(forms->FormMain, "NInfo"); });
    shoot(forms->FormMain, name);
}

void shootTheReports(Forms& forms)
{
    QWidget* main = forms.FormMain;
    const auto reportDone = [main] { return enabled(main, "NAllCopy"); };

    // Today's duty list: the today panel hands over to the main window.
    click(forms.FormInfo, "Button1");
    waitUntil(QStringLiteral("the duty list"), reportDone);
    shoot(main, QStringLiteral("duty-list"));
    print(main, nullptr, "NPrintSet", "NPrintOut", QStringLiteral("line-duty-list"));

    // The duty list handed on to the text window.
    child<QAction>(main, "NTranse")->trigger();
    auto* text = child<QTextEdit>(forms.FormEditor, "RichEdit1");
    waitUntil(QStringLiteral("the text window"), [text] { return !text->document()->isEmpty(); });
    shoot(forms.FormEditor, QStringLiteral("text-window"));
    child<QAction>(forms.FormEditor, "N2")->trigger();

    // One employee's week: the list of names, then a name double-clicked.
    choose(main, "NSum", "Nsearch");
    waitUntil(QStringLiteral("the list of names"), reportDone);
    auto* week = child<QTextEdit>(main, "RichEdit3");
    clickItem(child<QListWidget>(main, "ListBox1"), 1, true);
    waitUntil(QStringLiteral("one employee's week"), [week] { return week->document()->blockCount() > 2; });
    shoot(main, QStringLiteral("individual-week"));

    choose(main, "NSum", "Ncost");
    waitUntil(QStringLiteral("the weekly labour cost"), reportDone);
    shoot(main, QStringLiteral("weekly-labour-cost"));
    print(main, nullptr, "NPrintSet", "NPrintOut", QStringLiteral("line-labour-cost"));

    choose(main, "NData", "NList");
    waitUntil(QStringLiteral("the registration list"), reportDone);
    shoot(main, QStringLiteral("registration-list"));
    print(main, nullptr, "NPrintSet", "NPrintOut", QStringLiteral("line-registration-list"));

    choose(main, "NAction", "NPeriodCost");
    waitUntil(QStringLiteral("the period labour cost"), reportDone);
    shoot(main, QStringLiteral("period-labour-cost"));
    print(main, nullptr, "NPrintSet", "NPrintOut", QStringLiteral("line-period-labour-cost"));

    // The labour check of the registered period, from its submenu.
    choose(main, "NAction", "NLabourNow");
    waitUntil(QStringLiteral("the labour check"), reportDone);
    shoot(main, QStringLiteral("labour-check"));
    print(main, nullptr, "NPrintSet", "NPrintOut", QStringLiteral("line-labour-check"));

    choose(main, "NAction", "NState");
    waitUntil(QStringLiteral("the usage state"), [main] { return !enabled(main, "NState"); });
    shoot(main, QStringLiteral("usage-state"));
}

// A schedule view: complete when its menu item in the main window is checked. A view with a
// print report prints it and closes through its menu.
void shootView(Forms& forms, const char* item, QWidget* view, const QString& name, const QString& report = {},
    const std::function<void()>& more = {})
{
    QAction* done = child<QAction>(forms.FormMain, item);
    choose(forms.FormMain, "NSchedu", item);
    waitUntil(name, [done] { return done->isChecked(); });
    shoot(view, name);
    if (report.isEmpty()) {
        view->close();
        return;
    }
    print(view, "NAction", "NPrnSet", "NPrnOut", report);
    if (more)
        more();
    choose(view, "NAction", "N1");
}

// The month chart for the wall and the employees' sheets, printed from the schedule window.
void printTheWallChart(QWidget* schedule)
{
    print(schedule, "NAction", "NPrnSet", "NShiftChart", QStringLiteral("wall-chart"));
    print(schedule, "NAction", "NPrnSet", "NShiftChartEach", QStringLiteral("wall-chart-each"));
}

void shootTheViews(Forms& forms)
{
    shootView(forms, "NscheManth", forms.FormSchedu, QStringLiteral("schedule-window"), QStringLiteral("schedule"),
        [&forms] { printTheWallChart(forms.FormSchedu); });
    shootView(forms, "NscheDay", forms.FormTime, QStringLiteral("hour-chart"), QStringLiteral("time-series"));
    shootView(forms, "NscheWeek", forms.FormWkList, QStringLiteral("weekday-list"));
}

// The change window with the demo's changes, and its dialog on the first employee's day of leave.
void shootTheChanges(Forms& forms)
{
    QWidget* window = forms.FormChange;
    auto* grid = child<QTableView>(window, "StringGrid1");
    choose(forms.FormMain, "NSchedu", "NscheChange");
    waitUntil(
        QStringLiteral("the change window"), [&] { return window->isVisible() && grid->model()->rowCount() > 0; });
    shoot(window, QStringLiteral("change-window"));
    grid->setCurrentIndex(grid->model()->index(0, 2));
    child<QAction>(window, "NEdit")->trigger();
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("TFormChangeDay"));
    waitUntil(QStringLiteral("the change dialog"), [dialog] { return dialog && dialog->isVisible(); });
    shoot(dialog, QStringLiteral("change-dialog"));
    click(dialog, "BtnCancel");

    // A proposal of the period: the dialog, then the grid with the proposal and its summary.
    child<QAction>(window, "NPropose")->trigger();
    auto* proposal = window->findChild<QDialog*>(QStringLiteral("TFormProposal"));
    waitUntil(QStringLiteral("the proposal dialog"), [proposal] { return proposal && proposal->isVisible(); });
    shoot(proposal, QStringLiteral("proposal-dialog"));
    click(proposal, "BtnCreate");
    auto* panel = child<QWidget>(window, "PanelProposal");
    waitUntil(QStringLiteral("the proposal"), [panel] { return panel->isVisible(); });
    shoot(window, QStringLiteral("change-window-proposal"));
    click(window, "BtnDiscard");
    choose(window, "NAction", "NClose");
}

// The target window, the shortage list of the registered period and the labour settings.
void shootThePlanning(Forms& forms)
{
    QWidget* main = forms.FormMain;
    QWidget* targets = forms.FormTarget;
    choose(main, "NSchedu", "NTargetSet");
    waitUntil(QStringLiteral("the target window"), [targets] { return targets->isVisible(); });
    shoot(targets, QStringLiteral("target-window"));
    click(targets, "BtnClose");

    TFormLines* shortage = forms.FormShortage;
    choose(main, "NSchedu", "NShortage");
    waitUntil(QStringLiteral("the shortage list"), [shortage] { return shortage->isReady(); });
    shoot(shortage, QStringLiteral("shortage-list"));
    print(shortage, "NAction", "NPrnSet", "NPrnOut", QStringLiteral("line-shortage-list"));
    choose(shortage, "NAction", "N1");

    QWidget* labour = forms.FormLabour;
    choose(main, "NData", "NLabourSet");
    waitUntil(QStringLiteral("the labour settings"), [labour] { return labour->isVisible(); });
    shoot(labour, QStringLiteral("labour-settings"));
    click(labour, "BtnCancel");

    QWidget* patterns = forms.FormPattern;
    choose(main, "NData", "NPatternSet");
    waitUntil(QStringLiteral("the pattern window"), [patterns] { return patterns->isVisible(); });
    child<QTabWidget>(patterns, "PageControl1")->setCurrentIndex(2);
    shoot(patterns, QStringLiteral("pattern-sequence"));
    click(patterns, "BtnClose");
}

void shootTheTitle(Forms& forms)
{
    // The credit lines slide in from the right and come to rest where the layout put them.
    QWidget* title = forms.FormTitle;
    QList<std::pair<QWidget*, QPoint>> homes;
    for (QLabel* label : title->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            homes.append({ label, label->pos() });
    choose(forms.FormMain, "NInfo", "N13");
    waitUntil(QStringLiteral("the title's animation"), [&] {
        return title->isVisible() && std::all_of(homes.begin(), homes.end(), [](const auto& home) {
            return home.first->pos() == home.second;
        });
    });
    shoot(title, QStringLiteral("title-window"));
    click(title, "BtnClose");
}

void shootTheMaster(Forms& forms)
{
    QWidget* master = forms.FormMaster;
    QWidget* person = forms.FormPerson;
    choose(forms.FormMain, "NData", "NInput");
    auto* names = child<QListWidget>(person, "ListBox1");
    waitUntil(QStringLiteral("the employee list"), [names] { return names->count() > 1; });
    // The second employee loaded for editing.
    clickItem(names, 1);
    child<QAction>(person, "NRewrite")->trigger();
    auto* name = child<QLineEdit>(master, "Edit1");
    waitUntil(QStringLiteral("the employee loaded"), [&] { return name->text() == names->item(1)->text(); });
    shoot(master, QStringLiteral("master"));
    shoot(person, QStringLiteral("master-list"));

    QWidget* batch = forms.FormMaster2;
    choose(master, "NTool", "NBatch");
    waitUntil(QStringLiteral("the weekly batch"), [batch] { return batch->isVisible(); });
    shoot(batch, QStringLiteral("master-batch"));
    batch->close();
    choose(master, "NAction", "NClose");
}

void shootThePeriod(Forms& forms)
{
    QWidget* term = forms.FormTerm;
    auto* execute = child<QPushButton>(term, "SpeedBtn");
    choose(forms.FormMain, "NData", "NFirstSet");
    waitUntil(QStringLiteral("the period"), [execute] { return execute->isEnabled(); });
    shoot(term, QStringLiteral("period"));
    click(term, "SpeedBtn");
    waitUntil(QStringLiteral("the period registered"), [execute] { return !execute->isEnabled(); });
    shoot(term, QStringLiteral("period-registered"));
    choose(term, "NAction", "N3");
}

void shootTheProgram()
{
    QTemporaryDir dir;
    writeShop(dir.path());
    const auto program = startIn(dir.path());
    Forms* forms = &program->forms();
    QWidget* main = forms->FormMain;
    auto* details = child<QPushButton>(forms->FormInfo, "Button1");
    waitUntil(QStringLiteral("the today panel"),
        [&] { return menuEnabled(main, "NSchedu") && details->isVisible() && details->isEnabled(); });
    shoot(main, QStringLiteral("main-normal"));
    shoot(forms->FormInfo, QStringLiteral("today-panel-normal"));

    shootTheReports(*forms);
    shootTheViews(*forms);
    shootTheChanges(*forms);
    shootThePlanning(*forms);
    shootTheTitle(*forms);
    shootTheMaster(*forms);
    shootThePeriod(*forms);
}

void shootAll(const QString& outDir)
{
    if (!QDir().mkpath(outDir))
        fail(QStringLiteral("cannot create ") + outDir);
    g_out = QDir(outDir);
    pace::setScale(0);
    clock_::setNow(kNow);
    // A text cursor that blinks would be caught on or off by chance.
    QApplication::setCursorFlashTime(0);
    dialogs::Script script;
    g_dialogs = &script;

    shootTheProgram();
    shootStartupState(QStringLiteral("main-setup-needed"), [](const QString&) {});
    shootStartupState(QStringLiteral("main-data-error"), [](const QString& dir) {
        // A weekday code out of range on the third day of the period.
        writeShop(dir, [](TFormData& data) { data.StringGrid2.setCell(2, 2, QStringLiteral("9")); });
    });
    QFile captions(g_out.filePath(QStringLiteral("captions.txt")));
    if (!captions.open(QIODevice::WriteOnly) || captions.write((g_captions.join(u'\n') + u'\n').toUtf8()) < 0)
        fail(QStringLiteral("cannot write captions.txt"));
}

// One file of two sets: identical, differs (in how many pixels) or missing in one set.
QString verdict(const QString& a, const QString& b)
{
    for (const QString& path : { a, b })
        if (!QFileInfo::exists(path))
            return QStringLiteral("missing in ") + QFileInfo(path).path();
    if (a.endsWith(QLatin1String(".txt"))) {
        QFile x(a);
        QFile y(b);
        x.open(QIODevice::ReadOnly);
        y.open(QIODevice::ReadOnly);
        return x.readAll() == y.readAll() ? QStringLiteral("identical") : QStringLiteral("differs");
    }
    const QImage x(a);
    const QImage y(b);
    if (x.size() != y.size())
        return QStringLiteral("differs (size %1x%2 against %3x%4)")
            .arg(x.width())
            .arg(x.height())
            .arg(y.width())
            .arg(y.height());
    qint64 count = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column)
            count += x.pixel(column, row) != y.pixel(column, row);
    return count == 0 ? QStringLiteral("identical") : QStringLiteral("differs (%1 pixels)").arg(count);
}

// The pictures and the captions of two sets, file by file.
int compareSets(const QDir& a, const QDir& b)
{
    const QStringList patterns { QStringLiteral("*.png"), QStringLiteral("captions.txt") };
    QStringList names = a.entryList(patterns, QDir::Files) + b.entryList(patterns, QDir::Files);
    names.sort();
    names.removeDuplicates();
    if (names.isEmpty()) {
        std::printf("no screenshots in either set\n");
        return 1;
    }
    bool identical = true;
    for (const QString& name : names) {
        const QString result = verdict(a.filePath(name), b.filePath(name));
        identical = identical && result == QLatin1String("identical");
        std::printf("%s: %s\n", qPrintable(name), qPrintable(result));
    }
    return identical ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 3 && args[0] == QLatin1String("--compare")) {
        QCoreApplication app(argc, argv);
        return compareSets(QDir(args[1]), QDir(args[2]));
    }
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-'))) {
        std::fputs("usage: rotan_screenshots <outdir>\n       rotan_screenshots --compare <dir-a> <dir-b>\n", stderr);
        return 2;
    }
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL Rotan QX-30"));
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        shootAll(QDir(args[0]).absolutePath());
    } catch (const Failure& failure) {
        std::fprintf(stderr, "rotan_screenshots: %s\n", qPrintable(failure.what));
        return 1;
    }
    return 0;
}
