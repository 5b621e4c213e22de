#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "sumlet/shared.h"
#include "sumlet/tally/engine/tally_engine.h"
#include "tally_fixture.h"

using namespace tally_test;
using runtime::Value;

namespace {

std::vector<const runtime::ValueArray*> allArrays(const sumlet::TallyData& t)
{
    std::vector<const runtime::ValueArray*> a = {&t.MonthNo, &t.MonthCountSum, &t.MonthAmountSum,
                                                 &t.MergedKey, &t.MergedCount, &t.MergedAmount,
                                                 &t.AllKey, &t.AllCount, &t.AllAmount};
    for (int k = 1; k <= 6; ++k)
        for (const auto* fam : {&t.InKey, &t.InCount, &t.InAmount, &t.WorkKey, &t.WorkCount,
                                &t.WorkAmount, &t.ResKey, &t.ResCount, &t.ResAmount})
            a.push_back(&(*fam)[k]);
    return a;
}

std::vector<std::pair<std::string, const Value*>> counters(const sumlet::TallyData& t)
{
    std::vector<std::pair<std::string, const Value*>> c = {
        {"InputRow", &t.InputRow},       {"InputRowOnScreen", &t.InputRowOnScreen},
        {"StartMonth", &t.StartMonth},   {"EndMonth", &t.EndMonth},
        {"MonthCount", &t.MonthCount},   {"CurMonth", &t.CurMonth},
        {"ResultMonth", &t.ResultMonth}, {"ShownRows", &t.ShownRows},
        {"GrandCount", &t.GrandCount},   {"GrandAmount", &t.GrandAmount},
        {"MergedRows", &t.MergedRows},   {"KeyCount", &t.KeyCount}};
    for (int k = 1; k <= 6; ++k) {
        c.emplace_back("MonthRows" + std::to_string(k), &t.MonthRows[k]);
        c.emplace_back("ResultRows" + std::to_string(k), &t.ResultRows[k]);
    }
    return c;
}

// A program state with a computed six-month tally and the other tools' state set.
sumlet::Shared filledProgram()
{
    sumlet::Shared s;
    s.DataFolder = "/home/user/データ";
    s.HelpOpen = 1;
    s.WorkStr = "作業";
    s.SetqReserved2 = 7;
    s.MaxInputRows = 500;
    s.ReturnFlag = 1;
    loadMonths(s.tally, {{{1, 1, 1}}, {{2, 2, 2}}, {{3, 3, 3}}, {{0, 1, 1}}, {{5, 1, 1}}, {{6, 1, 1}}});
    s.tally.StartMonth = 4;
    s.tally.EndMonth = 9;
    s.tally.KeyName = "店番号";
    s.tally.CurMonth = 3;
    s.tally.InputRow = 12;
    s.tally.InputRowOnScreen = 2;
    s.tally.ShownRows = 1;
    sumlet::RunTally(s.tally);
    return s;
}

void expectCleared(const sumlet::TallyData& t)
{
    for (const auto& [name, v] : counters(t))
        EXPECT_EQ(*v, Value(0)) << name;
    EXPECT_TRUE(t.KeyName.isText());
    EXPECT_EQ(t.KeyName.text(), "");
    const auto arrays = allArrays(t);
    EXPECT_EQ(arrays.size() + 1, 64u);
    for (std::size_t i = 0; i < arrays.size(); ++i)
        EXPECT_FALSE(arrays[i]->exists()) << "array " << i;
    EXPECT_FALSE(t.ResultTable.exists());
}

TEST(TallyData, StartsHoldingNothing)
{
    const sumlet::TallyData t;
    for (const auto& [name, v] : counters(t))
        EXPECT_TRUE(v->isEmpty()) << name;
    for (const auto* a : allArrays(t))
        EXPECT_FALSE(a->exists());
    EXPECT_TRUE(t.inKey(0, 1).isEmpty());
    EXPECT_TRUE(t.resCount(7, 1).isEmpty());
}

TEST(TallyData, ClearKeepsOrClearsMaxInputRowsAndNothingElse)
{
    struct Case {
        const char* name;
        bool toMenu;
        double maxInputRows;
    };
    for (const Case c : {Case{"reset", false, 500}, Case{"menu", true, 0}}) {
        SCOPED_TRACE(c.name);
        sumlet::Shared s = filledProgram();
        ASSERT_EQ(s.tally.KeyCount, Value(5));
        for (int round = 0; round < 2; ++round) { // a second clear changes nothing
            if (c.toMenu)
                sumlet::ClearTallyData(s.tally, s.ReturnFlag, s.MaxInputRows);
            else
                sumlet::ClearTallyData(s.tally, s.ReturnFlag);
            expectCleared(s.tally);
            EXPECT_EQ(s.MaxInputRows, Value(c.maxInputRows));
            EXPECT_EQ(s.ReturnFlag, Value(0));
            EXPECT_EQ(s.DataFolder, Value("/home/user/データ"));
            EXPECT_EQ(s.HelpOpen, Value(1));
            EXPECT_EQ(s.WorkStr, "作業");
            EXPECT_EQ(s.SetqReserved2, Value(7));
        }
    }
}

TEST(TallyData, ComputeAfterClearProcessesNoMonth)
{
    sumlet::Shared s = filledProgram();
    sumlet::ClearTallyData(s.tally, s.ReturnFlag);
    sumlet::RunTally(s.tally);
    const sumlet::TallyData& t = s.tally;
    EXPECT_EQ(t.MonthCountSum.upper(), 0);
    EXPECT_EQ(t.GrandCount, Value(0));
    EXPECT_EQ(t.KeyCount, Value(0));
    EXPECT_EQ(t.ResultTable.upperCol(), 4);
    EXPECT_EQ(t.ResultTable.upperRow(), 0);
    EXPECT_FALSE(t.WorkKey[1].exists());
    EXPECT_FALSE(t.ResKey[1].exists());
}

// Exact ResultTable contents; nullopt marks a cell that holds nothing.
using Cell = std::optional<double>;
constexpr Cell E = std::nullopt;

struct LayoutCase {
    const char* name;
    std::vector<Month> months;
    std::vector<std::vector<Cell>> rows; // rows 1..KeyCount, columns 0..2*MonthCount+4
};

TEST(TallyResultTable, Layout)
{
    const LayoutCase cases[] = {
        {"OneMonth",
         {{{20, 2, 200}, {10, 1, 100}, {10, 3, 50}}},
         {{E, E, 10, 4, 150, 4, 150}, {E, E, 20, 2, 200, 2, 200}}},
        {"SixMonthsWithEmptyCells",
         {{{5, 1, 10}}, {}, {{5, 2, 20}, {0, 9, 9}}, {{0, 1, 1}}, {}, {{8, 0, 0}}},
         {{E, E, 5, 1, 10, E, E, 2, 20, E, E, E, E, E, E, 3, 30},
          {E, E, 8, E, E, E, E, E, E, E, E, E, E, 0, 0, 0, 0}}},
        {"ThreeMonthsKeyInFirstAndThird",
         {{{3, 1, 1}}, {{4, 1, 1}}, {{3, 2, 2}}},
         {{E, E, 3, 1, 1, E, E, 2, 2, 3, 3}, {E, E, 4, E, E, 1, 1, E, E, 1, 1}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        sumlet::TallyData t;
        loadMonths(t, c.months);
        sumlet::RunTally(t);
        const long lastCol = 2 * static_cast<long>(c.months.size()) + 4;
        ASSERT_EQ(t.ResultTable.upperRow(), static_cast<long>(c.rows.size()));
        ASSERT_EQ(t.ResultTable.upperCol(), lastCol);
        for (long r = 1; r <= static_cast<long>(c.rows.size()); ++r) {
            const auto& want = c.rows[static_cast<std::size_t>(r - 1)];
            ASSERT_EQ(static_cast<long>(want.size()), lastCol + 1);
            for (long col = 0; col <= lastCol; ++col) {
                const Value got = t.ResultTable.get(col, r);
                const Cell w = want[static_cast<std::size_t>(col)];
                EXPECT_EQ(got, w ? Value(*w) : Value()) << "cell (" << col << ", " << r << ")";
            }
        }
    }
}

TEST(TallyKeyZero, RowsGoToElementZeroButCountInTotals)
{
    sumlet::TallyData t;
    loadMonths(t, {{{0, 2, 500}, {0, 1, 70}}, {{0, 4, 4}, {6, 1, 1}}});
    sumlet::RunTally(t);
    EXPECT_EQ(t.KeyCount, Value(1)); // only key 6: a tally of key 0 alone counts as none
    EXPECT_EQ(t.ResultRows[1], Value(0));
    EXPECT_EQ(t.ResCount[1].get(0), Value(3));
    EXPECT_EQ(t.ResAmount[1].get(0), Value(570));
    EXPECT_EQ(t.ResCount[2].get(0), Value(4));
    EXPECT_EQ(t.MonthCountSum.get(1), Value(3));
    EXPECT_EQ(t.GrandAmount, Value(575));
    EXPECT_EQ(t.ResultTable.get(7, 1), Value(1)); // period count of key 6 only

    loadMonths(t, {{{0, 2, 500}}});
    sumlet::RunTally(t);
    EXPECT_EQ(t.KeyCount, Value(0));
    EXPECT_EQ(t.GrandCount, Value(2));
}

TEST(TallyMonthRule, MonthsAbovePeriodKeepTheirResults)
{
    sumlet::TallyData t;
    loadMonths(t, {{{1, 1, 1}}, {{2, 2, 2}, {3, 1, 1}}, {{4, 4, 4}}});
    sumlet::RunTally(t);
    t.MonthCount = 1;
    t.InKey[1].set(1, 9);
    sumlet::RunTally(t);
    EXPECT_EQ(t.ResKey[1].get(1), Value(9));
    EXPECT_EQ(t.ResultRows[2], Value(2));
    EXPECT_EQ(t.ResKey[2].get(2), Value(3));
    EXPECT_EQ(t.WorkKey[3].get(1), Value(4));
    EXPECT_EQ(t.KeyCount, Value(1));
    EXPECT_EQ(t.ResultTable.upperCol(), 6);
}

TEST(TallyBounds, InconsistentOrOutOfRangeStateNeverReadsOutside)
{
    struct Case {
        const char* name;
        Value monthCount;
        Value monthRows1;
        long arrayUpper; // -1: entry arrays absent
        double keyCount;
    };
    const Case cases[] = {
        {"RowsBeyondArrays", 1, 1e12, 2, 2},
        {"RowsWithoutArrays", 1, 3, -1, 0},
        {"NegativeRows", 1, -4, 2, 0},
        {"MonthCountTooLarge", 7, 2, 2, 0},
        {"MonthCountNotWhole", 2.5, 2, 2, 0},
        {"MonthCountEmpty", Value(), 2, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sumlet::TallyData t;
        t.MonthCount = c.monthCount;
        t.MonthRows[1] = c.monthRows1;
        if (c.arrayUpper >= 0) {
            for (auto* a : {&t.InKey[1], &t.InCount[1], &t.InAmount[1]})
                a->redim(c.arrayUpper);
            for (long i = 1; i <= c.arrayUpper; ++i) {
                t.InKey[1].set(i, double(i));
                t.InCount[1].set(i, 1);
            }
        }
        sumlet::RunTally(t);
        EXPECT_EQ(t.KeyCount, Value(c.keyCount));
        EXPECT_LE(t.WorkKey[1].upper(), 2);
        EXPECT_EQ(t.GrandCount, Value(c.keyCount));
    }

    // Steps run alone over stale counters stay inside their arrays.
    sumlet::TallyData t;
    t.MonthCount = 2;
    t.KeyCount = 50;
    t.MergedRows = 40;
    t.ResultRows[1] = 30;
    sumlet::BuildResultTable(t);
    EXPECT_EQ(t.ResultTable.upperRow(), 0);
    sumlet::GroupMergedData(t);
    sumlet::SortMergedData(t);
    EXPECT_EQ(t.KeyCount, Value(0));
}

} // namespace
