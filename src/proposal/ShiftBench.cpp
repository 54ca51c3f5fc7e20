#include "proposal/ShiftBench.h"

#include <QHash>
#include <QStringList>

namespace shiftbench {
namespace {

enum class Section {
    None,
    Horizon,
    Shifts,
    Staff,
    DaysOff,
    OnRequests,
    OffRequests,
    Cover,
};

const QHash<QString, Section> kSections {
    { QStringLiteral("SECTION_HORIZON"), Section::Horizon },
    { QStringLiteral("SECTION_SHIFTS"), Section::Shifts },
    { QStringLiteral("SECTION_STAFF"), Section::Staff },
    { QStringLiteral("SECTION_DAYS_OFF"), Section::DaysOff },
    { QStringLiteral("SECTION_SHIFT_ON_REQUESTS"), Section::OnRequests },
    { QStringLiteral("SECTION_SHIFT_OFF_REQUESTS"), Section::OffRequests },
    { QStringLiteral("SECTION_COVER"), Section::Cover },
};

// A bad line: thrown by the reader's steps, caught once with the line's number.
struct Bad {
    QString what;
};

class Reader {
public:
    Read run(const QString& text);

private:
    void line(const QStringList& fields);
    void shiftLine(const QStringList& fields);
    void staffLine(const QStringList& fields);
    void daysOffLine(const QStringList& fields);
    ShiftRequest requestLine(const QStringList& fields);
    void coverLine(const QStringList& fields);
    void resolveSuccessions();

    static int number(const QString& field, const char* what);
    static void expectFields(const QStringList& fields, int count, const char* form);
    int day(const QString& field) const;
    int shift(const QString& id) const;
    int staff(const QString& id) const;

    Problem problem_;
    Section section_ = Section::None;
    bool horizonRead_ = false;
    QHash<QString, int> shiftIndex_;
    QHash<QString, int> staffIndex_;
    QList<std::pair<int, QStringList>> successors_; // the shift lines' numbers and their successors
    int lineNumber_ = 0;
};

Read Reader::run(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    try {
        for (const QString& raw : lines) {
            ++lineNumber_;
            const QString trimmed = raw.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
                continue;
            if (trimmed.startsWith(QLatin1String("SECTION_"))) {
                if (!kSections.contains(trimmed))
                    throw Bad { QStringLiteral("unknown section \"%1\"").arg(trimmed) };
                section_ = kSections.value(trimmed);
                continue;
            }
            QStringList fields = trimmed.split(QLatin1Char(','));
            for (QString& field : fields)
                field = field.trimmed();
            line(fields);
        }
        lineNumber_ = 0;
        resolveSuccessions();
        if (!horizonRead_)
            throw Bad { QStringLiteral("SECTION_HORIZON is missing") };
        if (problem_.shifts.isEmpty())
            throw Bad { QStringLiteral("no shift in SECTION_SHIFTS") };
        if (problem_.staff.isEmpty())
            throw Bad { QStringLiteral("no staff in SECTION_STAFF") };
    } catch (const Bad& bad) {
        return { std::nullopt,
            lineNumber_ > 0 ? QStringLiteral("line %1: %2").arg(lineNumber_).arg(bad.what) : bad.what };
    }
    return { problem_, QString() };
}

void Reader::line(const QStringList& fields)
{
    switch (section_) {
    case Section::None:
        throw Bad { QStringLiteral("a line before any section") };
    case Section::Horizon:
        if (horizonRead_)
            throw Bad { QStringLiteral("SECTION_HORIZON holds one number only") };
        expectFields(fields, 1, "the horizon in days");
        problem_.horizon = number(fields[0], "the horizon");
        if (problem_.horizon <= 0)
            throw Bad { QStringLiteral("the horizon must be at least one day") };
        horizonRead_ = true;
        break;
    case Section::Shifts:
        shiftLine(fields);
        break;
    case Section::Staff:
        staffLine(fields);
        break;
    case Section::DaysOff:
        daysOffLine(fields);
        break;
    case Section::OnRequests:
        problem_.onRequests.append(requestLine(fields));
        break;
    case Section::OffRequests:
        problem_.offRequests.append(requestLine(fields));
        break;
    case Section::Cover:
        coverLine(fields);
        break;
    }
}

int Reader::number(const QString& field, const char* what)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < 0)
        throw Bad { QStringLiteral("%1 \"%2\" is not a whole number of 0 or more").arg(QLatin1String(what), field) };
    return value;
}

void Reader::expectFields(const QStringList& fields, int count, const char* form)
{
    if (fields.size() != count)
        throw Bad { QStringLiteral("%1 fields where %2 are expected (%3)")
                        .arg(fields.size())
                        .arg(count)
                        .arg(QLatin1String(form)) };
}

