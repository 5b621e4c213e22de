#include "sumlet/tally/print/print_page.h"

#include "forms/form.h"
#include "forms/formatted.h"
#include "sumlet/program.h"
#include "sumlet/tally/print/tally_print.h"

#include <cmath>

#include "runtime/format.h"

namespace sumlet {

namespace tally_print {

PageUnits::PageUnits(forms::Printer& printer, forms::Orientation orientation) : p_(printer)
{
    p_.setOrientation(orientation);
    p_.setScaleMode(forms::ScaleMode::Characters);
    p_.setFontName(QStringLiteral("ＭＳ 明朝"));
    p_.setFontSize(12);
    p_.Print(QStringLiteral(" "));
    p_.setCurrentX(0);
    p_.setCurrentY(0);
    p_.setFontName(QStringLiteral("ＭＳ ゴシック"));
    p_.setFontSize(9.5);
    h_ = p_.TextHeight(QStringLiteral("A"));
    w_ = p_.TextWidth(QStringLiteral("A"));
}

void PageUnits::put(double x, double y, const QString& s, bool endLine)
{
    p_.setCurrentX(x);
    p_.setCurrentY(y);
    if (endLine)
        p_.Print(s);
    else
        p_.PrintContinued(s);
}

void PageUnits::text(double x, double y, const QString& s, bool endLine)
{
    put(x * w_, y * h_, s, endLine);
}

void PageUnits::right(double left, double width, double y, const QString& s, bool endLine,
                      const QString& tail)
{
    p_.setCurrentY(y * h_);
    p_.PrintRightFitted(s, (left + width) * w_, width * w_, endLine, tail);
}

void PageUnits::line(int drawWidth, double x1, double y1, double x2, double y2)
{
    p_.setDrawWidth(drawWidth);
    p_.Line(x1 * w_, y1 * h_, x2 * w_, y2 * h_);
}

} // namespace tally_print

namespace {

// A whole number 0..cap from a value cell (fractions dropped).
int wholeWithin(const runtime::Value& v, int cap)
{
    const double d = v.num();
    if (!(d >= 0))
        return 0;
    return d >= cap ? cap : static_cast<int>(std::floor(d));
}

} // namespace

ResultListShape resultListShape(const TallyData& t)
{
    ResultListShape s;
    const long cols = t.ResultTable.upperCol();
    if (cols >= 6 && cols % 2 == 0 && cols <= 2 * kMaxMonths + 4)
        s.months = static_cast<int>((cols - 4) / 2);
    else if (t.MonthCountSum.upper() >= 1)
        s.months = static_cast<int>(std::min<long>(t.MonthCountSum.upper(), kMaxMonths));
    else
        s.months = std::max(1, wholeWithin(t.MonthCount, kMaxMonths));
    const long rows = std::max(0L, t.ResultTable.upperRow());
    s.keys = wholeWithin(t.KeyCount, static_cast<int>(std::min<long>(rows, 1L << 20)));
    return s;
}

QString tallyCellText(const runtime::Value& v, const char* pattern)
{
    if (v.isEmpty())
        return QString();
    return forms::formatted(v, pattern);
}

bool reportPrint(forms::Form& caller, forms::PrintOutcome outcome)
{
    if (outcome == forms::PrintOutcome::Failed) {
        caller.Warn(QStringLiteral("印刷できませんでした！"));
        return false;
    }
    return outcome == forms::PrintOutcome::Printed;
}

} // namespace sumlet
