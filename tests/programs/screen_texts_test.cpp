// What the user reads. Numbers on screen are never cut: a label or grid cell
// whose number is wider than its control draws it on one line in a smaller
// size of its own font, just small enough but no smaller than two thirds of
// it, past that with its middle left out; drawn so, its hover shows it whole.
// The accessible name keeps the whole text. Headings show whole.
#include "support/sumlet_fixture.h"

#include "forms/qt_services.h"
#include "forms/testing/driver.h"
#include "support/qt_print.h"
#include "forms/units.h"
#include "quorvel/formula/suusiki_form.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"
#include "sumlet/adding/sumlet_form.h"
#include "sumlet/tally/print/ichiran_form.h"
#include "sumlet/tally/shukei_form.h"
#include "support/accessible_names.h"
#include "runtime/cp932.h"

#include <QAccessible>
#include <QFontInfo>
#include <QHeaderView>
#include <QStyle>
#include <QLabel>
#include <QFontMetricsF>
#include <QStyleOptionHeader>
#include <QTest>
#include <QToolTip>
#include <cmath>
#include <functional>

namespace {

using forms::testing::choose;
using forms::testing::click;
using forms::testing::typeText;

using WholeNumbers = sumlet::testing::SumletTest;

double advance(const QFont& f, const QString& text, const QWidget* w)
{
    return QFontMetricsF(f, w).horizontalAdvance(text);
}

// `drawn` holds the whole of `text` in `room` pixels on one line, and is the
// base font where that fits, else the largest quarter-point size that does.
void expectWhole(const QString& where, const QString& text, const QFont& drawn, const QFont& base, int room,
                 const QWidget* w)
{
    SCOPED_TRACE(where.toStdString() + " \"" + text.toStdString() + "\"");
    ASSERT_TRUE(forms::isNumberText(text));
    EXPECT_FALSE(text.contains('\n'));
    EXPECT_EQ(drawn.family(), base.family());
    EXPECT_EQ(drawn.bold(), base.bold());
    EXPECT_LE(advance(drawn, text, w), room);
    if (advance(base, text, w) <= room) {
        EXPECT_EQ(drawn.pointSizeF(), base.pointSizeF());
        return;
    }
    EXPECT_LT(drawn.pointSizeF(), base.pointSizeF());
    QFont bigger = drawn;
    bigger.setPointSizeF(drawn.pointSizeF() + 0.25);
    EXPECT_GT(advance(bigger, text, w), room) << "drawn smaller than needed";
}

// The least size a number is drawn in: two thirds of `base`, in quarter points.
double leastSize(const QFont& base) { return std::ceil(base.pointSizeF() * 2 / 3 * 4) / 4; }

// What a hover over `at` in `w` shows as a tool tip ("" for none).
QString hoverTip(QWidget* w, QPoint at)
{
    QHelpEvent e(QEvent::ToolTip, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &e);
    const QString tip = QToolTip::isVisible() ? QToolTip::text() : QString();
    // Gone at once: a hidden tip fades out and would still be read next time.
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->objectName() == QStringLiteral("qtooltip_label")) delete t;
    return tip;
}

// A tool tip that shows `text` whole in `base`.
void expectToolTipOf(const QString& tip, const QString& text, const QFont& base)
{
    QTextDocument doc;
    doc.setHtml(tip);
    EXPECT_EQ(doc.toPlainText().toStdString(), text.trimmed().toStdString()) << tip.toStdString();
    QTextCursor at(&doc);
    at.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(at.charFormat().font().pointSizeF(), base.pointSizeF()) << tip.toStdString();
    EXPECT_EQ(at.charFormat().font().families().value(0).toStdString(), base.family().toStdString());
}

