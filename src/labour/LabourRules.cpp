#include "labour/LabourRules.h"

#include "changes/DayShift.h"
#include "changes/DayText.h"
#include "changes/EffectiveSchedule.h"
#include "changes/RosterDay.h"
#include "data/Table.h"
#include "data/Unitdata.h"
#include "data/WorkAttributes.h"
#include "patterns/ShiftPatterns.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace labour {
namespace {

using daychanges::DayKind;
using daychanges::RosterDay;
using daychanges::Shift;

constexpr int kDayMinutes = 24 * 60;
constexpr int kLookBack = 31; // days before the period that a run counts, at most
constexpr int kDailyLimit = 8 * 60;
constexpr qint64 kMonthlyLimit = 60 * 60;
constexpr int kNightStart = 22 * 60;
constexpr int kNightLength = 7 * 60;
constexpr qint64 kMinorWeek = 40 * 60; // the special 44 hours never apply to minors
constexpr qint64 kStudentWeek = 28 * 60;
constexpr qint64 kVacationWeek = 40 * 60;
constexpr int kVacationDay = 8 * 60;
constexpr int kFourWeeks = 28;
constexpr int kFourDaysOff = 4;
// Net minutes as the table stores them have at most four digits; a damaged cell is bounded so
// that every total stays exact in 64 bits.
constexpr int kMaxNetMinutes = 9999;

int netOf(const Shift& shift)
{
    return std::clamp(shift.netMinutes, 0, kMaxNetMinutes);
}

QDate weekStartOf(QDate date, int weekStart)
{
    return date.addDays(-((clock_::weekdayCode(date) - weekStart + 7) % 7));
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return a % b != 0 && (a < 0) != (b < 0) ? q - 1 : q;
}

qint64 excess(qint64 value, qint64 limit)
{
    return std::max<qint64>(0, value - limit);
}

QDate monthStart(QDate date)
{
    return QDate(date.year(), date.month(), 1);
}

QDate monthEnd(QDate date)
{
    return monthStart(date).addMonths(1).addDays(-1);
}

// A whole number as a text's place takes it: QString::arg(int) consults the locale, which the
// check's many lines need not.
QString number(qint64 value)
{
    return QString::number(value);
}

QString monthDay(QDate date)
{
    return QString::number(date.month()) + u'/' + QString::number(date.day());
}

// The start of a variable-hours period in a month.
QDate periodStartIn(int year, int month, int startDay)
{
    const QDate first(year, month, 1);
    return startDay == kLastDayOfMonth ? monthEnd(first) : first.addDays(startDay - 1);
}

} // namespace

bool isNote(FindingKind kind)
{
    return kind == FindingKind::VariablePeriod;
}

const PersonRules& Rules::person(int row) const
{
    static const PersonRules none;
    return row >= 0 && row < persons.size() ? persons[row] : none;
}

Rules rulesOf(const TFormData& data)
{
    Rules rules(data.labourSettings);
    const patterns::ShiftPatterns& set = data.shiftPatterns;
    rules.sequence = set.sequence;
    for (const patterns::Pattern& p : set.patterns)
        if (!p.follow.isEmpty())
            rules.followOn.insert(p.code, p.follow);
    if (set.staff.isEmpty())
        return rules;
    for (int row = 0; row < data.StringGrid1.rowCount(); ++row) {
        const patterns::StaffLine* line = set.staffLine(data.StringGrid1.cell(0, row));
        rules.persons.append(line ? line->rules : PersonRules());
    }
    return rules;
}

