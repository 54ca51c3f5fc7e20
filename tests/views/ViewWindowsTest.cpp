#include "changes/EffectiveSchedule.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Clock.h"
#include "platform/Gauge.h"
#include "platform/RichEdit.h"
#include "reports/ViewOutput.h"
#include "shell/Unitmain.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"
#include "views/Unitwklist.h"
#include "views/ViewsTestData.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2024, 5, 7); // a Tuesday; the period runs to 15 June, 40 days
const QString kNoPrinter = QStringLiteral("▼ プリンタ未設定．\r\n\r\n▽ プリンタを有効 （動作可能状態） "
                                          "にしてください．．．\r\n\r\n- Karvela Software Development -");

// Five employees: Tuesday is a working day for 山田, a night shift for 田中, a regular day
// off for 鈴木, a day of rest for 佐藤 and "other" for 高橋.
QList<QStringList> staff()
{
    return { sampleEmployee(QStringLiteral("山田")),
        withDay(sampleEmployee(QStringLiteral("田中")), 1, QStringLiteral("勤務日"), QStringLiteral("22"),
            QStringLiteral("00"), QStringLiteral("6"), QStringLiteral("00")),
        withDay(sampleEmployee(QStringLiteral("鈴木")), 1, QStringLiteral("公休")),
        withDay(sampleEmployee(QStringLiteral("佐藤")), 1, QStringLiteral("休み")),
        withDay(sampleEmployee(QStringLiteral("高橋")), 1, QStringLiteral("その他")) };
}

// The program started on kToday with valid data files, in the normal state.
class Views : public ::testing::Test {
protected:
    Views()
    {
        QByteArray master;
        for (const QStringList& cells : staff())
            master += fileLine(cells);
        writeFileBytes(dir.file(TFormData::kMasterFile), master);
        Table schedule { 40, 5 };
        registerPeriod(schedule, kToday, 7);
        writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
        run = std::make_unique<ProgramRun>(kToday);
        run->startUp();
        Q_EMIT run->forms().FormInfo->weekdayKnown(3); // as the today panel does
    }
    ~Views() override { clock_::useSystemClock(); }

    TFormMain* main() { return run->forms().FormMain; }
    TFormData& data() { return *run->forms().FormData; }
    dialogs::Script& script() { return run->dialogs(); }
    QAction* mainItem(const char* name) { return main()->findChild<QAction*>(QLatin1String(name)); }
    static QAction* item(QWidget* w, const char* name) { return w->findChild<QAction*>(QLatin1String(name)); }
    static QStringList lines(QWidget* w) { return w->findChild<RichEdit*>(QStringLiteral("RichEdit1"))->lines(); }
    // Opens a view from the main menu and waits until its text is complete.
    void open(const char* item, ViewWindow* view)
    {
        const bool checked = mainItem(item)->isChecked();
        mainItem(item)->trigger();
        EXPECT_FALSE(main()->isVisible());
        EXPECT_TRUE(view->isVisible());
        EXPECT_EQ(mainItem(item)->isChecked(), checked) << "only a complete text checks the item";
        ASSERT_TRUE(waitFor([view] { return view->isReady(); }));
    }

    StartDirectory dir;
    std::unique_ptr<ProgramRun> run;
};

// Day of month of each period day, three positions each.
QString dayHeader()
{
    QString out;
    for (int d = 0; d < 40; ++d)
        out += QStringLiteral("%1 ").arg(kToday.addDays(d).day(), 2);
    return out;
}

} // namespace

