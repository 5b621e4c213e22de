// Fixture of the result list and the tally prints: a SUMLET program whose
// tally data is filled through code (months of rows, then the compute).
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

#include "forms/qt_services.h"
#include "forms/testing/driver.h"
#include "forms/qt_print.h"
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
    SHUKEI& tallyForm() { return *prog().SHUKEI_.get(); }
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
    // One month of n keys 1..n, count 1, amount 100 k.
    void computeKeys(int n)
    {
        std::vector<Row> rows;
        for (int k = 1; k <= n; ++k)
            rows.push_back({double(k), 1, 100.0 * k});
        compute(6, {rows});
    }

    const forms::PrintDocument& lastDocument()
    {
        const auto& docs = rec.recordingPrinter().documents();
        if (docs.empty())
            throw std::logic_error("nothing printed");
        return docs.back();
    }
    std::size_t documentCount() { return rec.recordingPrinter().documents().size(); }

    // The text of a PDF file, its pages separated by form feeds.
    static QString pdfText(const QString& pdf)
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            throw std::logic_error("pdftotext (poppler-utils) is needed");
        QProcess proc;
        proc.start(pdftotext, {"-layout", pdf, "-"});
        if (!proc.waitForFinished(30000))
            throw std::logic_error("pdftotext did not finish");
        return QString::fromUtf8(proc.readAllStandardOutput());
    }
};

using forms::PrintItem;
using forms::PrintPage;

// Recorder metrics of the 9.5-point print font: "A" is 95 twips wide and
// 228 twips high, so x in w is twips / 95 and y in h is twips / 228.
constexpr double W = 95, H = 228;

// The text items of a page at height y (in h), with their left and right edges in w.
struct Placed {
    QString text;
    double left, right;
};
inline std::vector<Placed> textsAt(const forms::PrintPage& page, double y)
{
    std::vector<Placed> out;
    for (const forms::PrintItem& i : page.items)
        if (i.kind == forms::PrintItem::Text && std::abs(i.y - y * H) < 1e-6)
            out.push_back({i.text, i.x / W, (i.x + forms::testing::RecordingPrinter::widthTwips(i.text, i.fontSize)) / W});
    return out;
}

struct Rule {
    int width;
    double x1, y1, x2, y2;
};
inline std::vector<Rule> rulesOf(const forms::PrintPage& page)
{
    std::vector<Rule> out;
    for (const forms::PrintItem& i : page.items)
        if (i.kind == forms::PrintItem::Line)
            out.push_back({i.drawWidth, i.x / W, i.y / H, i.x2 / W, i.y2 / H});
    return out;
}

inline void expectPlaced(const std::vector<Placed>& got, const std::vector<Placed>& want, bool byRight)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(want[i].text.toStdString());
        EXPECT_EQ(got[i].text, want[i].text);
        EXPECT_NEAR(byRight ? got[i].right : got[i].left, byRight ? want[i].right : want[i].left, 1e-9);
    }
}

inline void expectRules(const forms::PrintPage& page, const std::vector<Rule>& want)
{
    const std::vector<Rule> got = rulesOf(page);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].width, want[i].width);
        EXPECT_NEAR(got[i].x1, want[i].x1, 1e-9);
        EXPECT_NEAR(got[i].y1, want[i].y1, 1e-9);
        EXPECT_NEAR(got[i].x2, want[i].x2, 1e-9);
        EXPECT_NEAR(got[i].y2, want[i].y2, 1e-9);
    }
}

} // namespace sumlet::testing
