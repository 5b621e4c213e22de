// INSATSU and the printed tape, through the recording printer.
#include "adding_fixture.h"

#include "forms/qt_services.h"
#include "runtime/format.h"
#include "sumlet/adding/tape_print.h"
#include "support/print_text.h"

#include <cmath>
#include <map>

namespace sumlet::testing {
namespace {

using forms::MsgResult;
using forms::PrintItem;
using forms::testing::choose;
using forms::testing::click;

class TapePrintTest : public AddingTest {
protected:
    // Loads a tape of n values (k * 10 for entry k) from a file.
    void loadValues(int n)
    {
        std::string bytes = std::to_string(n) + "," + std::to_string(5 * n * (n + 1)) + ",1\r\n";
        for (int k = 1; k <= n; ++k)
            bytes += std::to_string(k * 10) + "\r\n";
        writeFile("p.ADT", bytes);
        rec.answerNextFileDialog(dir.filePath("p.ADT"));
        choose(form().M11);
    }
    INSATSU& openPrint()
    {
        forms::testing::clickToolbar(form().Toolbar1, 3);
        INSATSU* p = prog().INSATSU_.get();
        if (!p)
            throw std::logic_error("INSATSU did not open");
        return *p;
    }
    const forms::PrintDocument& lastDocument()
    {
        const auto& docs = rec.recordingPrinter().documents();
        if (docs.empty())
            throw std::logic_error("nothing printed");
        return docs.back();
    }
    static const PrintItem* find(const forms::PrintPage& page, const QString& text)
    {
        for (const PrintItem& i : page.items)
            if (i.text == text)
                return &i;
        return nullptr;
    }
};

// Recorder metrics of the 9.5-point body font: "A" is 95 twips wide and
// 228 twips high; a text of n half-width characters is n * 95 wide.
constexpr double W = 95, H = 228;

TEST_F(TapePrintTest, PrintsColumnsOfSixtyWithRightAlignedNumbersAndValues)
{
    open();
    loadValues(61);
    INSATSU& p = openPrint();
    EXPECT_EQ(shared().ReturnFlag.num(), 1);
    EXPECT_TRUE(p.Option1.Value());
    click(p.Command1);

    const auto& doc = lastDocument();
    ASSERT_EQ(doc.pages.size(), 1u);
    const auto& page = doc.pages[0];
    ASSERT_GE(page.items.size(), 2u);
    EXPECT_EQ(page.items[0].text, " ");
    EXPECT_EQ(page.items[0].fontSize, 12);
    EXPECT_EQ(page.items[1].text, "件数: 61 件　　　合計：18,910.");
    EXPECT_DOUBLE_EQ(page.items[1].x, 7 * W);
    EXPECT_DOUBLE_EQ(page.items[1].y, 2 * H);
    EXPECT_EQ(page.items.size(), 2u + 2 * 61);

    struct Where {
        const char* text;
        double right; // in w
        int line;
    };
    for (const Where& w : {Where{"1:", 11, 1}, Where{"10.", 31, 1}, Where{"60:", 11, 60}, Where{"600.", 31, 60},
                           Where{"61:", 38, 1}, Where{"610.", 58, 1}}) {
        SCOPED_TRACE(w.text);
        const PrintItem* i = find(page, QString::fromUtf8(w.text));
        ASSERT_NE(i, nullptr);
        EXPECT_DOUBLE_EQ(i->x, w.right * W - std::strlen(w.text) * W);
        EXPECT_NEAR(i->y, (3 + 1.2 * w.line) * H, 1e-6);
        EXPECT_EQ(i->fontName, "ＭＳ ゴシック");
        EXPECT_EQ(i->fontSize, 9.5);
    }

    // Printed: the print form is gone and the tape is kept.
    EXPECT_FALSE(prog().INSATSU_.Loaded());
    EXPECT_TRUE(form().isActiveForm());
    EXPECT_EQ(tape().EntryCount, 61);
    EXPECT_EQ(form().G.TextMatrix(61, 1), "610. ");
}

TEST_F(TapePrintTest, WithoutLineNumbersValuesStayInPlace)
{
    open();
    loadValues(61);
    INSATSU& p = openPrint();
    click(p.Option2);
    EXPECT_EQ(tape().PrintLineNoMode, 1);
    click(p.Command1);
    const auto& page = lastDocument().pages.at(0);
    EXPECT_EQ(page.items.size(), 2u + 61);
    EXPECT_EQ(find(page, "1:"), nullptr);
    const PrintItem* v = find(page, "610.");
    ASSERT_NE(v, nullptr);
    EXPECT_DOUBLE_EQ(v->x, 58 * W - 4 * W);
    EXPECT_EQ(tape().PrintLineNoMode, 0); // the adding machine's activation resets it

    // Opened again, it offers line numbers again.
    INSATSU& again = openPrint();
    EXPECT_TRUE(again.Option1.Value());
    EXPECT_FALSE(again.Option2.Value());
    EXPECT_EQ(tape().PrintLineNoMode, 0);
    click(again.Command2);
}

TEST_F(TapePrintTest, EmptyTapePrintsTheHeadingOnly)
{
    open();
    click(openPrint().Command1);
    const auto& doc = lastDocument();
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages[0].texts(), (QStringList{" ", "件数: 0 件　　　合計：0."}));
}

TEST_F(TapePrintTest, FailedPrintWarnsAndKeepsThePrintFormOpen)
{
    open();
    enter(QStringLiteral("5"));
    INSATSU& p = openPrint();
    rec.recordingPrinter().failNextJob(QStringLiteral("no printer"));
    rec.answerNextMessage(MsgResult::OK);
    click(p.Command1);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].text, "印刷できませんでした！");
    EXPECT_EQ(rec.messages()[0].title, "Check");
    EXPECT_EQ(rec.messages()[0].icon, forms::MsgIcon::Exclamation);
    ASSERT_TRUE(prog().INSATSU_.Loaded());

    click(p.Command1); // the next try prints
    EXPECT_EQ(rec.recordingPrinter().documents().size(), 1u);
    EXPECT_EQ(rec.recordingPrinter().pdfFolder().toStdString(), shared().DataFolder.text());
    EXPECT_FALSE(prog().INSATSU_.Loaded());
}

