// Printer: recorded calls and positions with fixed metrics, page breaks that
// leave no empty sheet, outcomes, and a rendered PDF's text.
#include "forms/layer.h"
#include "forms/testing/form_test.h"
#include "support/print_text.h"
#include "support/qt_print.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <functional>

namespace {

using forms::testing::FormTest;
using forms::testing::RecordingPrinter;
using forms::Orientation;
using forms::PrintItem;
using forms::PrintOutcome;
using forms::ScaleMode;

class PrinterTest : public FormTest {
protected:
    forms::Printer& pr() { return rec.printer(); }
};

TEST_F(PrinterTest, CharacterScaleAndFixedMetrics)
{
    pr().setScaleMode(ScaleMode::Characters);
    pr().setFontName("ＭＳ ゴシック");
    pr().setFontSize(9.5);
    // Half-width "A": 9.5 x 10 twips, at 120 twips a character unit.
    EXPECT_DOUBLE_EQ(pr().TextWidth("A"), 95.0 / 120.0);
    EXPECT_DOUBLE_EQ(pr().TextHeight("A"), 9.5 * 24 / 240.0);
    EXPECT_DOUBLE_EQ(pr().TextWidth("合計ｺﾋﾟｰ"), (2 * 190.0 + 4 * 95.0) / 120.0);
    pr().setScaleMode(ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(pr().TextWidth("A"), 95.0);
}

TEST_F(PrinterTest, PrintPositionsFollowTextAndLineEnds)
{
    pr().setOrientation(Orientation::Portrait);
    pr().setScaleMode(ScaleMode::Characters);
    pr().setFontName("ＭＳ ゴシック");
    pr().setFontSize(12);
    pr().Print(" ");
    pr().setCurrentX(0);
    pr().setCurrentY(0);
    pr().setFontSize(9.5);
    const double w = pr().TextWidth("A"), h = pr().TextHeight("A");
    pr().setCurrentY(2 * h);
    pr().setCurrentX(7 * w);
    pr().PrintContinued("件数:");
    const double afterX = pr().CurrentX();
    pr().Print(" 3 ");
    EXPECT_DOUBLE_EQ(pr().CurrentX(), 0);
    EXPECT_DOUBLE_EQ(pr().CurrentY(), 3 * h);
    // Right-aligned in a field of 4 w starting at 7 w.
    const QString no = "1:";
    pr().setCurrentX(7 * w + 4 * w - pr().TextWidth(no));
    pr().setCurrentY(3 * h + 1.2 * h);
    pr().PrintContinued(no);
    pr().setDrawWidth(3);
    pr().Line(10 * w, 2.6 * h, 50 * w, 2.6 * h);
    ASSERT_EQ(pr().EndDoc(), PrintOutcome::Printed);

    const auto& docs = static_cast<RecordingPrinter&>(pr()).documents();
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].pages.size(), 1u);
    const auto& items = docs[0].pages[0].items;
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(docs[0].pages[0].texts(), QStringList({" ", "件数:", " 3 ", "1:"}));
    EXPECT_EQ(items[0].fontSize, 12);
    EXPECT_DOUBLE_EQ(items[1].scaleX, 7 * w);
    EXPECT_DOUBLE_EQ(items[1].scaleY, 2 * h);
    EXPECT_DOUBLE_EQ(items[2].scaleX, afterX);
    EXPECT_DOUBLE_EQ(items[1].x, 7 * 95.0);          // twips
    EXPECT_DOUBLE_EQ(items[3].scaleX + pr().TextWidth(no), 11 * w);
    EXPECT_EQ(items[4].kind, PrintItem::Line);
    EXPECT_EQ(items[4].drawWidth, 3);
    EXPECT_DOUBLE_EQ(items[4].scaleY2, 2.6 * h);
    EXPECT_FALSE(pr().calls().contains("NewPage"));
    EXPECT_EQ(pr().calls().last(), "EndDoc");
}

