#include "views/Calendar.h"

#include "data/Table.h"
#include "platform/Numbers.h"

namespace views {

bool isWeekdayCode(int code)
{
    return code >= 1 && code <= 7;
}

QString weekdayKanji(int code)
{
    static const QString kKanji[] = { QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
        QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土") };
    return isWeekdayCode(code) ? kKanji[code - 1] : QStringLiteral("？");
}

PeriodMonths periodMonths(const Table& schedule)
{
    const auto header = [&schedule](int column) { return numbers::toInt(schedule.cell(column, 0)); };
    return { header(0), header(1), header(3), header(4), header(5) };
}

} // namespace views
