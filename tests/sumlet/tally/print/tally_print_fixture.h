// Fixture of the result list and the tally prints: a SUMLET program whose
// tally data is filled through code (months of rows, then the compute).
#pragma once

#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

#include "forms/qt_services.h"
#include "forms/testing/driver.h"
#include "support/print_text.h"
#include "support/qt_print.h"
#include "support/sumlet_fixture.h"
#include "sumlet/tally/engine/tally_engine.h"
#include "sumlet/tally/print/ichiran_form.h"
#include "sumlet/tally/print/print_1_form.h"
#include "sumlet/tally/print/tally_print.h"
#include "sumlet/tally/shukei_form.h"

namespace sumlet::testing {

struct Row {
    double key, count, amount;
};

class TallyPrintTest : public SumletTest {
protected:
    TallyData& tally() { return shared().tally; }

    // The tally form, opened from the menu with "集計器".
    SHUKEI& openTally()
    {
        forms::testing::click(start().Command6);
        SHUKEI* f = prog().SHUKEI_.get();
        if (!f)
            throw std::logic_error("the tally form did not open");
        return *f;
    }
    // The form's own compute, as after closing a month.
    static void computeOnForm(SHUKEI& f)
    {
        f.Command1.setEnabled(true);
        forms::testing::click(f.Command1);
    }
    // Answers the next warning box and checks what it said.
    void expectWarning(const QString& text, const std::function<void()>& action)
    {
        const std::size_t before = rec.messages().size();
        const int beeps = rec.beeps();
        rec.answerNextMessage(forms::MsgResult::OK);
        action();
        ASSERT_EQ(rec.messages().size(), before + 1);
        EXPECT_EQ(rec.messages().back().text, text);
        EXPECT_EQ(rec.messages().back().title, "Check");
        EXPECT_EQ(rec.messages().back().icon, forms::MsgIcon::Exclamation);
        EXPECT_EQ(rec.beeps(), beeps + 1);
    }

    // A period of months `first`.. with the given rows, key name, not computed.
    void enterMonths(int first, const std::vector<std::vector<Row>>& months,
                     const char* keyName = "担当者NO")
    {
        TallyData& t = tally();
        const int m = int(months.size());
        t.MonthCount = m;
        t.StartMonth = first;
        t.MonthNo.redim(m);
        for (int k = 1; k <= m; ++k)
            t.MonthNo.set(k, (first + k - 2) % 12 + 1);
        t.EndMonth = t.MonthNo.get(m);
        t.KeyName = keyName;
        for (int k = 1; k <= m; ++k) {
            const auto& rows = months[std::size_t(k - 1)];
            const long n = long(rows.size());
            t.MonthRows[k] = double(n);
            t.InKey[k].redim(n);
            t.InCount[k].redim(n);
            t.InAmount[k].redim(n);
            for (long j = 1; j <= n; ++j) {
                const Row& r = rows[std::size_t(j - 1)];
                t.InKey[k].set(j, r.key);
                t.InCount[k].set(j, r.count);
                t.InAmount[k].set(j, r.amount);
            }
        }
    }
    void compute(int first, const std::vector<std::vector<Row>>& months, const char* keyName = "担当者NO")
    {
        enterMonths(first, months, keyName);
        RunTally(tally());
    }
    // April and May: key 20 only in May, key 30 only in April.
    void computeTwoMonths()
    {
        compute(4, {{{10, 2, 1500}, {30, 1, 2000}, {10, 1, 500}}, {{20, 3, 1234567}, {10, 1, 100}}});
    }
    // n rows of keys 1..n, count 1, amount 100 k; computed as June alone.
    static std::vector<Row> keyRows(int n)
    {
        std::vector<Row> rows;
        for (int k = 1; k <= n; ++k)
            rows.push_back({double(k), 1, 100.0 * k});
        return rows;
    }
    void computeKeys(int n) { compute(6, {keyRows(n)}); }
    // April and May with keys of 13 and 15 digits, counts of 3 and 15
    // digits, amounts of 10 digits.
    static std::vector<std::vector<Row>> wideMonths()
    {
        return {{{4901234567894, 540, 4958597967}, {4901234567900, 123456789012345, 1234567890}},
                {{4901234567894, 999, 9999999999}, {123456789012345, 1, 1}}};
    }
    void computeWideKeys() { compute(4, wideMonths(), "商品NO"); }

    const forms::PrintDocument& lastDocument()
    {
        const auto& docs = rec.recordingPrinter().documents();
        if (docs.empty())
            throw std::logic_error("nothing printed");
        return docs.back();
    }
    std::size_t documentCount() { return rec.recordingPrinter().documents().size(); }
};

using forms::PrintItem;
using forms::PrintPage;
using forms::testing::pdfText;

// Recorder metrics of the 9.5-point print font: "A" is 95 twips wide and
// 228 twips high, so x in w is twips / 95 and y in h is twips / 228.
constexpr double W = 95, H = 228;

inline QString num(double v) { return QString::number(v, 'g', 6); }

// Baseline of a text item, and of a row whose full-size top is y (in h):
// the recorder's ascent is four fifths of a line.
inline double baseline(const PrintItem& i)
{
    return i.y + 0.8 * forms::testing::RecordingPrinter::heightTwips(i.fontSize);
}
inline double baseline(double y) { return y * H + 0.8 * H; }

// The texts of a page at height y (in h) as "text@edge", the edge in w: the
// left edge, or the right edge for right-aligned fields.
inline QStringList placed(const PrintPage& page, double y, bool right = false)
{
    QStringList out;
    for (const PrintItem& i : page.items)
        if (i.kind == PrintItem::Text && std::abs(baseline(i) - baseline(y)) < 1e-6) {
            const double width = right ? forms::testing::RecordingPrinter::widthTwips(i.text, i.fontSize) : 0;
            out << i.text + "@" + num((i.x + width) / W);
        }
    return out;
}

// The same for right-aligned fields, with each text's size: "text@edge:size".
inline QStringList placedSized(const PrintPage& page, double y)
{
    QStringList out;
    for (const PrintItem& i : page.items)
        if (i.kind == PrintItem::Text && std::abs(baseline(i) - baseline(y)) < 1e-6) {
            const double right = i.x + forms::testing::RecordingPrinter::widthTwips(i.text, i.fontSize);
            out << i.text + "@" + num(right / W) + ":" + num(i.fontSize);
        }
    return out;
}

// The ruled lines of a page as "width:x1,y1-x2,y2", in w and h.
inline QStringList rules(const PrintPage& page)
{
    QStringList out;
    for (const PrintItem& i : page.items)
        if (i.kind == PrintItem::Line)
            out << QString("%1:%2,%3-%4,%5").arg(i.drawWidth).arg(num(i.x / W), num(i.y / H), num(i.x2 / W),
                                                                   num(i.y2 / H));
    return out;
}

} // namespace sumlet::testing
