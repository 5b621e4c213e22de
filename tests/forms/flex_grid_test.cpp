// FlexGrid and its model: texts, Clip, current cell and selection, TopRow, widths, events.
#include "forms/flex_grid_model.h"
#include "forms/layer.h"
#include "forms/testing/form_test.h"
#include "support/qt_print.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <utility>

namespace {

using forms::testing::FormTest;

class GridForm : public forms::Form {
public:
    explicit GridForm(forms::Program& p) : Form(p, "GRID")
    {
        setClientSize(6000, 4500);
        G.Move(120, 120, 4000, 2880);   // 10 data rows of 240 twips below the heading row
        G.setRows(3);
        G.setCols(3);
        G.SelChange = [this] { log << QStringLiteral("Sel %1,%2-%3,%4").arg(G.Row()).arg(G.Col()).arg(G.RowSel()).arg(G.ColSel()); };
        G.Click = [this] { log << "Click"; };
        G.MouseDown = [this](int b, int s, double x, double y) {
            log << QStringLiteral("Down %1/%2").arg(b).arg(s);
            downAt = {x, y};
        };
    }
    forms::FlexGrid G{this, "G"};
    QStringList log;
    std::pair<double, double> downAt{-1, -1};   // X, Y of the last MouseDown
};

class GridTest : public forms::testing::SingleFormTest<GridForm> {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        f.Show();
    }
    forms::FlexGrid& g() { return f->G; }
    void fill(int rows, int cols)
    {
        g().setRows(rows);
        g().setCols(cols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) g().setTextMatrix(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
    }
};

TEST_F(GridTest, ClipJoinsTheSelectionWithTabsAndCarriageReturns)
{
    fill(4, 3);
    struct Case { int row, col, rowSel, colSel; const char* clip; };
    const Case cases[] = {
        {0, 0, 3, 2, "0.0\t0.1\t0.2\r1.0\t1.1\t1.2\r2.0\t2.1\t2.2\r3.0\t3.1\t3.2"},
        {1, 1, 1, 1, "1.1"},
        {2, 2, 1, 1, "1.1\t1.2\r2.1\t2.2"},   // the far corner may lie above/left
        {0, 0, 0, 2, "0.0\t0.1\t0.2"},
        {1, 0, 2, 0, "1.0\r2.0"},
    };
    for (const Case& c : cases) {
        g().setRow(c.row);
        g().setCol(c.col);
        g().setRowSel(c.rowSel);
        g().setColSel(c.colSel);
        EXPECT_EQ(g().Clip(), QString::fromUtf8(c.clip)) << c.row << c.col << c.rowSel << c.colSel;
    }
    // Never-set cells read as empty texts, separators stay.
    g().setRows(6);
    g().setRow(4);
    g().setCol(0);
    g().setRowSel(5);
    g().setColSel(2);
    EXPECT_EQ(g().Clip(), QString("\t\t\r\t\t"));
}

TEST_F(GridTest, SettingRowOrColCollapsesTheSelection)
{
    fill(5, 4);
    g().setRow(1);
    g().setCol(1);
    g().setRowSel(4);
    g().setColSel(3);
    EXPECT_TRUE(g().cellSelected(3, 2));
    g().setRow(2);
    EXPECT_EQ(g().RowSel(), 2);
    EXPECT_EQ(g().ColSel(), 1);
    g().setColSel(3);
    g().setCol(0);
    EXPECT_EQ(g().RowSel(), 2);
    EXPECT_EQ(g().ColSel(), 0);
    EXPECT_EQ(g().Text(), "2.0");
    EXPECT_FALSE(g().cellSelected(2, 1));
    // Code changes raise no SelChange.
    EXPECT_TRUE(f->log.isEmpty());
    EXPECT_THROW(g().setRow(5), forms::FormsError);
    EXPECT_THROW(g().TextMatrix(0, 4), forms::FormsError);
}

TEST_F(GridTest, OutOfRangeValuesRaiseTheirNumbers)
{
    fill(4, 3);
    forms::FlexGrid& grid = g();
    struct Case { const char* what; std::function<void()> call; int number; };
    const Case cases[] = {
        {"setRow(4)", [&] { grid.setRow(4); }, 30009},
        {"setRow(-1)", [&] { grid.setRow(-1); }, 30009},
        {"setRowSel(4)", [&] { grid.setRowSel(4); }, 30009},
        {"setTopRow(-1)", [&] { grid.setTopRow(-1); }, 30009},
        {"setRows(0)", [&] { grid.setRows(0); }, 30009},
        {"setCol(3)", [&] { grid.setCol(3); }, 30010},
        {"setColSel(-1)", [&] { grid.setColSel(-1); }, 30010},
        {"setCols(0)", [&] { grid.setCols(0); }, 30010},
        {"TextMatrix(4, 0)", [&] { grid.TextMatrix(4, 0); }, 381},
        {"setTextMatrix(0, 3)", [&] { grid.setTextMatrix(0, 3, "x"); }, 381},
        {"setColWidth(3)", [&] { grid.setColWidth(3, 100); }, 381},
        {"ColWidth(-1)", [&] { grid.ColWidth(-1); }, 381},
        {"setColAlignment(3)", [&] { grid.setColAlignment(3, 4); }, 381},
        {"setFixedAlignment(-1)", [&] { grid.setFixedAlignment(-1, 4); }, 381},
    };
    for (const Case& c : cases) {
        int number = 0;
        try {
            c.call();
        } catch (const forms::FormsError& e) {
            number = e.Number();
        }
        EXPECT_EQ(number, c.number) << c.what;
    }
    // The last index of each is in range; nothing moved.
    grid.setRow(3);
    grid.setCol(2);
    grid.setColWidth(2, 600);
    EXPECT_EQ(grid.ColWidth(2), 600);
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.TextMatrix(3, 2), "3.2");
}

