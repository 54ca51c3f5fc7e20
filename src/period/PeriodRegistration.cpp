#include "period/PeriodRegistration.h"

#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "history/History.h"
#include "period/PeriodRule.h"
#include "platform/Clock.h"

#include <QRandomGenerator>
#include <QSet>

namespace {

const QString k999 = QStringLiteral("999");

QString num(int v)
{
    return QString::number(v);
}

QStringList report(const Table& s)
{
    const QString period = s.cell(0, 0) + QStringLiteral("年") + s.cell(1, 0) + QStringLiteral("月") + s.cell(2, 0)
        + QStringLiteral("日 ～ ") + s.cell(3, 0) + QStringLiteral("年") + s.cell(4, 0) + QStringLiteral("月")
        + s.cell(5, 0) + QStringLiteral("日");
    return { QString(), QString(), QStringLiteral("★☆☆ 勤務期間設定確定完了 ☆★☆"), QString(), QString(), QString(),
        QStringLiteral("【期 間】"), QString(), period, QString(), QStringLiteral("～ %1 日間 ～").arg(s.cell(6, 0)),
        QString(), QString(), QString(), QString(), QStringLiteral("ZEL Rotan Series") };
}

} // namespace

RegistrationOutcome registerPeriod(Table& schedule, QDate start, quint32 seed)
{
    const int D = start.day();
    const int L = start.daysInMonth();
    const PeriodEnd end = periodEndFor(start);

    schedule.clear();
    schedule.setCell(6, 0, num(end.dayCount));
    schedule.setCell(0, 0, num(start.year()));
    schedule.setCell(1, 0, num(start.month()));
    schedule.setCell(2, 0, num(D));
    for (int k = 0; k <= L - D; ++k)
        schedule.setCell(k, 1, num(D + k));
    for (int c = 7; c < 40; ++c)
        schedule.setCell(c, 0, k999);

    if (!end.consistent) {
        return { false,
            { QStringLiteral("▽ エラー検出，開発元にご連絡ください．") + end.registrationCode, QString(),
                QStringLiteral("▼▽▽ エラー検出のため，再設定の必要有り！ ▽▼▽"), QString(),
                QStringLiteral("▼▽▽ 勤務期間設定処理を中断しました．．． ▽▼▽") } };
    }
    schedule.setCell(3, 0, num(end.year));
    schedule.setCell(4, 0, num(end.month));
    schedule.setCell(5, 0, num(end.day));
    int column = L - D + 1;
    for (int day = 1; day <= end.day; ++day)
        schedule.setCell(column++, 1, num(day));
    for (; column < 40; ++column)
        schedule.setCell(column, 1, k999);

    // Weekday codes run from the start date's weekday, so they match the dates even when
    // the program has been running since before midnight.
    const int w = clock_::weekdayCode(start);
    const int P = end.dayCount;
    for (int d = 0; d < 40; ++d)
        schedule.setCell(d, 2, d < P ? num((w - 1 + d) % 7 + 1) : k999);

    QRandomGenerator random(seed);
    for (int c = 0; c < 40; ++c) {
        schedule.setCell(c, 3, num(static_cast<int>(random.generate() % 100)));
        schedule.setCell(c, 4, num(static_cast<int>(random.generate() % 100)));
    }
    return { true, report(schedule) };
}

int changesLeftOut(const TFormData& data, QDate start)
{
    // The tables the effective schedule reads, with the new period registered.
    TFormData after;
    after.StringGrid1 = data.StringGrid1;
    after.StringGrid2 = data.StringGrid2;
    after.dayChanges = data.dayChanges;
    after.keptSchedule = data.keptSchedule;
    // The days that leave the planned periods are kept, and their changes with them.
    if (data.isLoaded(TFormData::kHistoryFile))
        after.keptSchedule.keep(history::leavingDays(data, start));
    registerPeriod(after.StringGrid2, start, 0);
    const daychanges::EffectiveSchedule now(data);
    const daychanges::EffectiveSchedule then(after);
    QSet<std::pair<QDate, QString>> apartNow;
    for (const DayChange& change : now.apart())
        apartNow.insert({ change.date, change.name });
    const bool ended = !now.dates().isEmpty() && now.dates().last() < start;
    int count = 0;
    for (const DayChange& change : then.apart()) {
        const bool over = ended && now.dayOf(change.date) >= 0;
        if (!over && !apartNow.contains({ change.date, change.name }))
            ++count;
    }
    return count;
}
