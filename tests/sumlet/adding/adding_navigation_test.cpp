// The adding machine among the program's forms: activation, menu, exit,
// capacity, toolbar commands.
#include "adding_fixture.h"

namespace sumlet::testing {
namespace {

using forms::testing::choose;
using forms::testing::click;
using forms::testing::clickToolbar;

TEST_F(AddingTest, ActivationKeepsTheTapeAfterDialogsAndChildForms)
{
    SUMLET& f = open();
    EXPECT_FALSE(prog().MENU_.Loaded());
    EXPECT_EQ(shared().MaxInputRows.num(), 1000);
    EXPECT_TRUE(tape().exists());
    enter(QStringLiteral("12"));
    enter(QStringLiteral("30"));

    // The version box over a form that has not used a dialog yet (ReturnFlag 0).
    rec.onNextModal(QStringLiteral("VER"), [](forms::Form& v) { v.Unload(); });
    choose(f.M33);
    EXPECT_EQ(shared().ReturnFlag.num(), 0);
    EXPECT_EQ(tape().EntryCount, 2);
    EXPECT_EQ(f.G.TextMatrix(2, 1), "30. ");
    EXPECT_EQ(f.Label2.Caption(), "42. ");

    choose(f.M14);
    tape().PrintLineNoMode = 1;
    click(prog().INSATSU_->Command2);
    EXPECT_EQ(tape().PrintLineNoMode, 0); // every activation resets it
    EXPECT_EQ(tape().EntryCount, 2);
    EXPECT_EQ(column(1, 3), (QStringList{"12. ", "30. ", ""}));
    EXPECT_EQ(f.G.TextMatrix(5, 0), "5 ");
}

TEST_F(AddingTest, BackToTheMenuEmptiesEverythingAndClosesThePrintForm)
{
    SUMLET& f = open();
    enter(QStringLiteral("12"));
    click(f.Command2);
    enter(QStringLiteral("5"));
    choose(f.M14);
    ASSERT_TRUE(prog().INSATSU_.Loaded());
    click(f.Command3);
    EXPECT_FALSE(prog().INSATSU_.Loaded());
    EXPECT_FALSE(prog().SUMLET_.Loaded());
    EXPECT_TRUE(prog().MENU_.Loaded());
    EXPECT_EQ(shared().ReturnFlag.num(), 0);
    EXPECT_EQ(shared().MaxInputRows.num(), 0);
    EXPECT_FALSE(tape().exists());
    EXPECT_EQ(tape().EntryCount, 0);
    EXPECT_EQ(tape().EntryTotal, 0);

    // The tape is made on the first activation whatever the flag holds.
    shared().ReturnFlag = 1;
    click(prog().MENU_->Command8);
    SUMLET& again = form();
    EXPECT_EQ(screen(), (Screen{}));
    EXPECT_EQ(again.G.TextMatrix(1, 1), "");
    EXPECT_TRUE(tape().exists());
    enter(QStringLiteral("3"));
    EXPECT_EQ(again.Label2.Caption(), "3. ");
}

class AddingExitTest : public AddingTest, public ::testing::WithParamInterface<int> {};

TEST_P(AddingExitTest, ClosesHelpAndThePrintFormAndEndsTheProgram)
{
    SUMLET& f = open();
    clickToolbar(f.Toolbar1, 5);
    EXPECT_EQ(shared().HelpOpen.num(), 1);
    choose(f.M14);
    if (GetParam() == 0)
        click(f.Command1);
    else
        choose(f.M16);
    EXPECT_TRUE(rec.ended());
    EXPECT_EQ(rec.helpCloseAlls(), 1);
    EXPECT_EQ(shared().HelpOpen.num(), 0);
    EXPECT_FALSE(prog().INSATSU_.Loaded());
    EXPECT_FALSE(prog().SUMLET_.Loaded());
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, AddingExitTest, ::testing::Values(0, 1));

TEST_F(AddingTest, ToolbarAndMenuStartTheCalculatorAndHelp)
{
    SUMLET& f = open();
    clickToolbar(f.Toolbar1, 4);
    choose(f.M21);
    ASSERT_EQ(rec.processes().size(), 2u);
    EXPECT_TRUE(rec.processes()[0].program.endsWith("/quorvel"));
    EXPECT_TRUE(rec.processes()[0].args.isEmpty());
    choose(f.M31);
    EXPECT_EQ(rec.helpShown().size(), 1);
    EXPECT_EQ(shared().HelpOpen.num(), 1);
    EXPECT_FALSE(f.M4.Visible());
}

TEST_F(AddingTest, FullTapeTakesNothingMore)
{
    SUMLET& f = open();
    std::string bytes = "999,999,990\r\n";
    for (int k = 1; k <= 999; ++k)
        bytes += "1\r\n";
    writeFile("full.ADT", bytes);
    rec.answerNextFileDialog(dir.filePath("full.ADT"));
    choose(f.M11);
    enter(QStringLiteral("2"));
    EXPECT_EQ(tape().EntryCount, 1000);
    EXPECT_EQ(f.G.TextMatrix(1000, 1), "2. ");
    const Screen before = screen();
    EXPECT_EQ(before.label5, "1000 ");

    enter(QStringLiteral("5"));
    EXPECT_EQ(tape().EntryCount, 1000);
    EXPECT_EQ(tape().EntryTotal, 1001);
    EXPECT_EQ(screen().text1, "5");
    EXPECT_EQ(screen().label1, "5.");
    Screen after = screen();
    after.text1 = after.label1 = QString();
    EXPECT_EQ(after, before);
    EXPECT_TRUE(rec.messages().empty());

    f.Text1.setText(QString());
    enter(QStringLiteral("**"));
    EXPECT_EQ(tape().EntryCount, 0);
    EXPECT_EQ(f.Label6.Caption(), "1000 ");
    EXPECT_EQ(f.Label4.Caption(), "1,001. ");
}

} // namespace
} // namespace sumlet::testing