// How a number is drawn in `room` pixels: never below the least size; whole
// where it fits in that size (then as expectWhole has it), else in that size
// with its middle left out, both ends kept. `tip` is what a hover shows.
void expectFitted(const QString& where, const QString& text, const forms::FittedText& drawn, const QFont& base,
                  int room, const QWidget* w, const QString& tip)
{
    SCOPED_TRACE(where.toStdString() + " \"" + text.toStdString() + "\"");
    QFont least = base;
    least.setPointSizeF(leastSize(base));
    EXPECT_GE(drawn.font.pointSizeF(), least.pointSizeF());
    if (advance(least, text, w) <= room) {
        EXPECT_EQ(drawn.text, text);
        expectWhole(where, text, drawn.font, base, room, w);
    } else if (advance(least, text.trimmed(), w) <= room) {
        EXPECT_EQ(drawn.font.pointSizeF(), least.pointSizeF());
        EXPECT_EQ(drawn.text, text.trimmed());
    } else {
        EXPECT_EQ(drawn.font.pointSizeF(), least.pointSizeF());
        EXPECT_LE(advance(drawn.font, drawn.text, w), room);
        const qsizetype cut = drawn.text.indexOf(QChar(0x2026));
        ASSERT_GT(cut, 0) << drawn.text.toStdString();
        const QString left = drawn.text.left(cut), right = drawn.text.mid(cut + 1);
        EXPECT_TRUE(text.trimmed().startsWith(left) && text.trimmed().endsWith(right)) << drawn.text.toStdString();
        EXPECT_GE(left.size(), 2) << drawn.text.toStdString();
        EXPECT_GE(right.size(), 2) << drawn.text.toStdString();
    }
    if (drawn.font.pointSizeF() < base.pointSizeF()) expectToolTipOf(tip, text, base);
    else EXPECT_EQ(tip, QString());
}

// A label's number as expectFitted has it; a screen reader hears it whole.
void expectFittedLabel(forms::Label& l, const std::string& text)
{
    EXPECT_EQ(l.text(), QString::fromStdString(text)) << l.Name().toStdString();
    expectFitted(l.Name(), l.text(), l.drawnNumber(), l.font(), l.numberRect().width(), &l,
                 hoverTip(&l, l.rect().center()));
    EXPECT_EQ(forms::testing::accessibleText(&l), l.text());
}

// Every number cell of a grid's data rows; returns how many are drawn smaller.
int expectFittedCells(const forms::FlexGrid& g)
{
    int shrunk = 0;
    for (int r = 1; r < g.Rows(); ++r)
        for (int c = 1; c < g.Cols(); ++c) {
            const QString t = g.TextMatrix(r, c);
            if (!forms::isNumberText(t) || g.ColWidth(c) == 0) continue;
            const forms::FittedText drawn = g.drawnCell(r, c);
            expectFitted(QStringLiteral("%1(%2, %3)").arg(g.Name()).arg(r).arg(c), t, drawn, g.font(),
                         g.cellTextRoom(c), &g, g.cellToolTip(r, c));
            shrunk += drawn.font.pointSizeF() < g.font().pointSizeF();
        }
    return shrunk;
}

// The cell of `g` that holds `text` is drawn as expectFitted has it, its
// hover shows its whole text and a screen reader hears it whole.
void expectFittedCell(forms::FlexGrid& g, const QString& text)
{
    int row = -1, col = -1;
    for (int r = 1; r < g.Rows() && row < 0; ++r)
        for (int c = 1; c < g.Cols() && row < 0; ++c)
            if (g.TextMatrix(r, c) == text) row = r, col = c;
    ASSERT_GE(row, 1) << g.Name().toStdString() << " has no \"" << text.toStdString() << "\"";
    const QModelIndex i = g.model().index(row, col);
    g.scrollTo(i);
    const QString tip = hoverTip(g.viewport(), g.visualRect(i).center());
    expectFitted(QStringLiteral("%1(%2, %3)").arg(g.Name()).arg(row).arg(col), text, g.drawnCell(row, col), g.font(),
                 g.cellTextRoom(col), &g, tip);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&g);
    ASSERT_TRUE(table && table->tableInterface());
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, col);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), text.toStdString());
}