TEST_F(TapePrintTest, CancelPrintsNothingAndKeepsTheTape)
{
    open();
    enter(QStringLiteral("5"));
    click(openPrint().Command2);
    EXPECT_TRUE(rec.recordingPrinter().documents().empty());
    EXPECT_FALSE(prog().INSATSU_.Loaded());
    EXPECT_TRUE(form().isActiveForm());
    EXPECT_EQ(form().G.TextMatrix(1, 1), "5. ");
    EXPECT_EQ(form().Label2.Caption(), "5. ");
    EXPECT_EQ(forms::testing::focusName(form()), "Text1");
}

// Values of 15 digits, positive and negative, and the number "1000:" are
// wider than their fields: each prints in the largest quarter point that
// fits, ending at its field's right edge; no text of a line touches the next.
TEST_F(TapePrintTest, WideNumbersPrintSmallerWithinTheirFields)
{
    AddingTape t;
    for (int k = 1; k <= 1000; ++k)
        t.record(k % 3 == 1 ? 1234567890.0 : k % 3 == 2 ? -123456789012345.0 : 123456789012345.0);
    ASSERT_EQ(printTape(rec.recordingPrinter(), t, true), forms::PrintOutcome::Printed);
    const auto& doc = lastDocument();
    ASSERT_EQ(doc.pages.size(), 5u);

    // Text -> size; the value fields are 15 w, the number fields 4 w.
    const std::map<QString, double> sizes{{"1,234,567,890.", 9.5},
                                          {"-123,456,789,012,345.", 6.75},
                                          {"123,456,789,012,345.", 7.0},
                                          {"999:", 9.5},
                                          {"1000:", 7.5}};
    int checked = 0;
    for (const forms::PrintPage& page : doc.pages) {
        EXPECT_EQ(forms::testing::touchingTexts(page), QStringList{});
        for (const PrintItem& i : page.items) {
            const bool number = i.text.endsWith(':');
            if (i.text.startsWith(QStringLiteral("件数")) || i.text == " ")
                continue;
            SCOPED_TRACE(i.text.toStdString());
            const double right = (i.x + forms::testing::RecordingPrinter::widthTwips(i.text, i.fontSize)) / W;
            const double column = std::floor((right - 10) / 27);   // 0 to 3
            EXPECT_NEAR(right, 27 * column + (number ? 11 : 31), 1e-9);
            EXPECT_GE(i.x / W, 27 * column + (number ? 7 : 16) - 1e-9);
            const auto size = sizes.find(i.text);
            if (size != sizes.end()) {
                EXPECT_EQ(i.fontSize, size->second);
                ++checked;
            } else {
                EXPECT_EQ(i.fontSize, 9.5);
            }
        }
    }
    EXPECT_EQ(checked, 1000 + 2);
    // The size comes back for the heading of the next page.
    EXPECT_EQ(doc.pages[1].items.at(0).text.left(3), "件数:");
    EXPECT_EQ(doc.pages[1].items.at(0).fontSize, 9.5);
}

