// The tally form's prints: the entry print (through PRINT_1, or of the month
// shown at once) and the result list print, each behind its guard.
#include "sumlet/tally/shukei_form.h"

#include <cmath>

#include "sumlet/program.h"
#include "sumlet/tally/print/print_1_form.h"
#include "sumlet/tally/print/tally_print.h"

namespace sumlet {

namespace {

// Nothing entered yet: month 1 has no rows. Warns when so.
bool refusedWithoutEntries(forms::Form& f, const TallyData& t)
{
    if (t.MonthRows[1].num() != 0)
        return false;
    f.Warn(QStringLiteral("入力データがありません！"));
    return true;
}

// The result list from the tally form: refused while no tally is computed.
void printResultsFrom(forms::Form& f, Program& prog, int keysPerPage)
{
    const TallyData& t = prog.shared.tally;
    if (t.KeyCount.num() == 0) {
        f.Warn(QStringLiteral("集計結果データがありません！"));
        return;
    }
    reportPrint(f, PrintResultList(prog.printer(), t, keysPerPage));
}

} // namespace

void SHUKEI::M4_Click()
{
    if (refusedWithoutEntries(*this, tally()))
        return;
    prog.PRINT_1_.Show();
}

void SHUKEI::M5_Click() { printResultsFrom(*this, prog, 10); }

void SHUKEI::Toolbar2_ButtonClick(int Index)
{
    (void)Index;
    printResultsFrom(*this, prog, 40);
}

void SHUKEI::Toolbar3_ButtonClick(int Index)
{
    (void)Index;
    const TallyData& t = tally();
    if (refusedWithoutEntries(*this, t))
        return;
    const double m = std::floor(t.CurMonth.num());
    const int month = m >= 1 && m <= kMaxMonths ? static_cast<int>(m) : 0;
    reportPrint(*this, PrintEntries(prog.printer(), t, month, month));
}

} // namespace sumlet
