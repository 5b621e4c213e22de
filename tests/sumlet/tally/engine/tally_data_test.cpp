#include <optional>

#include "sumlet/shared.h"
#include "sumlet/tally/engine/tally_engine.h"
#include "support/tally_reference.h"

using namespace tally_test;

namespace {

TEST(TallyData, ClearKeepsOrClearsMaxInputRowsAndNothingElse)
{
    for (const bool toMenu : {false, true}) {
        SCOPED_TRACE(toMenu ? "menu" : "reset");
        sumlet::Shared s;
        s.DataFolder = "/home/user/データ";
        s.HelpOpen = 1;
        s.WorkStr = "作業";
        s.SetqReserved2 = 7;
        s.tape.record(12.5), s.tape.record(-2);
        s.MaxInputRows = 500;
        s.ReturnFlag = 1;
        sumlet::TallyData& t = s.tally;
        loadMonths(t, {{{1, 1, 1}}, {{2, 2, 2}}, {{3, 3, 3}}, {{0, 1, 1}}, {{5, 1, 1}}, {{6, 1, 1}}});
        t.StartMonth = 4, t.EndMonth = 9, t.KeyName = "店番号", t.CurMonth = 3;
        t.InputRow = 12, t.InputRowOnScreen = 2, t.ShownRows = 1;
        sumlet::RunTally(t);
        ASSERT_EQ(t.KeyCount, Value(5));

        for (int round = 0; round < 2; ++round) { // a second clear changes nothing
            if (toMenu)
                sumlet::ClearTallyData(t, s.ReturnFlag, s.MaxInputRows);
            else
                sumlet::ClearTallyData(t, s.ReturnFlag);
            std::vector<const Value*> zeros = {&t.InputRow, &t.InputRowOnScreen, &t.StartMonth,
                                               &t.EndMonth, &t.MonthCount, &t.CurMonth, &t.ResultMonth,
                                               &t.ShownRows, &t.GrandCount, &t.GrandAmount,
                                               &t.MergedRows, &t.KeyCount, &s.ReturnFlag};
            std::vector<const runtime::ValueArray*> arrays = {
                &t.MonthNo, &t.MonthCountSum, &t.MonthAmountSum, &t.MergedKey, &t.MergedCount,
                &t.MergedAmount, &t.AllKey, &t.AllCount, &t.AllAmount};
            for (int k = 1; k <= 6; ++k) {
                zeros.insert(zeros.end(), {&t.MonthRows[k], &t.ResultRows[k]});
                for (const auto* fam : {&t.InKey, &t.InCount, &t.InAmount, &t.WorkKey, &t.WorkCount,
                                        &t.WorkAmount, &t.ResKey, &t.ResCount, &t.ResAmount})
                    arrays.push_back(&(*fam)[k]);
            }
            for (std::size_t i = 0; i < zeros.size(); ++i)
                EXPECT_EQ(*zeros[i], Value(0)) << "cell " << i; // a stored 0, not empty
            for (std::size_t i = 0; i < arrays.size(); ++i)
                EXPECT_FALSE(arrays[i]->exists()) << "array " << i;
            EXPECT_FALSE(t.ResultTable.exists());
            EXPECT_EQ(t.KeyName, Value(""));
            EXPECT_EQ(s.MaxInputRows, Value(toMenu ? 0 : 500));
            EXPECT_EQ(s.DataFolder, Value("/home/user/データ"));
            EXPECT_EQ(s.HelpOpen, Value(1));
            EXPECT_EQ(s.WorkStr, "作業");
            EXPECT_EQ(s.SetqReserved2, Value(7));
            EXPECT_EQ(s.tape.EntryCount, 2); // the adding machine's tape stays
            EXPECT_EQ(s.tape.EntryTotal, 10.5);
            EXPECT_EQ(s.tape.value(1), 12.5);
        }

        // A compute run now handles no month.
        sumlet::RunTally(t);
        EXPECT_EQ(t.MonthCountSum.upper(), 0);
        EXPECT_EQ(t.GrandCount, Value(0));
        EXPECT_EQ(t.KeyCount, Value(0));
        EXPECT_EQ(t.ResultTable.upperCol(), 4);
        EXPECT_FALSE(t.ResKey[1].exists());
    }
}

// Exact ResultTable rows 1..KeyCount; E marks a cell that holds nothing.
using Cell = std::optional<double>;
constexpr Cell E = std::nullopt;

TEST(TallyResultTable, Layout)
{
    struct Case {
        const char* name;
        std::vector<Month> months;
        std::vector<std::vector<Cell>> rows;
    };
    const Case cases[] = {
        {"OneMonth",
         {{{20, 2, 200}, {10, 1, 100}, {10, 3, 50}}},
         {{E, E, 10, 4, 150, 4, 150}, {E, E, 20, 2, 200, 2, 200}}},
        {"SixMonthsWithEmptyCells",
         {{{5, 1, 10}}, {}, {{5, 2, 20}, {0, 9, 9}}, {{0, 1, 1}}, {}, {{8, 0, 0}}},
         {{E, E, 5, 1, 10, E, E, 2, 20, E, E, E, E, E, E, 3, 30},
          {E, E, 8, E, E, E, E, E, E, E, E, E, E, 0, 0, 0, 0}}},
        {"KeyInMonthsOneAndThree",
         {{{3, 1, 1}}, {{4, 1, 1}}, {{3, 2, 2}}},
         {{E, E, 3, 1, 1, E, E, 2, 2, 3, 3}, {E, E, 4, E, E, 1, 1, E, E, 1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sumlet::TallyData t;
        loadMonths(t, c.months);
        sumlet::RunTally(t);
        ASSERT_EQ(t.ResultTable.upperRow(), long(c.rows.size()));
        ASSERT_EQ(t.ResultTable.upperCol(), 2 * long(c.months.size()) + 4);
        for (long r = 1; r <= long(c.rows.size()); ++r)
            for (long col = 0; col < long(c.rows[r - 1].size()); ++col) {
                const Cell w = c.rows[r - 1][col];
                EXPECT_EQ(t.ResultTable.get(col, r), w ? Value(*w) : Value()) << col << ", " << r;
            }
    }
}

TEST(TallyResultTable, KeysOutOfOrderStillMatchTheirRows)
{
    sumlet::TallyData t; // whole-period keys not ascending: each month row finds its key
    t.MonthCount = 1, t.KeyCount = 3, t.ResultRows[1] = 2;
    for (auto* a : {&t.AllKey, &t.AllCount, &t.AllAmount, &t.ResKey[1], &t.ResCount[1], &t.ResAmount[1]})
        a->redim(3);
    for (long r = 1; r <= 3; ++r)
        t.AllKey.set(r, 40.0 - 10 * r); // 30, 20, 10
    t.ResKey[1].set(1, 10), t.ResCount[1].set(1, 7), t.ResKey[1].set(2, 30), t.ResCount[1].set(2, 8);
    sumlet::BuildResultTable(t);
    EXPECT_EQ(t.ResultTable.get(3, 3), Value(7));
    EXPECT_EQ(t.ResultTable.get(3, 1), Value(8));
    EXPECT_TRUE(t.ResultTable.get(3, 2).isEmpty());
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
}

TEST(TallyBounds, InconsistentStateNeverReadsOutside)
{
    struct Case {
        const char* name;
        Value monthCount, monthRows1;
        long arrayUpper; // -1: entry arrays absent
        double keys;
    };
    static const Case cases[] = {
        {"RowsBeyondArrays", 1, 1e12, 2, 2}, {"RowsWithoutArrays", 1, 3, -1, 0},
        {"NegativeRows", 1, -4, 2, 0},       {"MonthCountTooLarge", 7, 2, 2, 0},
        {"MonthCountNotWhole", 2.5, 2, 2, 0}, {"MonthCountEmpty", Value(), 2, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sumlet::TallyData t;
        t.MonthCount = c.monthCount;
        t.MonthRows[1] = c.monthRows1;
        for (auto* a : {&t.InKey[1], &t.InCount[1], &t.InAmount[1]})
            a->redim(c.arrayUpper);
        for (long i = 1; i <= c.arrayUpper; ++i)
            t.InKey[1].set(i, double(i)), t.InCount[1].set(i, 1);
        sumlet::RunTally(t);
        EXPECT_EQ(t.KeyCount, Value(c.keys));
        EXPECT_EQ(t.GrandCount, Value(c.keys));
    }

    sumlet::TallyData t; // stale counters, no arrays
    t.MonthCount = 2, t.KeyCount = 50, t.MergedRows = 40, t.ResultRows[1] = 30;
    sumlet::BuildResultTable(t);
    EXPECT_EQ(t.ResultTable.upperRow(), 0);
    sumlet::GroupMergedData(t);
    EXPECT_EQ(t.AllKey.upper(), 0);
    sumlet::SortMergedData(t);
    EXPECT_EQ(t.KeyCount, Value(0));
    EXPECT_TRUE(t.resKey(7, 1).isEmpty());
}

} // namespace
