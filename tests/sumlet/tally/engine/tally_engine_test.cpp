#include <random>

#include "sumlet/tally/engine/tally_engine.h"
#include "support/tally_reference.h"

using namespace tally_test;

namespace {

struct Case {
    const char* name;
    std::vector<Month> months;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

Month keysInOrder(std::initializer_list<double> keys)
{
    Month m;
    for (double k : keys)
        m.push_back({k, double(m.size() + 1), double(m.size() + 1) * 100});
    return m;
}

const std::vector<Case> kCases = {
    {"KeysEnteredOutOfOrder", {{{30, 1, 300}, {10, 2, 100}, {20, 3, 200}, {10, 4, 110}}}},
    {"EmptyMonths", {{}, {}, {}}},
    {"EmptyMonthBetweenFilled", {{{5, 1, 50}}, {}, {{5, 2, 60}, {7, 1, 70}}}},
    {"OneRow", {{{42, 3, 1234}}}},
    {"NineBeforeTen", {{{10, 1, 10}, {9, 1, 9}, {100, 1, 1}}, {{9, 2, 18}}}},
    {"KeyZeroAlone", {{{0, 2, 500}, {0, 1, 70}}}},
    {"KeyZeroSmallest", {{{3, 1, 30}, {0, 4, 400}, {1, 2, 20}, {0, 1, 10}}}},
    {"KeyZeroBesideNegative", {{{0, 4, 400}, {-2, 1, 5}, {3, 1, 30}}}},
    {"ZeroKeptInOneMonthOnly", {{{0, 1, 10}, {5, 1, 50}}, {{-1, 1, 1}, {0, 2, 20}}}},
    {"DuplicateKeysAcrossMonths",
     {{{7, 1, 10}, {7, 1, 20}}, {{8, 1, 1}}, {{7, 5, 500}, {8, 2, 2}}, {{1, 1, 1}}, {}, {{7, 1, 1}}}},
    {"AllRowsSameKey", {keysInOrder({4, 4, 4, 4, 4, 4, 4})}},
    {"SixRowsFirstGapFive", {keysInOrder({6, 5, 4, 6, 2, 1})}},
    {"TwentyTwoRowsFirstGap21", {keysInOrder({9, 3, 9, 1, 7, 7, 2, 8, 0, 4, 4, 6, 5, 3, 9, 1, 2, 2, 8, 7, 6, 5})}},
    {"NegativeCountsAndAmounts", {{{2, -1, -500}, {2, 3, 200}, {-5, 0, 0}}}},
};

class TallyCases : public ::testing::TestWithParam<Case> {};

TEST_P(TallyCases, MatchesSumsPerKey)
{
    sumlet::TallyData t;
    loadMonths(t, GetParam().months);
    sumlet::RunTally(t);
    expectMatchesReference(t, GetParam().months);
}

INSTANTIATE_TEST_SUITE_P(Examples, TallyCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TallyRandom, MatchesSumsPerKey)
{
    struct RandomCase {
        unsigned seed;
        int months, maxRows, minKey, maxKey;
    };
    const RandomCase cases[] = {
        {1, 1, 5, 0, 3},     {2, 2, 30, -3, 3},  {3, 3, 100, 0, 20}, {4, 6, 90, -50, 50},
        {5, 6, 500, 0, 10},  {6, 4, 400, 1, 99999}, {7, 5, 23, 0, 1}, {8, 6, 500, -2, 2},
        {9, 6, 500, 1, 3000}, // six full months
    };
    for (const RandomCase& rc : cases) {
        SCOPED_TRACE("seed " + std::to_string(rc.seed));
        std::mt19937 gen(rc.seed);
        std::uniform_int_distribution<int> rows(rc.seed == 9 ? 500 : 0, rc.maxRows),
            key(rc.minKey, rc.maxKey), count(0, 99), amount(-1000, 999999);
        std::vector<Month> months(rc.months);
        for (Month& m : months)
            for (int i = rows(gen); i > 0; --i)
                m.push_back({double(key(gen)), double(count(gen)), double(amount(gen))});
        sumlet::TallyData t;
        loadMonths(t, months);
        sumlet::RunTally(t);
        expectMatchesReference(t, months);
    }
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