TEST_F(GridTest, UserSelectionRaisesEventsInOrder)
{
    fill(5, 4);
    forms::testing::clickCell(g(), 2, 3);
    EXPECT_EQ(f->log, QStringList({"Down 1/0", "Sel 2,3-2,3", "Click"}));
    EXPECT_EQ(g().Row(), 2);
    EXPECT_EQ(g().Col(), 3);
    f->log.clear();
    forms::testing::clickCell(g(), 4, 1, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(f->log, QStringList({"Down 1/1", "Sel 2,3-4,1", "Click"}));
    EXPECT_EQ(g().Clip(), "2.1\t2.2\t2.3\r3.1\t3.2\t3.3\r4.1\t4.2\t4.3");
    // Right button: MouseDown only, the selection stays.
    f->log.clear();
    forms::testing::clickCell(g(), 1, 1, Qt::RightButton);
    EXPECT_EQ(f->log, QStringList({"Down 2/0"}));
    EXPECT_EQ(g().RowSel(), 4);
    // On the heading row: MouseDown and Click, no selection change.
    f->log.clear();
    forms::testing::clickCell(g(), 0, 2, Qt::RightButton);
    forms::testing::clickCell(g(), 0, 0);
    EXPECT_EQ(f->log, QStringList({"Down 2/0", "Down 1/0", "Click"}));
    // Middle button and Shift, on a data cell, the heading row and the fixed
    // column: button 4 and the pressed point in the grid's twips.
    struct Press { int row, col; Qt::MouseButton button; Qt::KeyboardModifiers mods; const char* down; };
    const Press presses[] = {
        {3, 2, Qt::MiddleButton, Qt::NoModifier, "Down 4/0"},
        {0, 3, Qt::MiddleButton, Qt::NoModifier, "Down 4/0"},
        {2, 0, Qt::LeftButton, Qt::ShiftModifier, "Down 1/1"},
        {0, 1, Qt::RightButton, Qt::ShiftModifier, "Down 2/1"},
        {1, 3, Qt::RightButton, Qt::NoModifier, "Down 2/0"},
    };
    for (const Press& p : presses) {
        f->log.clear();
        f->downAt = {-1, -1};
        forms::testing::clickCell(g(), p.row, p.col, p.button, p.mods);
        ASSERT_FALSE(f->log.isEmpty()) << p.row << "," << p.col;
        EXPECT_EQ(f->log.front(), p.down) << p.row << "," << p.col;
        const QPoint centre = g().cellRect(p.row, p.col).center();
        EXPECT_EQ(f->downAt, std::make_pair(forms::twips(centre.x()), forms::twips(centre.y())))
            << p.row << "," << p.col;
        EXPECT_EQ(g().RowSel(), 4) << "the selection stays";
    }
    // Keys move the current cell as the user's change.
    f->log.clear();
    g().setRow(1);
    g().setCol(1);
    QTest::keyClick(&g(), Qt::Key_Down);
    EXPECT_EQ(f->log, QStringList({"Sel 2,1-2,1"}));
}

TEST_F(GridTest, TopRowScrollsAndClampsToTheLastPage)
{
    g().setRows(1001);
    g().setTopRow(5);
    EXPECT_EQ(g().TopRow(), 5);
    EXPECT_EQ(g().rowAt(0), 5);            // first row under the heading
    g().setTopRow(1000);                    // clamped so that the last page is full
    const int visible = g().viewport()->height() / g().rowHeight(1);
    EXPECT_EQ(g().TopRow(), 1001 - visible);
    g().setTopRow(1);
    EXPECT_EQ(g().TopRow(), 1);
    EXPECT_EQ(g().rowAt(0), 1);
    // The user's scrolling moves TopRow too.
    g().verticalScrollBar()->setValue(9);
    EXPECT_EQ(g().TopRow(), 10);
}

// Whether row r (column c) starts right at the viewport's edge and the last
// one ends inside it.
bool wholeAtTop(const forms::FlexGrid& g, int r) { return g.rowAt(0) == r && g.rowViewportPosition(r) == 0; }
bool wholeAtLeft(const forms::FlexGrid& g, int c) { return g.columnAt(0) == c && g.columnViewportPosition(c) == 0; }

TEST_F(GridTest, ScrollsByWholeRowsAlsoAtTheEnd)
{
    g().setRows(1001);
    g().setTopRow(991);
    EXPECT_TRUE(wholeAtTop(g(), g().TopRow())) << g().TopRow();
    // Viewport heights that leave 0, 1, 8 and 15 pixels of a 16-pixel row.
    for (const int spare : {0, 1, 8, 15}) {
        for (const int fullRows : {5, 10, 11, 14}) {
            SCOPED_TRACE(QStringLiteral("%1 rows + %2 px").arg(fullRows).arg(spare).toStdString());
            const int rowPx = g().rowHeight(1);
            const int chrome = g().height() - g().viewport()->height();
            g().setHeight(forms::twips(chrome + fullRows * rowPx + spare));
            ASSERT_EQ(g().viewport()->height(), fullRows * rowPx + spare);
            const int last = 1001 - fullRows;   // the last rows show, the top one whole
            struct Way { const char* how; std::function<void()> scroll; int top; };
            const Way ways[] = {
                {"TopRow 991", [&] { g().setTopRow(991); }, std::min(991, last)},
                {"TopRow 1000", [&] { g().setTopRow(1000); }, last},
                {"scroll bar at its end", [&] { g().verticalScrollBar()->setValue(g().verticalScrollBar()->maximum()); }, last},
                {"scroll bar at 500", [&] { g().verticalScrollBar()->setValue(499); }, 500},
                {"wheel from 990 down", [&] {
                     g().setTopRow(990);
                     QWheelEvent w(QPointF(5, 5), g().viewport()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                     QApplication::sendEvent(g().viewport(), &w);
                 }, std::min(990 + QApplication::wheelScrollLines(), last)},
            };
            for (const Way& w : ways) {
                SCOPED_TRACE(w.how);
                w.scroll();
                EXPECT_EQ(g().TopRow(), w.top);
                EXPECT_TRUE(wholeAtTop(g(), w.top)) << g().rowAt(0) << " at " << g().rowViewportPosition(g().rowAt(0));
                if (w.top == last) {
                    EXPECT_LE(g().rowViewportPosition(1000) + rowPx, g().viewport()->height());
                }
            }
        }
    }
}

TEST_F(GridTest, ScrollsByWholeColumnsAlsoAtTheEnd)
{
    fill(3, 40);
    for (int c = 1; c < 40; ++c) g().setColWidth(c, 600 + 150 * (c % 5));   // 40 to 80 pixels
    for (const int width : {3000, 3333, 4010}) {
        SCOPED_TRACE(width);
        g().setWidth(width);
        QScrollBar* bar = g().horizontalScrollBar();
        for (const int value : {0, 7, bar->maximum()}) {
            bar->setValue(value);
            const int first = g().columnAt(0);
            EXPECT_TRUE(wholeAtLeft(g(), first)) << value << ": column " << first << " at "
                                                 << g().columnViewportPosition(first);
        }
        EXPECT_LE(g().columnViewportPosition(39) + g().columnWidth(39), g().viewport()->width());
    }
}

TEST_F(GridTest, WidthsInTwipsAndZeroHides)
{
    fill(3, 3);
    g().setColWidth(0, 600);
    g().setColWidth(1, 1700);
    g().setColWidth(2, 0);
    EXPECT_EQ(g().verticalHeader()->width(), 40);
    EXPECT_EQ(g().columnWidth(1), 113);
    EXPECT_TRUE(g().isColumnHidden(2));
    EXPECT_EQ(g().ColWidth(2), 0);
    // A hidden column still holds its texts and is part of Clip.
    g().setRow(0);
    g().setCol(0);
    g().setRowSel(2);
    g().setColSel(2);
    EXPECT_EQ(g().Clip(), "0.0\t0.1\t0.2\r1.0\t1.1\t1.2\r2.0\t2.1\t2.2");
    g().setColWidth(2, 300);
    EXPECT_FALSE(g().isColumnHidden(2));
}

TEST_F(GridTest, AlignmentsOfFixedAndOtherCells)
{
    fill(3, 3);
    g().setFixedAlignment(0, 4);
    g().setColAlignment(0, 7);
    g().setColAlignment(1, 7);
    g().setColAlignment(2, 4);
    auto align = [this](int r, int c) -> Qt::Alignment {
        if (r == 0) return Qt::Alignment(g().model().headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        if (c == 0) return Qt::Alignment(g().model().headerData(r, Qt::Vertical, Qt::TextAlignmentRole).toInt());
        return Qt::Alignment(g().model().data(g().model().index(r, c), Qt::TextAlignmentRole).toInt());
    };
    EXPECT_EQ(align(0, 0), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(align(1, 0), Qt::AlignHCenter | Qt::AlignVCenter);   // fixed column: fixed alignment
    EXPECT_EQ(align(1, 1), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(align(2, 2), Qt::AlignHCenter | Qt::AlignVCenter);
    // General alignment: numbers right, texts left.
    g().setTextMatrix(1, 1, "1,500. ");
    g().setColAlignment(1, 9);
    EXPECT_EQ(align(1, 1), Qt::AlignRight | Qt::AlignVCenter);
    g().setTextMatrix(1, 1, "件数＝3");
    EXPECT_EQ(align(1, 1), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST(GridModelTest, AlignmentOfEachValue)
{
    using forms::FlexGridModel;
    struct Case { int a; const char* text; Qt::Alignment want; };
    const Case cases[] = {
        {0, "x", Qt::AlignLeft | Qt::AlignTop},
        {1, "1", Qt::AlignLeft | Qt::AlignVCenter},
        {2, "x", Qt::AlignLeft | Qt::AlignBottom},
        {3, "x", Qt::AlignHCenter | Qt::AlignTop},
        {4, "1", Qt::AlignHCenter | Qt::AlignVCenter},
        {5, "x", Qt::AlignHCenter | Qt::AlignBottom},
        {6, "x", Qt::AlignRight | Qt::AlignTop},
        {7, "x", Qt::AlignRight | Qt::AlignVCenter},
        {8, "x", Qt::AlignRight | Qt::AlignBottom},
        {9, " -1,234.5 ", Qt::AlignRight | Qt::AlignVCenter},
        {9, "1.2.3", Qt::AlignLeft | Qt::AlignVCenter},
        {9, "", Qt::AlignLeft | Qt::AlignVCenter},
        {-1, "12", Qt::AlignRight | Qt::AlignVCenter},   // out of range: general
        {10, "合計", Qt::AlignLeft | Qt::AlignVCenter},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlexGridModel::alignmentOf(c.a, QString::fromUtf8(c.text)), c.want) << c.a << " " << c.text;
}

TEST(GridModelTest, ResizeKeepsTextsAndAlignments)
{
    forms::FlexGridModel m;
    m.resize(3, 2);
    m.setCell(2, 1, "2.1");
    m.setCell(0, 0, "head");
    m.setColAlignment(1, 7);
    m.resize(3, 4);                    // columns added after the kept ones
    EXPECT_EQ(m.cell(2, 1), "2.1");
    EXPECT_EQ(m.cell(2, 3), "");
    EXPECT_EQ(m.colAlignment(1), 7);
    EXPECT_EQ(m.colAlignment(3), 9);   // new columns: general
    m.resize(2, 1);                    // cut rows and columns
    EXPECT_EQ(m.rowCount(), 2);
    EXPECT_EQ(m.columnCount(), 1);
    EXPECT_EQ(m.cell(0, 0), "head");
    EXPECT_EQ(m.cell(2, 1), "");       // outside reads as empty
    m.resize(3, 2);
    EXPECT_EQ(m.cell(2, 1), "");       // cut texts do not come back
    m.clearTexts();
    EXPECT_EQ(m.cell(0, 0), "");
    EXPECT_EQ(m.colAlignment(1), 9);   // the cut column's alignment went with it
}

TEST_F(GridTest, ClearRowsAndColsKeepTexts)
{
    fill(4, 3);
    g().setRows(2);
    g().setRows(4);
    EXPECT_EQ(g().TextMatrix(1, 2), "1.2");
    EXPECT_EQ(g().TextMatrix(3, 2), "");     // cut rows come back empty
    g().setCols(4);
    EXPECT_EQ(g().TextMatrix(1, 2), "1.2");
    g().setRow(3);
    g().setRows(2);                           // current row follows the cut
    EXPECT_EQ(g().Row(), 1);
    g().Clear();
    EXPECT_EQ(g().TextMatrix(0, 0), "");
    EXPECT_EQ(g().Rows(), 2);
    EXPECT_EQ(g().Cols(), 4);
    g().setRows(1);                           // the heading row alone
    EXPECT_EQ(g().Rows(), 1);
}

TEST_F(GridTest, HighlightModes)
{
    fill(3, 3);
    g().setRow(1);
    g().setCol(1);
    g().setRowSel(2);
    g().setHighLight(0);
    EXPECT_FALSE(g().selectionShown());
    g().setHighLight(1);
    EXPECT_TRUE(g().selectionShown());
    g().setHighLight(2);
    g().SetFocus();
    EXPECT_TRUE(g().selectionShown());
}

} // namespace