QList<DayOvertime> overtimeStages(const QList<int>& plan, const QList<int>& worked, const QList<int>& weeks,
    const QList<qint64>& bases, std::optional<qint64> frame)
{
    QList<DayOvertime> out(worked.size());
    qint64 total = 0; // worked beyond the day and week stages, from the first day
    int i = 0;
    for (int w = 0; w < weeks.size(); ++w) {
        qint64 weekPlan = 0;
        for (int k = i; k < i + weeks[w]; ++k)
            weekPlan += plan[k];
        const qint64 weekLimit = std::max(weekPlan, bases[w]);
        qint64 week = 0; // worked beyond the day stage, from the week's first day
        for (const int end = i + weeks[w]; i < end; ++i) {
            DayOvertime& day = out[i];
            day.daily = std::max(0, worked[i] - std::max(plan[i], kDailyLimit));
            const qint64 weekBefore = week;
            week += worked[i] - day.daily;
            day.weekly = static_cast<int>(excess(week, weekLimit) - excess(weekBefore, weekLimit));
            if (frame) {
                const qint64 totalBefore = total;
                total += worked[i] - day.daily - day.weekly;
                day.frame = static_cast<int>(excess(total, *frame) - excess(totalBefore, *frame));
            }
        }
    }
    return out;
}

DateRange variablePeriodOf(QDate date, int startDay)
{
    QDate start = periodStartIn(date.year(), date.month(), startDay);
    if (date < start) {
        const QDate before = monthStart(date).addMonths(-1);
        start = periodStartIn(before.year(), before.month(), startDay);
    }
    const QDate after = monthStart(start).addMonths(1);
    return { start, periodStartIn(after.year(), after.month(), startDay).addDays(-1) };
}

qint64 totalLimit(int weeklyMinutes, int days)
{
    return qint64(weeklyMinutes) * days / 7;
}

int overlapMinutes(const Shift& first, const Shift& next)
{
    const int firstEnd = first.start() + first.span();
    const int nextStart = kDayMinutes + next.start();
    return std::max(0, std::min(firstEnd, nextStart + next.span()) - nextStart);
}

QList<Overlap> overlapsAround(
    const daychanges::EffectiveSchedule& schedule, int row, QDate date, const daychanges::Shift& shift)
{
    QList<Overlap> found;
    if (const auto before = daychanges::shiftOf(schedule.recordedOn(row, date.addDays(-1)).entry))
        if (const int minutes = overlapMinutes(*before, shift); minutes > 0)
            found.append({ date.addDays(-1), minutes });
    if (const auto after = daychanges::shiftOf(schedule.recordedOn(row, date.addDays(1)).entry))
        if (const int minutes = overlapMinutes(shift, *after); minutes > 0)
            found.append({ date.addDays(1), minutes });
    return found;
}

int spanInBand(const Shift& shift, int bandStart, int bandLength)
{
    const int start = shift.start();
    const int end = start + shift.span();
    // The band of the day before the shift's, of its own day and of the next: a shift starts by
    // 24:59 and lasts at most a day.
    int inside = 0;
    for (int from = bandStart - kDayMinutes; from <= bandStart + kDayMinutes; from += kDayMinutes)
        inside += std::max(0, std::min(end, from + bandLength) - std::max(start, from));
    return inside;
}

int workedInBand(const Shift& shift, int bandStart, int bandLength)
{
    const int inside = spanInBand(shift, bandStart, bandLength);
    // The break goes outside the band as far as the shift has room for it.
    const int breakMinutes = shift.span() - netOf(shift);
    return std::max(0, inside - std::max(0, breakMinutes - (shift.span() - inside)));
}

int nightMinutes(const Shift& shift)
{
    return workedInBand(shift, kNightStart, kNightLength);
}

bool holdsNight(const Shift& shift)
{
    return shift.start() <= kNightStart && shift.start() + shift.span() >= kNightStart + kNightLength;
}

qint64 premiumYen(qint64 wage, const WorkMinutes& minutes, const Settings& settings)
{
    const qint64 rated = minutes.night * settings.nightRate() + minutes.overtime() * settings.overtimeRate()
        + minutes.overSixty * (settings.overSixtyRate() - settings.overtimeRate());
    return floorDiv(wage * rated + 3000, 6000); // per cent of an hourly wage per minute, half up
}