// Keys of 13 and 15 digits, a count of 15 digits and a key that fits.
const char* const LongKeys[] = {"4901234567894 ", "123456789012345 ", "987654321098765 ", "7 "};
const std::string LongKeysFile = "1,\"商品NO\",4,4\r\n3\r\n4\r\n"
                                 "4901234567894,1,100\r\n123456789012345,2,200\r\n7,987654321098765,300\r\n";

TEST_F(WholeNumbers, LongKeysAndCountsInEveryGrid)
{
    start();
    click(prog().MENU_->Command6);
    sumlet::SHUKEI& f = *prog().SHUKEI_;
    writeFile("KEYS.SUK", *runtime::toCp932(LongKeysFile));
    rec.answerNextFileDialog(dir.filePath("KEYS.SUK"));
    choose(f.M2);
    ASSERT_TRUE(rec.messages().empty());
    for (forms::FlexGrid* g : {&f.G1, &f.G2, &f.G3}) {
        SCOPED_TRACE(g->Name().toStdString());
        for (const char* t : LongKeys) expectFittedCell(*g, QString::fromLatin1(t));
    }
    bool listed = false;
    rec.onNextModal("ICHIRAN", [&](forms::Form& form) {
        auto& list = static_cast<sumlet::ICHIRAN&>(form);
        for (const char* t : LongKeys) expectFittedCell(list.G4, QString::fromLatin1(t));
        listed = true;
        form.Unload();
    });
    click(f.Command10);
    EXPECT_TRUE(listed);
}

// The lowest pixel row with ink in `l`'s number rectangle, in `in`'s coordinates.
int inkBottom(forms::Label& l, const QWidget& in)
{
    const QImage shot = l.grab().toImage();
    const QRect r = l.numberRect();
    for (int y = r.bottom(); y >= r.top(); --y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(shot.pixel(x, y)) < 160) return l.mapTo(&in, QPoint(0, y)).y();
    return -1;
}

// A count drawn smaller stands on the line of the full-size amount beside it
// (amounts without a comma, whose tail reaches below the line).
TEST_F(WholeNumbers, ShrunkTotalsStayOnTheLineOfTheirAmounts)
{
    start();
    click(prog().MENU_->Command6);
    sumlet::SHUKEI& f = *prog().SHUKEI_;
    writeFile("TWO.SUK", *runtime::toCp932(std::string("2,\"店番号\",1,2\r\n1,1\r\n1\r\n2\r\n"
                                                        "5,14000,100\r\n5,982,200\r\n")));
    rec.answerNextFileDialog(dir.filePath("TWO.SUK"));
    choose(f.M2);
    ASSERT_TRUE(rec.messages().empty());
    struct Row {
        forms::Label& count;
        forms::Label& amount;
        const char* text;
    } rows[] = {{f.Label15, f.Label16, "14000 "}, {f.Label18, f.Label17, "14982 "}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.count.Name().toStdString());
        expectFittedLabel(row.count, row.text);
        ASSERT_LT(row.count.drawnFont().pointSizeF(), row.count.font().pointSizeF());
        ASSERT_EQ(row.amount.drawnFont(), row.amount.font());
        ASSERT_EQ(row.count.y(), row.amount.y());
        const int amountLine = inkBottom(row.amount, f.Frame3);
        ASSERT_GT(amountLine, 0);
        EXPECT_NEAR(inkBottom(row.count, f.Frame3), amountLine, 1);
    }
}

// The adding machine's echo keeps its line as the entry grows too wide.
TEST_F(WholeNumbers, EchoLineKeepsItsBaselineWhenDrawnSmaller)
{
    start();
    click(prog().MENU_->Command8);
    sumlet::SUMLET& f = *prog().SUMLET_;
    typeText(f.Text1, QStringLiteral("-9"));
    ASSERT_EQ(f.Label1.text(), "-9");
    ASSERT_EQ(f.Label1.drawnFont(), f.Label1.font());
    const int full = inkBottom(f.Label1, f);
    ASSERT_GT(full, 0);
    typeText(f.Text1, QStringLiteral("9999999999999999999"));
    expectFittedLabel(f.Label1, "-99999999999999999999");
    ASSERT_LT(f.Label1.drawnFont().pointSizeF(), f.Label1.font().pointSizeF());
    EXPECT_NEAR(inkBottom(f.Label1, f), full, 1);
}

