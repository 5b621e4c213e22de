// The tally's data model: period, key, cursors, the entered rows of up to
// six months, the engine's work copies and results, the totals and the
// key-by-month result table.
//
// Every scalar is a value cell (empty until first set); every array is
// absent until dimensioned 0..n. Rows are held from index 1. Element 0 of
// a key array stays empty and serves the engine as the previous key of
// row 1; element 0 of ResCount k / ResAmount k and AllCount / AllAmount
// collects the rows with key 0 when 0 is the smallest key, and no reader
// shows it.
//
// Per-month families (InKey1..InKey6 and so on) are arrays of 7 with
// index 0 unused: InKey[k] is the member for month k = 1..6.
#pragma once

#include <array>
#include <string_view>

#include "runtime/value.h"

namespace sumlet {

inline constexpr int kMaxMonths = 6;

// Keys, counts and amounts of entered rows are whole numbers of at most 15
// digits, as the Windows program writes them: each is then written to a
// tally file with all its digits, and no total over 500 rows of 6 months
// comes near the end of the double range.
inline constexpr double kTallyNumberLimit = 1e15;

// True when v, rounded to a whole number as a cell shows it, lies below
// kTallyNumberLimit in magnitude (never for inf or nan).
bool tallyNumberFits(double v);

// A key caption goes into a tally file as one quoted field and heads the
// grids: no double quote, no control character (CR, LF, NUL, tab, ...),
// and only characters of code page 932. UTF-8.
bool keyCaptionFits(std::string_view caption);

// Month family: element k (1..6) is the member for month k; element 0 unused.
using MonthValues = std::array<runtime::Value, kMaxMonths + 1>;
using MonthArrays = std::array<runtime::ValueArray, kMaxMonths + 1>;

struct TallyData {
    // Period, key and cursors.
    runtime::Value StartMonth;       // first month number 1..12; 0 = no period
    runtime::Value EndMonth;         // last month number; 0 = no period
    runtime::Value MonthCount;       // months in the period, 1..6; 0 after a clear
    runtime::ValueArray MonthNo;     // 0..MonthCount: month number of month index k
    runtime::Value KeyName;          // text: caption of the chosen key
    runtime::Value CurMonth;         // month index shown in the entry grid
    runtime::Value InputRow;         // entry-grid row of the entry line
    runtime::Value InputRowOnScreen; // line of the entry line among the visible rows, 1..10
    runtime::Value ShownRows;        // row count of the month being loaded into the entry grid
    runtime::Value ResultMonth;      // month index shown in the per-month result grid

    // Entered rows of month k, in entry order (0..MonthRows[k]).
    MonthValues MonthRows;           // 0 = no rows
    MonthArrays InKey;
    MonthArrays InCount;
    MonthArrays InAmount;

    // Engine: sorted copies of month k's rows (0..MonthRows[k]).
    MonthArrays WorkKey;
    MonthArrays WorkCount;
    MonthArrays WorkAmount;

    // Engine: month k's result, one row per distinct key, ascending (0..ResultRows[k]).
    MonthValues ResultRows;
    MonthArrays ResKey;
    MonthArrays ResCount;
    MonthArrays ResAmount;

    // Totals: per month (0..MonthCount) and over the period.
    runtime::ValueArray MonthCountSum;
    runtime::ValueArray MonthAmountSum;
    runtime::Value GrandCount;
    runtime::Value GrandAmount;

    // Engine: every month's result rows in one list, then sorted (0..MergedRows).
    runtime::Value MergedRows;
    runtime::ValueArray MergedKey;
    runtime::ValueArray MergedCount;
    runtime::ValueArray MergedAmount;

    // Whole-period result, one row per distinct key, ascending (0..KeyCount).
    runtime::Value KeyCount;         // 0 = no tally computed
    runtime::ValueArray AllKey;
    runtime::ValueArray AllCount;
    runtime::ValueArray AllAmount;

    // Key-by-month table (column, row): columns 0..2*MonthCount+4, rows 0..KeyCount.
    // Column 2 key; 2k+1 / 2k+2 count / amount in month k (empty when the key
    // has no row in month k); 2*MonthCount+3 / +4 count / amount of the period.
    runtime::ValueTable ResultTable;

    // True for a month index 1..6.
    static bool isMonth(long k) { return k >= 1 && k <= kMaxMonths; }

    // Bounds-safe reads of the month families: empty for a month outside 1..6.
    runtime::Value monthRows(long k) const { return isMonth(k) ? MonthRows[k] : runtime::Value(); }
    runtime::Value resultRows(long k) const { return isMonth(k) ? ResultRows[k] : runtime::Value(); }
    runtime::Value inKey(long k, long i) const { return isMonth(k) ? InKey[k].get(i) : runtime::Value(); }
    runtime::Value inCount(long k, long i) const { return isMonth(k) ? InCount[k].get(i) : runtime::Value(); }
    runtime::Value inAmount(long k, long i) const { return isMonth(k) ? InAmount[k].get(i) : runtime::Value(); }
    runtime::Value resKey(long k, long i) const { return isMonth(k) ? ResKey[k].get(i) : runtime::Value(); }
    runtime::Value resCount(long k, long i) const { return isMonth(k) ? ResCount[k].get(i) : runtime::Value(); }
    runtime::Value resAmount(long k, long i) const { return isMonth(k) ? ResAmount[k].get(i) : runtime::Value(); }
};

// Returns the tally to its empty state: counters 0, KeyName "", ReturnFlag 0
// and all 64 arrays absent. The first form (reset) leaves MaxInputRows as it
// is; the second (return to the menu) sets it to 0 as well.
void ClearTallyData(TallyData& t, runtime::Value& ReturnFlag);
void ClearTallyData(TallyData& t, runtime::Value& ReturnFlag, runtime::Value& MaxInputRows);

} // namespace sumlet
