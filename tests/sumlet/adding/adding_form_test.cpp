// The adding machine through its form: entry line, echo, grid, clear, copy.
#include "adding_fixture.h"

#include <cmath>

namespace sumlet::testing {
namespace {

using forms::MsgResult;
using forms::testing::click;
using forms::testing::typeText;

TEST_F(AddingTest, OperatorCodesGiveTheValueRecorded)
{
    struct Case {
        const char* line;
        double value;
        const char* shown; // grid cell of the entry
    };
    const Case cases[] = {
        {"5+-3", 2, "2. "},        {"-5+-3", -8, "-8. "},   {"5--3", 8, "8. "},
        {"5*-3", -15, "-15. "},    {"-5*3", -15, "-15. "},  {"5/-2", -2.5, "-2.5 "},
        {"5-3", 2, "2. "},         {"-5-3", -8, "-8. "},    {"--5", -5, "-5. "},
        {"5-", 5, "5. "},          {"5*", 0, "0. "},        {"", 0, "0. "},
        {"-", 0, "0. "},           {"2+3*4", 8, "8. "},     {"1,000", 1, "1. "},
        {"1-+2+-3", -2, "-2. "},   // "+-" is looked for before "-+"
        {"8/2*3", 24, "24. "},     // "*" before "/"
        {"7++2", 9, "9. "},        {"2.5+1.25", 3.75, "3.75 "},
        {" **", 0, "0. "},         {"＊＊", 0, "0. "},       {"1 2", 12, "12. "},
        {"&H10", 16, "16. "},      {"1500", 1500, "1,500. "},
        {"0.1234567", 0.1234567, "0.123457 "},
        {"-0", 0, "0. "},
    };
    SUMLET& f = open();
    double total = 0;
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        enter(QString::fromUtf8(c.line));
        ++n;
        total += c.value;
        ASSERT_EQ(tape().EntryCount, n);
        EXPECT_DOUBLE_EQ(tape().value(n), c.value);
        EXPECT_EQ(f.G.TextMatrix(n, 1).toStdString(), c.shown);
        EXPECT_DOUBLE_EQ(tape().EntryTotal, total);
        EXPECT_EQ(f.Text1.Text(), "");
        EXPECT_EQ(f.Label1.Caption(), "");
    }
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(AddingTest, EchoFormatsNumbersAndShowsOtherTextAsTyped)
{
    SUMLET& f = open();
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1."},       {"1234", "1,234."}, {"1,000", "1,000."}, {"12.5", "12.5"},
        {"0.1234567", "0.123457"}, {"-5", "-5"}, {"3/4", "3/4"},     {"5*", "5*"},
        {"2+3", "2+3"},    {"abc", "abc"},     {"**", "**"},         {" 7 ", "7."},
    };
    for (const auto& [typed, echo] : cases) {
        SCOPED_TRACE(typed);
        f.Text1.setText(QString());
        typeText(f.Text1, QString::fromUtf8(typed));
        EXPECT_EQ(f.Label1.Caption().toStdString(), echo);
    }
    typeText(f.Text1, QStringLiteral("\b\b\b"));
    EXPECT_EQ(f.Label1.Caption(), "");
    // Every key updates the echo.
    QStringList seen;
    for (QChar ch : QStringLiteral("12345")) {
        typeText(f.Text1, QString(ch));
        seen << f.Label1.Caption();
    }
    EXPECT_EQ(seen, (QStringList{"1.", "12.", "123.", "1,234.", "12,345."}));
}

TEST_F(AddingTest, EntriesFillGridLabelsAndHiddenColumn)
{
    SUMLET& f = open();
    EXPECT_EQ(f.G.Rows(), 1001);
    EXPECT_EQ(f.G.Cols(), 3);
    EXPECT_EQ(f.G.ColWidth(2), 0);
    EXPECT_EQ(f.G.TextMatrix(0, 0), "NO");
    EXPECT_EQ(f.G.TextMatrix(1000, 0), "1000 ");
    EXPECT_EQ(screen(), (Screen{}));

    for (const char* v : {"100", "250.5", "-30"})
        enter(QString::fromUtf8(v));
    EXPECT_EQ(column(0, 4), (QStringList{"1 ", "2 ", "3 ", "4 "}));
    EXPECT_EQ(column(1, 4), (QStringList{"100. ", "250.5 ", "-30. ", ""}));
    EXPECT_EQ(column(2, 3), (QStringList{"件数＝3", "合計＝320.5", ""}));
    EXPECT_EQ(screen(), (Screen{"", "320.5 ", "3 ", "", "", "件数＝3", "合計＝320.5", ""}));
    EXPECT_EQ(f.G.Row(), 2);
    EXPECT_EQ(f.G.Col(), 2);
    EXPECT_EQ(forms::testing::focusName(f), "Text1");

    enter(QStringLiteral("1500"));
    EXPECT_EQ(f.Label2.Caption(), "1,820.5 ");
    enter(QStringLiteral("-1820.5"));
    EXPECT_EQ(f.G.TextMatrix(2, 2), "合計＝0.");
    EXPECT_EQ(f.Label2.Caption(), "0. ");
}

TEST_F(AddingTest, CopyPutsHeadingAndTapeRowsWithHiddenColumn)
{
    SUMLET& f = open();
    click(f.Command6);
    EXPECT_EQ(rec.clipboard(), "NO\t\t");
    EXPECT_EQ(rec.clipboardClears(), 1);

    enter(QStringLiteral("5"));
    click(f.Command6);
    EXPECT_EQ(rec.clipboard(), "NO\t\t\r1 \t5. \t件数＝1");

    enter(QStringLiteral("100"));
    enter(QStringLiteral("-30"));
    rec.chooseInNextPopup(QStringLiteral("M41"));
    forms::testing::clickCell(f.G, 1, 1, Qt::RightButton);
    EXPECT_EQ(rec.popups(), QStringList{"M4"});
    const QString tape3 = "NO\t\t\r1 \t5. \t件数＝3\r2 \t100. \t合計＝75.\r3 \t-30. \t";
    EXPECT_EQ(rec.clipboard(), tape3);
    EXPECT_EQ(f.G.Row(), 1);
    EXPECT_EQ(f.G.Col(), 1);
    EXPECT_EQ(f.G.RowSel(), 1);
    EXPECT_EQ(f.G.ColSel(), 1);

    // Ctrl+C in the entry line copies the tape, not the line's text.
    rec.ClipboardSetText(QString());
    typeText(f.Text1, QStringLiteral("42"));
    f.Text1.selectAll();
    forms::testing::pressKey(f.Text1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(rec.clipboard(), tape3);
    EXPECT_EQ(f.Text1.Text(), "42");

    // A left click on the grid only sends the focus back to the entry line.
    forms::testing::clickCell(f.G, 2, 1);
    EXPECT_EQ(rec.popups().size(), 1);
    EXPECT_EQ(forms::testing::focusName(f), "Text1");
}

TEST_F(AddingTest, ClearKeepsPreviousCountAndTotal)
{
    SUMLET& f = open();
    click(f.Command2); // an empty tape
    EXPECT_EQ(f.Label4.Caption(), "0. ");
    EXPECT_EQ(f.Label6.Caption(), "0 ");
    EXPECT_EQ(rec.beeps(), 1);

    for (int k = 1; k <= 12; ++k)
        enter(QString::number(k * 10));
    typeText(f.Text1, QStringLiteral("9"));
    click(f.Command2);
    EXPECT_EQ(screen(), (Screen{"", "", "", "780. ", "12 ", "件数＝12", "合計＝780.", ""}));
    EXPECT_EQ(column(1, 12), QStringList(12, QString()));
    EXPECT_EQ(f.G.TopRow(), 1);
    EXPECT_EQ(tape().EntryCount, 0);
    EXPECT_EQ(tape().EntryTotal, 0);
    EXPECT_EQ(rec.beeps(), 2);

    // New entries overwrite the old slots; "**" Enter clears as the button does.
    enter(QStringLiteral("7"));
    EXPECT_EQ(column(1, 2), (QStringList{"7. ", ""}));
    EXPECT_EQ(screen(), (Screen{"", "7. ", "1 ", "780. ", "12 ", "件数＝1", "合計＝7.", ""}));
    click(f.Command6);
    EXPECT_EQ(rec.clipboard(), "NO\t\t\r1 \t7. \t件数＝1");
    enter(QStringLiteral("**"));
    EXPECT_EQ(screen(), (Screen{"", "", "", "7. ", "1 ", "件数＝1", "合計＝7.", ""}));
    EXPECT_EQ(tape().EntryCount, 0);
    EXPECT_EQ(rec.beeps(), 3);
    EXPECT_EQ(forms::testing::focusName(f), "Text1");
}

// Lines whose value, or the total with it, is beyond the double range are
// refused: the tape, its labels, its file and its print stay finite.
TEST_F(AddingTest, InputErrorsWarnAndRecordNothing)
{
    SUMLET& f = open();
    enter(QStringLiteral("1E308"));
    const Screen before = screen();
    const QStringList cells = column(1, 3);
    const char* const lines[] = {"10/0", "0/0", "-3/0", "1e999", "2*1e999", "1e308*10", "-1e308-1e308", "1e308",
                                 "1e308+1e308", "1e308++1e308", "1e200*1e200", "-1e200*1e200", "1e308/0.1"};
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        rec.answerNextMessage(MsgResult::OK);
        const int beeps = rec.beeps();
        enter(QString::fromUtf8(line));
        ASSERT_FALSE(rec.messages().empty());
        const auto& m = rec.messages().back();
        EXPECT_EQ(m.text, "入力エラー！");
        EXPECT_EQ(m.title, "Check");
        EXPECT_EQ(m.icon, forms::MsgIcon::Exclamation);
        EXPECT_EQ(rec.beeps(), beeps + 1);
        EXPECT_EQ(tape().EntryCount, 1);
        EXPECT_EQ(tape().EntryTotal, 1e308);
        EXPECT_EQ(column(1, 3), cells);
        EXPECT_EQ(screen(), before);
        EXPECT_EQ(forms::testing::focusName(f), "Text1");
    }
    EXPECT_EQ(rec.messages().size(), std::size(lines));

    // The one value on the tape is shown, saved and printed with its digits.
    const QString value = QStringLiteral("100") + QStringLiteral(",000").repeated(102) + QStringLiteral(".");
    EXPECT_EQ(f.Label2.Caption(), value + " ");
    EXPECT_EQ(f.G.TextMatrix(1, 1), value + " ");
    EXPECT_EQ(f.G.TextMatrix(2, 2), QStringLiteral("合計＝1") + QString(308, QLatin1Char('0')) + ".");
    rec.answerNextFileDialog(dir.filePath("big.ADT"));
    forms::testing::choose(f.M12);
    EXPECT_EQ(fileBytes("big.ADT"), "1,1E+308,1\r\n1E+308\r\n");
    forms::testing::clickToolbar(f.Toolbar1, 3);
    ASSERT_NE(prog().INSATSU_.get(), nullptr);
    click(prog().INSATSU_->Command1);
    ASSERT_EQ(rec.recordingPrinter().documents().size(), 1u);
    QStringList printed;
    for (const auto& page : rec.recordingPrinter().documents().back().pages)
        for (const auto& item : page.items)
            printed << item.text;
    EXPECT_EQ(printed, (QStringList{" ", QStringLiteral("件数: 1 件　　　合計：") + value, "1:", value}));
}

TEST_F(AddingTest, TopRowKeepsTheLastTenRowsInView)
{
    SUMLET& f = open();
    std::vector<int> tops;
    for (int k = 1; k <= 12; ++k) {
        enter(QStringLiteral("1"));
        tops.push_back(f.G.TopRow());
    }
    EXPECT_EQ(tops, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3}));
}

