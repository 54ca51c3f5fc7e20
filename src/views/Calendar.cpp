#include "views/Calendar.h"

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

bool outsidePeriod(int month, int day, int startMonth, int endMonth, int endDay)
{
    return (month != startMonth && month != endMonth) || (month == endMonth && endDay < day);
}

} // namespace views
