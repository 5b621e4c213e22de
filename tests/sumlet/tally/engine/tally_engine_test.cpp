#include <algorithm>
#include <random>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "sumlet/tally/engine/tally_engine.h"
#include "tally_fixture.h"

using namespace tally_test;
using runtime::Value;

namespace tally_test {

void expectMatchesReference(const sumlet::TallyData& t, const std::vector<Month>& months)
{
    const long mc = static_cast<long>(months.size());
    double grandCount = 0, grandAmount = 0;
    std::vector<Sums> perMonth;
    for (long k = 1; k <= mc; ++k) {
        SCOPED_TRACE("month " + std::to_string(k));
        const Month& m = months[static_cast<std::size_t>(k - 1)];
        double c = 0, a = 0;
        for (const EntryRow& r : m) {
            c += r.count;
            a += r.amount;
        }
        grandCount += c;
        grandAmount += a;
        EXPECT_EQ(t.MonthCountSum.get(k), Value(c));
        EXPECT_EQ(t.MonthAmountSum.get(k), Value(a));

        // Entry rows untouched; work rows sorted and holding the same rows.
        std::vector<std::tuple<double, double, double>> in, work;
        for (long i = 1; i <= static_cast<long>(m.size()); ++i) {
            const EntryRow& r = m[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(t.InKey[k].get(i), Value(r.key));
            in.emplace_back(r.key, r.count, r.amount);
            work.emplace_back(t.WorkKey[k].num(i), t.WorkCount[k].num(i), t.WorkAmount[k].num(i));
            if (i > 1) {
                EXPECT_LE(t.WorkKey[k].num(i - 1), t.WorkKey[k].num(i)) << "row " << i;
            }
        }
        EXPECT_EQ(t.WorkKey[k].upper(), static_cast<long>(m.size()));
        std::sort(in.begin(), in.end());
        std::sort(work.begin(), work.end());
        EXPECT_EQ(in, work);

        const Sums expect = monthResult(m);
        perMonth.push_back(expect);
        ASSERT_EQ(t.ResultRows[k], Value(static_cast<double>(expect.size())));
        ASSERT_EQ(t.ResKey[k].upper(), static_cast<long>(expect.size()));
        EXPECT_TRUE(t.ResKey[k].get(0).isEmpty());
        long g = 1;
        for (const auto& [key, v] : expect) {
            EXPECT_EQ(t.ResKey[k].get(g), Value(key)) << "row " << g;
            EXPECT_EQ(t.ResCount[k].get(g), Value(v.first)) << "row " << g;
            EXPECT_EQ(t.ResAmount[k].get(g), Value(v.second)) << "row " << g;
            ++g;
        }
    }
    EXPECT_EQ(t.GrandCount, Value(grandCount));
    EXPECT_EQ(t.GrandAmount, Value(grandAmount));
    EXPECT_EQ(t.ResultMonth, Value(0));

    const Sums all = periodResult(months);
    const long keys = static_cast<long>(all.size());
    ASSERT_EQ(t.KeyCount, Value(static_cast<double>(keys)));
    ASSERT_EQ(t.AllKey.upper(), keys);
    EXPECT_TRUE(t.AllKey.get(0).isEmpty());

    const long lastCol = 2 * mc + 4;
    ASSERT_EQ(t.ResultTable.upperCol(), lastCol);
    ASSERT_EQ(t.ResultTable.upperRow(), keys);
    for (long c = 0; c <= lastCol; ++c)
        EXPECT_TRUE(t.ResultTable.get(c, 0).isEmpty()) << "row 0 col " << c;

    long r = 1;
    for (const auto& [key, v] : all) {
        SCOPED_TRACE("key " + std::to_string(key));
        EXPECT_EQ(t.AllKey.get(r), Value(key));
        EXPECT_EQ(t.AllCount.get(r), Value(v.first));
        EXPECT_EQ(t.AllAmount.get(r), Value(v.second));
        EXPECT_TRUE(t.ResultTable.get(0, r).isEmpty());
        EXPECT_TRUE(t.ResultTable.get(1, r).isEmpty());
        EXPECT_EQ(t.ResultTable.get(2, r), Value(key));
        for (long k = 1; k <= mc; ++k) {
            const Sums& pm = perMonth[static_cast<std::size_t>(k - 1)];
            const auto it = pm.find(key);
            if (it == pm.end()) {
                EXPECT_TRUE(t.ResultTable.get(2 * k + 1, r).isEmpty()) << "month " << k;
                EXPECT_TRUE(t.ResultTable.get(2 * k + 2, r).isEmpty()) << "month " << k;
            } else {
                EXPECT_EQ(t.ResultTable.get(2 * k + 1, r), Value(it->second.first)) << "month " << k;
                EXPECT_EQ(t.ResultTable.get(2 * k + 2, r), Value(it->second.second)) << "month " << k;
            }
        }
        EXPECT_EQ(t.ResultTable.get(2 * mc + 3, r), Value(v.first));
        EXPECT_EQ(t.ResultTable.get(2 * mc + 4, r), Value(v.second));
        ++r;
    }
}

} // namespace tally_test

namespace {

struct Case {
    const char* name;
    std::vector<Month> months;
};

Month rowsWithKeys(std::initializer_list<double> keys)
{
    Month m;
    double n = 1;
    for (double k : keys) {
        m.push_back({k, n, n * 100});
        ++n;
    }
    return m;
}

const std::vector<Case> kCases = {
    {"KeysEnteredOutOfOrder", {{{30, 1, 300}, {10, 2, 100}, {20, 3, 200}, {10, 4, 110}}}},
    {"EmptyMonthsOnly", {{}, {}, {}}},
    {"EmptyMonthBetweenFilled", {{{5, 1, 50}}, {}, {{5, 2, 60}, {7, 1, 70}}}},
    {"OneRow", {{{42, 3, 1234}}}},
    {"NineBeforeTen", {{{10, 1, 10}, {9, 1, 9}, {100, 1, 1}}, {{9, 2, 18}}}},
    {"KeyZeroAlone", {{{0, 2, 500}, {0, 1, 70}}}},
    {"KeyZeroSmallest", {{{3, 1, 30}, {0, 4, 400}, {1, 2, 20}, {0, 1, 10}}}},
    {"KeyZeroBesideNegative", {{{0, 4, 400}, {-2, 1, 5}, {3, 1, 30}}}},
    {"ZeroKeptInOneMonthDroppedInAnother", {{{0, 1, 10}, {5, 1, 50}}, {{-1, 1, 1}, {0, 2, 20}}}},
    {"DuplicateKeysAcrossMonths",
     {{{7, 1, 10}, {7, 1, 20}}, {{8, 1, 1}}, {{7, 5, 500}, {8, 2, 2}}, {{1, 1, 1}}, {}, {{7, 1, 1}}}},
    {"AllRowsSameKey", {{{4, 1, 1}, {4, 2, 2}, {4, 3, 3}, {4, 4, 4}, {4, 5, 5}, {4, 6, 6}, {4, 7, 7}}}},
    {"SixRowsFirstGapFive", {rowsWithKeys({6, 5, 4, 6, 2, 1})}},
    {"TwentyTwoRowsFirstGapTwentyOne",
     {rowsWithKeys({9, 3, 9, 1, 7, 7, 2, 8, 0, 4, 4, 6, 5, 3, 9, 1, 2, 2, 8, 7, 6, 5})}},
    {"NegativeAmountsAndCounts", {{{2, -1, -500}, {2, 3, 200}, {-5, 0, 0}}}},
};

class TallyCases : public ::testing::TestWithParam<Case> {};

TEST_P(TallyCases, MatchesStraightforwardSums)
{
    sumlet::TallyData t;
    loadMonths(t, GetParam().months);
    sumlet::RunTally(t);
    expectMatchesReference(t, GetParam().months);
}

INSTANTIATE_TEST_SUITE_P(Examples, TallyCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Randomized periods checked against the same reference (fixed seeds).
struct RandomCase {
    unsigned seed;
    int months;
    int maxRows;
    int minKey, maxKey;
};

std::vector<Month> randomMonths(const RandomCase& rc)
{
    std::mt19937 gen(rc.seed);
    std::uniform_int_distribution<int> rows(0, rc.maxRows), key(rc.minKey, rc.maxKey),
        count(0, 99), amount(-1000, 999999);
    std::vector<Month> months(static_cast<std::size_t>(rc.months));
    for (Month& m : months) {
        const int n = rows(gen);
        for (int i = 0; i < n; ++i)
            m.push_back({double(key(gen)), double(count(gen)), double(amount(gen))});
    }
    return months;
}

TEST(TallyRandom, MatchesStraightforwardSums)
{
    const RandomCase cases[] = {
        {1, 1, 5, 0, 3},     {2, 2, 30, -3, 3},     {3, 3, 100, 0, 20},
        {4, 6, 90, -50, 50}, {5, 6, 500, 0, 10},    {6, 4, 400, 1, 100000},
        {7, 5, 23, 0, 1},    {8, 6, 500, -2, 2},    {9, 6, 350, 0, 999},
    };
    for (const RandomCase& rc : cases) {
        SCOPED_TRACE("seed " + std::to_string(rc.seed));
        const std::vector<Month> months = randomMonths(rc);
        sumlet::TallyData t;
        loadMonths(t, months);
        sumlet::RunTally(t);
        expectMatchesReference(t, months);
    }
}

TEST(TallyRandom, SixFullMonthsOfDistinctKeys)
{
    // 500 rows in each of six months, keys drawn from 1..3000 without repeats.
    std::mt19937 gen(11);
    std::vector<double> keys;
    for (int i = 1; i <= 3000; ++i)
        keys.push_back(i);
    std::shuffle(keys.begin(), keys.end(), gen);
    std::vector<Month> months(6);
    for (std::size_t i = 0; i < keys.size(); ++i)
        months[i / 500].push_back({keys[i], double(i % 7), double(i * 3)});
    sumlet::TallyData t;
    loadMonths(t, months);
    sumlet::RunTally(t);
    EXPECT_EQ(t.KeyCount, Value(3000));
    expectMatchesReference(t, months);
}

TEST(TallyRun, RecomputeReplacesEarlierResults)
{
    sumlet::TallyData t;
    loadMonths(t, {{{1, 1, 1}, {2, 1, 1}, {3, 1, 1}}, {{4, 1, 1}}});
    sumlet::RunTally(t);
    const std::vector<Month> second = {{{9, 2, 5}}, {{9, 1, 1}}};
    loadMonths(t, second);
    sumlet::RunTally(t);
    expectMatchesReference(t, second);
}

} // namespace