namespace {

// The check of one employee over a period: the days the rules read, fetched once from the
// start of the week of the earliest day any rule looks at to the end of the week of the latest,
// the overtime of each day, and one function per rule that adds its findings.
class Checker {
public:
    Checker(int row, const QList<QDate>& dates, const DaySource& source, const Rules& rules);
    EmployeeCheck run(std::optional<int> wage);

private:
    int at(QDate date) const { return static_cast<int>(first_.daysTo(date)); }
    QDate date(int i) const { return first_.addDays(i); }
    const RosterDay& day(int i) const { return days_[static_cast<std::size_t>(i)]; }
    int net(int i) const { return day(i).shift ? netOf(*day(i).shift) : 0; }
    int size() const { return static_cast<int>(days_.size()); }
    bool minor(int i) const { return adult_.isValid() && date(i) < adult_; }
    void add(int i, FindingKind kind, const QString& text) { out_.findings.append({ row_, date(i), kind, text }); }
    // A day before the days fetched (i < 0), fetched once when a run first reaches it.
    const RosterDay& earlier(int i) const;
    // The days in a row that end on day i and meet test, looking before the days fetched as
    // far as kLookBack days before the period.
    template <typename Test> int runUpTo(int i, Test test) const;
    // The first day of the four weeks that hold a date.
    QDate fourWeeksOf(QDate date) const;
    // The variable-hours period of a date.
    DateRange variablePeriod(QDate date) const { return variablePeriodOf(date, settings_.schemeStart()); }

    void overtime();
    void premiumMinutes();
    void daysOff();
    void daily();
    void minors();
    void students();
    void requests();
    void sequence();
    void offAfterAke();
    void monthlyDaysOff();
    void periodLimits();
    void shortRuns(int least, bool ofDaysOff, FindingKind kind, const QString& text);
    void nightBand();

