// The tally form opened from the menu: controls, start mode and key choice.
#include "tally_fixture.h"

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
}

} // namespace
} // namespace sumlet::testing
