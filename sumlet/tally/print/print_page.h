// Page geometry shared by the tally's prints: every position is a multiple
// of the printed width (w) and height (h) of "A" in the print font.
#pragma once

#include <QString>

#include "forms/printer.h"

namespace sumlet::tally_print {

class PageUnits {
public:
    // Orientation, character scale, the opening blank in the 12-point Mincho
    // font, the position back to 0, 0, then the 9.5-point Gothic print font,
    // measured.
    PageUnits(forms::Printer& printer, forms::Orientation orientation);

    // Text with its left edge at x (in w), its top at y (in h).
    void text(double x, double y, const QString& s, bool endLine = false);
    // A number right-aligned in the field of `width` w starting at `left`,
    // smaller where it is wider than the field; a tail follows it directly,
    // past the field's right edge.
    void right(double left, double width, double y, const QString& s, bool endLine = false,
               const QString& tail = QString());
    // A straight line of the given drawing width (device pixels).
    void line(int drawWidth, double x1, double y1, double x2, double y2);

    forms::Printer& printer() const { return p_; }
    double w() const { return w_; }
    double h() const { return h_; }

private:
    void put(double x, double y, const QString& s, bool endLine);
    forms::Printer& p_;
    double w_ = 1, h_ = 1;
};

} // namespace sumlet::tally_print