// A number wider than its field is printed in the largest quarter-point size
// at which it fits, ending at the field's right edge, on the baseline of the
// full size; the size comes back for what follows. Recorder metrics: a digit
// is size x 10 twips, w = 95 twips at 9.5 points, the ascent 0.8 x 24 x size.
TEST_F(PrinterTest, RightFittedNumbersKeepToTheirField)
{
    const struct Row {
        const char* number;
        double width;   // field, in w
        double size;    // expected
        const char* tail;
        bool endLine;
    } rows[] = {
        {"123", 4, 9.5, "", false},
        {"12345", 5, 9.5, "", true},                  // exactly as wide as the field
        {"12345", 4, 7.5, "", false},                 // 7.6 would fit: 7.5 is the quarter below
        {"12345", 4, 7.5, ":", false},                // the tail goes past the edge
        {"4,958,597,967", 12, 8.75, "", true},
        {"4901234567894", 11, 8.0, "", false},
        {"999,999,999,999,999", 12, 6.0, "", true},   // fits exactly at 6
        {"123456789012345", 7, 4.25, "", false},
        {"123456789012345", 5, 3.0, "", true},
        {"-123456789012345", 5, 2.75, "", false},
        {"", 4, 9.5, "", false},
    };
    auto& rp = static_cast<RecordingPrinter&>(pr());
    pr().setScaleMode(ScaleMode::Characters);
    pr().setFontName("ＭＳ ゴシック");
    pr().setFontSize(9.5);
    const double w = pr().TextWidth("A"), h = pr().TextHeight("A");
    ASSERT_DOUBLE_EQ(w * 120, 95);
    double y = 2;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.number);
        const QString number = QString::fromUtf8(r.number), tail = QString::fromUtf8(r.tail);
        const double right = 20 * w, field = r.width * w;
        pr().setCurrentY(y);
        const qsizetype before = pr().calls().size();
        const double size = pr().PrintRightFitted(number, right, field, r.endLine, tail);
        EXPECT_EQ(size, r.size);
        // The largest quarter point that fits: the next one up is too wide.
        const double fieldTw = field * 120;
        EXPECT_LE(RecordingPrinter::widthTwips(number, size), fieldTw + 1e-9);
        if (size < 9.5) {
            EXPECT_GT(RecordingPrinter::widthTwips(number, size + 0.25), fieldTw);
        }
        // Font calls only around a shrunk number, and the size restored.
        const QStringList calls = pr().calls().mid(before);
        const QString print = "Print " + number + tail + (r.endLine ? "" : ";");
        if (size < 9.5)
            EXPECT_EQ(calls, (QStringList{QString("FontSize %1").arg(size), print, "FontSize 9.5"}));
        else
            EXPECT_EQ(calls, QStringList{print});
        EXPECT_EQ(pr().FontSize(), 9.5);
        // The position afterwards is the full-size one.
        if (r.endLine) {
            EXPECT_DOUBLE_EQ(pr().CurrentX(), 0);
            EXPECT_DOUBLE_EQ(pr().CurrentY(), y + h);
        } else {
            EXPECT_DOUBLE_EQ(pr().CurrentX(), right + pr().TextWidth(tail));
            EXPECT_DOUBLE_EQ(pr().CurrentY(), y);
        }
        if (!number.isEmpty()) {
            const PrintItem& it = pr().currentDocument().pages.back().items.back();
            EXPECT_EQ(it.text, number + tail);
            EXPECT_EQ(it.fontSize, size);
            EXPECT_DOUBLE_EQ(it.x + RecordingPrinter::widthTwips(number, size), right * 120);
            EXPECT_GE(it.x, right * 120 - fieldTw - 1e-9);
            // Same baseline as the full size: the top lower by the ascent saved.
            EXPECT_NEAR(it.y, y * 240 + 0.8 * 24 * (9.5 - size), 1e-9);
        }
        y += 2;
    }
    EXPECT_EQ(pr().EndDoc(), PrintOutcome::Printed);
    EXPECT_EQ(rp.documents().back().pages[0].items.size(), std::size(rows) - 1);
}