TEST_F(Views, TheScheduleWindowLaysOutThePeriod)
{
    TFormSchedu* view = run->forms().FormSchedu;
    ASSERT_EQ(main()->state(), TFormMain::State::Normal);
    open("NscheManth", view);

    const QStringList text = lines(view);
    ASSERT_EQ(text.size(), 11 + 3 + 5 + 6);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("勤務スケジュール作成"));
    EXPECT_EQ(view->centralWidget()->size(), QSize(992, 669));
    EXPECT_EQ(text[8], QStringLiteral("2024年5月7日 （火）"));
    EXPECT_EQ(text[10], QStringLiteral("■■■ 2024年5月7日 ～ 2024年6月15日  ＜40 日間＞ ■■■"));
    EXPECT_EQ(text[11], dayHeader());
    EXPECT_TRUE(text[12].startsWith(QStringLiteral("火 水 木 金 土 日 月 火 ")));
    QString yamada;
    for (int d = 0; d < 40; ++d)
        yamada += kToday.addDays(d).dayOfWeek() <= 5 ? QStringLiteral("〇 ") : QStringLiteral("☆ ");
    EXPECT_EQ(text[14], yamada + QStringLiteral("  【山田】"));
    for (const auto& [row, symbol] : { std::pair { 15, "〇" }, { 16, "☆" }, { 17, "×" }, { 18, "－" } })
        EXPECT_TRUE(text[row].startsWith(QString::fromUtf8(symbol) + QStringLiteral(" 〇 "))) << row;
    EXPECT_EQ(text.mid(19, 3), QStringList({ text[13], text[12], text[11] }));
    EXPECT_EQ(
        text.last(), QStringLiteral("[重要事項] 印刷実行で，当該スケジュール表は整形されプリント・アウトされます．"));

    // The tables the print report reads.
    EXPECT_EQ(data().StringGrid3.cell(0, 2), QStringLiteral("☆"));
    EXPECT_EQ(data().StringGrid3.cell(39, 0), QStringLiteral("☆")) << "15 June, a Saturday";
    EXPECT_EQ(data().StringGrid3.cell(40, 4), QStringLiteral("高橋"));
    EXPECT_EQ(data().StringGrid4.cell(0, 0), QStringLiteral("火"));
    EXPECT_EQ(data().StringGrid4.cell(39, 0), QStringLiteral("土"));

    EXPECT_TRUE(mainItem("NscheManth")->isChecked());
    EXPECT_TRUE(view->findChild<QMenu*>(QStringLiteral("NAction"))->menuAction()->isEnabled());
    EXPECT_EQ(view->findChild<RichEdit*>(QStringLiteral("RichEdit1"))->toolTip(), QStringLiteral("右ｸﾘｯｸ・ﾒﾆｭｰ"));
    EXPECT_FALSE(view->findChild<QWidget*>(QStringLiteral("CGauge1"))->isVisible());

    // The popup menu opens by itself when the text is complete, and again from the keyboard.
    auto* popup = view->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
    QApplication::setActiveWindow(view);
    view->findChild<RichEdit*>(QStringLiteral("RichEdit1"))->setFocus();
    QTest::keyClick(view->findChild<RichEdit*>(QStringLiteral("RichEdit1")), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(popup->isVisible());

    item(view, "N1")->trigger();
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(main()->isVisible());
    EXPECT_TRUE(lines(view).isEmpty());
    for (const char* name : { "NAllSelect", "NAllCopy", "NSave", "NPrintSet", "NPrintOut", "NPrnSet", "NPrnOut" })
        EXPECT_FALSE(item(view, name)->isEnabled()) << name;
    EXPECT_TRUE(view->findChild<RichEdit*>(QStringLiteral("RichEdit1"))->toolTip().isEmpty());

    open("NscheManth", view);
    EXPECT_EQ(lines(view), text) << "reopening builds the same text again";
}