// The key heading of every grid shows its caption whole, in the grid's font
// and at the column's own width.
TEST_F(WholeNumbers, KeyHeadingShowsWholeInEveryGrid)
{
    start();
    click(prog().MENU_->Command6);
    sumlet::SHUKEI& f = *prog().SHUKEI_;
    writeFile("STAFF.SUK", *runtime::toCp932(std::string("1,\"担当者NO\",4,4\r\n1\r\n4\r\n12,3,4500\r\n")));
    rec.answerNextFileDialog(dir.filePath("STAFF.SUK"));
    choose(f.M2);
    ASSERT_TRUE(rec.messages().empty());
    const QString key = QStringLiteral("担当者NO");
    auto check = [&](forms::FlexGrid& g) {
        SCOPED_TRACE(g.Name().toStdString());
        ASSERT_EQ(g.TextMatrix(0, 1), key);
        // The room the heading row gives a caption: where its style draws it,
        // and what the caption is elided to.
        const QHeaderView& h = *g.horizontalHeader();
        QStyleOptionHeader o;
        o.initFrom(&h);
        o.rect = QRect(h.sectionViewportPosition(1), 0, h.sectionSize(1), h.height());
        o.text = key;
        const QRect room = h.style()->subElementRect(QStyle::SE_HeaderLabel, &o, &h);
        EXPECT_LE(advance(h.font(), key, &h), room.width());
        EXPECT_TRUE(o.rect.contains(room));
        EXPECT_EQ(h.font(), g.font());
        EXPECT_EQ(g.ColWidth(1), &g == &f.G1 ? 1000 : 900);
    };
    for (forms::FlexGrid* g : {&f.G1, &f.G2, &f.G3}) check(*g);
    bool listed = false;
    rec.onNextModal("ICHIRAN", [&](forms::Form& form) {
        check(static_cast<sumlet::ICHIRAN&>(form).G4);
        listed = true;
        form.Unload();
    });
    click(f.Command10);
    EXPECT_TRUE(listed);
}

// Six months of 500 rows (counts 1-9, amounts up to 999,999) and their sums.
struct BigTally {
    std::string file = "6,\"商品NO\",1,6\r\n500,500,500,500,500,500\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";
    long long month1Count = 0, month1Amount = 0, count = 0, amount = 0;
    BigTally()
    {
        unsigned x = 12345;
        for (int m = 0; m < 6; ++m)
            for (int i = 0; i < 500; ++i) {
                x = x * 1103515245u + 12345u;
                const long long c = 1 + (x >> 16) % 9;
                const long long a = 999999 - (x >> 8) % 2000;
                file += std::to_string(100 + i % 50) + "," + std::to_string(c) + "," + std::to_string(a) + "\r\n";
                count += c;
                amount += a;
                if (m == 0) {
                    month1Count += c;
                    month1Amount += a;
                }
            }
    }
};

// 1234567 -> "1,234,567 "
std::string grouped(long long v)
{
    const std::string d = std::to_string(v);
    std::string out;
    for (size_t i = 0; i < d.size(); ++i) {
        if (i > 0 && (d.size() - i) % 3 == 0) out += ',';
        out += d[i];
    }
    return out + " ";
}