    const int row_;
    const QList<QDate>& dates_;
    const DaySource& source_;
    const Rules& rules_;
    const Settings& settings_;
    const PersonRules& person_;
    const QDate adult_; // the 18th birthday, once
    QDate first_;
    std::vector<RosterDay> days_;
    mutable std::vector<RosterDay> earlier_; // from the day before the first fetched backwards
    int begin_ = 0; // the period's first day
    int end_ = 0; // the day after the period's last
    std::vector<DayOvertime> overtime_;
    EmployeeCheck out_;
};

Checker::Checker(int row, const QList<QDate>& dates, const DaySource& source, const Rules& rules)
    : row_(row)
    , dates_(dates)
    , source_(source)
    , rules_(rules)
    , settings_(rules.settings)
    , person_(rules.person(row))
    , adult_(person_.adultFrom())
{
    // The day before the period and what each rule set looks at around it.
    QDate from = dates.first().addDays(-1);
    QDate to = dates.last();
    const auto widen = [&from, &to](QDate earliest, QDate latest) {
        from = std::min(from, earliest);
        to = std::max(to, latest);
    };
    if (settings_.fourWeekDaysOff())
        widen(fourWeeksOf(dates.first()), fourWeeksOf(dates.last()).addDays(kFourWeeks - 1));
    if (settings_.monthlyScheme())
        widen(variablePeriod(dates.first()).first, variablePeriod(dates.last()).last);
    if (person_.monthlyDaysOff != kNone || settings_.nightBandStart() > 0)
        widen(monthStart(dates.first()), monthEnd(dates.last()));
    if (person_.student)
        widen(dates.first(), dates.last().addDays(6)); // the 7 days from the period's last
    if (!rules.followOn.isEmpty())
        widen(dates.first(), dates.last().addDays(1));
    int reach = std::max(person_.minRun, person_.minDaysOff);
    for (const CodeRunLimit& limit : rules.sequence.runLimits)
        reach = std::max(reach, limit.most);
    if (reach > 0)
        widen(dates.first().addDays(-reach), dates.last().addDays(reach));

    first_ = weekStartOf(from, settings_.weekStart());
    const QDate last = weekStartOf(to, settings_.weekStart()).addDays(6);
    days_.reserve(static_cast<std::size_t>(first_.daysTo(last) + 1));
    for (QDate d = first_; d <= last; d = d.addDays(1))
        days_.push_back(source(d));
    begin_ = at(dates.first());
    end_ = begin_ + static_cast<int>(dates.size());
}

const RosterDay& Checker::earlier(int i) const
{
    const auto back = static_cast<std::size_t>(-1 - i);
    while (earlier_.size() <= back)
        earlier_.push_back(source_(date(-1 - static_cast<int>(earlier_.size()))));
    return earlier_[back];
}

template <typename Test> int Checker::runUpTo(int i, Test test) const
{
    int run = 0;
    for (int k = i; k >= begin_ - kLookBack; --k, ++run)
        if (!test(k >= 0 ? day(k) : earlier(k)))
            break;
    return run;
}

QDate Checker::fourWeeksOf(QDate date) const
{
    const QDate start = settings_.fourWeekStart().isValid() ? settings_.fourWeekStart() : dates_.first();
    return start.addDays(kFourWeeks * floorDiv(start.daysTo(date), kFourWeeks));
}

EmployeeCheck Checker::run(std::optional<int> wage)
{
    overtime();
    premiumMinutes();
    daysOff();
    daily();
    minors();
    students();
    requests();
    sequence();
    offAfterAke();
    monthlyDaysOff();
    periodLimits();
    shortRuns(person_.minRun, false, FindingKind::ShortRun, QStringLiteral("連勤の下限未満（%1日／下限%2日）"));
    shortRuns(person_.minDaysOff, true, FindingKind::ShortDaysOff, QStringLiteral("連休の下限未満（%1日／下限%2日）"));
    nightBand();
    std::stable_sort(out_.findings.begin(), out_.findings.end(),
        [](const Finding& a, const Finding& b) { return a.date != b.date ? a.date < b.date : a.kind < b.kind; });
    if (wage)
        out_.premium = premiumYen(*wage, out_.minutes, settings_);
    return out_;
}

// The overtime of every day fetched: by the day and the week of the legal hours, and under the
// monthly scheme for each variable-hours period of the period by its three stages, with the
// schedule as its plan. A minor, and an expectant mother who asked for no overtime, keep the
// legal hours (a minor's week is 40 hours).
void Checker::overtime()
{
    QList<int> worked;
    worked.reserve(size());
    for (int i = 0; i < size(); ++i)
        worked << net(i);
    const int weeks = size() / 7;
    QList<qint64> bases;
    bases.reserve(weeks);
    for (int w = 0; w < weeks; ++w) {
        bool minorWeek = false;
        for (int i = w * 7; i < w * 7 + 7; ++i)
            minorWeek = minorWeek || minor(i);
        bases << (minorWeek ? kMinorWeek : settings_.weeklyMinutes());
    }
    const QList<DayOvertime> legal = overtimeStages(QList<int>(size()), worked, QList<int>(weeks, 7), bases, {});
    overtime_.assign(legal.cbegin(), legal.cend());
    if (!settings_.monthlyScheme())
        return;
    for (DateRange period = variablePeriod(dates_.first()); period.first <= dates_.last();
         period = variablePeriod(period.last.addDays(1))) {
        const int a = at(period.first);
        const int b = at(period.last);
        bool legalHours = person_.expectant.noOvertime;
        for (int i = a; i <= b; ++i)
            legalHours = legalHours || minor(i);
        if (legalHours)
            continue;
        // Its weeks, cut at its first and last day; a part of a week has its share of the hours.
        QList<int> lengths;
        QList<qint64> weekBases;
        for (int i = a; i <= b; i += lengths.last()) {
            lengths << std::min(b, at(weekStartOf(date(i), settings_.weekStart()).addDays(6))) - i + 1;
            weekBases << totalLimit(settings_.weeklyMinutes(), lengths.last());
        }
        const QList<int> plan = worked.mid(a, b - a + 1);
        const qint64 limit = totalLimit(settings_.weeklyMinutes(), b - a + 1);
        const QList<DayOvertime> staged = overtimeStages(plan, plan, lengths, weekBases, limit);
        std::copy(staged.cbegin(), staged.cend(), overtime_.begin() + a);
        qint64 planned = 0;
        for (const int minutes : plan)
            planned += minutes;
        add(std::max(a, begin_), FindingKind::VariablePeriod,
            QStringLiteral("変形期間 %1～%2：計画 %3／総枠 %4")
                .arg(slashDate(period.first), slashDate(period.last), changes::durationText(static_cast<int>(planned)),
                    changes::durationText(static_cast<int>(limit))));
    }
}

// The premium minutes of the period's days; overtime of a calendar month beyond 60 hours is
// counted on the period's dates.
void Checker::premiumMinutes()
{
    WorkMinutes& minutes = out_.minutes;
    qint64 month = 0;
    for (int i = begin_; i < end_; ++i) {
        const DayOvertime& over = overtime_[static_cast<std::size_t>(i)];
        minutes.dailyOvertime += over.daily;
        minutes.weeklyOvertime += over.weekly;
        minutes.frameOvertime += over.frame;
        if (date(i).day() == 1)
            month = 0;
        const qint64 monthBefore = month;
        month += over.total();
        minutes.overSixty += excess(month, kMonthlyLimit) - excess(monthBefore, kMonthlyLimit);
        if (const auto& shift = day(i).shift)
            minutes.night += nightMinutes(*shift);
    }
}

// A week without a day off, on its first date in the period; with four days off in four weeks
// instead, the four weeks with fewer.
void Checker::daysOff()
{
    if (settings_.fourWeekDaysOff()) {
        for (QDate start = fourWeeksOf(dates_.first()); start <= dates_.last(); start = start.addDays(kFourWeeks)) {
            int off = 0;
            for (int i = at(start); i < at(start) + kFourWeeks; ++i)
                off += day(i).off() ? 1 : 0;
            if (off < kFourDaysOff)
                add(std::max(at(start), begin_), FindingKind::FourWeekDaysOff,
                    QStringLiteral("4週4休に不足（%1～%2：休日 %3 日）")
                        .arg(slashDate(start), slashDate(start.addDays(kFourWeeks - 1)), number(off)));
        }
        return;
    }
    for (QDate week = weekStartOf(dates_.first(), settings_.weekStart()); week <= dates_.last();
         week = week.addDays(7)) {
        bool off = false;
        for (int i = at(week); i < at(week) + 7; ++i)
            off = off || day(i).off();
        if (!off)
            add(std::max(at(week), begin_), FindingKind::NoWeeklyDayOff, QStringLiteral("週休日なし"));
    }
}

// The rules of each day on its own and with the day before: the break, the working days in a
// row (明け among them), the rest since the previous shift.
void Checker::daily()
{
    int run = runUpTo(begin_ - 1, [](const RosterDay& d) { return !d.off(); });
    bool runTold = false;
    for (int i = begin_; i < end_; ++i) {
        const RosterDay& d = day(i);
        run = d.off() ? 0 : run + 1;
        runTold = runTold && !d.off();
        if (d.shift) {
            const int w = net(i);
            const int b = d.shift->span() - w;
            if (w > 8 * 60 && b < 60)
                add(i, FindingKind::Break, QStringLiteral("休憩不足（60分以上必要）"));
            else if (w > 6 * 60 && b < 45)
                add(i, FindingKind::Break, QStringLiteral("休憩不足（45分以上必要）"));
        }
        if (settings_.runLimit() > 0 && run > settings_.runLimit() && !runTold) {
            add(i, FindingKind::DaysInARow, QStringLiteral("連続勤務 %1日").arg(number(run)));
            runTold = true;
        }
        const std::optional<Shift>& previous = day(i - 1).shift;
        if (d.shift && previous) {
            // Two shifts that overlap leave no rest at all: a finding of its own, whatever the
            // rest setting.
            const int rest = kDayMinutes + d.shift->start() - (previous->start() + previous->span());
            if (const int overlap = overlapMinutes(*previous, *d.shift); overlap > 0)
                add(i, FindingKind::Overlap, QStringLiteral("勤務の重複（%1）").arg(changes::durationText(overlap)));
            else if (rest < settings_.restMinutes())
                add(i, FindingKind::ShortRest,
                    QStringLiteral("勤務間インターバル不足（%1時間%2分）").arg(number(rest / 60), number(rest % 60)));
        }
    }
}

// A minor may not work from 22:00 to 5:00 (unless the workplace relies on the exceptions) nor
// beyond 8 hours a day or 40 hours a week.
void Checker::minors()
{
    if (!person_.birthDate.isValid())
        return;
    for (int i = begin_; i < end_; ++i) {
        if (!minor(i))
            continue;
        if (const auto& shift = day(i).shift;
            shift && !settings_.minorNightAllowed() && spanInBand(*shift, kNightStart, kNightLength) > 0)
            add(i, FindingKind::MinorNight, QStringLiteral("年少者の深夜業（22時～5時）"));
        if (net(i) > kDailyLimit)
            add(i, FindingKind::MinorOvertime, QStringLiteral("年少者の時間外（1日8時間超）"));
    }
    // The week's hours from its first day; found on the date they pass 40 hours, or on the
    // period's first date when they passed before it.
    for (QDate week = weekStartOf(dates_.first(), settings_.weekStart()); week <= dates_.last();
         week = week.addDays(7)) {
        qint64 hours = 0;
        for (int i = at(week); i < at(week) + 7; ++i) {
            hours += net(i);
            if (hours <= kMinorWeek)
                continue;
            if (const int on = std::max(i, begin_); on < end_ && minor(on))
                add(on, FindingKind::MinorOvertime, QStringLiteral("年少者の時間外（週40時間超）"));
            break;
        }
    }
}

// A student may work 28 hours in any 7 days, 40 in 7 days that reach into a long vacation and
// 8 hours a day in it. Each 7 days from a date of the period; one finding for a run of such 7
// days that overlap, on its first date.
void Checker::students()
{
    if (!person_.student)
        return;
    int lastOver = begin_ - 7;
    for (int i = begin_; i < end_; ++i) {
        if (person_.inVacation(date(i)) && net(i) > kVacationDay)
            add(i, FindingKind::StudentVacationDay, QStringLiteral("留学生の休業中の8時間超"));
        qint64 worked = 0;
        bool vacation = false;
        for (int k = i; k < i + 7; ++k) {
            worked += net(k);
            vacation = vacation || person_.inVacation(date(k));
        }
        if (worked <= (vacation ? kVacationWeek : kStudentWeek))
            continue;
        if (i - lastOver >= 7) {
            const QString text = vacation ? QStringLiteral("留学生の40時間超（%1～%2：%3）")
                                          : QStringLiteral("留学生の28時間超（%1～%2：%3）");
            add(i, FindingKind::StudentHours,
                text.arg(monthDay(date(i)), monthDay(date(i + 6)), changes::durationText(static_cast<int>(worked))));
        }
        lastOver = i;
    }
}

// The requests of an expectant or nursing mother and of a carer: no work at night, no overtime.
void Checker::requests()
{
    const bool noNight = person_.expectant.noNight || person_.care.noNight;
    const bool noOvertime = person_.expectant.noOvertime || person_.care.noOvertime;
    for (int i = begin_; i < end_; ++i) {
        if (const auto& shift = day(i).shift; noNight && shift && spanInBand(*shift, kNightStart, kNightLength) > 0)
            add(i, FindingKind::RequestNight, QStringLiteral("深夜業の制限（請求）"));
        if (noOvertime && overtime_[static_cast<std::size_t>(i)].total() > 0)
            add(i, FindingKind::RequestOvertime, QStringLiteral("時間外の制限（請求）"));
    }
}

// The sequence of the patterns: a forbidden pair, a pattern beyond its days in a row (once a
// run, where it passes the limit), and the day a pattern asks for after it.
void Checker::sequence()
{
    const SequenceRules& rules = rules_.sequence;
    if (rules.forbidden.isEmpty() && rules.runLimits.isEmpty() && rules_.followOn.isEmpty())
        return;
    // The days in a row of the day's code, from before the period when a limit asks for them.
    const QString& last = day(begin_ - 1).code;
    int run = last.isEmpty() || rules.runLimits.isEmpty()
        ? 0
        : runUpTo(begin_ - 1, [&last](const RosterDay& other) { return other.code == last; });
    for (int i = begin_; i < end_; ++i) {
        const RosterDay& d = day(i);
        const RosterDay& before = day(i - 1);
        run = d.code == before.code ? run + 1 : 1;
        if (d.code.isEmpty())
            continue;
        if (!before.code.isEmpty() && rules.forbids(before.code, d.code))
            add(i, FindingKind::ForbiddenSequence, QStringLiteral("禁止の並び（%1→%2）").arg(before.code, d.code));
        if (const int most = rules.mostInARow(d.code);
            most != kNone && (run == most + 1 || (i == begin_ && run > most)))
            add(i, FindingKind::CodeRun,
                QStringLiteral("連続の上限（%1 %2日／上限%3日）").arg(d.code, number(run), number(most)));
        if (const auto next = rules_.followOn.constFind(d.code);
            next != rules_.followOn.cend() && !next->isEmpty() && day(i + 1).code != *next)
            add(i, FindingKind::NoFollowOn, QStringLiteral("明けがありません"));
    }
}

// No day off on the day after 明け, where the rule asks for one.
void Checker::offAfterAke()
{
    if (!rules_.sequence.offAfterAke)
        return;
    for (int i = begin_; i < end_; ++i)
        if (day(i - 1).kind == DayKind::Ake && !day(i).off())
            add(i, FindingKind::NoDayOffAfterAke, QStringLiteral("明けの後の休みなし"));
}

// The days of 公休 in each calendar month of the period, counted over the whole month.
void Checker::monthlyDaysOff()
{
    if (person_.monthlyDaysOff == kNone)
        return;
    for (QDate month = monthStart(dates_.first()); month <= dates_.last(); month = month.addMonths(1)) {
        int off = 0;
        for (int i = at(month), last = at(monthEnd(month)); i <= last; ++i)
            off += day(i).off() && day(i).entry.attribute == attributes::kRegularDayOff ? 1 : 0;
        if (off != person_.monthlyDaysOff)
            add(std::max(at(month), begin_), FindingKind::MonthlyDaysOff,
                QStringLiteral("公休の日数（%1年%2月：%3日／所定%4日）")
                    .arg(number(month.year()), number(month.month()), number(off), number(person_.monthlyDaysOff)));
    }
}

// The person's limits over the period's days. A limit passed is found on the date it is passed,
// with the period's count; hours below the lower limit on the period's last date.
void Checker::periodLimits()
{
    qint64 hours = 0;
    int nights = 0;
    int weekends = 0;
    QDate weekend; // the Saturday of the last weekend at work
    int hoursPassed = -1;
    int nightsPassed = -1;
    int weekendsPassed = -1;
    const auto passed = [](int& on, int i, qint64 count, int limit) {
        if (on < 0 && limit != kNone && count > limit)
            on = i;
    };
    for (int i = begin_; i < end_; ++i) {
        const RosterDay& d = day(i);
        hours += net(i);
        passed(hoursPassed, i, hours, person_.maxHours == kNone ? kNone : person_.maxHours * 60);
        nights += d.shift && holdsNight(*d.shift) ? 1 : 0;
        passed(nightsPassed, i, nights, person_.maxNights);
        const int code = clock_::weekdayCode(date(i));
        if (d.working() && (code == 7 || code == 1)) {
            const QDate saturday = code == 7 ? date(i) : date(i).addDays(-1);
            weekends += saturday != weekend ? 1 : 0;
            weekend = saturday;
        }
        passed(weekendsPassed, i, weekends, person_.maxWeekends);
    }
    if (person_.minHours != kNone && hours < person_.minHours * 60)
        add(end_ - 1, FindingKind::Hours,
            QStringLiteral("勤務時間の下限未満（%1時間／下限%2時間）")
                .arg(number(hours / 60), number(person_.minHours)));
    if (hoursPassed >= 0)
        add(hoursPassed, FindingKind::Hours,
            QStringLiteral("勤務時間の上限超過（%1／上限%2時間）")
                .arg(changes::durationText(static_cast<int>(hours)), number(person_.maxHours)));
    if (nightsPassed >= 0)
        add(nightsPassed, FindingKind::Nights,
            QStringLiteral("夜勤の回数（%1回／上限%2回）").arg(number(nights), number(person_.maxNights)));
    if (weekendsPassed >= 0)
        add(weekendsPassed, FindingKind::Weekends,
            QStringLiteral("土日の勤務（%1回／上限%2回）").arg(number(weekends), number(person_.maxWeekends)));
}

// Each run of working days (明け among them), or of days off, that has a day in the period and
// is shorter than the least, on its first date in the period. The days fetched reach the least
// beyond the period, so a run cut by them is never shorter.
void Checker::shortRuns(int least, bool ofDaysOff, FindingKind kind, const QString& text)
{
    if (least == kNone)
        return;
    for (int a = 0, b = 0; a < end_; a = b) {
        for (b = a; b < size() && day(b).off() == day(a).off(); ++b) { }
        if (day(a).off() == ofDaysOff && b > begin_ && b - a < least)
            add(std::max(a, begin_), kind, text.arg(number(b - a), number(least)));
    }
}

// The minutes each calendar month of the period holds inside the night band, for the ward's
// monthly night hours; a shift counts in the month it starts in.
void Checker::nightBand()
{
    if (settings_.nightBandStart() == 0)
        return;
    for (QDate month = monthStart(dates_.first()); month <= dates_.last(); month = month.addMonths(1)) {
        qint64 minutes = 0;
        for (int i = at(month), last = at(monthEnd(month)); i <= last; ++i)
            if (const auto& shift = day(i).shift)
                minutes += workedInBand(*shift, settings_.nightBandStart(), kNightBandMinutes);
        out_.nightBand.append({ month, minutes });
    }
}

} // namespace