TEST_F(PrinterTest, PageBreakTakesEffectOnlyWhenSomethingFollows)
{
    auto& rp = static_cast<RecordingPrinter&>(pr());
    struct Case { const char* script; int pages; };
    // P = print a text, N = new page, L = line.
    const Case cases[] = {{"PN", 1}, {"PNP", 2}, {"PNNP", 2}, {"PNL", 2}, {"PNPN", 2}, {"", 0}, {"N", 0}};
    for (const Case& c : cases) {
        for (const char* s = c.script; *s; ++s) {
            if (*s == 'P') pr().Print("x");
            if (*s == 'N') pr().NewPage();
            if (*s == 'L') pr().Line(0, 0, 1, 1);
        }
        const size_t before = rp.documents().size();
        const PrintOutcome r = pr().EndDoc();
        if (c.pages == 0) {
            EXPECT_EQ(r, PrintOutcome::Empty) << c.script;
            EXPECT_EQ(rp.documents().size(), before) << c.script;
        } else {
            ASSERT_EQ(r, PrintOutcome::Printed) << c.script;
            EXPECT_EQ(int(rp.documents().back().pages.size()), c.pages) << c.script;
        }
    }
}

TEST_F(PrinterTest, FailuresAreReportedNotPrinted)
{
    auto& rp = static_cast<RecordingPrinter&>(pr());
    rp.failNextJob("offline");
    pr().Print("x");
    EXPECT_EQ(pr().EndDoc(), PrintOutcome::Failed);
    EXPECT_EQ(pr().errorText(), "offline");
    rp.cancelNextJob();
    pr().Print("x");
    EXPECT_EQ(pr().EndDoc(), PrintOutcome::Cancelled);
    EXPECT_TRUE(rp.documents().empty());
    // The next job starts clean.
    pr().Print("y");
    EXPECT_EQ(pr().EndDoc(), PrintOutcome::Printed);
    EXPECT_EQ(rp.documents().back().pages[0].texts(), QStringList({"y"}));
}

// The Qt printer, told to print to a file, asks for the file through the
// services (scripted here) and renders through QPrinter.
class QtPrinterTest : public FormTest {
protected:
    forms::QtPrinter printer{rec, forms::QtPrinter::Target::PdfOnly};

    void printJapanesePages()
    {
        printer.setPdfFolder(dir.path());
        printer.setOrientation(Orientation::Landscape);
        printer.setScaleMode(ScaleMode::Characters);
        printer.setFontName("ＭＳ 明朝");
        printer.setFontSize(12);
        printer.Print(" ");
        printer.setCurrentX(0);
        printer.setCurrentY(0);
        printer.setFontName("ＭＳ ゴシック");
        printer.setFontSize(9.5);
        const double w = printer.TextWidth("A"), h = printer.TextHeight("A");
        printer.setCurrentX(10 * w);
        printer.setCurrentY(3 * h);
        printer.Print("集計結果一覧表 ﾃﾞｰﾀ入力 NextPage↓");
        printer.setDrawWidth(2);
        printer.Line(10 * w, 5 * h, 60 * w, 5 * h);
        printer.NewPage();
        printer.setCurrentX(10 * w);
        printer.setCurrentY(3 * h);
        printer.Print("合　計 ｺﾋﾟｰ");
        printer.NewPage();   // nothing follows: no third sheet
    }
};

TEST_F(QtPrinterTest, RendersAPdfWithJapaneseAndHalfWidthKatakana)
{
    const QString pdf = dir.filePath("out.pdf");
    rec.answerNextFileDialog(pdf);
    printJapanesePages();
    ASSERT_EQ(printer.EndDoc(), PrintOutcome::Printed) << printer.errorText().toStdString();
    ASSERT_EQ(rec.fileDialogs().size(), 1u);
    EXPECT_TRUE(rec.fileDialogs()[0].save);
    EXPECT_EQ(rec.fileDialogs()[0].options.initialDir, dir.path());
    EXPECT_TRUE(rec.fileDialogs()[0].options.overwritePrompt);
    EXPECT_EQ(rec.fileDialogs()[0].options.title, "PDFファイルに印刷");

    const QString text = forms::testing::pdfText(pdf);
    EXPECT_TRUE(text.contains("集計結果一覧表")) << text.toStdString();
    EXPECT_TRUE(text.contains("ﾃﾞｰﾀ入力")) << text.toStdString();
    EXPECT_TRUE(text.contains("NextPage↓")) << text.toStdString();
    EXPECT_TRUE(text.contains("ｺﾋﾟｰ")) << text.toStdString();
    // Two pages: pdftotext separates pages by form feeds.
    EXPECT_EQ(text.count(QChar('\f')), 2) << text.toStdString();
}

