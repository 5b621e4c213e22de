// Whole-period steps of the tally engine and the compute run.
#include "sumlet/tally/engine/tally_engine.h"

#include "sumlet/tally/engine/tally_rows.h"

namespace sumlet {

using namespace tally_detail;
using runtime::Value;

namespace {

long resultRowsOf(const TallyData& t, int k)
{
    return loopBound(t.ResultRows[k], maxUpper({&t.ResKey[k], &t.ResCount[k], &t.ResAmount[k]}));
}

long mergedRowsOf(const TallyData& t, bool all3)
{
    const auto arrays = {&t.MergedKey, &t.MergedCount, &t.MergedAmount};
    return loopBound(t.MergedRows, all3 ? minUpper(arrays) : maxUpper(arrays));
}

long keyRowsOf(const TallyData& t)
{
    return loopBound(t.KeyCount, maxUpper({&t.AllKey, &t.AllCount, &t.AllAmount}));
}

} // namespace

void MergeMonthGroups(TallyData& t)
{
    const int months = monthsToProcess(t);
    long total = 0;
    for (int k = 1; k <= months; ++k)
        total += resultRowsOf(t, k);
    t.MergedRows = static_cast<double>(total);

    t.MergedKey.redim(total);
    t.MergedCount.redim(total);
    t.MergedAmount.redim(total);

    long offset = 0;
    for (int k = 1; k <= months; ++k) {
        const long rows = resultRowsOf(t, k);
        for (long g = 1; g <= rows; ++g) {
            t.MergedKey.set(offset + g, t.ResKey[k].get(g));
            t.MergedCount.set(offset + g, t.ResCount[k].get(g));
            t.MergedAmount.set(offset + g, t.ResAmount[k].get(g));
        }
        offset += rows;
    }
}

void SortMergedData(TallyData& t)
{
    const long n = mergedRowsOf(t, true);
    sortRows(t.MergedKey, t.MergedCount, t.MergedAmount, n);

    const long m = loopBound(t.MergedRows, t.MergedKey.upper());
    long keys = 0;
    for (long i = 1; i <= m; ++i) {
        if (keysDiffer(t.MergedKey.get(i), t.MergedKey.get(i - 1)))
            ++keys;
    }
    t.KeyCount = static_cast<double>(keys);
}

void GroupMergedData(TallyData& t)
{
    const long keys = loopBound(t.KeyCount, t.MergedKey.upper());
    t.AllKey.redim(keys);
    t.AllCount.redim(keys);
    t.AllAmount.redim(keys);

    const long n = mergedRowsOf(t, false);
    long j = 0;
    for (long i = 1; i <= n; ++i) {
        const Value key = t.MergedKey.get(i);
        if (keysDiffer(key, t.MergedKey.get(i - 1))) {
            ++j;
            t.AllKey.set(j, key);
            t.AllCount.set(j, t.MergedCount.get(i));
            t.AllAmount.set(j, t.MergedAmount.get(i));
        } else {
            t.AllCount.set(j, t.AllCount.num(j) + t.MergedCount.num(i));
            t.AllAmount.set(j, t.AllAmount.num(j) + t.MergedAmount.num(i));
        }
    }
}

void BuildResultTable(TallyData& t)
{
    const int months = monthsToProcess(t);
    const long keys = keyRowsOf(t);
    const long periodCol = 2L * months + 3;
    t.ResultTable.redim(2L * months + 4, keys);

    std::vector<double> allKeys(static_cast<std::size_t>(keys) + 1);
    bool ascending = true;
    for (long r = 1; r <= keys; ++r) {
        const Value key = t.AllKey.get(r);
        t.ResultTable.set(2, r, key);
        allKeys[static_cast<std::size_t>(r)] = key.num();
        if (r > 1 && !(allKeys[static_cast<std::size_t>(r - 1)] < allKeys[static_cast<std::size_t>(r)]))
            ascending = false;
    }

    // Each month's result row goes to the key row with the same key. The
    // period's keys are distinct, so at most one row matches: when they are
    // strictly ascending (as the engine leaves them) a binary search finds
    // it, otherwise every key row is compared.
    for (int k = 1; k <= months; ++k) {
        const long rows = resultRowsOf(t, k);
        for (long g = 1; g <= rows; ++g) {
            const double key = t.ResKey[k].num(g);
            auto place = [&](long r) {
                t.ResultTable.set(2L * k + 1, r, t.ResCount[k].get(g));
                t.ResultTable.set(2L * k + 2, r, t.ResAmount[k].get(g));
            };
            if (ascending) {
                const auto first = allKeys.begin() + 1;
                const auto it = std::lower_bound(first, allKeys.end(), key);
                if (it != allKeys.end() && *it == key)
                    place(static_cast<long>(it - allKeys.begin()));
            } else {
                for (long r = 1; r <= keys; ++r) {
                    if (allKeys[static_cast<std::size_t>(r)] == key)
                        place(r);
                }
            }
        }
    }

    for (long r = 1; r <= keys; ++r) {
        t.ResultTable.set(periodCol, r, t.AllCount.get(r));
        t.ResultTable.set(periodCol + 1, r, t.AllAmount.get(r));
    }
}

void RunTally(TallyData& t)
{
    SumMonthTotals(t);
    CopyMonthData(t);
    SortMonthData(t);
    CountMonthKeys(t);
    GroupMonthData(t);
    MergeMonthGroups(t);
    SortMergedData(t);
    GroupMergedData(t);
    t.ResultMonth = 0;
    BuildResultTable(t);
}

} // namespace sumlet