TEST_F(AddingTest, GuidePanelShowsElevenLines)
{
    SUMLET& f = open();
    EXPECT_FALSE(f.Picture1.Visible());
    click(f.Command4);
    EXPECT_TRUE(f.Picture1.isVisible());
    // Eleven lines joined by CR LF, no break before the first or after the last.
    const QStringList lines{
        "● 加算のみです。",
        "● 入力確定はエンターキーのみです。",
        "● 数字キーで数字を入れてエンターキーを",
        "　 押すと加算されます。",
        "● 戻って訂正や取消はできません。",
        "● ＋－×÷ は各入力毎一度だけ使えます。",
        "● ﾌｧｲﾙを開いて継続して入力できます。",
        "● ｢クリア｣ボタンで直前の合計分が表示",
        "　 されますので検算に便利です。",
        "● １０００件までです。",
        "● 「**」ｴﾝﾀｰでクリアボタンと同じです。",
    };
    EXPECT_EQ(f.Label3.Caption(), lines.join(QStringLiteral("\r\n")));
    EXPECT_EQ(QString::fromStdString(shared().WorkStr), f.Label3.Caption());
    EXPECT_EQ(forms::testing::focusName(f), "Text1");
    click(f.Command5);
    EXPECT_FALSE(f.Picture1.isVisible());
    EXPECT_EQ(forms::testing::focusName(f), "Text1");
}

TEST_F(AddingTest, EntryLineLiesUnderTheExitButton)
{
    SUMLET& f = open();
    EXPECT_EQ(f.Text1.Left(), 5880);
    EXPECT_EQ(f.Text1.Top(), 5280);
    EXPECT_EQ(f.Text1.Width(), 735);
    EXPECT_EQ(f.Text1.Height(), 255);
    const QPoint inside = f.Text1.geometry().center();
    EXPECT_EQ(f.client()->childAt(inside), &f.Command1);
}

} // namespace
} // namespace sumlet::testing
