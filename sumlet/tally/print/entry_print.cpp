// The entered rows on paper, portrait: per month a title with the month's
// totals, the ruled header, then the rows in three blocks of 60, 180 rows a
// page; longer months go on over further pages.
#include "sumlet/tally/print/tally_print.h"

#include <algorithm>

#include "forms/formatted.h"
#include "runtime/format.h"
#include "runtime/number_text.h"
#include "sumlet/tally/engine/tally_rows.h"
#include "sumlet/tally/print/print_page.h"

namespace sumlet {

using forms::formatted;

namespace {

using tally_print::PageUnits;

constexpr int RowsPerBlock = 60;
constexpr int RowsPerPage = 3 * RowsPerBlock;
constexpr double BlockStep = 38;

// Top of an item on line L (line pitch 1.2 h).
double lineY(double L) { return 1.2 * L; }

struct Month {
    int index;
    long rows;        // rows that the month's arrays hold
    double count = 0, amount = 0;
};

Month monthOf(const TallyData& t, int i)
{
    Month m{i, 0};
    if (!TallyData::isMonth(i))
        return m;
    m.rows = tally_detail::loopBound(t.MonthRows[i],
                                     tally_detail::minUpper({&t.InKey[i], &t.InCount[i], &t.InAmount[i]}));
    for (long j = 1; j <= m.rows; ++j) {
        m.count += t.InCount[i].num(j);
        m.amount += t.InAmount[i].num(j);
    }
    return m;
}

void printPageHead(PageUnits& u, const TallyData& t, const Month& m)
{
    u.text(6, lineY(2),
           QString::fromStdString(runtime::Str(t.MonthNo.num(m.index))) + QStringLiteral(" 月度　　合計：　")
               + formatted(m.count, "0") + QStringLiteral("件　　　") + formatted(m.amount, "#,0") + QStringLiteral("円"),
           true);
    const QString key = QString::fromStdString(t.KeyName.text());
    for (int b = 0; b < 3; ++b) {
        const double c = BlockStep * b;
        u.text(c + 7, lineY(3.5), QStringLiteral("NO"));
        u.text(c + 11, lineY(3.5), key);
        u.text(c + 21, lineY(3.5), QStringLiteral("件数"));
        u.text(c + 30, lineY(3.5), QStringLiteral("金　額"), b == 2);
    }
}

void printRow(PageUnits& u, const TallyData& t, int i, long j, double c, int blockLine)
{
    const double y = lineY(4 + blockLine);
    u.right(c, 4, y, formatted(double(j), "0"), false, QStringLiteral(":"));
    u.right(c + 6, 7, y, formatted(t.InKey[i].num(j), "0"));
    u.right(c + 14, 5, y, formatted(t.InCount[i].num(j), "0"));
    u.right(c + 20, 12, y, formatted(t.InAmount[i].num(j), "#,0"), true);
}

void ruleHeader(PageUnits& u)
{
    u.line(3, 4, lineY(3.2), 115, lineY(3.2));
    u.line(3, 4, lineY(4.5), 115, lineY(4.5));
}

} // namespace

forms::PrintOutcome PrintEntries(forms::Printer& printer, const TallyData& t, int firstMonth, int lastMonth)
{
    PageUnits u(printer, forms::Orientation::Portrait);
    for (int i = firstMonth; i <= lastMonth; ++i) {
        const Month m = monthOf(t, i);
        for (long first = 1;; first += RowsPerPage) {
            const long last = std::min(first + RowsPerPage - 1, m.rows);
            printPageHead(u, t, m);
            double c = 5;
            int blockLine = 0;
            for (long j = first; j <= last; ++j) {
                printRow(u, t, i, j, c, ++blockLine);
                if (j % RowsPerBlock == 0) {
                    blockLine = 0;
                    c += BlockStep;
                }
            }
            ruleHeader(u);
            if (last >= m.rows)
                break;
            printer.NewPage();
        }
        printer.NewPage();
    }
    return printer.EndDoc();
}

} // namespace sumlet