TEST_F(Views, TheScheduleTextCanBeCopiedSavedAndPrintedOnceAPrinterIsChosen)
{
    TFormSchedu* view = run->forms().FormSchedu;
    open("NscheManth", view);
    EXPECT_EQ(item(view, "NPrnSet")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(item(view, "N1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));

    item(view, "NAllSelect")->trigger();
    item(view, "NAllCopy")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("  【高橋】")));

    script().answerSave(dialogs::SaveChoice { dir.file(QStringLiteral("schedule")), 1 });
    item(view, "NSave")->trigger();
    const QByteArray rtf = readFileBytes(dir.file(QStringLiteral("schedule.RTF")));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\red255\\green255\\blue0")) << "the view's yellow text";

    item(view, "NPrnOut")->trigger();
    EXPECT_EQ(script().texts(), QStringList { kNoPrinter });
    EXPECT_FALSE(view->reportCreated());
    EXPECT_TRUE(item(view, "NPrnOut")->isEnabled());

    script().answerPrinter(dir.file(QStringLiteral("schedule.pdf")));
    item(view, "NPrnSet")->trigger();
    ASSERT_TRUE(main()->output().printerChosen());
    item(view, "NPrintOut")->trigger();
    EXPECT_TRUE(view->reportCreated());
    const QString printed = pdfText(dir.file(QStringLiteral("schedule.pdf")));
    EXPECT_TRUE(printed.contains(QStringLiteral("【高橋】"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("【勤務スケジュール表】")));
    QFile::remove(dir.file(QStringLiteral("schedule.pdf")));
    item(view, "NPrnOut")->trigger();
    EXPECT_TRUE(view->reportCreated());
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("schedule.pdf")))) << "the report is printed again";
    EXPECT_EQ(script().texts(), QStringList { kNoPrinter }) << "no message once a printer is chosen";
    EXPECT_TRUE(item(view, "NPrnOut")->isEnabled());
    EXPECT_TRUE(item(view, "NPrintOut")->isEnabled());

    item(view, "N12")->trigger();
    ASSERT_EQ(script().shown.size(), 2);
    EXPECT_EQ(script().shown[1].kind, dialogs::Kind::Plain);
    EXPECT_TRUE(script().shown[1].text.startsWith(QStringLiteral("【勤務スケジュール作成】\r\n\r\n■ 勤務記号は")));
}

TEST_F(Views, TheScheduleIsExportedAsCsvAndICalendarOnceComplete)
{
    TFormSchedu* view = run->forms().FormSchedu;
    QAction* exportItem = item(view, "NExport");
    QAction* eachItem = item(view, "NExportEach");
    ASSERT_NE(exportItem, nullptr);
    ASSERT_NE(eachItem, nullptr);
    EXPECT_FALSE(exportItem->isEnabled());
    EXPECT_FALSE(eachItem->isEnabled());
    EXPECT_EQ(item(run->forms().FormTime, "NExport"), nullptr) << "the hour chart exports nothing";
    open("NscheManth", view);
    for (QAction* action : { exportItem, eachItem }) {
        EXPECT_TRUE(action->isEnabled());
        EXPECT_TRUE(view->findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions().contains(action));
        EXPECT_TRUE(view->findChild<QMenu*>(QStringLiteral("NAction"))->actions().contains(action));
    }
    EXPECT_EQ(eachItem->text(), QStringLiteral("個人別に書き出す"));

    exportItem->trigger(); // cancelled
    EXPECT_EQ(script().saveFilters, QStringList({ "CSV (*.csv)", "iCalendar (*.ics)" }));
    script().answerSave(dialogs::SaveChoice { dir.file(QStringLiteral("plan")), 1 });
    exportItem->trigger();
    script().answerSave(dialogs::SaveChoice { dir.file(QStringLiteral("plan")), 2 });
    exportItem->trigger();
    EXPECT_TRUE(script().shown.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList({ QStringLiteral("plan*") }), QStringList({ "plan.csv", "plan.ics" }));

    const QByteArray bytes = readFileBytes(dir.file(QStringLiteral("plan.csv")));
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList csv = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(csv.size(), 1 + 5 + 2 + 1);
    EXPECT_TRUE(csv[0].startsWith(QStringLiteral("氏名,5/7（火）,5/8（水）,")));
    EXPECT_TRUE(csv[0].endsWith(QStringLiteral(",6/15（土）")));
    EXPECT_TRUE(csv[2].startsWith(QStringLiteral("田中,22:00～6:00,9:00～17:30,"))) << "the standard week";
    EXPECT_TRUE(csv[6].startsWith(QStringLiteral("出勤人数,2,5,")));
    EXPECT_TRUE(csv[7].startsWith(QStringLiteral("人件費,15000,37500,")));

    const QString ics = QString::fromUtf8(readFileBytes(dir.file(QStringLiteral("plan.ics"))));
    const int weekdays = 29, tuesdays = 6;
    EXPECT_EQ(ics.count(QStringLiteral("BEGIN:VEVENT")), 5 * weekdays - 3 * tuesdays) << "three are off on Tuesdays";
    EXPECT_TRUE(ics.contains(QRegularExpression(QStringLiteral("DTEND[^:]*:20240508T060000\r\nSUMMARY:田中"))));

    // One calendar per employee into a folder, with the events of the whole calendar.
    QDir(dir.path()).mkdir(QStringLiteral("each"));
    script().answerFolder(dir.file(QStringLiteral("each")));
    eachItem->trigger();
    EXPECT_TRUE(script().shown.isEmpty());
    const QStringList files = QDir(dir.file(QStringLiteral("each"))).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 5);
    int events = 0;
    for (const QString& file : files)
        events += QString::fromUtf8(readFileBytes(dir.file(QStringLiteral("each/") + file)))
                      .count(QStringLiteral("BEGIN:VEVENT"));
    EXPECT_EQ(events, 5 * weekdays - 3 * tuesdays);

    item(view, "N1")->trigger();
    EXPECT_FALSE(exportItem->isEnabled());
    EXPECT_FALSE(eachItem->isEnabled());
}

