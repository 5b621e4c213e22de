// Tally files (*.SUK): the period, the key caption and every month's entered
// rows as sequential text in code page 932.
//   line 1          MonthCount,"KeyName",StartMonth,EndMonth
//   line 2          MonthRows1,...,MonthRowsN
//   N lines         MonthNo(k)
//   then per month  InKey,InCount,InAmount, one row a line
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/value.h"
#include "sumlet/tally/engine/tally_data.h"

namespace sumlet {

// The most rows a month of a tally file may hold (the entry grid's capacity).
inline constexpr int kTallyFileMaxRows = 500;

struct TallyFileBytes {
    bool ok = false;     // false: the key caption cannot be stored (see keyCaptionFits)
    std::string bytes;
};

// The bytes of a tally file for months 1..MonthCount. A MonthCount that is
// not a whole number 1..6 writes line 1 only. Empty cells are written as
// empty fields.
TallyFileBytes writeTallyFile(const TallyData& t);

// A tally file as read, before it is taken over.
struct TallyFileContents {
    using Row = std::array<runtime::Value, 3>; // key, count, amount
    int monthCount = 0;
    runtime::Value keyName;                    // a text, or empty
    runtime::Value startMonth, endMonth;
    std::vector<runtime::Value> monthRows;     // [0] is MonthRows1; empty stays empty
    std::vector<runtime::Value> monthNo;       // [0] is MonthNo(1)
    std::vector<std::vector<Row>> rows;        // rows[m - 1][i - 1]
};

// Reads a tally file's bytes. Fields may be spread over lines at will.
// nullopt unless all of it is sound: a MonthCount that is a whole number
// 1..6, a key caption that keyCaptionFits, row counts that are whole numbers
// 0..500 (an empty field counts 0), keys, counts and amounts that
// tallyNumberFits, every other field a number or empty, as many fields as
// the counts announce and nothing but empty fields after them, closed
// quotes and valid code page 932.
std::optional<TallyFileContents> readTallyFile(std::string_view bytes);

// Takes a read file over: MonthCount, KeyName, StartMonth, EndMonth, a fresh
// MonthNo and months 1..N with fresh entry arrays. Months above N and the
// results keep what they held.
void takeOver(TallyData& t, const TallyFileContents& c);

} // namespace sumlet
