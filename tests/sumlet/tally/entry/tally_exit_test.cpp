// Reset, return to the menu and the two ways of ending the program.
#include "tally_fixture.h"

namespace sumlet::testing {
namespace {

using forms::testing::choose;
using forms::testing::click;
using forms::testing::typeText;

TEST_F(TallyTest, ResetEmptiesTheTallyAndKeepsEntryUsable)
{
    SHUKEI& f = openForEntry("4", "6");
    typeText(f.Combo1, "伝票NO\r");
    click(f.Command6);
    rows(12);
    star();
    f.G2.setRows(9);
    f.Frame3.setEnabled(true);
    for (forms::Label* l : {&f.Label8, &f.Label10, &f.Label11, &f.Label15, &f.Label16, &f.Label17, &f.Label18})
        l->setCaption("x");
    tally().KeyCount = 3;
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
