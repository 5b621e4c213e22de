// The result list on paper: a ruled, framed key-by-month table, landscape,
// a page number and both heading lines on every page, "NextPage↓" at the
// foot of a page that another follows, the totals row on the last.
#include "sumlet/tally/print/tally_print.h"

#include <algorithm>
#include <cmath>

#include "forms/formatted.h"
#include "runtime/format.h"
#include "runtime/number_text.h"
#include "sumlet/tally/print/print_page.h"

namespace sumlet {

using forms::formatted;

namespace {

using tally_print::PageUnits;

// One row of value fields (a key row or the totals row) at height y. Each
// field is (value, pattern); months k = 1..M, then the period.
struct RowValues {
    runtime::Value monthCount[kMaxMonths + 1];
    runtime::Value monthAmount[kMaxMonths + 1];
    runtime::Value count, amount;
};

void printValues(PageUnits& u, int M, double y, const RowValues& v)
{
    for (int k = 1; k <= M; ++k) {
        u.right(19 * k + 9, 5, y, tallyCellText(v.monthCount[k], "0"));
        u.right(19 * k + 15, 12, y, tallyCellText(v.monthAmount[k], "#,0"));
    }
    u.right(19 * M + 28, 6, y, tallyCellText(v.count, "0"));
    u.right(19 * M + 35, 14, y, tallyCellText(v.amount, "#,0"), true);
}

void printHeading(PageUnits& u, const TallyData& t, int M, int pageNo, const QString& pageCount)
{
    u.text(19 * M + 39, 1.5,
           QStringLiteral("PG:") + QString::fromStdString(runtime::Str(pageNo)) + QStringLiteral("/") + pageCount,
           true);
    for (int k = 1; k <= M; ++k)
        u.text(19 * k + 16.5, 3.0, formatted(t.MonthNo.num(k), "0") + QStringLiteral("月度"));
    u.text(19 * M + 36, 3.0, QStringLiteral("合　　計"), true);

    u.text(13, 4.5, QStringLiteral("NO"));
    u.text(18, 4.5, QString::fromStdString(t.KeyName.text()));
    for (int k = 1; k <= M; ++k) {
        u.text(19 * k + 10, 4.5, QStringLiteral("件数"));
        u.text(19 * k + 20, 4.5, QStringLiteral("金 額"));
    }
    u.text(19 * M + 30, 4.5, QStringLiteral("件数"));
    u.text(19 * M + 41, 4.5, QStringLiteral("金 額"), true);
}

void printKeyRow(PageUnits& u, const TallyData& t, int M, int r, int pageLine)
{
    const double y = 1.2 * pageLine + 4.8;
    u.right(11, 4, y, formatted(r, "0"));
    // The key's field ends at 25 and is 11 wide; a key is kept right of the
    // column's rule at 16, where the row number ends, so it fits into 9.
    u.right(16, 9, y, tallyCellText(t.ResultTable.get(2, r), "0"));
    RowValues v;
    for (int k = 1; k <= M; ++k) {
        v.monthCount[k] = t.ResultTable.get(2 * k + 1, r);
        v.monthAmount[k] = t.ResultTable.get(2 * k + 2, r);
    }
    v.count = t.ResultTable.get(2 * M + 3, r);
    v.amount = t.ResultTable.get(2 * M + 4, r);
    printValues(u, M, y, v);
}

void printTotals(PageUnits& u, const TallyData& t, int M, double y)
{
    u.text(18, y, QStringLiteral("合　計"));
    RowValues v;
    for (int k = 1; k <= M; ++k) {
        v.monthCount[k] = t.MonthCountSum.get(k);
        v.monthAmount[k] = t.MonthAmountSum.get(k);
    }
    v.count = t.GrandCount;
    v.amount = t.GrandAmount;
    printValues(u, M, y, v);
}

// The thirteen ruled lines of a page with n key rows, in their order.
void ruleLines(PageUnits& u, int M, int n)
{
    const double right = 19 * M + 50;
    const double bottom = 1.2 * n + 7.4;
    const auto across = [&](int width, double y) { u.line(width, 10, y, right, y); };
    const auto down = [&](int width, double x, double top) { u.line(width, x, top, x, bottom); };

    across(1, 4.1);
    for (int j = 1; j <= n - 1; ++j)
        across(1, 1.2 * j + 5.85);
    for (int k = 1; k <= M; ++k)
        down(1, 19 * k + 15, 4.1);
    down(1, 19 * M + 35, 4.1);
    across(3, 5.7);
    across(3, 1.2 * n + 5.9);
    down(3, 16, 2.6);
    down(3, 28, 2.6);
    for (int k = 1; k <= M; ++k)
        down(3, 19 * k + 28, 2.6);
    across(6, 2.6);
    across(6, bottom);
    down(6, 10, 2.6);
    down(6, right, 2.6);
}

} // namespace

forms::PrintOutcome PrintResultList(forms::Printer& printer, const TallyData& t, int keysPerPage)
{
    keysPerPage = std::max(keysPerPage, 1);
    const ResultListShape shape = resultListShape(t);
    const int M = shape.months;
    const int keys = shape.keys;
    PageUnits u(printer, forms::Orientation::Landscape);

    int lastKey = keys > keysPerPage ? keysPerPage : keys;
    int firstKey = 1;
    const QString pageCount = formatted(std::floor(double(keys) / keysPerPage + 0.99), "0");
    for (int pageNo = 1;; ++pageNo) {
        printHeading(u, t, M, pageNo, pageCount);
        int pageLine = 0;
        for (int r = firstKey; r <= lastKey; ++r)
            printKeyRow(u, t, M, r, ++pageLine);
        const int pageRows = lastKey - firstKey + 1;
        const double foot = 1.2 * pageRows + 6.2;
        if (lastKey < keys) {
            u.text(18, foot, QStringLiteral("NextPage↓"), true);
            ruleLines(u, M, pageRows);
            printer.NewPage();
            firstKey = lastKey + 1;
            lastKey = std::min(lastKey + keysPerPage, keys);
            continue;
        }
        printTotals(u, t, M, foot);
        ruleLines(u, M, pageRows);
        return printer.EndDoc();
    }
}

} // namespace sumlet
