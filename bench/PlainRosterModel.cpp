#include "PlainRosterModel.h"

#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <CoinPackedVector.hpp>
#include <OsiClpSolverInterface.hpp>

#include <cmath>
#include <map>
#include <string>

namespace {

class Plain {
public:
    explicit Plain(const shiftbench::Problem& p)
        : p_(p)
    {
    }
    PlainResult solve(int seconds, bool cpuTime);

private:
    int column(double lower, double upper, double cost, bool integer)
    {
        CoinPackedVector empty;
        lp_.addCol(empty, lower, upper, cost);
        if (integer)
            lp_.setInteger(lp_.getNumCols() - 1);
        return lp_.getNumCols() - 1;
    }
    void row(const std::map<int, double>& terms, double lower, double upper)
    {
        CoinPackedVector v;
        for (const auto& [c, a] : terms)
            if (a != 0)
                v.insert(c, a);
        lp_.addRow(v, lower, upper);
    }
    // The columns of staff s working on day d, with their shifts; none beyond the horizon.
    std::map<int, double> works(int s, int d, double factor = 1) const
    {
        std::map<int, double> terms;
        if (d < 0 || d >= p_.horizon)
            return terms;
        for (const auto& [key, c] : x_)
            if (std::get<0>(key) == s && std::get<1>(key) == d)
                terms[c] += factor;
        return terms;
    }
    static void add(std::map<int, double>& into, const std::map<int, double>& terms)
    {
        for (const auto& [c, a] : terms)
            into[c] += a;
    }

    const shiftbench::Problem& p_;
    OsiClpSolverInterface lp_;
    std::map<std::tuple<int, int, int>, int> x_; // (staff, day, shift) → column
};

PlainResult Plain::solve(int seconds, bool cpuTime)
{
    const double inf = lp_.getInfinity();
    const int H = p_.horizon;
    for (int s = 0; s < p_.staff.size(); ++s)
        for (int d = 0; d < H; ++d)
            for (int t = 0; t < p_.shifts.size(); ++t)
                if (p_.staff[s].maxShifts[t] > 0 && !p_.staff[s].daysOff.contains(d))
                    x_[{ s, d, t }] = column(0, 1, 0, true);
    double constant = 0;
    for (const shiftbench::ShiftRequest& r : p_.onRequests) {
        constant += r.weight;
        if (x_.count({ r.staff, r.day, r.shift }))
            lp_.setObjCoeff(
                x_[{ r.staff, r.day, r.shift }], lp_.getObjCoefficients()[x_[{ r.staff, r.day, r.shift }]] - r.weight);
    }
    for (const shiftbench::ShiftRequest& r : p_.offRequests)
        if (x_.count({ r.staff, r.day, r.shift }))
            lp_.setObjCoeff(
                x_[{ r.staff, r.day, r.shift }], lp_.getObjCoefficients()[x_[{ r.staff, r.day, r.shift }]] + r.weight);
    for (const shiftbench::Cover& c : p_.cover) {
        std::map<int, double> terms;
        for (int s = 0; s < p_.staff.size(); ++s)
            if (x_.count({ s, c.day, c.shift }))
                terms[x_[{ s, c.day, c.shift }]] = 1;
        terms[column(0, inf, c.underWeight, false)] = 1;
        terms[column(0, inf, c.overWeight, false)] = -1;
        row(terms, c.requirement, c.requirement);
    }
    for (int s = 0; s < p_.staff.size(); ++s) {
        const shiftbench::Staff& st = p_.staff[s];
        std::map<int, double> minutes;
        std::map<int, std::map<int, double>> counts;
        for (int d = 0; d < H; ++d) {
            row(works(s, d), -inf, 1);
            for (int t = 0; t < p_.shifts.size(); ++t) {
                if (!x_.count({ s, d, t }))
                    continue;
                minutes[x_[{ s, d, t }]] = p_.shifts[t].minutes;
                counts[t][x_[{ s, d, t }]] = 1;
                for (const int next : p_.shifts[t].forbiddenNext)
                    if (d + 1 < H && x_.count({ s, d + 1, next }))
                        row({ { x_[{ s, d, t }], 1 }, { x_[{ s, d + 1, next }], 1 } }, -inf, 1);
            }
        }
        row(minutes, st.minMinutes, st.maxMinutes);
        for (const auto& [t, terms] : counts)
            row(terms, -inf, st.maxShifts[t]);
        for (int d = 0; d + st.maxConsecutive < H; ++d) {
            std::map<int, double> window;
            for (int k = d; k <= d + st.maxConsecutive; ++k)
                add(window, works(s, k));
            row(window, -inf, st.maxConsecutive);
        }
        // A run of l working days (off before and after, inside the horizon) with l below the
        // least: −w(d−1) + Σ w(d..d+l−1) − w(d+l) ≤ l − 1.
        for (int l = 1; l < st.minConsecutive; ++l)
            for (int d = 1; d + l < H; ++d) {
                std::map<int, double> pattern = works(s, d - 1, -1);
                for (int k = d; k < d + l; ++k)
                    add(pattern, works(s, k));
                add(pattern, works(s, d + l, -1));
                row(pattern, -inf, l - 1);
            }
        // A run of l days off: w(d−1) − Σ w(d..d+l−1) + w(d+l) ≤ 1.
        for (int l = 1; l < st.minConsecutiveOff; ++l)
            for (int d = 1; d + l < H; ++d) {
                std::map<int, double> pattern = works(s, d - 1);
                for (int k = d; k < d + l; ++k)
                    add(pattern, works(s, k, -1));
                add(pattern, works(s, d + l));
                row(pattern, -inf, 1);
            }
        std::map<int, double> weekends;
        for (int saturday = 5; saturday < H; saturday += 7) {
            const int w = column(0, 1, 0, true);
            weekends[w] = 1;
            for (const int d : { saturday, saturday + 1 }) {
                std::map<int, double> worked = works(s, d, -1);
                worked[w] += 1;
                row(worked, 0, inf);
            }
        }
        row(weekends, -inf, st.maxWeekends);
    }
    lp_.messageHandler()->setLogLevel(0);
    CbcModel cbc(lp_);
    CbcSolverUsefulData data;
    CbcMain0(cbc, data);
    const std::string limit = std::to_string(seconds);
    const char* args[]
        = { "plain", "-log", "0", "-sec", limit.c_str(), "-timeMode", cpuTime ? "cpu" : "elapsed", "-solve", "-quit" };
    CbcMain1(int(std::size(args)), args, cbc, nullptr, data);
    PlainResult result;
    if (cbc.bestSolution())
        result.penalty = int(std::lround(cbc.getObjValue() + constant));
    result.bound = int(std::ceil(cbc.getBestPossibleObjValue() + constant - 1e-6));
    return result;
}

} // namespace

PlainResult solvePlain(const shiftbench::Problem& problem, int seconds, bool cpuTime)
{
    return Plain(problem).solve(seconds, cpuTime);
}