// The wall chart and the exports print and write the period chosen in the window, while the
// text stays on the registered period; each opening starts on the registered period again.
TEST_F(Views, TheWallChartAndTheExportsTakeThePeriodChosenInTheWindow)
{
    TFormSchedu* view = run->forms().FormSchedu;
    QAction* month = item(view, "NShiftChart");
    QAction* each = item(view, "NShiftChartEach");
    ASSERT_NE(month, nullptr);
    ASSERT_NE(each, nullptr);
    EXPECT_FALSE(month->isEnabled());
    open("NscheManth", view);
    const QList<QAction*> menu = view->findChild<QMenu*>(QStringLiteral("NAction"))->actions();
    EXPECT_EQ(menu.indexOf(month), menu.indexOf(item(view, "NExportEach")) + 1);
    EXPECT_EQ(menu.indexOf(each), menu.indexOf(item(view, "N1")) - 2) << "before the separator above 閉じる";
    for (QAction* action : { month, each }) {
        EXPECT_TRUE(action->isEnabled());
        EXPECT_TRUE(view->findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions().contains(action));
    }
    const QStringList text = lines(view);
    auto* box = view->findChild<QComboBox*>(QStringLiteral("ComboPeriod"));
    EXPECT_EQ(box->accessibleName(), QStringLiteral("シフト表・エクスポートの期間"));

    item(view, "NPeriodNext")->trigger();
    EXPECT_EQ(box->currentText(), QStringLiteral("次の期間"));
    EXPECT_EQ(lines(view), text);
    const QList<QDate> next = daychanges::EffectiveSchedule(data(), daychanges::PeriodChoice::Next).dates();
    ASSERT_EQ(next.first(), QDate(2024, 6, 16));

    script().answerSave(dialogs::SaveChoice { dir.file(QStringLiteral("next")), 1 });
    item(view, "NExport")->trigger();
    const QByteArray csv = readFileBytes(dir.file(QStringLiteral("next.csv")));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF" + QStringLiteral("氏名,6/16（日）,6/17（月）,").toUtf8()));

    script().answerPrinter(dir.file(QStringLiteral("chart.pdf")));
    item(view, "NPrnSet")->trigger();
    month->trigger();
    // The title as pdftotext lays it out: the ideographic space comes out as spaces.
    const QString title = QStringLiteral("2024年6月16日～%1年%2月%3日")
                              .arg(next.last().year())
                              .arg(next.last().month())
                              .arg(next.last().day());
    const QString printed = pdfText(dir.file(QStringLiteral("chart.pdf")));
    EXPECT_TRUE(printed.contains(QStringLiteral("勤務シフト表")) && printed.contains(title)) << printed.toStdString();

    view->close();
    open("NscheManth", view);
    EXPECT_EQ(box->currentText(), QStringLiteral("今の期間"));
    script().answer(dialogs::Answer::Yes); // replace the PDF file printed before
    month->trigger();
    EXPECT_TRUE(pdfText(dir.file(QStringLiteral("chart.pdf"))).contains(QStringLiteral("2024年5月7日～2024年6月15日")));
}

TEST_F(Views, TheMainWindowsPrinterSetupSetsTheSharedFlag)
{
    mainItem("NPrintSet")->setEnabled(true); // as once a report has filled a panel
    script().answerPrinter(std::nullopt);
    mainItem("NPrintSet")->trigger();
    EXPECT_EQ(script().texts(), QStringList { kNoPrinter });
    script().answerPrinter(dir.file(QStringLiteral("out.pdf")));
    mainItem("NPrintSet")->trigger();
    EXPECT_TRUE(main()->output().printerChosen());
    EXPECT_EQ(script().dialogsShown, QStringList(2, QStringLiteral("printer")));
}

