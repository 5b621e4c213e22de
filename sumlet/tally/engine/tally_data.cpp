#include "sumlet/tally/engine/tally_data.h"

#include <cmath>

#include "runtime/cp932.h"
#include "runtime/number_text.h"
#include "runtime/seqfile.h"

namespace sumlet {

bool tallyNumberFits(double v)
{
    return std::isfinite(v) && std::fabs(runtime::roundHalfAway(v)) < kTallyNumberLimit;
}

bool keyCaptionFits(std::string_view caption)
{
    // Code page 932 holds none of the control characters U+0080..U+009F.
    return caption.find('"') == std::string_view::npos && !runtime::hasControlCharacter(caption)
           && runtime::fitsCp932(caption);
}

namespace {

void clearAll(TallyData& t, runtime::Value& ReturnFlag, runtime::Value* MaxInputRows)
{
    const runtime::Value zero(0);

    t.InputRow = zero;
    t.InputRowOnScreen = zero;
    if (MaxInputRows)
        *MaxInputRows = zero;
    for (int k = 1; k <= kMaxMonths; ++k)
        t.MonthRows[k] = zero;
    t.StartMonth = zero;
    t.EndMonth = zero;
    t.MonthCount = zero;
    t.CurMonth = zero;
    t.ResultMonth = zero;

    t.KeyName = runtime::Value(std::string());

    t.ShownRows = zero;
    t.GrandCount = zero;
    t.GrandAmount = zero;
    for (int k = 1; k <= kMaxMonths; ++k)
        t.ResultRows[k] = zero;
    t.MergedRows = zero;
    t.KeyCount = zero;
    ReturnFlag = zero;

    t.MonthNo.erase();
    for (int k = 1; k <= kMaxMonths; ++k) {
        t.InAmount[k].erase();
        t.InCount[k].erase();
        t.InKey[k].erase();
    }
    t.MonthAmountSum.erase();
    t.MonthCountSum.erase();
    for (int k = 1; k <= kMaxMonths; ++k) {
        t.WorkAmount[k].erase();
        t.WorkCount[k].erase();
        t.WorkKey[k].erase();
    }
    for (int k = 1; k <= kMaxMonths; ++k) {
        t.ResAmount[k].erase();
        t.ResCount[k].erase();
        t.ResKey[k].erase();
    }
    t.MergedAmount.erase();
    t.MergedCount.erase();
    t.MergedKey.erase();
    t.AllAmount.erase();
    t.AllCount.erase();
    t.AllKey.erase();
    t.ResultTable.erase();
}

} // namespace

void ClearTallyData(TallyData& t, runtime::Value& ReturnFlag)
{
    clearAll(t, ReturnFlag, nullptr);
}

void ClearTallyData(TallyData& t, runtime::Value& ReturnFlag, runtime::Value& MaxInputRows)
{
    clearAll(t, ReturnFlag, &MaxInputRows);
}

} // namespace sumlet
