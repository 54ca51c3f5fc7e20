#include "ChangesTestData.h"
#include "changes/EffectiveSchedule.h"
#include "changes/PeriodCost.h"
#include "patterns/PatternEdits.h"
#include "reports/QRListFormDayLine.h"
#include "shell/DayPay.h"
#include "shell/Reports.h"
#include "today/TodayLines.h"
#include "views/ScheduleView.h"
#include "views/TimeView.h"

#include <gtest/gtest.h>

using daychanges::EffectiveSchedule;

namespace {

const QDate kStart(2026, 5, 7); // a Thursday
const QDate kTuesday(2026, 5, 12);
const QDate kSaturday(2026, 5, 16);

// Every line of the schedule window's text, as the window puts them together.
QStringList scheduleText(TFormData& data)
{
    data.StringGrid3.clear();
    data.StringGrid4.clear();
    QStringList text = scheduleview::opening(data.StringGrid2, kStart).lines;
    const scheduleview::Computation c = scheduleview::compute(data);
    text << c.lines;
    for (int e = 0; e < c.employees; ++e)
        text << scheduleview::employeeLine(data.StringGrid3, e, c.days);
    return text << scheduleview::closingLines(c);
}

} // namespace

TEST(ChangeViews, ScheduleTextIsUnchangedByChangesWithoutEffectAndListsTheOthersAfterTheFooter)
{
    PeriodData shop(kStart, { employee("山田"), employee("佐藤"), employee("山田") });
    const QStringList plain = scheduleText(shop.data);
    DayChanges& changes = shop.data.dayChanges;
    changes.set("山田", kTuesday, dayOff("休み"));
    changes.remove("山田", kTuesday);
    changes.set("高橋", kTuesday, dayOff("休み"));
    changes.set("山田", kStart.addDays(-1), dayOff("休み"));
    EXPECT_EQ(scheduleText(shop.data), plain);

    changes.set("山田", kTuesday, dayOff("休み"));
    changes.set("佐藤", kSaturday, shift("10", "00", "15", "00", "300"));
    const QStringList text = scheduleText(shop.data);
    const int firstEmployee = plain.indexOf(QString(101, u'-') + "⇒ Day Line") + 1;
    const int tuesday = kStart.daysTo(kTuesday);
    const int saturday = kStart.daysTo(kSaturday);
    for (int i = 0; i < plain.size(); ++i) {
        QString expected = plain[i];
        const int row = i - firstEmployee;
        if (row == 0 || row == 2)
            expected[2 * tuesday] = u'×';
        else if (row == 1)
            expected[2 * saturday] = u'〇';
        EXPECT_EQ(text[i], expected) << i;
    }
    EXPECT_EQ(text.mid(plain.size()),
        QStringList({ "", "【勤務変更】", "　5/12（火） 山田 ： 〇 ⇒ ×", "　5/12（火） 山田 ： 〇 ⇒ ×",
            "　5/16（土） 佐藤 ： ☆ ⇒ 〇 10:00～15:00" }));
}

TEST(ChangeViews, TheChangeListNamesEachSideByItsPatternsCodeAndWithoutPatternsByItsSymbol)
{
    PeriodData shop(kStart, { employee("山田"), employee("佐藤") });
    DayChanges& changes = shop.data.dayChanges;
    changes.set("山田", kTuesday, withPattern(dayOff("その他"), "明"));
    changes.set("佐藤", kTuesday, shift("16", "30", "9", "00", "870"));
    changes.set("佐藤", kSaturday, shift("10", "00", "15", "00", "300"));
    const auto listed = [&shop] { return scheduleview::changeLines(EffectiveSchedule(shop.data)).mid(2); };
    EXPECT_EQ(listed(),
        QStringList({ "　5/12（火） 山田 ： 〇 ⇒ －", "　5/12（火） 佐藤 ： 〇 ⇒ 〇 16:30～9:00",
            "　5/16（土） 佐藤 ： ☆ ⇒ 〇 10:00～15:00" }));

    // The ward's set with its day shift at the standard week's 9:00-17:30: 日, 夜 and 明 by code,
    // a day that names no pattern by its symbol.
    QList<patterns::Pattern> ward = patterns::starterSet(patterns::Starter::Ward);
    ward[0].start = 9 * 60;
    ward[0].end = 17 * 60 + 30;
    shop.data.shiftPatterns.patterns = ward;
    EXPECT_EQ(listed(),
        QStringList({ "　5/12（火） 山田 ： 日 ⇒ 明", "　5/12（火） 佐藤 ： 日 ⇒ 夜 16:30～9:00",
            "　5/16（土） 佐藤 ： ☆ ⇒ 〇 10:00～15:00" }));
}