EmployeeCheck checkDays(
    int row, const QList<QDate>& dates, std::optional<int> wage, const DaySource& source, const Rules& rules)
{
    const bool wageKnown = wage && *wage >= 0;
    const int minimum = rules.settings.minimumWage();
    EmployeeCheck out;
    if (!dates.isEmpty())
        out = Checker(row, dates, source, rules).run(wageKnown ? wage : std::nullopt);
    if (wageKnown && minimum > 0 && *wage < minimum)
        out.findings.prepend({ row, QDate(), FindingKind::MinimumWage,
            QStringLiteral("最低賃金未満（¥%1／¥%2）").arg(number(*wage), number(minimum)) });
    return out;
}

EmployeeCheck checkEmployee(const daychanges::EffectiveSchedule& schedule, int row, const Rules& rules)
{
    return checkDays(
        row, schedule.dates(), numbers::parseInt(schedule.master().cell(1, row)),
        [&schedule, row](QDate date) { return schedule.recordedOn(row, date); }, rules);
}

CellFindings::CellFindings(const daychanges::EffectiveSchedule& schedule, const Rules& rules)
    : days_(static_cast<int>(schedule.dates().size()))
{
    texts_.resize(static_cast<qsizetype>(schedule.employees()) * days_);
    for (int row = 0; row < schedule.employees(); ++row)
        for (const Finding& finding : checkEmployee(schedule, row, rules).findings)
            if (const int day = finding.date.isValid() && !isNote(finding.kind) ? schedule.dayOf(finding.date) : -1;
                day >= 0)
                texts_[static_cast<qsizetype>(row) * days_ + day].append(finding.text);
}

QStringList CellFindings::at(int row, int day) const
{
    if (row < 0 || day < 0 || day >= days_)
        return {};
    return texts_.value(static_cast<qsizetype>(row) * days_ + day);
}

} // namespace labour
