#include "shell/DayPay.h"

namespace shell {

DayPay dayPay(int wage, int netMinutes)
{
    DayPay day;
    day.hours = netMinutes / 60;
    day.minutes = netMinutes % 60;
    day.pay = qint64(wage) * day.hours;
    if (day.minutes > 0)
        day.pay += wage / (60 / day.minutes);
    return day;
}

} // namespace shell