// A rule of drawing width n is n/600 inch thick in a PDF, width 1 included:
// its ink across the rule, rendered at 600 dpi, is n pixels.
TEST_F(QtPrinterTest, PdfRulesKeepTheirWidth)
{
    forms::PrintDocument doc;
    doc.pages.emplace_back();
    const int widths[] = {1, 3, 6};
    for (int i = 0; i < 3; ++i) {
        PrintItem line;
        line.kind = PrintItem::Line;
        line.x = 1440;
        line.x2 = 5 * 1440;
        line.y = line.y2 = 1440 * (i + 1);
        line.drawWidth = widths[i];
        doc.pages.back().items.push_back(line);
    }
    const QString pdf = dir.filePath("rules.pdf");
    QString error;
    ASSERT_TRUE(forms::QtPrinter::renderPdf(doc, pdf, error)) << error.toStdString();

    // One pixel column through the middle of the rules, 600 dpi, grey levels.
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed";
    QProcess proc;
    proc.start(pdftoppm, {"-r", "600", "-gray", "-x", "1800", "-y", "0", "-W", "1", "-H", "2400", pdf,
                          dir.filePath("col")});
    ASSERT_TRUE(proc.waitForFinished(30000));
    QFile pgm(dir.filePath("col-1.pgm"));
    ASSERT_TRUE(pgm.open(QIODevice::ReadOnly));
    const QByteArray bytes = pgm.readAll();
    ASSERT_TRUE(bytes.startsWith("P5\n1 2400\n255\n"));
    const QByteArray column = bytes.mid(bytes.size() - 2400);
    // The ink of each run of inked rows, top to bottom.
    std::vector<double> runs;
    bool inRun = false;
    for (char c : column) {
        const double ink = (255 - static_cast<unsigned char>(c)) / 255.0;
        if (ink > 0.02) {
            if (!inRun) runs.push_back(0);
            runs.back() += ink;
        }
        inRun = ink > 0.02;
    }
    ASSERT_EQ(runs.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(runs[size_t(i)], widths[i], 0.25) << "width " << widths[i];
}

TEST_F(QtPrinterTest, CancelledFileDialogPrintsNothing)
{
    rec.cancelNextFileDialog();
    printJapanesePages();
    EXPECT_EQ(printer.EndDoc(), PrintOutcome::Cancelled);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// A file that cannot be written fails and stays as it was; a link stays a
// link and its target gets the pages.
TEST_F(QtPrinterTest, UnwritableFileIsAFailure)
{
    const auto plain = [&](const char* name, QFile::Permissions mode) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
        f.close();
        EXPECT_TRUE(f.setPermissions(mode));
    };
    const struct Row {
        const char* name;
        std::function<void()> prepare;
        const char* target;   // the file the dialog answers
        const char* landed;   // where the pages go; nullptr when refused
    } rows[] = {
        {"missing folder", [] {}, "missing-folder/out.pdf", nullptr},
        {"read-only file", [&] { plain("ro.pdf", QFile::ReadOwner | QFile::ReadOther); }, "ro.pdf", nullptr},
        {"a folder", [&] { QDir(dir.path()).mkdir("dir.pdf"); }, "dir.pdf", nullptr},
        {"link to a missing file", [&] { QFile::link("new.pdf", dir.filePath("link.pdf")); }, "link.pdf", "new.pdf"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        r.prepare();
        rec.answerNextFileDialog(dir.filePath(r.target));
        printJapanesePages();
        EXPECT_EQ(printer.EndDoc(), r.landed ? PrintOutcome::Printed : PrintOutcome::Failed);
        EXPECT_EQ(printer.errorText().isEmpty(), r.landed != nullptr);
        QFile file(dir.filePath(r.landed ? r.landed : r.target));
        if (r.landed) {
            EXPECT_TRUE(QFileInfo(dir.filePath(r.target)).isSymLink());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.readAll().startsWith("%PDF"));
        } else if (QFileInfo(file).isFile()) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), "old");
        }
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing-folder")));
}

} // namespace
