// Builds tally data from plain rows and checks the engine's results against
// a straightforward map-based computation.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "sumlet/tally/engine/tally_data.h"

namespace tally_test {

struct EntryRow {
    double key, count, amount;
};
using Month = std::vector<EntryRow>;

// Fills MonthCount, MonthNo and every month's entry arrays the way the entry
// side stores a closed month.
inline void loadMonths(sumlet::TallyData& t, const std::vector<Month>& months)
{
    const long n = static_cast<long>(months.size());
    t.MonthCount = static_cast<double>(n);
    t.MonthNo.redim(n);
    for (long k = 1; k <= n; ++k) {
        t.MonthNo.set(k, static_cast<double>((k + 2) % 12 + 1));
        const Month& m = months[static_cast<std::size_t>(k - 1)];
        const long rows = static_cast<long>(m.size());
        t.MonthRows[k] = static_cast<double>(rows);
        t.InKey[k].redim(rows);
        t.InCount[k].redim(rows);
        t.InAmount[k].redim(rows);
        for (long i = 1; i <= rows; ++i) {
            const EntryRow& r = m[static_cast<std::size_t>(i - 1)];
            t.InKey[k].set(i, r.key);
            t.InCount[k].set(i, r.count);
            t.InAmount[k].set(i, r.amount);
        }
    }
}

using Sums = std::map<double, std::pair<double, double>>; // key -> (count, amount)

// A month's result: every key summed, except that key 0 has no row when
// it is the month's smallest key.
inline Sums monthResult(const Month& m)
{
    Sums s;
    for (const EntryRow& r : m) {
        s[r.key].first += r.count;
        s[r.key].second += r.amount;
    }
    if (!s.empty() && s.begin()->first == 0)
        s.erase(s.begin());
    return s;
}

inline Sums periodResult(const std::vector<Month>& months)
{
    Sums all;
    for (const Month& m : months)
        for (const auto& [key, v] : monthResult(m)) {
            all[key].first += v.first;
            all[key].second += v.second;
        }
    if (!all.empty() && all.begin()->first == 0)
        all.erase(all.begin());
    return all;
}

// Checks every result of a compute run over `months`; returns nothing,
// records failures through gtest.
void expectMatchesReference(const sumlet::TallyData& t, const std::vector<Month>& months);

} // namespace tally_test
