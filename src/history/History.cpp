#include "history/History.h"

#include "changes/ChangeFile.h"
#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "history/Calendar.h"

namespace history {

QList<KeptDay> leavingDays(const TFormData& data, QDate start)
{
    QList<KeptDay> out;
    for (const auto choice : { daychanges::PeriodChoice::Registered, daychanges::PeriodChoice::Next }) {
        const daychanges::EffectiveSchedule schedule(data, choice);
        const Table& master = schedule.master();
        for (int day = 0; day < schedule.dates().size() && schedule.dates()[day] < start; ++day)
            for (int row = 0; row < schedule.employees(); ++row) {
                // The master's checks let only entries through that have the change file's form. A
                // day without times keeps the code its entry carries, also one the patterns no
                // longer hold.
                const daychanges::RosterDay roster = schedule.day(row, day);
                if (const auto entry = changefile::fileForm(roster.entry))
                    out.append({ schedule.dates()[day], row, master.cell(0, row), master.cell(1, row), *entry,
                        entry->attribute == attributes::kWorkday ? roster.code : entry->pattern });
            }
    }
    return out;
}

Keeping keepingOn(const TFormData& data, QDate start)
{
    Keeping keeping { leavingDays(data, start), {} };
    KeptSchedule after = data.keptSchedule;
    after.keep(keeping.leaving);
    keeping.oldMonths = after.monthsBefore(keptFrom(start));
    return keeping;
}

QString dropQuestion(const QList<QDate>& oldMonths)
{
    // clang-format off
    return QStringLiteral("▼ 保存している過去の勤務のうち，%1～%2 の %3 か月分は，保存期間（昨年の1月から）を過ぎています．\r\n\r\n▽ 「はい」で削除します．「いいえ」で次の登録まで残します．\r\n\r\n□ 古い月の勤務を削除しますか？")
        .arg(monthTitle(oldMonths.first()), monthTitle(oldMonths.last())).arg(oldMonths.size());
    // clang-format on
}

} // namespace history
