// Per-month steps of the tally engine.
#include "sumlet/tally/engine/tally_engine.h"

#include "sumlet/tally/engine/tally_rows.h"

namespace sumlet {

using namespace tally_detail;
using runtime::Value;

namespace {

// Rows of month k's entry arrays: MonthRows k, never beyond what they hold.
long enteredRows(const TallyData& t, int k)
{
    return loopBound(t.MonthRows[k], maxUpper({&t.InKey[k], &t.InCount[k], &t.InAmount[k]}));
}

} // namespace

void SumMonthTotals(TallyData& t)
{
    const int months = monthsToProcess(t);
    t.MonthCountSum.redim(months);
    t.MonthAmountSum.redim(months);

    for (int k = 1; k <= months; ++k) {
        const long n = enteredRows(t, k);
        double countSum = 0;
        for (long i = 1; i <= n; ++i)
            countSum += t.InCount[k].num(i);
        double amountSum = 0;
        for (long i = 1; i <= n; ++i)
            amountSum += t.InAmount[k].num(i);
        t.MonthCountSum.set(k, countSum);
        t.MonthAmountSum.set(k, amountSum);
    }

    double grandCount = 0;
    double grandAmount = 0;
    for (int i = 1; i <= months; ++i) {
        grandCount += t.MonthCountSum.num(i);
        grandAmount += t.MonthAmountSum.num(i);
    }
    t.GrandCount = grandCount;
    t.GrandAmount = grandAmount;
}

void CopyMonthData(TallyData& t)
{
    const int months = monthsToProcess(t);
    for (int k = 1; k <= months; ++k) {
        const long n = enteredRows(t, k);
        t.WorkKey[k].redim(n);
        t.WorkCount[k].redim(n);
        t.WorkAmount[k].redim(n);
        for (long i = 1; i <= n; ++i) {
            t.WorkKey[k].set(i, t.InKey[k].get(i));
            t.WorkCount[k].set(i, t.InCount[k].get(i));
            t.WorkAmount[k].set(i, t.InAmount[k].get(i));
        }
    }
}

void SortMonthData(TallyData& t)
{
    const int months = monthsToProcess(t);
    for (int k = 1; k <= months; ++k) {
        const long n = loopBound(t.MonthRows[k], minUpper({&t.WorkKey[k], &t.WorkCount[k], &t.WorkAmount[k]}));
        sortRows(t.WorkKey[k], t.WorkCount[k], t.WorkAmount[k], n);
    }
}

void CountMonthKeys(TallyData& t)
{
    const int months = monthsToProcess(t);
    for (int k = 1; k <= months; ++k) {
        const long n = loopBound(t.MonthRows[k], t.WorkKey[k].upper());
        long count = 0;
        for (long i = 1; i <= n; ++i) {
            if (keysDiffer(t.WorkKey[k].get(i), t.WorkKey[k].get(i - 1)))
                ++count;
        }
        t.ResultRows[k] = static_cast<double>(count);
    }
}

void GroupMonthData(TallyData& t)
{
    const int months = monthsToProcess(t);
    for (int k = 1; k <= months; ++k) {
        const long r = loopBound(t.ResultRows[k], t.WorkKey[k].upper());
        t.ResKey[k].redim(r);
        t.ResCount[k].redim(r);
        t.ResAmount[k].redim(r);
    }

    for (int k = 1; k <= months; ++k) {
        const long n = loopBound(t.MonthRows[k], maxUpper({&t.WorkKey[k], &t.WorkCount[k], &t.WorkAmount[k]}));
        long j = 0;
        for (long i = 1; i <= n; ++i) {
            const Value key = t.WorkKey[k].get(i);
            if (keysDiffer(key, t.WorkKey[k].get(i - 1))) {
                ++j;
                t.ResKey[k].set(j, key);
                t.ResCount[k].set(j, t.WorkCount[k].get(i));
                t.ResAmount[k].set(j, t.WorkAmount[k].get(i));
            } else {
                t.ResCount[k].set(j, t.ResCount[k].num(j) + t.WorkCount[k].num(i));
                t.ResAmount[k].set(j, t.ResAmount[k].num(j) + t.WorkAmount[k].num(i));
            }
        }
    }
}

} // namespace sumlet
