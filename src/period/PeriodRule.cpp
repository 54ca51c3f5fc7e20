#include "period/PeriodRule.h"

#include <algorithm>

int monthLength(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

PeriodEnd periodEndByLengths(int startMonthLength, int nextMonthLength, bool december, int startDay)
{
    const int L = startMonthLength;
    const int N = nextMonthLength;
    const int D = startDay;
    const bool usualN = N >= 28 && N <= 31;

    PeriodEnd end;
    bool ok = D >= 1;
    if (december) {
        end.day = D <= 22 ? D + 8 : 31;
        end.displayCode = QStringLiteral("DEF1231");
        end.registrationCode = QStringLiteral("ADEF31");
    } else if (L == 28 || L == 29) {
        end.day = D <= 20 ? D + 8 : N;
        ok = ok && (D <= 20 || (D <= 22 ? usualN : N == 31));
        end.displayCode = L == 28 ? QStringLiteral("DEF28") : QStringLiteral("DEF29");
        end.registrationCode = QStringLiteral("A") + end.displayCode;
    } else if (L == 30) {
        end.day = D <= 20 ? D + 8 : D == 21 ? std::min(N, 30) : N;
        ok = ok && (D <= 20 || (D <= 22 ? usualN : N == 30 || N == 31));
        end.displayCode = QStringLiteral("DEF30");
        end.registrationCode = QStringLiteral("ADEF30");
    } else {
        end.day = D <= 20 ? D + 8 : D == 21 ? std::min(N, 29) : D == 22 ? std::min(N, 30) : N;
        ok = ok && L == 31 && (D <= 20 || usualN);
        end.displayCode = D == 21 ? QStringLiteral("DEF31-21")
            : D == 22             ? QStringLiteral("DEF31-22")
                                  : QStringLiteral("DEFn1231");
        end.registrationCode = QStringLiteral("ADEF31");
    }
    end.consistent = ok;
    end.dayCount = (L - D + 1) + (ok ? end.day : 0);
    if (ok) {
        end.displayCode.clear();
        end.registrationCode.clear();
    }
    return end;
}

PeriodEnd periodEndFor(QDate start)
{
    const QDate next = QDate(start.year(), start.month(), 1).addMonths(1);
    PeriodEnd end = periodEndByLengths(start.daysInMonth(), next.daysInMonth(), start.month() == 12, start.day());
    end.year = next.year();
    end.month = next.month();
    return end;
}
