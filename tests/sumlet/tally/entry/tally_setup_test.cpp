// The tally form opened from the menu: controls, start mode and key choice.
#include "tally_fixture.h"

#include "support/accessible_names.h"

#include <QAction>
#include <functional>

namespace sumlet::testing {
namespace {

using forms::testing::click;

TEST_F(TallyTest, OpensFromTheMenuInStartMode)
{
    SHUKEI& f = open();
    EXPECT_FALSE(prog().MENU_.Loaded());
    EXPECT_EQ(f.Caption(), "実績集計");
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

} // namespace
} // namespace sumlet::testing

namespace sumlet::testing {
namespace {

using forms::testing::chooseItem;
using forms::testing::click;
using forms::testing::typeText;

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

TEST_F(TallyTest, KeyChoiceSetsTheKeyHeadingHintAndDataEntryButton)
{
    struct Case {
        const char* what;
        std::function<void(SHUKEI&)> act;
        const char* key;
        QString hint;   // empty: only line 3 is checked
    };
    const Case cases[] = {
        {"click 店番号", [](SHUKEI& f) { chooseItem(f.Combo1, 2); }, "店番号", ClickHint},
        {"click 担当者NO", [](SHUKEI& f) { chooseItem(f.Combo1, 1); }, "担当者NO", {}},
        {"click 商品NO", [](SHUKEI& f) { chooseItem(f.Combo1, 3); }, "商品NO", {}},
        {"typed with Enter", [](SHUKEI& f) { f.Combo1.setText(QString()); typeText(f.Combo1, "伝票NO\r"); }, "伝票NO",
         EnterHint},
        {"empty with Enter", [](SHUKEI& f) { f.Combo1.setText(QString()); typeText(f.Combo1, "\r"); }, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SHUKEI& f = open();
        period("4", "6");
        c.act(f);
        const QString key = QString::fromUtf8(c.key);
        EXPECT_EQ(tally().KeyName.text(), c.key);
        EXPECT_EQ(f.G1.TextMatrix(0, 1), key);
        EXPECT_EQ(f.Combo1.Text(), key);   // the Enter itself does not reach the box
        if (!c.hint.isEmpty()) {
            EXPECT_EQ(f.Label23.Caption(), c.hint);
        }
        EXPECT_EQ(f.Label23.Caption().split("\r\n").value(2).mid(8, key.size()), key);
        EXPECT_EQ(QString::fromStdString(shared().WorkStr), f.Label23.Caption());
        EXPECT_EQ(f.Label20.Caption(), "4 ");
        EXPECT_TRUE(f.Command6.isEnabled());
        EXPECT_EQ(focus(), "Command6");
        click(f.Command5);
    }
}

TEST_F(TallyTest, KeyCaptionsAFileCannotHoldAreRefused)
{
    SHUKEI& f = open();
    int warnings = 0;
    for (const char* typed : {"伝票\"NO", "伝票\xF0\x9F\x98\x80", "\xC2\xA5番号"}) {
        SCOPED_TRACE(typed);
        f.Combo1.setText(QString::fromUtf8(typed));
        rec.answerNextMessage(forms::MsgResult::OK);
        typeText(f.Combo1, "\r");
        expectWarning("項目名に使えない文字があります！", size_t(warnings++));
        EXPECT_EQ(tally().KeyName.text(), "支払回数");
        EXPECT_EQ(f.G1.TextMatrix(0, 1), "支払回数");
        EXPECT_FALSE(f.Command6.isEnabled());
        EXPECT_EQ(focus(), "Combo1");
    }
    // Typing without Enter changes nothing.
    f.Combo1.setText(QString());
    typeText(f.Combo1, "ABC");
    EXPECT_EQ(tally().KeyName.text(), "支払回数");
    EXPECT_FALSE(f.Command6.isEnabled());
}

TEST_F(TallyTest, DataEntryWithoutAPeriodRunsAsOneMonthNumberedZero)
{
    SHUKEI& f = open();
    typeText(f.Text1, "5\r");      // a start month alone is no period
    chooseItem(f.Combo1, 0);
    click(f.Command6);
    EXPECT_EQ(f.Label2.Caption(), "** ");
    EXPECT_EQ(f.Label3.Caption(), "** ");
    EXPECT_EQ(tally().MonthCount.num(), 1);
    EXPECT_EQ(tally().MonthNo.upper(), 1);
    EXPECT_TRUE(tally().MonthNo.get(1) == runtime::Value(0));
    EXPECT_EQ(tally().EndMonth.num(), 0);
    EXPECT_EQ(tally().StartMonth.num(), 5);
    EXPECT_EQ(enabled({&f.Text3, &f.Text4, &f.Text5, &f.G1, &f.Command6}),
              (QStringList{"Text3", "Text4", "Text5", "G1", "Command6"}));
    EXPECT_EQ(focus(), "Text3");

    // With a period, nothing of it changes.
    click(f.Command5);
    SHUKEI& g = openForEntry("11", "2");
    EXPECT_EQ(g.Label2.Caption(), "11 ");
    EXPECT_EQ(g.Label3.Caption(), "2 ");
    EXPECT_EQ(tally().MonthCount.num(), 4);
}

} // namespace
} // namespace sumlet::testing