TEST_F(Views, TheScheduleDateLineKeepsTheStartUpWeekdayPastMidnight)
{
    clock_::setNow(QDateTime(kToday.addDays(1), QTime(0, 5)));
    open("NscheManth", run->forms().FormSchedu);
    EXPECT_EQ(lines(run->forms().FormSchedu).value(8), QStringLiteral("2024年5月7日 （火）"));
}

TEST_F(Views, AReversedPeriodStopsTheScheduleAtOnce)
{
    TFormSchedu* view = run->forms().FormSchedu;
    data().StringGrid2.setCell(3, 0, QStringLiteral("2023"));
    mainItem("NscheManth")->trigger();
    waitFor([] { return false; }, 30);
    EXPECT_EQ(lines(view).value(2), QStringLiteral("■□■■ 開始・終了年度が不正です．処理を中断しました．"));
    EXPECT_EQ(lines(view).size(), 5);
    EXPECT_TRUE(view->findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible());
    EXPECT_FALSE(view->findChild<QMenu*>(QStringLiteral("NAction"))->menuAction()->isEnabled());
    EXPECT_FALSE(view->isReady());
    EXPECT_FALSE(mainItem("NscheManth")->isChecked());
    view->close();
    EXPECT_TRUE(main()->isVisible());
}

TEST_F(Views, ABadWeekdayCodeStopsTheScheduleAfterTheHeaders)
{
    TFormSchedu* view = run->forms().FormSchedu;
    data().StringGrid2.setCell(5, 2, QStringLiteral("9"));
    mainItem("NscheManth")->trigger();
    ASSERT_TRUE(waitFor([this] { return !script().shown.isEmpty(); }));
    waitFor([] { return false; }, 30);
    EXPECT_EQ(script().shown[0].kind, dialogs::Kind::Error);
    EXPECT_TRUE(script().shown[0].text.startsWith(
        QStringLiteral("▼ ZEL Rotan Series が使用するデータ・ファイルが不正です．再構築が必要です．")));
    const QStringList text = lines(view);
    ASSERT_EQ(text.size(), 14);
    EXPECT_TRUE(text[12].startsWith(QStringLiteral("火 水 木 金 土 ？ 月 ")));
    EXPECT_TRUE(text[13].endsWith(QStringLiteral("⇒ Day Line")));
    EXPECT_EQ(data().StringGrid4.cell(5, 0), QStringLiteral("？"));
    EXPECT_FALSE(view->findChild<QMenu*>(QStringLiteral("NAction"))->menuAction()->isEnabled());
    EXPECT_FALSE(view->isReady());
}

