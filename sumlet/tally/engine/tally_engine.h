// The tally engine (Module1): nine steps that turn the entered rows of the
// months 1..MonthCount into per-month results, the whole-period result and
// the key-by-month result table. They read and write the TallyData only.
#pragma once

#include "sumlet/tally/engine/tally_data.h"

namespace sumlet {

// Per-month steps (months 1..MonthCount when MonthCount is 1..6, else none).
void SumMonthTotals(TallyData& t);
void CopyMonthData(TallyData& t);
void SortMonthData(TallyData& t);
void CountMonthKeys(TallyData& t);
void GroupMonthData(TallyData& t);

// Whole-period steps.
void MergeMonthGroups(TallyData& t);
void SortMergedData(TallyData& t);
void GroupMergedData(TallyData& t);
void BuildResultTable(TallyData& t);

// The compute run: the nine steps in their fixed order, ResultMonth := 0
// before the result table is built.
void RunTally(TallyData& t);

} // namespace sumlet
