// Helpers shared by the tally engine's steps.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

#include "runtime/value.h"
#include "sumlet/tally/engine/tally_data.h"

namespace sumlet::tally_detail {

// Months handled by a step: MonthCount when it is a whole number 1..6, else 0.
inline int monthsToProcess(const TallyData& t)
{
    const double m = t.MonthCount.num();
    if (m >= 1 && m <= kMaxMonths && m == std::floor(m))
        return static_cast<int>(m);
    return 0;
}

// Largest upper bound among parallel arrays (0 when all are absent).
inline long maxUpper(std::initializer_list<const runtime::ValueArray*> arrays)
{
    long u = 0;
    for (const runtime::ValueArray* a : arrays)
        u = std::max(u, a->upper());
    return u;
}

// Smallest upper bound among parallel arrays (0 when one is absent).
inline long minUpper(std::initializer_list<const runtime::ValueArray*> arrays)
{
    long u = arrays.size() ? std::numeric_limits<long>::max() : 0;
    for (const runtime::ValueArray* a : arrays)
        u = std::min(u, a->upper());
    return std::max(u, 0L);
}

// Bound of a loop "for i = 1 to n": 0 when n is empty, below 1 or not a
// number; never above the rows the arrays can hold.
inline long loopBound(const runtime::Value& n, long cap)
{
    const double d = n.num();
    if (!(d >= 1) || cap < 1)
        return 0;
    if (d >= static_cast<double>(cap))
        return cap;
    return static_cast<long>(std::floor(d));
}

// Keys compare by numeric value; an empty key reads as 0.
inline bool keysDiffer(const runtime::Value& a, const runtime::Value& b)
{
    return a.num() != b.num();
}

// Shell sort of rows 1..n by key, ascending, gaps ..., 21, 5, 1 (each 4
// times the next plus 1), starting below the first of 5, 21, 85, ... that
// is not less than n. A row moves as a whole; row 0 is never touched.
// Only keys and row numbers are moved here; sortRows applies the order.
struct SortItem {
    double key;
    long row;
};

inline void shellSort(std::vector<SortItem>& rows, long n)
{
    long h = 1;
    do {
        h = 4 * h + 1;
    } while (h < n);
    for (;;) {
        h /= 4;
        if (h < 1)
            return;
        for (long i = h + 1; i <= n; ++i) {
            const SortItem moving = rows[static_cast<std::size_t>(i)];
            long j = i;
            for (;;) {
                if (rows[static_cast<std::size_t>(j - h)].key <= moving.key)
                    break;
                rows[static_cast<std::size_t>(j)] = rows[static_cast<std::size_t>(j - h)];
                j -= h;
                rows[static_cast<std::size_t>(j)] = moving;
                if (j <= h)
                    break;
            }
        }
    }
}

// Sorts rows 1..n of three parallel arrays by key (n within all three).
inline void sortRows(runtime::ValueArray& key, runtime::ValueArray& count,
                     runtime::ValueArray& amount, long n)
{
    if (n <= 1)
        return;
    std::vector<SortItem> order(static_cast<std::size_t>(n) + 1);
    std::vector<runtime::Value> keys(order.size()), counts(order.size()), amounts(order.size());
    for (long i = 1; i <= n; ++i) {
        const auto u = static_cast<std::size_t>(i);
        keys[u] = key.get(i);
        counts[u] = count.get(i);
        amounts[u] = amount.get(i);
        order[u] = {keys[u].num(), i};
    }
    shellSort(order, n);
    for (long i = 1; i <= n; ++i) {
        const auto from = static_cast<std::size_t>(order[static_cast<std::size_t>(i)].row);
        key.set(i, std::move(keys[from]));
        count.set(i, std::move(counts[from]));
        amount.set(i, std::move(amounts[from]));
    }
}

} // namespace sumlet::tally_detail