TEST_F(Views, TheHourChartShowsTodaysBars)
{
    TFormTime* view = run->forms().FormTime;
    // 鈴木 worked the night before, from Monday 22:00 to 6:00 on this first day of the period.
    const QStringList night { "勤務日", "22", "00", "6", "00" };
    for (int c = 0; c < night.size(); ++c)
        data().StringGrid1.setCell(2 + c, 2, night[c]);
    open("NscheDay", view);
    const QStringList text = lines(view);
    ASSERT_EQ(text.size(), 9 + 2 + 5 + 5);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("時系列勤務情報"));
    EXPECT_EQ(text[1], QStringLiteral("【☆各従業員の主な勤務時間帯対象グラフ】"));
    EXPECT_EQ(text[9], QStringLiteral("2024年5月7日（火）"));
    EXPECT_TRUE(text[10].startsWith(QStringLiteral("0h---------6h")));
    EXPECT_EQ(text[11],
        QString(9, u'□') + QString(8, u'■') + QStringLiteral("▼") + QString(7, u'□')
            + QStringLiteral("　  【山田】 9：00～17：30"));
    EXPECT_EQ(text[12], QString(22, u'□') + QStringLiteral("■■→　  【田中】 22：00～6：00"));
    EXPECT_EQ(text[13], QString(6, u'■') + QString(19, u'□') + QStringLiteral("　  【鈴木】  ＜公休日＞"));
    EXPECT_EQ(text[14], QString(25, u'□') + QStringLiteral("　  【佐藤】  ＜休み＞"));
    EXPECT_EQ(text[15], QString(25, u'□') + QStringLiteral("　  【高橋】  ＜その他＞"));
    EXPECT_EQ(text[16], text[10]);
    EXPECT_EQ(
        text.last(), QStringLiteral("[重要事項] 印刷実行で，当該時系列勤務表は整形されプリント・アウトされます．"));
    EXPECT_EQ(data().StringGrid3.cell(24, 1), QStringLiteral("→"));
    EXPECT_EQ(data().StringGrid3.cell(39, 2), QStringLiteral(" ＜公休日＞"));
    EXPECT_TRUE(mainItem("NscheDay")->isChecked());
    EXPECT_FALSE(mainItem("NscheManth")->isChecked());

    item(view, "NPrnOut")->trigger();
    EXPECT_EQ(script().texts(), QStringList { kNoPrinter });
    EXPECT_FALSE(view->reportCreated());
    script().answerPrinter(dir.file(QStringLiteral("chart.pdf")));
    item(view, "NPrnSet")->trigger();
    item(view, "NPrnOut")->trigger();
    EXPECT_TRUE(view->reportCreated());
    const QString printed = pdfText(dir.file(QStringLiteral("chart.pdf")));
    EXPECT_TRUE(printed.contains(QStringLiteral("【時系列勤務状況グラフ】"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("9：00～17：30")));
    view->close();
    EXPECT_TRUE(main()->isVisible());
    EXPECT_TRUE(lines(view).isEmpty());
}

// Today (a Tuesday): 山田 works 9:00–17:30, 田中 from 22:00. The comparison follows the footer
// only when today's date has a target.
TEST_F(Views, TheHourChartComparesTodayWithItsTargetsAfterItsFooter)
{
    TFormTime* view = run->forms().FormTime;
    const QString footer
        = QStringLiteral("[重要事項] 印刷実行で，当該時系列勤務表は整形されプリント・アウトされます．");
    data().staffTargets.weekday(4)[9] = { 5, -1 }; // Wednesday's row only
    open("NscheDay", view);
    EXPECT_EQ(lines(view).size(), 21);
    EXPECT_EQ(lines(view).last(), footer);
    view->close();

    targets::TargetRow& tuesday = data().staffTargets.weekday(3);
    tuesday[9] = { 2, -1 };
    tuesday[10] = { 1, -1 };
    tuesday[22] = { -1, 0 };
    open("NscheDay", view);
    const QStringList text = lines(view);
    ASSERT_EQ(text.size(), 21 + 5);
    EXPECT_EQ(text[20], footer);
    QString symbols(24, u'－');
    symbols[9] = u'▲';
    symbols[10] = u'○';
    symbols[22] = u'△';
    EXPECT_EQ(text.mid(21),
        (QStringList { QString(), QStringLiteral("【必要人数との比較】"),
            symbols + QStringLiteral("　（○：充足，▲：不足，△：超過，－：指定なし）"),
            QStringLiteral("　不足：9時 1/2"), QStringLiteral("　超過：22時 1/0") }));
}

TEST_F(Views, AnEndYearTooFarStopsTheHourChart)
{
    TFormTime* view = run->forms().FormTime;
    data().StringGrid2.setCell(3, 0, QStringLiteral("2026"));
    mainItem("NscheDay")->trigger();
    waitFor([] { return false; }, 30);
    EXPECT_EQ(lines(view),
        QStringList({ QString(), QString(), QStringLiteral("■□■■ 何らかの異常値を検出！．処理を中断しました．"),
            QString(), QStringLiteral("■□■■ 初期設定から勤務期間を再設定して下さい．") }));
    EXPECT_FALSE(view->isReady());
    EXPECT_TRUE(data().StringGrid3.isEmpty());
}

