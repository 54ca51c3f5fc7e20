#pragma once

#include <QtGlobal>

namespace shell {

// The pay of one working day from the hourly wage and the net working minutes: every whole
// hour at the wage, and a part hour of r minutes paid as wage div (60 div r), so that any
// part above 30 minutes pays a whole wage. Integer arithmetic that drops remainders; the
// individual week, the weekly labour cost and today's duty list all pay by this rule.
struct DayPay {
    int hours = 0;
    int minutes = 0;
    qint64 pay = 0;
};

DayPay dayPay(int wage, int netMinutes);

} // namespace shell
