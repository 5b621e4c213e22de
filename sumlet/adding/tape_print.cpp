#include "sumlet/adding/tape_print.h"

#include "sumlet/adding/tape.h"
#include "sumlet/adding/tape_print_layout.h"

namespace sumlet {

namespace {

// Prints text right-aligned in a field of `width` units starting at `left`.
void printRight(forms::Printer& p, const QString& text, double left, double width, double y,
                bool endLine)
{
    p.setCurrentY(y);
    p.PrintRightFitted(text, left + width, width, endLine);
}

} // namespace

forms::PrintOutcome printTape(forms::Printer& p, const AddingTape& tape, bool lineNumbers)
{
    using L = TapePrintLayout;
    p.setOrientation(forms::Orientation::Portrait);
    p.setScaleMode(forms::ScaleMode::Characters);
    p.setFontName(QStringLiteral("ＭＳ ゴシック"));
    p.setFontSize(12);
    p.Print(QStringLiteral(" "));
    p.setCurrentX(0);
    p.setCurrentY(0);

    p.setFontSize(9.5);
    const double w = p.TextWidth(QStringLiteral("A"));
    const double h = p.TextHeight(QStringLiteral("A"));

    const TapePrintLayout layout = layoutTapePrint(tape, lineNumbers);
    bool firstPage = true;
    for (const TapePrintPage& page : layout.pages) {
        if (!firstPage)
            p.NewPage();
        firstPage = false;
        p.setCurrentY(L::HeadingDown * h);
        p.setCurrentX(L::HeadingAcross * w);
        p.Print(QString::fromStdString(page.heading));
        for (const TapePrintLine& line : page.lines) {
            const double y = line.down * h;
            if (!line.number.empty())
                printRight(p, QString::fromStdString(line.number), line.numberLeft * w,
                           L::NumberWidth * w, y, false);
            printRight(p, QString::fromStdString(line.value), line.valueLeft * w, L::ValueWidth * w, y,
                       true);
        }
    }
    return p.EndDoc();
}

} // namespace sumlet