TEST(ChangeViews, TodaysChangeReplacesTheStandardWeekInTheTodayPanelDutyListAndHourChart)
{
    PeriodData shop(kStart, { employee("山田"), employee("佐藤") });
    shop.data.dayChanges.set("山田", kTuesday, dayOff("休み"));
    shop.data.dayChanges.set("佐藤", kTuesday, shift("13", "00", "22", "00", "480"));
    shop.data.dayChanges.set("佐藤", kTuesday.addDays(1), dayOff("休み"));
    const Table& master = shop.data.StringGrid1;
    const int tuesday = 3;
    const daychanges::RowChanges today = EffectiveSchedule(shop.data).changesOn(kTuesday);

    EXPECT_EQ(today::workerNames(master, 2, tuesday, today), QStringList { "佐藤" });
    EXPECT_EQ(today::workerNames(master, 2, tuesday), QStringList({ "山田", "佐藤" }));

    shell::DutyTotals totals;
    EXPECT_EQ(shell::dutyLines(master, 0, tuesday, totals, today), QStringList({ "× 山田", "[休  み]", "" }));
    EXPECT_EQ(shell::dutyLines(master, 1, tuesday, totals, today),
        QStringList(
            { "〇 佐藤", "出 13:00", "退 22:00", "実労時間 8時間 0分", "本日給料 8000円", "－時給 1000円－", "" }));
    EXPECT_EQ(totals.workers, 1);
    EXPECT_EQ(totals.labourCost, 8000);

    ASSERT_EQ(timeview::compute(shop.data, tuesday, today), 2);
    const Table& work = shop.data.StringGrid3;
    EXPECT_EQ(timeview::barLine(work, 0), QString(25, u'□') + "　  【山田】  ＜休み＞");
    const timeview::Bar bar = timeview::hourBar(13, 0, 22, 0);
    EXPECT_EQ(timeview::barLine(work, 1), QStringList(bar.begin(), bar.end()).join("") + "　  【佐藤】 13：00～22：00");

    EXPECT_TRUE(EffectiveSchedule(shop.data).changesOn(kStart.addDays(-7)).isEmpty()) << "outside the period";
}

