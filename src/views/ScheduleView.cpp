#include "views/ScheduleView.h"

#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "views/Calendar.h"

namespace scheduleview {
namespace {

const QString kSeparator = QStringLiteral(
    "-----------------------------------------------------------------------------------------------------⇒ Day Line");

// The day of month of each period day, three positions each, up to the first "999" or blank.
QString dayHeader(const Table& schedule, int days)
{
    QString header;
    for (int d = 0; d < days; ++d) {
        const QString t = schedule.cell(d, 1);
        if (t.isEmpty() || t == QLatin1String("999"))
            break;
        const int day = numbers::toInt(t);
        header += (day >= 1 && day <= 9) ? QLatin1Char(' ') + t + QLatin1Char(' ') : t + QLatin1Char(' ');
    }
    return header;
}

} // namespace

QString symbolOf(const QString& attribute)
{
    if (attribute == attributes::kWorkday)
        return QStringLiteral("〇");
    if (attribute == attributes::kDayOfRest)
        return QStringLiteral("×");
    if (attribute == attributes::kRegularDayOff)
        return QStringLiteral("☆");
    if (attribute == attributes::kOther)
        return QStringLiteral("－");
    return QString();
}

Opening opening(const Table& schedule, QDate startup)
{
    Opening out;
    if (numbers::toInt(schedule.cell(3, 0)) < numbers::toInt(schedule.cell(0, 0))) {
        out.lines = { QString(), QString(), QStringLiteral("■□■■ 開始・終了年度が不正です．処理を中断しました．"),
            QString(), QStringLiteral("■□■■ 初期設定から勤務期間を再設定して下さい．") };
        out.stopped = true;
        return out;
    }
    out.lines = { QString(), QStringLiteral("【☆各従業員の勤務日簡易グラフ】"), QString(),
        QStringLiteral("　【記号】．．．〔○：勤務日〕，〔×：休み〕，〔☆：公休日〕，〔－：その他〕，〔▽：エラー〕"),
        QStringLiteral("　 ◎日数軸は，左から勤務開始日 ⇒ 勤務終了日"), QString(), QString(), QString() };
    // The weekday is the start-up date's, like the year, month and day beside it.
    out.lines << QStringLiteral("%1年%2月%3日 （%4）")
                     .arg(startup.year())
                     .arg(startup.month())
                     .arg(startup.day())
                     .arg(views::weekdayKanji(clock_::weekdayCode(startup)))
              << QString();
    if (views::periodMonths(schedule).outside(startup))
        out.lines << QStringLiteral(
            "＜注意＞スケジューリング期間が未更新（範囲外データ）のため，該当する当該日付データがありません．");
    const auto h = [&schedule](int column) { return schedule.cell(column, 0); };
    out.lines << QStringLiteral("■■■ ") + h(0) + QStringLiteral("年") + h(1) + QStringLiteral("月") + h(2)
            + QStringLiteral("日 ～ ") + h(3) + QStringLiteral("年") + h(4) + QStringLiteral("月") + h(5)
            + QStringLiteral("日") + QStringLiteral("  ＜") + h(6) + QStringLiteral(" 日間＞ ■■■");
    return out;
}

Computation compute(TFormData& data)
{
    const Table& schedule = data.StringGrid2;
    const Table& master = data.StringGrid1;
    Table& work = data.StringGrid3;
    Computation out;
    out.days = numbers::toInt(schedule.cell(6, 0));
    out.dayHeader = dayHeader(schedule, out.days);

    const auto weekdayOf = [&schedule](int day) { return numbers::toInt(schedule.cell(day, 2)); };
    if (views::isWeekdayCode(weekdayOf(0))) {
        for (int d = 0; d < out.days; ++d) {
            const int code = weekdayOf(d);
            const QString kanji = views::weekdayKanji(code);
            out.weekdayHeader += kanji + QLatin1Char(' ');
            data.StringGrid4.setCell(d, 0, kanji);
            out.dataError = out.dataError || !views::isWeekdayCode(code);
        }
    } else {
        for (int i = 0; i < 3; ++i)
            out.lines << QStringLiteral("エラー検出！．．．SCHEWK-ERROR");
        out.dataError = true;
    }
    out.lines << out.dayHeader << out.weekdayHeader << kSeparator;

    const daychanges::EffectiveSchedule effective(data);
    out.employees = data.employeeCount();
    for (int e = 0; e < out.employees; ++e) {
        work.setCell(40, e, master.cell(0, e));
        for (int d = 0; d < out.days; ++d) {
            if (!views::isWeekdayCode(weekdayOf(d))) {
                out.dataError = true;
                continue;
            }
            const QString symbol = symbolOf(effective.entry(e, d).attribute);
            if (!symbol.isEmpty())
                work.setCell(d, e, symbol);
        }
    }
    out.changeLines = changeLines(effective);
    return out;
}

QStringList changeLines(const daychanges::EffectiveSchedule& schedule)
{
    // A day that names a shift pattern is written as its code ("日 ⇒ 明"), any other as its symbol.
    const auto mark = [](const daychanges::RosterDay& day) {
        return day.code.isEmpty() ? symbolOf(day.entry.attribute) : day.code;
    };
    QStringList lines;
    for (int d = 0; d < schedule.dates().size(); ++d) {
        const QDate date = schedule.dates()[d];
        for (int e = 0; e < schedule.employees(); ++e) {
            const daychanges::RosterDay day = schedule.day(e, d);
            if (!day.entry.changed)
                continue;
            const DayEntry& change = day.entry;
            QString line
                = QStringLiteral("　%1/%2（%3） %4 ： %5 ⇒ %6")
                      .arg(QString::number(date.month()), QString::number(date.day()),
                          views::weekdayKanji(schedule.weekdayCode(d)), schedule.master().cell(0, e),
                          mark(daychanges::rosterDayOf(schedule.standard(e, d), schedule.shiftPatterns())), mark(day));
            if (change.attribute == attributes::kWorkday)
                line += QStringLiteral(" %1:%2～%3:%4")
                            .arg(change.startHour, change.startMinute, change.endHour, change.endMinute);
            lines << line;
        }
    }
    if (lines.isEmpty())
        return lines;
    return QStringList { QString(), QStringLiteral("【勤務変更】") } + lines;
}

QString employeeLine(const Table& work, int row, int days)
{
    QString line;
    for (int d = 0; d < days; ++d)
        line += work.cell(d, row) + QLatin1Char(' ');
    return line + QStringLiteral("  【") + work.cell(40, row) + QStringLiteral("】");
}

QStringList closingLines(const Computation& computation)
{
    return QStringList { kSeparator, computation.weekdayHeader, computation.dayHeader, QString(), QString(),
        QStringLiteral("[重要事項] 印刷実行で，当該スケジュール表は整形されプリント・アウトされます．") }
    + computation.changeLines;
}

QString dataFileMessage()
{
    return QStringLiteral("▼ ZEL Rotan Series が使用するデータ・ファイルが不正です．再構築が必要です．\r\n\r\n▼ "
                          "zelrotandata2.zel　ファイルを削除するか，バックアップファイルを使用してください．\r\n\r\n▽ "
                          "強制終了します．．．\r\n\r\n");
}

} // namespace scheduleview