TEST_F(WholeNumbers, TallyTotalsOfSixMonthsOfFiveHundredRows)
{
    start();
    click(prog().MENU_->Command6);
    sumlet::SHUKEI& f = *prog().SHUKEI_;
    const BigTally big;
    writeFile("BIG.SUK", *runtime::toCp932(big.file));
    rec.answerNextFileDialog(dir.filePath("BIG.SUK"));
    choose(f.M2);
    ASSERT_TRUE(rec.messages().empty());

    // The period's totals are the widest: each needs a smaller size.
    expectFittedLabel(f.Label18, std::to_string(big.count) + " ");
    expectFittedLabel(f.Label17, grouped(big.amount));
    EXPECT_LT(f.Label18.drawnFont().pointSizeF(), f.Label18.font().pointSizeF());
    EXPECT_LT(f.Label17.drawnFont().pointSizeF(), f.Label17.font().pointSizeF());
    expectFittedLabel(f.Label15, std::to_string(big.month1Count) + " ");
    expectFittedLabel(f.Label16, grouped(big.month1Amount));
    expectFittedLabel(f.Label24, std::to_string(big.month1Count) + " ");
    expectFittedLabel(f.Label25, grouped(big.month1Amount));
    expectFittedCells(f.G1);
    expectFittedCells(f.G2);
    expectFittedCells(f.G3);

    // A caption or a text that is no number keeps the label's own font.
    EXPECT_EQ(f.Label19.drawnFont(), f.Label19.font());
    EXPECT_EQ(f.Label23.drawnFont(), f.Label23.font());
}

TEST_F(WholeNumbers, SixMonthListOfTenDigitAmounts)
{
    start();
    click(prog().MENU_->Command6);
    sumlet::SHUKEI& f = *prog().SHUKEI_;
    std::string file = "6,\"店番号\",7,12\r\n2,2,2,2,2,2\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n";
    for (int m = 0; m < 6; ++m) file += "1,99,9999999999\r\n2,1,5\r\n";
    writeFile("LIST.SUK", *runtime::toCp932(file));
    rec.answerNextFileDialog(dir.filePath("LIST.SUK"));
    choose(f.M2);
    ASSERT_TRUE(rec.messages().empty());

    int shrunk = -1;
    rec.onNextModal("ICHIRAN", [&](forms::Form& form) {
        auto& list = static_cast<sumlet::ICHIRAN&>(form);
        EXPECT_EQ(list.G4.TextMatrix(1, 3), "9,999,999,999 ");
        EXPECT_EQ(list.G4.TextMatrix(1, 15), "59,999,999,994 ");
        shrunk = expectFittedCells(list.G4);
        form.Unload();
    });
    click(f.Command10);
    // The ten-digit amounts and their totals needed a smaller size; the small ones did not.
    EXPECT_GE(shrunk, 8);
}

TEST_F(WholeNumbers, AddingMachineTotalOfFifteenDigits)
{
    start();
    click(prog().MENU_->Command8);
    sumlet::SUMLET& f = *prog().SUMLET_;
    typeText(f.Text1, QStringLiteral("999999999999999\r"));
    expectFittedLabel(f.Label2, "999,999,999,999,999. ");
    expectFittedCells(f.G);
    EXPECT_EQ(f.G.TextMatrix(1, 1), "999,999,999,999,999. ");
    // Past fifteen digits the label may clip, but still draws on one line.
    typeText(f.Text1, QStringLiteral("-99999999999999\r"));
    expectFittedLabel(f.Label2, "900,000,000,000,000. ");
}

// The keypad display keeps its overflow rule (twelve integer digits at most);
// its widest result is drawn whole in both layouts, a short one in its own size.
TEST_F(WholeNumbers, KeypadDisplayInBothLayouts)
{
    quorvel::Program program{rec, dir.path()};
    program.QUORVEL_.Show();
    quorvel::QUORVEL& f = *program.QUORVEL_;
    for (bool big : {false, true}) {
        SCOPED_TRACE(big ? "big layout" : "small layout");
        if (big != (program.shared.BigLayout.num() == 1)) click(f.Command31);
        forms::testing::typeKeypad(f.Text1, "0-999999999999\r");
        expectWhole(f.Label1.Name(), f.Label1.text(), f.Label1.drawnFont(), f.Label1.font(),
                    f.Label1.numberRect().width(), &f.Label1);
        EXPECT_EQ(f.Label1.text(), "-999,999,999,999.");
        forms::testing::typeKeypad(f.Text1, "7\r");
        EXPECT_EQ(f.Label1.text(), "7.");
        EXPECT_EQ(f.Label1.drawnFont(), f.Label1.font());
    }
}

} // namespace
