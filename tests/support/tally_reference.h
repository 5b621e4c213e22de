// Tally data built from plain rows, and a check of a compute run against
// straightforward sums per key.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "sumlet/tally/engine/tally_data.h"

namespace tally_test {

using runtime::Value;
struct EntryRow {
    double key, count, amount;
};
using Month = std::vector<EntryRow>;
using Sums = std::map<double, std::pair<double, double>>; // key -> (count, amount)

// Stores the months the way the entry side stores closed months.
inline void loadMonths(sumlet::TallyData& t, const std::vector<Month>& months)
{
    const long n = static_cast<long>(months.size());
    t.MonthCount = double(n);
    t.MonthNo.redim(n);
    for (long k = 1; k <= n; ++k) {
        const Month& m = months[k - 1];
        t.MonthRows[k] = double(m.size());
        for (auto* a : {&t.InKey[k], &t.InCount[k], &t.InAmount[k]})
            a->redim(long(m.size()));
        for (long i = 1; i <= long(m.size()); ++i) {
            t.InKey[k].set(i, m[i - 1].key);
            t.InCount[k].set(i, m[i - 1].count);
            t.InAmount[k].set(i, m[i - 1].amount);
        }
    }
}

// Sums per key; key 0 has no row when it is the smallest key.
inline Sums sumsByKey(const std::vector<Month>& months)
{
    Sums s;
    for (const Month& m : months)
        for (const EntryRow& r : m) {
            s[r.key].first += r.count;
            s[r.key].second += r.amount;
        }
    if (!s.empty() && s.begin()->first == 0)
        s.erase(s.begin());
    return s;
}

inline void expectMatchesReference(const sumlet::TallyData& t, const std::vector<Month>& months)
{
    const long mc = long(months.size());
    const long lastCol = 2 * mc + 4;
    std::vector<Sums> perMonth;
    double grandCount = 0, grandAmount = 0;
    for (long k = 1; k <= mc; ++k) {
        SCOPED_TRACE("month " + std::to_string(k));
        const Month& m = months[k - 1];
        const long n = long(m.size());
        double c = 0, a = 0;
        for (long i = 1; i <= n; ++i) {
            c += m[i - 1].count;
            a += m[i - 1].amount;
            EXPECT_EQ(t.InKey[k].get(i), Value(m[i - 1].key)); // entry order kept
            EXPECT_EQ(t.InAmount[k].get(i), Value(m[i - 1].amount));
        }
        EXPECT_EQ(t.MonthCountSum.get(k), Value(c));
        EXPECT_EQ(t.MonthAmountSum.get(k), Value(a));
        grandCount += c;
        grandAmount += a;

        // Work copy: the month's rows, each kept whole, ascending by key.
        ASSERT_EQ(t.WorkKey[k].upper(), n);
        std::vector<std::tuple<double, double, double>> entered, work;
        for (long i = 1; i <= n; ++i) {
            entered.emplace_back(m[i - 1].key, m[i - 1].count, m[i - 1].amount);
            work.emplace_back(t.WorkKey[k].num(i), t.WorkCount[k].num(i), t.WorkAmount[k].num(i));
            if (i > 1) {
                EXPECT_LE(t.WorkKey[k].num(i - 1), t.WorkKey[k].num(i)) << "work row " << i;
            }
        }
        std::sort(entered.begin(), entered.end());
        std::sort(work.begin(), work.end());
        EXPECT_EQ(work, entered);

        // Element 0: key empty; count and amount collect the key-0 rows only
        // when 0 is the month's smallest key, else they stay empty.
        const auto smallest = std::min_element(m.begin(), m.end(), [](auto& x, auto& y) { return x.key < y.key; });
        Value zeroCount, zeroAmount;
        if (smallest != m.end() && smallest->key == 0) {
            double zc = 0, za = 0;
            for (const EntryRow& row : m)
                if (row.key == 0)
                    zc += row.count, za += row.amount;
            zeroCount = zc, zeroAmount = za;
        }
        EXPECT_TRUE(t.ResKey[k].get(0).isEmpty());
        EXPECT_EQ(t.ResCount[k].get(0), zeroCount);
        EXPECT_EQ(t.ResAmount[k].get(0), zeroAmount);

        perMonth.push_back(sumsByKey({m}));
        ASSERT_EQ(t.ResultRows[k], Value(double(perMonth.back().size())));
        ASSERT_EQ(t.ResKey[k].upper(), long(perMonth.back().size()));
        long g = 1;
        for (const auto& [key, v] : perMonth.back()) {
            EXPECT_EQ(t.ResKey[k].get(g), Value(key)) << "row " << g;
            EXPECT_EQ(t.ResCount[k].get(g), Value(v.first)) << "row " << g;
            EXPECT_EQ(t.ResAmount[k].get(g++), Value(v.second));
        }
    }
    EXPECT_EQ(t.GrandCount, Value(grandCount));
    EXPECT_EQ(t.GrandAmount, Value(grandAmount));
    EXPECT_EQ(t.ResultMonth, Value(0));

    // The period: sums over the months' result rows.
    Sums all;
    for (const Sums& pm : perMonth)
        for (const auto& [key, v] : pm) {
            all[key].first += v.first;
            all[key].second += v.second;
        }
    ASSERT_EQ(t.KeyCount, Value(double(all.size())));
    ASSERT_EQ(t.AllKey.upper(), long(all.size()));
    // A month's key-0 result row always follows a lower key, so the period's
    // element 0 never collects anything.
    for (const auto* a : {&t.AllKey, &t.AllCount, &t.AllAmount})
        EXPECT_TRUE(a->get(0).isEmpty());
    ASSERT_EQ(t.ResultTable.upperCol(), lastCol);
    ASSERT_EQ(t.ResultTable.upperRow(), long(all.size()));
    for (long c = 0; c <= lastCol; ++c)
        EXPECT_TRUE(t.ResultTable.get(c, 0).isEmpty()) << "row 0 col " << c;
    long r = 1;
    for (const auto& [key, v] : all) {
        SCOPED_TRACE("key " + std::to_string(key));
        EXPECT_EQ(t.AllKey.get(r), Value(key));
        EXPECT_EQ(t.AllCount.get(r), Value(v.first));
        EXPECT_EQ(t.AllAmount.get(r), Value(v.second));
        std::vector<Value> row = {Value(), Value(), key};
        for (const Sums& pm : perMonth) {
            row.resize(row.size() + 2); // empty where the key has no row in the month
            if (const auto it = pm.find(key); it != pm.end())
                row.end()[-2] = it->second.first, row.end()[-1] = it->second.second;
        }
        row.insert(row.end(), {v.first, v.second});
        for (long c = 0; c <= lastCol; ++c)
            EXPECT_EQ(t.ResultTable.get(c, r), row[c]) << "col " << c;
        ++r;
    }
}

} // namespace tally_test