int Reader::day(const QString& field) const
{
    if (!horizonRead_)
        throw Bad { QStringLiteral("a day before SECTION_HORIZON") };
    const int d = number(field, "the day");
    if (d >= problem_.horizon)
        throw Bad { QStringLiteral("day %1 lies beyond the horizon of %2 days").arg(d).arg(problem_.horizon) };
    return d;
}

int Reader::shift(const QString& id) const
{
    const auto it = shiftIndex_.constFind(id);
    if (it == shiftIndex_.cend())
        throw Bad { QStringLiteral("unknown shift \"%1\"").arg(id) };
    return *it;
}

int Reader::staff(const QString& id) const
{
    const auto it = staffIndex_.constFind(id);
    if (it == staffIndex_.cend())
        throw Bad { QStringLiteral("unknown staff member \"%1\"").arg(id) };
    return *it;
}

// ID, minutes, successors: the successors may name shifts of later lines.
void Reader::shiftLine(const QStringList& fields)
{
    if (!problem_.staff.isEmpty())
        throw Bad { QStringLiteral("a shift after SECTION_STAFF") };
    expectFields(fields, 3, "ID, length in minutes, shifts that cannot follow");
    if (fields[0].isEmpty() || shiftIndex_.contains(fields[0]))
        throw Bad { fields[0].isEmpty() ? QStringLiteral("a shift without an ID")
                                        : QStringLiteral("shift \"%1\" is defined twice").arg(fields[0]) };
    const int minutes = number(fields[1], "the length");
    if (minutes == 0)
        throw Bad { QStringLiteral("shift \"%1\" lasts no minute").arg(fields[0]) };
    shiftIndex_.insert(fields[0], int(problem_.shifts.size()));
    problem_.shifts.append({ fields[0], minutes, {} });
    successors_.append({ lineNumber_, fields[2].isEmpty() ? QStringList() : fields[2].split(QLatin1Char('|')) });
}

void Reader::resolveSuccessions()
{
    const int last = lineNumber_;
    for (int s = 0; s < successors_.size(); ++s) {
        lineNumber_ = successors_[s].first;
        for (const QString& id : std::as_const(successors_[s].second))
            problem_.shifts[s].forbiddenNext.append(shift(id.trimmed()));
    }
    lineNumber_ = last;
}

// ID, MaxShifts, MaxTotalMinutes, MinTotalMinutes, MaxConsecutiveShifts, MinConsecutiveShifts,
// MinConsecutiveDaysOff, MaxWeekends.
void Reader::staffLine(const QStringList& fields)
{
    expectFields(fields, 8,
        "ID, MaxShifts, MaxTotalMinutes, MinTotalMinutes, MaxConsecutiveShifts, MinConsecutiveShifts, "
        "MinConsecutiveDaysOff, MaxWeekends");
    if (fields[0].isEmpty() || staffIndex_.contains(fields[0]))
        throw Bad { fields[0].isEmpty() ? QStringLiteral("a staff member without an ID")
                                        : QStringLiteral("staff member \"%1\" is defined twice").arg(fields[0]) };
    if (!horizonRead_ || problem_.shifts.isEmpty())
        throw Bad { QStringLiteral("staff before SECTION_HORIZON and SECTION_SHIFTS") };
    Staff s;
    s.id = fields[0];
    // A shift the line does not name may be worked every day.
    s.maxShifts = QList<int>(problem_.shifts.size(), problem_.horizon);
    QList<bool> named(problem_.shifts.size(), false);
    for (const QString& limit : fields[1].split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QStringList parts = limit.split(QLatin1Char('='));
        if (parts.size() != 2)
            throw Bad { QStringLiteral("MaxShifts \"%1\" is not of the form shift=count").arg(limit) };
        const int index = shift(parts[0].trimmed());
        if (named[index])
            throw Bad { QStringLiteral("MaxShifts names shift \"%1\" twice").arg(parts[0].trimmed()) };
        named[index] = true;
        s.maxShifts[index] = number(parts[1].trimmed(), "MaxShifts");
    }
    s.maxMinutes = number(fields[2], "MaxTotalMinutes");
    s.minMinutes = number(fields[3], "MinTotalMinutes");
    s.maxConsecutive = number(fields[4], "MaxConsecutiveShifts");
    s.minConsecutive = number(fields[5], "MinConsecutiveShifts");
    s.minConsecutiveOff = number(fields[6], "MinConsecutiveDaysOff");
    s.maxWeekends = number(fields[7], "MaxWeekends");
    if (s.minMinutes > s.maxMinutes)
        throw Bad {
            QStringLiteral("MinTotalMinutes %1 exceeds MaxTotalMinutes %2").arg(s.minMinutes).arg(s.maxMinutes)
        };
    if (s.minConsecutive > s.maxConsecutive)
        throw Bad { QStringLiteral("MinConsecutiveShifts %1 exceeds MaxConsecutiveShifts %2")
                        .arg(s.minConsecutive)
                        .arg(s.maxConsecutive) };
    staffIndex_.insert(s.id, int(problem_.staff.size()));
    problem_.staff.append(s);
}

