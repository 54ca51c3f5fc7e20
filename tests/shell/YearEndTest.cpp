// A period registered in December runs into January. Started again in January, the program must
// find it current and every view must show the January date, up to the period's last day and
// beyond it.
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Gauge.h"
#include "platform/RichEdit.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"
#include "today/Unitinfo.h"
#include "views/Unitschedu.h"
#include "views/Unittime.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct YearEndCase {
    QDate today;
    QString dateLine; // the schedule window's line 9
    bool caution; // the out-of-period caution in both views
    QString reminder; // shown in the main window's label; empty: the label stays hidden
    int usage; // the period gauge
};

class YearEnd : public ::testing::TestWithParam<YearEndCase> {
protected:
    static QStringList lines(QWidget* w) { return w->findChild<RichEdit*>(QStringLiteral("RichEdit1"))->lines(); }
    QAction* item(QWidget* w, const char* name) { return w->findChild<QAction*>(QLatin1String(name)); }

    StartDirectory dir;
};

} // namespace

TEST_P(YearEnd, ADecemberPeriodStaysCurrentInJanuary)
{
    const YearEndCase& c = GetParam();
    writeFileBytes(dir.file(TFormData::kMasterFile), fileLine(sampleEmployee(QStringLiteral("山田"))));
    Table schedule { 40, 5 };
    registerPeriod(schedule, QDate(2026, 12, 8), 7); // to 16 January 2027, 40 days
    writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(schedule));
    ProgramRun run(c.today);
    run.startUp();
    TFormMain* main = run.forms().FormMain;
    ASSERT_EQ(main->state(), TFormMain::State::Normal);

    TFormInfo* panel = run.forms().FormInfo;
    ASSERT_TRUE(waitFor([panel] { return panel->findChild<QPushButton*>(QStringLiteral("Button1"))->isVisible(); }));
    EXPECT_EQ(panel->lines().value(0), QStringLiteral("■ ") + c.dateLine);
    auto* label = main->findChild<QLabel*>(QStringLiteral("LabelMsg"));
    // The panel's first tick shows its button and sets the reminder.
    ASSERT_TRUE(waitFor([&] { return label->isVisibleTo(main) == !c.reminder.isEmpty(); }));
    if (!c.reminder.isEmpty()) {
        EXPECT_EQ(label->text(), c.reminder);
    }

    const QString caution = QStringLiteral("＜注意＞スケジューリング期間が未更新");
    const QString period = QStringLiteral("■■■ 2026年12月8日 ～ 2027年1月16日  ＜40 日間＞ ■■■");
    TFormSchedu* scheduleView = run.forms().FormSchedu;
    item(main, "NscheManth")->trigger();
    ASSERT_TRUE(waitFor([scheduleView] { return scheduleView->isReady(); }));
    QStringList text = lines(scheduleView);
    EXPECT_EQ(text[8], c.dateLine);
    EXPECT_EQ(text[10].startsWith(caution), c.caution);
    EXPECT_EQ(text[c.caution ? 11 : 10], period);
    item(scheduleView, "N1")->trigger();

    TFormTime* chart = run.forms().FormTime;
    item(main, "NscheDay")->trigger();
    ASSERT_TRUE(waitFor([chart] { return chart->isReady(); }));
    text = lines(chart);
    EXPECT_EQ(text[9].startsWith(caution), c.caution);
    // The start-up day is one of the period's days (17 December for 17 January), so the date
    // line always follows, in the start-up year.
    EXPECT_EQ(text[c.caution ? 10 : 9], QString(c.dateLine).remove(QLatin1Char(' ')));
    item(chart, "N1")->trigger();

    item(main, "NState")->trigger();
    auto* gauge = main->findChild<Gauge*>(QStringLiteral("CGaugeTerm"));
    EXPECT_TRUE(gauge->isVisible());
    EXPECT_EQ(gauge->value(), c.usage);
    const bool renewal = c.usage == 0 || c.usage == 40;
    EXPECT_EQ(run.dialogs().shown.size(), renewal ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(StartUpDates, YearEnd,
    ::testing::Values(
        YearEndCase { QDate(2026, 12, 31), QStringLiteral("2026年12月31日 （木）"), false, QString(), 31 - 8 },
        YearEndCase { QDate(2027, 1, 1), QStringLiteral("2027年1月1日 （金）"), false, QString(), 40 + 1 - 16 },
        YearEndCase { QDate(2027, 1, 9), QStringLiteral("2027年1月9日 （土）"), false,
            QStringLiteral("勤務期間終了まで，後７日"), 40 + 9 - 16 },
        YearEndCase { QDate(2027, 1, 16), QStringLiteral("2027年1月16日 （土）"), false,
            QStringLiteral("本日で，設定勤務期間終了"), 40 },
        YearEndCase { QDate(2027, 1, 17), QStringLiteral("2027年1月17日 （日）"), true,
            QStringLiteral("設定勤務期間を既にオーバー！"), 0 }),
    [](const ::testing::TestParamInfo<YearEndCase>& info) {
        return info.param.today.toString(QStringLiteral("'On'yyyyMMdd")).toStdString();
    });
