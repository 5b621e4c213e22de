// The tally form opened from the menu: start mode, key choice, the period
// boxes, reset and the ways out.
#include "tally_fixture.h"

#include "support/accessible_names.h"

#include <QAction>
#include <functional>

namespace sumlet::testing {
namespace {

using forms::testing::choose;
using forms::testing::chooseItem;
using forms::testing::click;
using forms::testing::typeText;

TEST_F(TallyTest, OpensFromTheMenuInStartMode)
{
    SHUKEI& f = open();
    EXPECT_FALSE(prog().MENU_.Loaded());
    EXPECT_EQ(f.Caption(), "実績集計");
    // In the middle of the screen, wholly in view.
    const QSize screen = rec.ScreenSizeTwips();
    EXPECT_NEAR(f.Left() + f.Width() / 2, screen.width() / 2.0, 60);
    EXPECT_NEAR(f.Top() + f.Height() / 2, screen.height() / 2.0, 60);
    EXPECT_EQ(shared().MaxInputRows.num(), 500);
    ASSERT_EQ(f.G1.Rows(), 501);
    EXPECT_EQ(f.Combo1.ListCount(), 4);
    EXPECT_EQ(f.Combo1.ListIndex(), 0);
    EXPECT_EQ(tally().KeyName.text(), "支払回数");
    const QStringList heading{f.G1.TextMatrix(0, 0), f.G1.TextMatrix(0, 1), f.G1.TextMatrix(0, 2),
                              f.G1.TextMatrix(0, 3)};
    EXPECT_EQ(heading, (QStringList{"NO", "支払回数", "件数", "金　額"}));
    EXPECT_EQ(f.G1.TextMatrix(1, 0), "1 ");
    EXPECT_EQ(f.G1.TextMatrix(500, 0), "500 ");
    EXPECT_EQ(f.Label20.Caption(), "** ");
    EXPECT_EQ(focus(), "Text1");
    EXPECT_EQ(enabled({&f.Command1, &f.Command2, &f.Command3, &f.Command6, &f.Command8, &f.Command9, &f.Command10,
                       &f.G1, &f.Text3, &f.Text4, &f.Text5, &f.Frame3, &f.Command11, &f.Command4, &f.Command5,
                       &f.Command7, &f.Text1, &f.Text2, &f.Combo1}),
              (QStringList{"Command11", "Command4", "Command5", "Command7", "Text1", "Text2", "Combo1"}));
    EXPECT_EQ(forms::testing::accessibleFaults(f), forms::testing::NoFaults);
    // The result grids' copy keys act only from their pop-ups: the text boxes keep Ctrl+C.
    EXPECT_FALSE(f.triggerShortcut(Qt::Key_C, Qt::ControlModifier));
    EXPECT_FALSE(f.triggerShortcut(Qt::Key_P, Qt::ControlModifier));
    EXPECT_EQ(f.MM11.action()->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(f.MM21.action()->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(rec.clipboardClears(), 0);
}

const QString ClickHint = QStringLiteral(
    "● 入力方法＝数字入力して ｴﾝﾀｰ で確定して次項目へ進みます。\r\n"
    "● 移動方法＝↓↑→← ｷｰ か ﾏｳｽｸﾘｯｸで移動できます。\r\n"
    "● 入力終了＝ 店番号入力の最終行に  ｢*｣ ｴﾝﾀｰ するか\r\n"
    "　 　　　　　 「入力確定」ﾎﾞﾀﾝで次の月度分の入力へ進みます。\r\n"
    "※ ｢*｣ 入力行以降の行はカットされますので注意。");
const QString EnterHint = QStringLiteral(
    "● 入力方法＝数字入力して ｴﾝﾀｰ で確定して次項目へ進みます。\r\n"
    "● 移動方法＝↓↑→← ｷｰで移動できます。\r\n"
    "● 入力終了＝ 伝票NO入力の最終行に  ｢*｣ ｴﾝﾀｰ すると\r\n"
    "　 　　　　　 次の月度分の入力へ進みます。\r\n"
    "※ ｢*｣ 入力行以降の行はカットされますので注意。");

TEST_F(TallyTest, KeyChoiceTakesOrRefusesTheCaption)
{
    auto typed = [](const char* text) {
        return [text](SHUKEI& f) {
            f.Combo1.setText(QString());
            typeText(f.Combo1, QString::fromUtf8(text));
        };
    };
    auto pasted = [](const char* text) {   // set as a whole, then Enter
        return [text](SHUKEI& f) {
            f.Combo1.setText(QString::fromUtf8(text));
            typeText(f.Combo1, "\r");
        };
    };
    struct Case {
        const char* what;
        std::function<void(SHUKEI&)> act;
        const char* key;       // KeyName afterwards
        QString hint;          // empty: only line 3 is checked
        bool taken;
        const char* warning;   // a refused caption
    };
    const Case cases[] = {
        {"click 店番号", [](SHUKEI& f) { chooseItem(f.Combo1, 2); }, "店番号", ClickHint, true, nullptr},
        {"click 担当者NO", [](SHUKEI& f) { chooseItem(f.Combo1, 1); }, "担当者NO", {}, true, nullptr},
        {"click 商品NO", [](SHUKEI& f) { chooseItem(f.Combo1, 3); }, "商品NO", {}, true, nullptr},
        {"typed with Enter", typed("伝票NO\r"), "伝票NO", EnterHint, true, nullptr},
        {"empty with Enter", typed("\r"), "", {}, true, nullptr},
        {"typed without Enter", typed("ABC"), "支払回数", {}, false, nullptr},
        // Captions a tally file cannot hold.
        {"double quote", pasted("伝票\"NO"), "支払回数", {}, false, "項目名に使えない文字があります！"},
        {"outside code page 932", pasted("伝票\xF0\x9F\x98\x80"), "支払回数", {}, false, "項目名に使えない文字があります！"},
        {"yen sign", pasted("\xC2\xA5番号"), "支払回数", {}, false, "項目名に使えない文字があります！"},
        {"line feed", pasted("伝票\nNO"), "支払回数", {}, false, "項目名に使えない文字があります！"},
        {"carriage return", pasted("伝票\rNO"), "支払回数", {}, false, "項目名に使えない文字があります！"},
        {"tab", pasted("伝票\tNO"), "支払回数", {}, false, "項目名に使えない文字があります！"},
        {"NUL",
         [](SHUKEI& f) {
             f.Combo1.setText(QStringLiteral("伝票") + QChar(0) + QStringLiteral("NO"));
             typeText(f.Combo1, "\r");
         },
         "支払回数", {}, false, "項目名に使えない文字があります！"},
        {"C1 control character", pasted("伝票\xC2\x85NO"), "支払回数", {}, false, "項目名に使えない文字があります！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SHUKEI& f = open();
        period("4", "6");
        const size_t messages = rec.messages().size();
        if (c.warning)
            rec.answerNextMessage(forms::MsgResult::OK);
        c.act(f);
        const QString key = QString::fromUtf8(c.key);
        EXPECT_EQ(tally().KeyName.text(), c.key);
        EXPECT_EQ(f.G1.TextMatrix(0, 1), key);
        EXPECT_EQ(f.Command6.isEnabled(), c.taken);
        if (c.warning) {
            expectWarning(QString::fromUtf8(c.warning), messages);
            EXPECT_EQ(focus(), "Combo1");
        } else {
            EXPECT_EQ(rec.messages().size(), messages);
        }
        if (c.taken) {
            EXPECT_EQ(f.Combo1.Text(), key);   // the Enter itself does not reach the box
            if (!c.hint.isEmpty()) {
                EXPECT_EQ(f.Label23.Caption(), c.hint);
            }
            EXPECT_EQ(f.Label23.Caption().split("\r\n").value(2).mid(8, key.size()), key);
            EXPECT_EQ(QString::fromStdString(shared().WorkStr), f.Label23.Caption());
            EXPECT_EQ(f.Label20.Caption(), "4 ");
            EXPECT_EQ(focus(), "Command6");
        }
        click(f.Command5);
    }
}

const char* const Month = "月が違います！";
const char* const SixMonths = "６ｹ月以内！";

TEST_F(TallyTest, PeriodsAndTheirMonthLists)
{
    struct Case {
        const char *start, *end;
        const char* warning;           // nullptr: accepted
        std::vector<double> months;    // MonthNo 1..MonthCount when accepted
        const char *label2, *label3;
    };
    const Case cases[] = {
        {"4", "9", nullptr, {4, 5, 6, 7, 8, 9}, "4 ", "9 "},
        {"4", "10", SixMonths, {}, "4 ", ""},
        {"10", "3", nullptr, {10, 11, 12, 1, 2, 3}, "10 ", "3 "},
        {"10", "4", SixMonths, {}, "10 ", ""},
        {"12", "5", nullptr, {12, 1, 2, 3, 4, 5}, "12 ", "5 "},
        {"5", "3", SixMonths, {}, "5 ", ""},
        {"7", "7", nullptr, {7}, "7 ", "7 "},
        {"10", "13", nullptr, {10, 11, 12, 1}, "10 ", "13 "},
        {"8", "", nullptr, {8, 9, 10, 11, 12}, "8 ", " "},
        {"6", "", SixMonths, {}, "6 ", ""},
        {"12", "12", nullptr, {12}, "12 ", "12 "},
        // Refused end months: fewer than one month, a part of a month, out of range.
        {"4", "-20", SixMonths, {}, "4 ", ""},
        {"4", "5.5", SixMonths, {}, "4 ", ""},
        {"4", "1e999", SixMonths, {}, "4 ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " to " + c.end);
        const size_t messages = rec.messages().size();
        const int beeps = rec.beeps();
        SHUKEI& f = open();
        typeText(f.Text1, QString::fromUtf8(c.start) + "\r");
        EXPECT_EQ(focus(), "Text2");
        if (c.warning)
            rec.answerNextMessage(forms::MsgResult::OK);
        typeText(f.Text2, QString::fromUtf8(c.end) + "\r");
        EXPECT_EQ(f.Text1.Text(), "");
        EXPECT_EQ(f.Text2.Text(), "");
        EXPECT_EQ(f.Label2.Caption(), c.label2);
        EXPECT_EQ(f.Label3.Caption(), c.label3);
        if (c.warning) {
            expectWarning(QString::fromUtf8(c.warning), messages);
            EXPECT_EQ(rec.beeps(), beeps + 1);
            EXPECT_EQ(focus(), "Text2");
            EXPECT_EQ(tally().MonthCount.num(), 0);
            EXPECT_FALSE(tally().MonthNo.exists());
        } else {
            EXPECT_EQ(rec.messages().size(), messages);
            EXPECT_EQ(focus(), "Combo1");
            // "ﾃﾞｰﾀ入力" keeps a period that is in force.
            chooseItem(f.Combo1, 0);
            click(f.Command6);
            EXPECT_EQ(f.Label3.Caption(), c.label3);
            ASSERT_EQ(tally().MonthCount.num(), double(c.months.size()));
            ASSERT_EQ(tally().MonthNo.upper(), long(c.months.size()));
            EXPECT_TRUE(tally().MonthNo.get(0).isEmpty());
            for (size_t i = 0; i < c.months.size(); ++i)
                EXPECT_EQ(tally().MonthNo.num(long(i) + 1), c.months[i]) << "month " << i + 1;
        }
        click(f.Command5);
    }
}

TEST_F(TallyTest, StartMonthRefusalsAndNoPeriod)
{
    enum Kind { Refused, NoPeriod, Accepted };
    struct Case {
        const char* typed;
        Kind kind;
        double startAfter;
        const char* label2;
    };
    const Case cases[] = {
        {"00", Refused, 0, "3 "},   {" ", Refused, 0, "3 "},   {"abc", Refused, 0, "3 "},
        {"13", Refused, 13, "3 "},  {"4.5", Refused, 4.5, "3 "}, {"-1", Refused, -1, "3 "},
        {"7", Accepted, 7, "7 "},
        {"1e999", Refused, 7, "7 "},   // beyond the number range: the start month stays
        {"0", NoPeriod, 0, "** "},  {"", NoPeriod, 0, "** "},
    };
    SHUKEI& f = open();
    typeText(f.Text1, "3\r");
    typeText(f.Text2, "4\r");   // a period in force: MonthCount 2
    int warnings = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        f.Text1.SetFocus();
        if (c.kind == Refused)
            rec.answerNextMessage(forms::MsgResult::OK);
        typeText(f.Text1, QString::fromUtf8(c.typed) + "\r");
        EXPECT_EQ(f.Text1.Text(), "");
        EXPECT_EQ(tally().StartMonth.num(), c.startAfter);
        EXPECT_EQ(f.Label2.Caption(), c.label2);
        if (c.kind == Refused)
            expectWarning(Month, size_t(warnings++));
        EXPECT_EQ(focus(), c.kind == Refused ? "Text1" : c.kind == Accepted ? "Text2" : "Combo1");
        if (c.kind == NoPeriod) {
            EXPECT_EQ(f.Label3.Caption(), "** ");
            EXPECT_EQ(tally().MonthCount.num(), 1);
            EXPECT_EQ(tally().EndMonth.num(), 0);
            EXPECT_EQ(tally().MonthNo.upper(), 1);
            EXPECT_EQ(tally().MonthNo.num(1), 0);
        } else {
            EXPECT_EQ(tally().MonthCount.num(), 2);
        }
    }
    EXPECT_EQ(rec.beeps(), warnings);
    // A refused start month is what the end month is compared with.
    rec.answerNextMessage(forms::MsgResult::OK);
    typeText(f.Text1, "13\r");
    f.Text2.SetFocus();
    typeText(f.Text2, "14\r");
    EXPECT_EQ(tally().MonthCount.num(), 2);
    EXPECT_EQ(tally().MonthNo.num(1), 13);
    EXPECT_EQ(tally().MonthNo.num(2), 1);

    // On a new form a start month alone is no period: "ﾃﾞｰﾀ入力" runs one month numbered 0.
    click(f.Command5);
    SHUKEI& g = open();
    typeText(g.Text1, "5\r");
    chooseItem(g.Combo1, 0);
    click(g.Command6);
    EXPECT_EQ(g.Label2.Caption() + g.Label3.Caption(), "** ** ");
    EXPECT_EQ(tally().MonthCount.num(), 1);
    EXPECT_EQ(tally().MonthNo.upper(), 1);
    EXPECT_TRUE(tally().MonthNo.get(1) == runtime::Value(0));
    EXPECT_EQ(tally().EndMonth.num(), 0);
    EXPECT_EQ(tally().StartMonth.num(), 5);
    EXPECT_EQ(enabled({&g.Text3, &g.Text4, &g.Text5, &g.G1, &g.Command6}),
              (QStringList{"Text3", "Text4", "Text5", "G1", "Command6"}));
    EXPECT_EQ(focus(), "Text3");
}

TEST_F(TallyTest, ResetAfterAComputeEmptiesTheTallyAndKeepsEntryUsable)
{
    SHUKEI& f = openForEntry("4", "6");
    typeText(f.Combo1, "伝票NO\r");
    click(f.Command6);
    rows(12);
    star();
    click(f.Command1);   // compute: result grids, labels and buttons filled
    ASSERT_GT(tally().KeyCount.num(), 0);
    ASSERT_TRUE(f.Frame3.isEnabled());
    f.G1.setTopRow(5);
    const int beeps = rec.beeps();
    click(f.Command4);

    const TallyData& t = tally();
    EXPECT_EQ(t.KeyCount.num(), 0);
    EXPECT_EQ(t.MonthCount.num(), 0);
    EXPECT_EQ(t.MonthRows[1].num(), 0);
    EXPECT_FALSE(t.InKey[1].exists());
    EXPECT_EQ(t.StartMonth.num(), 0);
    EXPECT_EQ(shared().MaxInputRows.num(), 500);
    EXPECT_EQ(t.KeyName.text(), "支払回数");
    EXPECT_EQ(t.CurMonth.num(), 1);
    EXPECT_EQ(line(), (Line{1, 1, 900, 1}));
    EXPECT_EQ(f.Text3.Left(), 740);
    EXPECT_EQ(f.G1.Rows(), 501);
    EXPECT_EQ(cells(1), "||");
    EXPECT_EQ(f.G1.TextMatrix(500, 0), "500 ");
    EXPECT_EQ(f.G1.TextMatrix(0, 1), "支払回数");
    for (forms::FlexGrid* g : {&f.G2, &f.G3}) {
        EXPECT_EQ(g->Rows(), 6);
        EXPECT_EQ(g->TextMatrix(0, 0), "NO");
        EXPECT_EQ(g->TextMatrix(0, 1), "");   // the key was empty when the heading was written
        EXPECT_EQ(g->TextMatrix(0, 3), "金　額");
        EXPECT_EQ(g->TextMatrix(1, 1), "");
    }
    QStringList captions;
    for (forms::Label* l : {&f.Label2, &f.Label3, &f.Label8, &f.Label10, &f.Label11, &f.Label15, &f.Label16,
                            &f.Label17, &f.Label18, &f.Label20, &f.Label24, &f.Label25})
        captions << l->Caption();
    EXPECT_EQ(captions, (QStringList{"", "", "", "", "", "", "", "", "", "** ", "", ""}));
    EXPECT_EQ(enabled({&f.Command1, &f.Command2, &f.Command3, &f.Command6, &f.Command8, &f.Command9, &f.Command10,
                       &f.Frame3, &f.G1, &f.Text3, &f.Text4, &f.Text5}),
              (QStringList{"G1", "Text3", "Text4", "Text5"}));
    EXPECT_EQ(rec.beeps(), beeps + 1);
    EXPECT_EQ(focus(), "Text1");
    EXPECT_EQ(f.Combo1.ListCount(), 4);
}

TEST_F(TallyTest, MenuReturnsEmptyTheTallyAndOpenTheMenu)
{
    for (bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "ﾒﾆｭｰに戻る" : "ﾒﾆｭｰへ");
        SHUKEI& f = openForEntry("4", "6");
        rows(3);
        star();
        shared().ReturnFlag = 1;
        if (byMenu)
            choose(f.M6);
        else
            click(f.Command5);
        EXPECT_FALSE(prog().SHUKEI_.Loaded());
        EXPECT_TRUE(prog().MENU_.Loaded());
        EXPECT_EQ(shared().MaxInputRows.num(), 0);
        EXPECT_EQ(shared().ReturnFlag.num(), 0);
        EXPECT_EQ(tally().MonthRows[1].num(), 0);
        EXPECT_FALSE(tally().InKey[1].exists());
        EXPECT_FALSE(tally().MonthNo.exists());
        EXPECT_EQ(tally().KeyName.text(), "");
        // Opened again, the form starts empty.
        SHUKEI& g = open();
        EXPECT_EQ(cells(1), "||");
        EXPECT_EQ(g.Label2.Caption(), "");
        click(g.Command5);
    }
}

TEST_F(TallyTest, EndingTheProgramClosesHelpOnlyFromTheButton)
{
    for (bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "加算・集計器の終了" : "終了");
        forms::testing::RecordingServices services;
        Program p(services, dir.path(), dir.filePath("config"));
        p.start();
        choose(p.MENU_->MX31);   // help opened from the menu
        click(p.MENU_->Command6);
        SHUKEI& f = *p.SHUKEI_.get();
        if (byMenu)
            choose(f.M7);
        else
            click(f.Command7);
        EXPECT_TRUE(services.ended());
        EXPECT_FALSE(p.SHUKEI_.Loaded());
        EXPECT_EQ(services.helpCloseAlls(), byMenu ? 0 : 1);
        EXPECT_EQ(p.shared.HelpOpen.num(), byMenu ? 1 : 0);
    }
}

} // namespace
} // namespace sumlet::testing