void Reader::daysOffLine(const QStringList& fields)
{
    if (fields.size() < 2)
        throw Bad { QStringLiteral("a staff ID and at least one day are expected") };
    Staff& s = problem_.staff[staff(fields[0])];
    for (int i = 1; i < fields.size(); ++i) {
        const int d = day(fields[i]);
        if (!s.daysOff.contains(d))
            s.daysOff.append(d);
    }
}

ShiftRequest Reader::requestLine(const QStringList& fields)
{
    expectFields(fields, 4, "EmployeeID, Day, ShiftID, Weight");
    return { staff(fields[0]), day(fields[1]), shift(fields[2]), number(fields[3], "the weight") };
}

void Reader::coverLine(const QStringList& fields)
{
    expectFields(fields, 5, "Day, ShiftID, Requirement, Weight for under, Weight for over");
    const Cover cover { day(fields[0]), shift(fields[1]), number(fields[2], "the requirement"),
        number(fields[3], "the weight for under"), number(fields[4], "the weight for over") };
    for (const Cover& c : std::as_const(problem_.cover)) {
        if (c.day == cover.day && c.shift == cover.shift)
            throw Bad {
                QStringLiteral("the cover of day %1 and shift \"%2\" is given twice").arg(cover.day).arg(fields[1])
            };
    }
    problem_.cover.append(cover);
}

} // namespace

Read read(const QString& text)
{
    return Reader().run(text);
}

proposal::Instance instanceOf(const Problem& problem)
{
    using namespace proposal;
    Instance in;
    in.first = kFirstDay;
    in.days = problem.horizon;
    in.periodStart = 0;
    in.periodDays = problem.horizon;
    in.labour.runLimit = 0;
    in.labour.restHours = 0;
    in.targets = QList<DayTargets>(problem.horizon);
    for (const Shift& shift : problem.shifts)
        in.patterns.append({ shift.id, std::nullopt, shift.minutes, false });
    for (int i = 0; i < problem.staff.size(); ++i) {
        const Staff& s = problem.staff[i];
        Employee employee;
        employee.row = i;
        QList<Option> options { offOption() };
        for (int p = 0; p < problem.shifts.size(); ++p) {
            if (s.maxShifts[p] > 0) {
                Option option;
                option.kind = DayKind::Working;
                option.pattern = p;
                options.append(option);
            }
            if (s.maxShifts[p] < problem.horizon)
                employee.rules.patternCounts.append({ { p }, s.maxShifts[p] });
        }
        for (int d = 0; d < problem.horizon; ++d) {
            if (s.daysOff.contains(d))
                employee.days.append({ { offOption() }, false, 0 });
            else
                employee.days.append({ options, true, 0 });
        }
        PersonRules& rules = employee.rules;
        for (int p = 0; p < problem.shifts.size(); ++p) {
            for (const int next : problem.shifts[p].forbiddenNext)
                rules.successions.append({ p, next });
        }
        rules.workingRun = Most { s.maxConsecutive };
        rules.leastWorkingRun = RunFloor { s.minConsecutive };
        rules.leastOffRun = RunFloor { s.minConsecutiveOff };
        rules.leastMinutes = Least { s.minMinutes };
        rules.mostMinutes = Most { s.maxMinutes };
        rules.weekends = Most { s.maxWeekends };
        in.employees.append(employee);
    }
    for (const Cover& c : problem.cover)
        in.patternTargets.append({ c.day, c.shift, c.requirement, c.requirement, c.underWeight, c.overWeight });
    for (const ShiftRequest& r : problem.onRequests)
        in.requests.append({ r.staff, r.day, RequestKind::Pattern, r.shift, r.weight });
    for (const ShiftRequest& r : problem.offRequests)
        in.requests.append({ r.staff, r.day, RequestKind::AvoidPattern, r.shift, r.weight });
    in.aims = { { { Measure::ShortPatterns }, { Measure::OverPatterns }, { Measure::Requests } } };
    return in;
}

Roster rosterOf(const proposal::Instance& instance, const QList<QList<int>>& options)
{
    Roster roster;
    for (int e = 0; e < instance.employees.size(); ++e) {
        QList<int> days;
        for (int d = 0; d < instance.days; ++d) {
            const proposal::Day& day = instance.employees[e].days[d];
            const int o = options.value(e).value(d, 0);
            days.append(o >= 0 && o < day.options.size() ? day.options[o].pattern : -1);
        }
        roster.append(days);
    }
    return roster;
}

QString rosterText(const Problem& problem, const Roster& roster)
{
    QString text;
    for (int s = 0; s < problem.staff.size(); ++s) {
        QStringList fields { problem.staff[s].id };
        for (int d = 0; d < problem.horizon; ++d) {
            const int shift = roster.value(s).value(d, -1);
            fields.append(shift >= 0 && shift < problem.shifts.size() ? problem.shifts[shift].id : QStringLiteral("-"));
        }
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace shiftbench
