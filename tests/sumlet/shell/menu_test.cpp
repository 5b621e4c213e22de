// The start menu, the version box and the shared program commands.
#include "support/sumlet_fixture.h"

#include <QFileInfo>

#include "forms/testing/driver.h"
#include "sumlet/shell/filectl_form.h"
#include "sumlet/shell/program_commands.h"
#include "sumlet/shell/ver_form.h"
#include "sumlet/adding/sumlet_form.h"

namespace sumlet::testing {
namespace {

using forms::testing::choose;
using forms::testing::click;
using forms::testing::clickToolbar;

using MenuTest = SumletTest;

TEST_F(MenuTest, ExitClosesHelpOnlyWhenItWasOpened)
{
    struct Case { const char* how; int helpOpens; };
    for (const Case c : {Case{"button", 0}, Case{"button", 1}, Case{"menu", 0}, Case{"menu", 2}}) {
        SCOPED_TRACE(std::string(c.how) + " after help x" + std::to_string(c.helpOpens));
        forms::testing::RecordingServices services;
        Program p(services, dir.path(), dir.filePath("config"));
        p.start();
        for (int i = 0; i < c.helpOpens; ++i)
            choose(p.MENU_->MX31);
        EXPECT_EQ(p.shared.HelpOpen.num(), c.helpOpens ? 1 : 0);
        if (std::string(c.how) == "button")
            click(p.MENU_->Command9);
        else
            ASSERT_TRUE(p.MENU_->triggerShortcut(Qt::Key_E, Qt::ControlModifier));
        EXPECT_TRUE(services.ended());
        EXPECT_TRUE(p.Ended());
        EXPECT_FALSE(p.MENU_.Loaded());
        EXPECT_EQ(services.helpCloseAlls(), c.helpOpens ? 1 : 0);
        EXPECT_EQ(p.shared.HelpOpen.num(), 0);
        ASSERT_EQ(int(services.helpShown().size()), c.helpOpens);
        for (const QString& page : services.helpShown())
            EXPECT_TRUE(page.endsWith("help/index.html") && QFileInfo(page).isFile()) << page.toStdString();
        EXPECT_TRUE(services.unscripted().isEmpty());
    }
}

TEST_F(MenuTest, ToolbarButtonsAndShortcutsRunTheirCommands)
{
    struct Case {
        const char* what;
        std::function<void(MENU&)> act;
        int processes, helps;
    };
    const Case cases[] = {
        {"toolbar 1", [](MENU& m) { clickToolbar(m.Toolbar1, 1); }, 1, 0},
        {"toolbar 2", [](MENU& m) { clickToolbar(m.Toolbar1, 2); }, 0, 1},
        {"toolbar index 3", [](MENU& m) { m.Toolbar1.ButtonClick(3); }, 0, 0},
        {"Ctrl+D", [](MENU& m) { m.triggerShortcut(Qt::Key_D, Qt::ControlModifier); }, 1, 0},
        {"Ctrl+H", [](MENU& m) { m.triggerShortcut(Qt::Key_H, Qt::ControlModifier); }, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        forms::testing::RecordingServices services;
        Program p(services, dir.path(), dir.filePath("config"));
        p.start();
        c.act(*p.MENU_);
        ASSERT_EQ(int(services.processes().size()), c.processes);
        EXPECT_EQ(int(services.helpShown().size()), c.helps);
        if (c.processes) {
            EXPECT_EQ(services.processes().front().program, dir.filePath("quorvel"));
            EXPECT_TRUE(services.processes().front().args.isEmpty());
            EXPECT_EQ(p.shared.WorkStr, dir.filePath("quorvel").toStdString());
        }
        EXPECT_TRUE(p.MENU_.Loaded());
        EXPECT_FALSE(services.ended());
        EXPECT_TRUE(services.messages().empty());
        EXPECT_TRUE(services.unhandledErrors().isEmpty());
    }
}

TEST_F(MenuTest, CalculatorThatCannotStartIsWarnedAbout)
{
    MENU& m = start();
    rec.setProcessStartFails(true);
    rec.answerNextMessage(forms::MsgResult::OK);
    choose(m.MX21);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].text, "電卓を起動できません！");
    EXPECT_EQ(rec.messages()[0].title, "Check");
    EXPECT_EQ(rec.messages()[0].icon, forms::MsgIcon::Exclamation);
    EXPECT_EQ(rec.beeps(), 1);
    EXPECT_TRUE(prog().MENU_.Loaded());
    EXPECT_FALSE(rec.ended());
}

TEST_F(MenuTest, ClosingTheVersionBoxReadsTheSettingsAgain)
{
    MENU& m = start();
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "閉じる");
        const std::string folder = closeBox ? "/closed/by/box" : "/closed/by/button";
        bool seen = false;
        rec.onNextModal("VER", [&](forms::Form& f) {
            auto& ver = static_cast<VER&>(f);
            EXPECT_EQ(ver.Caption(), "　ﾊﾞｰｼﾞｮﾝ情報");
            EXPECT_EQ(ver.Label1.Caption(), "Tesk加算・集計器");
            EXPECT_EQ(ver.Label3.Caption(), "Version：　２．３３");
            EXPECT_FALSE(ver.Label4.Caption().isEmpty());
            EXPECT_FALSE(m.isActiveForm());
            writeSettings("\"" + folder + "\",1,2,3\r\n");
            seen = true;
            if (closeBox)
                prog().forms().closeRequested(ver);
            else
                click(ver.Command1);
        });
        ASSERT_TRUE(m.triggerShortcut(Qt::Key_V, Qt::ControlModifier));
        EXPECT_TRUE(seen);
        EXPECT_FALSE(prog().VER_.Loaded());
        EXPECT_TRUE(m.isActiveForm());
        EXPECT_EQ(shared().DataFolder.text(), folder);
        EXPECT_EQ(shared().SetqReserved4, runtime::Value(3));
    }
}

TEST_F(MenuTest, OneMainFormAtATime)
{
    start();
    ASSERT_TRUE(prog().MENU_->triggerShortcut(Qt::Key_A, Qt::ControlModifier));
    EXPECT_FALSE(prog().MENU_.Loaded());
    ASSERT_TRUE(prog().FILECTL_.Loaded());
    EXPECT_TRUE(prog().FILECTL_->isActiveForm());

    writeSettings("\"/after/chooser\",0,0,0\r\n");
    click(prog().FILECTL_->Command1);
    EXPECT_FALSE(prog().FILECTL_.Loaded());
    ASSERT_TRUE(prog().MENU_.Loaded());
    EXPECT_TRUE(prog().MENU_->isActiveForm());
    EXPECT_EQ(shared().DataFolder.text(), "/after/chooser");   // a fresh menu read the file

    click(prog().MENU_->Command8);
    EXPECT_FALSE(prog().MENU_.Loaded());
    ASSERT_TRUE(prog().SUMLET_.Loaded());
    EXPECT_TRUE(prog().SUMLET_->isActiveForm());
}

} // namespace
} // namespace sumlet::testing
