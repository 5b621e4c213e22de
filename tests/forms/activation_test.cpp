// Activation by the window system: only a real move to another of the
// program's windows activates it; a real message box closing does not.
#include "forms/layer.h"
#include "forms/testing/form_test.h"
#include "support/qt_print.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

using forms::testing::FormTest;

class ActForm : public forms::Form {
public:
    ActForm(forms::Program& p, const char* name, QStringList& log) : Form(p, name), log_(log)
    {
        setClientSize(3000, 1500);
        Command1.Move(120, 120, 1200, 375);
    }
    void Form_Activate() override { log_ << objectName(); }
    forms::CommandButton Command1{this, "Command1"};
private:
    QStringList& log_;
};

class ActivationTest : public FormTest {
protected:
    QStringList log;
    forms::Program p{rec, dir.path(), "TEST"};
    forms::FormSlot<ActForm> A{p, [this] { return std::make_unique<ActForm>(p, "A", log); }};
    forms::FormSlot<ActForm> B{p, [this] { return std::make_unique<ActForm>(p, "B", log); }};

    static void settleWindows()
    {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
};

TEST_F(ActivationTest, WindowSystemEventsAfterShowsActivateNothingMore)
{
    A.Show();
    B.Show();
    settleWindows();
    EXPECT_EQ(log, QStringList({"A", "B"}));
}

TEST_F(ActivationTest, UserMovingToAnotherWindowActivatesIt)
{
    A.Show();
    B.Show();
    settleWindows();
    log.clear();
    QApplication::setActiveWindow(A.get());   // as a click into A
    settleWindows();
    EXPECT_EQ(log, QStringList({"A"}));
    EXPECT_EQ(p.forms().activeForm(), A.get());
    QApplication::setActiveWindow(A.get());   // already the active form
    settleWindows();
    EXPECT_EQ(log, QStringList({"A"}));
}

TEST_F(ActivationTest, ComingBackFromElsewhereDoesNotActivate)
{
    A.Show();
    settleWindows();
    log.clear();
    QWidget other;   // stands for the help window or another application
    other.show();
    QApplication::setActiveWindow(&other);
    settleWindows();
    QApplication::setActiveWindow(A.get());
    settleWindows();
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(ActivationTest, RealMessageBoxClosingDoesNotActivate)
{
    forms::QtServices qt;
    A.Show();
    B.Show();
    settleWindows();
    log.clear();
    QTimer::singleShot(50, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    const auto r = qt.MsgBox("ok?", forms::MsgButtons::OKOnly, forms::MsgIcon::Exclamation, "Check", B.get());
    settleWindows();
    EXPECT_EQ(r, forms::MsgResult::OK);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(ActivationTest, WhileAModalFormIsUpOtherFormsDoNotActivate)
{
    A.Show();
    settleWindows();
    log.clear();
    rec.onNextModal("B", [this](forms::Form&) {
        QApplication::setActiveWindow(A.get());
        settleWindows();
        B.Unload();
    });
    B.ShowModal();
    EXPECT_EQ(log, QStringList({"B", "A"}));   // B shown, then A when B has gone
}

TEST(RealModalTest, NestedLoopEndsWhenTheModalFormUnloads)
{
    forms::QtServices qt;
    QTemporaryDir d;
    QStringList log;
    forms::Program p{qt, d.path(), "TEST"};
    forms::FormSlot<ActForm> A{p, [&] { return std::make_unique<ActForm>(p, "A", log); }};
    forms::FormSlot<ActForm> B{p, [&] { return std::make_unique<ActForm>(p, "B", log); }};
    A.Show();
    B->Command1.Click = [&] { B.Unload(); };
    QTimer::singleShot(20, [&] { forms::testing::click(B->Command1); });
    B.ShowModal();   // returns once the click has unloaded B
    log << "returned";
    EXPECT_EQ(log, QStringList({"A", "B", "A", "returned"}));
    EXPECT_FALSE(B.Loaded());
    EXPECT_EQ(p.forms().activeForm(), A.get());
}

} // namespace