TEST(ChangeViews, PeriodCostAddsTheWorkingDaysInEffectByTheDayPayRuleInSixtyFourBits)
{
    PeriodData shop(kStart, { employee("山田"), employee("佐藤", "1250") });
    DayChanges& changes = shop.data.dayChanges;
    changes.set("山田", kTuesday, dayOff("休み"));
    changes.set("佐藤", kSaturday, shift("10", "00", "15", "00", "300"));
    changes.set("高橋", kSaturday, shift("10", "00", "15", "00", "300"));
    const EffectiveSchedule schedule(shop.data);
    const QList<QDate>& dates = schedule.dates();
    const qint64 weekdays = std::count_if(dates.begin(), dates.end(), [](QDate d) { return d.dayOfWeek() <= 5; });

    daychanges::PeriodCostTotals totals;
    QStringList lines = daychanges::periodCostHeading(schedule);
    lines << daychanges::periodCostLine(schedule, 0, totals) << daychanges::periodCostLine(schedule, 1, totals);
    lines << daychanges::periodCostClosing(schedule, totals);
    const auto line = [](const char* name, qint64 days, qint64 minutes, qint64 pay) {
        return QStringLiteral("■ %1 ： 勤務 %2 日，実労 %3 時間 %4 分，給料 ¥%5")
            .arg(name, QString::number(days), QString::number(minutes / 60), QString::number(minutes % 60),
                QString::number(pay));
    };
    const qint64 yamada = 7500 * (weekdays - 1);
    const qint64 sato = 9375 * weekdays + 6250; // 1250 × 7 + 1250 div (60 div 30), and 5 hours
    const QDate last = dates.last();
    EXPECT_EQ(lines,
        QStringList({ "",
            QStringLiteral("【期間人件費】 2026年5月7日 ～ %1年%2月%3日  ＜%4 日間＞")
                .arg(last.year())
                .arg(last.month())
                .arg(last.day())
                .arg(dates.size()),
            "", line("山田", weekdays - 1, 450 * (weekdays - 1), yamada),
            line("佐藤", weekdays + 1, 450 * weekdays + 300, sato), "",
            QStringLiteral("◆ [期間人件費集計額]⇒ ¥%1  （勤務変更 2 件）").arg(yamada + sato) }));

    // Thirty employees at the largest wage working every day past the reach of 32 bits.
    PeriodData full(kStart);
    for (int row = 0; row < kMaxEmployees; ++row) {
        const QString name = QStringLiteral("社員%1").arg(row);
        putEmployee(full.data.StringGrid1, row, employee(name, "99999"));
        for (const QDate date : dates)
            full.data.dayChanges.set(name, date, shift("1", "00", "24", "00", "9999"));
    }
    const EffectiveSchedule everyday(full.data);
    daychanges::PeriodCostTotals sum;
    for (int row = 0; row < kMaxEmployees; ++row)
        daychanges::periodCostLine(everyday, row, sum);
    EXPECT_EQ(sum.pay, kMaxEmployees * dates.size() * shell::dayPay(99999, 9999).pay);
    EXPECT_GT(sum.pay, std::numeric_limits<int>::max());
}

TEST(ChangeViews, ThePrintedChangesFollowTheScheduleWhenTheyFitElseTheyStartAPageOfTheirOwn)
{
    const QString field = "QRLblChange";
    PeriodData few(kStart, { employee("山田"), employee("佐藤") });
    TQRListFormDayLine small(few.data);
    EXPECT_TRUE(small.pages({})[0].texts(field).isEmpty());
    few.data.dayChanges.set("山田", kTuesday, dayOff("休み"));
    few.data.dayChanges.set("佐藤", kSaturday, dayOff("その他"));
    const QList<report::Page> one = small.pages({});
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].texts(field),
        QStringList({ "【勤務変更】", "　5/12（火） 山田 ： 〇 ⇒ ×", "　5/16（土） 佐藤 ： ☆ ⇒ －" }));
    EXPECT_GT(one[0].field(field)->rect.top(), one[0].field("QRweek00")->rect.bottom());

    // Thirty employees fill the first page; 61 lines take the second page and part of a third.
    PeriodData full(kStart);
    for (int row = 0; row < kMaxEmployees; ++row) {
        const QString name = QStringLiteral("社員%1").arg(row);
        putEmployee(full.data.StringGrid1, row, employee(name));
        full.data.dayChanges.set(name, kTuesday, dayOff("休み"));
        full.data.dayChanges.set(name, kSaturday, dayOff("休み"));
    }
    TQRListFormDayLine large(full.data);
    const QList<report::Page> pages = large.pages({});
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0].texts("QRLblName").size(), kMaxEmployees);
    EXPECT_TRUE(pages[0].texts(field).isEmpty());
    EXPECT_EQ(pages[0].texts("QRweek00").size(), 1);
    const QStringList second = pages[1].texts(field);
    EXPECT_EQ(second.first(), "【勤務変更】");
    EXPECT_EQ(second.size() + pages[2].texts(field).size(), 61);
    EXPECT_EQ(pages[1].field(field)->rect.top(), 0);
    EXPECT_LE(pages[1].fields.last().rect.bottom(), pages[2].field("QRLabelStrg")->rect.top());
    EXPECT_FALSE(pages[1].field("QRLabelStrg")) << "the footer prints on the last page";
    EXPECT_EQ(pages[2].texts(field).last(), "　5/16（土） 社員29 ： ☆ ⇒ ×");
}