// The same print rendered into a PDF file by the real printer.
TEST_F(TapePrintTest, RendersReadablePdfPages)
{
    forms::QtPrinter printer{rec, forms::QtPrinter::Target::PdfOnly};
    printer.setPdfFolder(dir.path());
    const QString pdf = dir.filePath("tape.pdf");
    rec.answerNextFileDialog(pdf);
    AddingTape t;
    for (int k = 1; k <= 241; ++k)
        t.record(k * 10);
    ASSERT_EQ(printTape(printer, t, true), forms::PrintOutcome::Printed) << printer.errorText().toStdString();

    const QString text = forms::testing::pdfText(pdf);
    EXPECT_EQ(text.count("件数: 241 件"), 2) << text.toStdString();
    EXPECT_TRUE(text.contains("合計：291,610.")) << text.toStdString();
    EXPECT_TRUE(text.contains("240:")) << text.toStdString();
    EXPECT_TRUE(text.contains("2,410.")) << text.toStdString();
    EXPECT_EQ(text.count(QChar('\f')), 2) << text.toStdString();
    if (qEnvironmentVariableIsSet("ADDING_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("ADDING_KEEP_PDF"));
}

// In the PDF, every line of a tape of 10- and 15-digit values reads as its
// numbers, each a word of its own, none touching the next.
TEST_F(TapePrintTest, PdfKeepsWideValuesApart)
{
    forms::QtPrinter printer{rec, forms::QtPrinter::Target::PdfOnly};
    const QString pdf = dir.filePath("wide.pdf");
    rec.answerNextFileDialog(pdf);
    AddingTape t;
    const double values[] = {4958597967.0, -123456789012345.0, 999999999999999.0, 1234567890.12};
    for (int k = 1; k <= 120; ++k)
        t.record(values[k % 4]);
    ASSERT_EQ(printTape(printer, t, true), forms::PrintOutcome::Printed) << printer.errorText().toStdString();
    if (qEnvironmentVariableIsSet("ADDING_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("ADDING_KEEP_PDF"));

    const auto rows = forms::testing::pdfRows(forms::testing::pdfWords(pdf), 0);
    ASSERT_EQ(rows.size(), 1u + 60);   // the heading, then 60 lines of two columns
    for (int line = 1; line <= 60; ++line) {
        SCOPED_TRACE(line);
        QStringList expected;
        for (int k : {line, line + 60})
            expected << QString::number(k) + ":"
                     << QString::fromStdString(runtime::Format(values[k % 4], "#,0.######"));
        QStringList words;
        for (const auto& w : rows[std::size_t(line)])
            words << w.text;
        EXPECT_EQ(words, expected);
        EXPECT_EQ(forms::testing::touchingWords(rows[std::size_t(line)]), QStringList{});
    }
}

} // namespace
} // namespace sumlet::testing
