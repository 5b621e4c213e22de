// Form lifecycle: Load/Show/ShowModal/Hide/Unload/End and when Form_Activate fires.
#include "forms/layer.h"
#include "forms/testing/form_test.h"
#include "support/qt_print.h"

#include <QMenu>
#include <QMessageBox>
#include <QStringList>
#include <gtest/gtest-spi.h>

namespace {

using forms::testing::FormTest;

struct Log {
    QStringList events;
};

class TestProgram;

// A form that logs its lifecycle events and does what its buttons are told.
class LogForm : public forms::Form {
public:
    LogForm(TestProgram& p, const char* name, Log& log);
    void Form_Load() override { log.events << objectName() + ".Load"; }
    void Form_Activate() override { log.events << objectName() + ".Activate"; }
    void Form_Unload(int& Cancel) override
    {
        log.events << objectName() + ".Unload";
        Cancel = cancelUnload ? 1 : 0;
    }

    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command2{this, "Command2"};
    forms::TextBox Text1{this, "Text1"};
    std::function<void()> onCommand1;
    std::function<void()> onCommand2;
    bool cancelUnload = false;
    Log& log;
};

class TestProgram : public forms::Program {
public:
    TestProgram(forms::Services& s, const QString& dir) : Program(s, dir, "TEST") {}
    Log log;
    forms::FormSlot<LogForm> A{*this, [this] { return std::make_unique<LogForm>(*this, "A", log); }};
    forms::FormSlot<LogForm> B{*this, [this] { return std::make_unique<LogForm>(*this, "B", log); }};
    forms::FormSlot<LogForm> C{*this, [this] { return std::make_unique<LogForm>(*this, "C", log); }};
};

LogForm::LogForm(TestProgram& p, const char* name, Log& l) : Form(p, name), log(l)
{
    setClientSize(3000, 2000);
    Command1.Move(120, 120, 1200, 375);
    Command2.Move(120, 600, 1200, 375);
    Text1.Move(120, 1080, 1200, 300);
    Command1.Click = [this] { if (onCommand1) onCommand1(); };
    Command2.Click = [this] { if (onCommand2) onCommand2(); };
}

class LifecycleTest : public FormTest {
protected:
    TestProgram p{rec, dir.path()};
    QStringList take()
    {
        QStringList e = p.log.events;
        p.log.events.clear();
        return e;
    }
};

TEST_F(LifecycleTest, ShowLoadsThenActivatesOnce)
{
    p.A.Show();
    EXPECT_EQ(take(), QStringList({"A.Load", "A.Activate"}));
    p.A.Show();   // already the active form
    EXPECT_TRUE(take().isEmpty());
    EXPECT_EQ(p.forms().activeForm(), p.A.get());
}

TEST_F(LifecycleTest, ModalChildActivatesCallerWhenItUnloads)
{
    p.A.Show();
    take();
    p.A->onCommand1 = [this] {
        p.log.events << "before";
        p.B.ShowModal();
        p.log.events << "after";
    };
    rec.onNextModal("B", [this](forms::Form&) {
        p.log.events << "during";
        p.B->onCommand1 = [this] { p.B->Unload(); };
        forms::testing::click(p.B->Command1);
    });
    forms::testing::click(p.A->Command1);
    EXPECT_EQ(take(), QStringList({"before", "B.Load", "B.Activate", "during", "B.Unload", "A.Activate", "after"}));
    EXPECT_FALSE(p.B.Loaded());
    EXPECT_EQ(p.forms().activeForm(), p.A.get());
}

TEST_F(LifecycleTest, ModelessChildUnloadActivatesTheFormBelow)
{
    p.A.Show();
    p.A->onCommand1 = [this] { p.B.Show(); };
    forms::testing::click(p.A->Command1);
    take();
    p.B->onCommand1 = [this] { p.B->Unload(); };
    forms::testing::click(p.B->Command1);
    EXPECT_EQ(take(), QStringList({"B.Unload", "A.Activate"}));
}

TEST_F(LifecycleTest, ShowNextThenUnloadSelfActivatesOnlyTheNext)
{
    p.A.Show();
    take();
    p.A->onCommand1 = [this] {
        p.B.Show();
        p.A->Unload();
    };
    forms::testing::click(p.A->Command1);
    EXPECT_EQ(take(), QStringList({"B.Load", "B.Activate", "A.Unload"}));
    // A later Show builds a fresh form.
    p.B->onCommand1 = [this] {
        p.A.Show();
        p.B->Unload();
    };
    forms::testing::click(p.B->Command1);
    EXPECT_EQ(take(), QStringList({"A.Load", "A.Activate", "B.Unload"}));
    EXPECT_FALSE(rec.ended());
}

TEST_F(LifecycleTest, ChildShowsCallerAgainThenUnloadsItself)
{
    // A print form shown over its caller goes back by showing it, then unloading itself.
    p.A.Show();
    p.A->onCommand1 = [this] { p.B.Show(); };
    forms::testing::click(p.A->Command1);
    take();
    p.B->onCommand1 = [this] {
        p.A.Show();
        p.B->Unload();
    };
    forms::testing::click(p.B->Command1);
    EXPECT_EQ(take(), QStringList({"A.Activate", "B.Unload"}));
}

TEST_F(LifecycleTest, DialogsAndPopupsDoNotActivate)
{
    forms::Menu M4{p.A.operator->(), "M4", "ｺﾋﾟｰ(&C)"};
    p.A.Show();
    take();
    rec.answerNextMessage(forms::MsgResult::OK);
    rec.cancelNextFileDialog();
    p.A->onCommand1 = [this, &M4] {
        p.A->MsgBox("x");
        forms::CommonDialog cd(p.A.get(), "CommonDialog1");
        cd.ShowOpen();
        p.A->PopupMenu(M4);
        p.A->services().ShowHelp("help.html", p.A.get());
        p.A->services().CloseAllHelp();
    };
    forms::testing::click(p.A->Command1);
    EXPECT_TRUE(take().isEmpty());
    EXPECT_EQ(rec.popups(), QStringList({"M4"}));
}

TEST_F(LifecycleTest, HideThenShowAgainActivates)
{
    p.A.Show();
    p.A->onCommand1 = [this] {
        p.A->Hide();
        p.B.Show();
    };
    forms::testing::click(p.A->Command1);
    EXPECT_EQ(take(), QStringList({"A.Load", "A.Activate", "B.Load", "B.Activate"}));
    p.B->onCommand1 = [this] {
        p.A.Show();
        p.B->Unload();
    };
    forms::testing::click(p.B->Command1);
    EXPECT_EQ(take(), QStringList({"A.Activate", "B.Unload"}));
    EXPECT_TRUE(p.A.Loaded());
}

TEST_F(LifecycleTest, EndUnloadsEverythingWithoutHandlers)
{
    p.A.Show();
    p.B.Show();
    take();
    p.B->onCommand1 = [this] { p.B->End(); };
    forms::testing::click(p.B->Command1);
    EXPECT_TRUE(take().isEmpty());   // no Unload handler ran
    EXPECT_TRUE(rec.ended());
    EXPECT_FALSE(p.A.Loaded());
    EXPECT_FALSE(p.B.Loaded());
}

TEST_F(LifecycleTest, UnloadingTheLastFormEndsTheProgram)
{
    p.A.Show();
    p.A->onCommand1 = [this] { p.A->Unload(); };
    forms::testing::click(p.A->Command1);
    EXPECT_TRUE(rec.ended());
}

TEST_F(LifecycleTest, CancelledUnloadKeepsTheForm)
{
    p.A.Show();
    p.A->cancelUnload = true;
    p.A.Unload();
    EXPECT_TRUE(p.A.Loaded());
    EXPECT_TRUE(p.A->isVisible());
}

TEST_F(LifecycleTest, UnscriptedModalIsClosedAndReported)
{
    p.A.Show();
    p.A->onCommand1 = [this] { p.B.ShowModal(); };
    forms::testing::click(p.A->Command1);
    ASSERT_EQ(rec.unscripted().size(), 1);
    EXPECT_TRUE(rec.unscripted().front().contains("modal form B"));
    EXPECT_FALSE(p.B.Loaded());
    rec.clearUnscripted();   // expected here
}

TEST_F(LifecycleTest, CloseBoxRunsFormUnloadWhichMayCancel)
{
    p.A.Show();
    p.B.Show();
    take();
    p.B->cancelUnload = true;
    p.B->close();
    EXPECT_TRUE(p.B.Loaded());
    p.B->cancelUnload = false;
    p.B->close();
    EXPECT_FALSE(p.B.Loaded());
    EXPECT_EQ(take(), QStringList({"B.Unload", "B.Unload", "A.Activate"}));
}

TEST_F(LifecycleTest, EndInsideAModalFormEndsEverything)
{
    p.A.Show();
    p.A->onCommand1 = [this] {
        p.B.ShowModal();
        p.log.events << "after";   // the handler goes on; nothing is shown any more
        p.C.Show();
    };
    rec.onNextModal("B", [this](forms::Form&) { p.B->End(); });
    forms::testing::click(p.A->Command1);
    EXPECT_TRUE(rec.ended());
    EXPECT_FALSE(p.A.Loaded());
    EXPECT_FALSE(p.C.Loaded());
    EXPECT_EQ(take(), QStringList({"A.Load", "A.Activate", "B.Load", "B.Activate", "after"}));
}

TEST_F(LifecycleTest, ErrorsThrownByHandlersAreReported)
{
    p.A.Show();
    p.A->onCommand1 = [] { throw forms::FormsError(381, "Subscript out of range"); };
    forms::testing::click(p.A->Command1);
    ASSERT_EQ(rec.unhandledErrors().size(), 1);
    EXPECT_TRUE(rec.unhandledErrors().front().contains("381"));
    rec.clearUnhandledErrors();
    EXPECT_TRUE(p.A.Loaded());   // the program goes on
}

// A real modal window that a test did not expect fails the test and is
// closed by the fixture's watchdog instead of hanging the run.
class WatchdogTest : public FormTest {};

TEST_F(WatchdogTest, UnexpectedRealModalWindowFailsInsteadOfHanging)
{
    EXPECT_NONFATAL_FAILURE(QMessageBox::information(nullptr, "t", "nobody answers"), "unexpected modal window");
    EXPECT_NONFATAL_FAILURE(QMenu("m").exec(QPoint(0, 0)), "unexpected pop-up");
}

} // namespace