TEST_F(Views, TheWeekdayListFillsEveryPageAndEmptiesOnClose)
{
    TFormWkList* list = run->forms().FormWkList;
    QAction* week = mainItem("NscheWeek");
    auto* pages = list->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* monday = list->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    auto* tuesday = list->findChild<QListWidget*>(QStringLiteral("ListBox2"));
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i)
        tabs << pages->tabText(i);
    EXPECT_EQ(tabs, QStringList({ "月", "火", "水", "木", "金", "土", "日" }));
    EXPECT_TRUE(list->windowFlags() & Qt::WindowStaysOnTopHint);

    week->trigger();
    EXPECT_FALSE(week->isEnabled());
    EXPECT_FALSE(week->isChecked());
    EXPECT_TRUE(main()->isVisible()) << "the main window stays";
    EXPECT_EQ(list->windowTitle(), QStringLiteral("本日．．．火曜日"));
    EXPECT_EQ(list->centralWidget()->size(), QSize(298, 352));
    ASSERT_TRUE(waitFor([list] { return list->isFilled(); }));
    EXPECT_EQ(monday->count(), 5);
    EXPECT_EQ(monday->item(0)->text(), QStringLiteral("〇 山田 ⇒ 9:00～17:30"));
    QStringList entries;
    for (int i = 0; i < tuesday->count(); ++i)
        entries << tuesday->item(i)->text();
    EXPECT_EQ(
        entries, QStringList({ "〇 山田 ⇒ 9:00～17:30", "〇 田中 ⇒ 22:00～6:00", "☆ 鈴木", "× 佐藤", "－ 高橋" }));
    EXPECT_TRUE(week->isChecked());

    pages->setCurrentIndex(1);
    list->close();
    EXPECT_TRUE(week->isEnabled());
    EXPECT_EQ(monday->count(), 0);
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_FALSE(list->isFilled());
    auto* gauge = list->findChild<Gauge*>(QStringLiteral("CGauge1"));
    EXPECT_EQ(gauge->value(), 0);
    EXPECT_EQ(gauge->backColor(), QPalette().color(QPalette::Button)) << "the standard button face again";

    week->trigger();
    ASSERT_TRUE(waitFor([list] { return list->isFilled(); }));
    EXPECT_EQ(tuesday->count(), 5) << "reopening refills from the start";
    EXPECT_TRUE(script().shown.isEmpty());
}

TEST_F(Views, TheWeekdayListWithoutTodaysWeekdaySaysSoAndStillFills)
{
    Q_EMIT run->forms().FormInfo->weekdayKnown(0);
    TFormWkList* list = run->forms().FormWkList;
    mainItem("NscheWeek")->trigger();
    EXPECT_EQ(list->windowTitle(), QStringLiteral("ZEL ROTAN"));
    ASSERT_EQ(script().shown.size(), 1);
    EXPECT_EQ(script().shown[0].kind, dialogs::Kind::Error);
    EXPECT_EQ(script().shown[0].text, QStringLiteral("▼ 不正値検出．．．\r\n\r\n▼ 当該処理を実行許可できません．"));
    ASSERT_TRUE(waitFor([list] { return list->isFilled(); }));
    EXPECT_EQ(list->findChild<QListWidget*>(QStringLiteral("ListBox7"))->count(), 5);
}

TEST_F(Views, EveryControlHasAJapaneseName)
{
    const auto check = [](QWidget* window, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QWidget* w = window->findChild<QWidget*>(QLatin1String(name));
            ASSERT_NE(w, nullptr) << name;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr) << name;
            const QString accessible = a->text(QAccessible::Name);
            ASSERT_FALSE(accessible.isEmpty()) << name;
            EXPECT_GE(accessible.front().unicode(), 0x3000) << name;
        }
    };
    for (ViewWindow* view : std::initializer_list<ViewWindow*> { run->forms().FormSchedu, run->forms().FormTime })
        check(view, { "RichEdit1", "Panel1", "Panel2", "ProgressBar1", "CGauge1" });
    check(run->forms().FormWkList,
        { "PageControl1", "TabSheet1", "TabSheet7", "ListBox1", "ListBox2", "ListBox3", "ListBox4", "ListBox5",
            "ListBox6", "ListBox7", "Panel1", "CGauge1" });
    EXPECT_EQ(run->forms().FormSchedu->findChild<QWidget*>(QStringLiteral("RichEdit1"))->accessibleName(),
        QStringLiteral("勤務スケジュール表"));
}
