// Keys, focus and shortcuts: KeyDown codes, KeyPress swallowing, Change,
// Enter/Space on buttons, menu shortcuts before a text box's editing keys.
#include "forms/layer.h"
#include "forms/testing/form_test.h"
#include "support/qt_print.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

namespace {

using forms::testing::FormTest;

class KeyForm : public forms::Form {
public:
    explicit KeyForm(forms::Program& p) : Form(p, "KEYS")
    {
        setClientSize(4000, 3000);
        Text1.Move(120, 120, 1500, 300);
        Text2.Move(120, 600, 1500, 300);
        Command1.Move(120, 1080, 1200, 375);
        Command1.setCaption("実行");
        Frame1.Move(1800, 120, 2000, 1500);
        Text3.Move(120, 240, 1500, 300);
        Text1.setTabIndex(0);
        Command1.setTabIndex(1);   // before Text2, although made after it
        Text2.setTabIndex(2);
        Text3.setTabIndex(3);
        Text1.KeyDown = [this](int code, int shift) { log << QStringLiteral("D%1/%2").arg(code).arg(shift); };
        Text1.KeyPress = [this](int& k) {
            log << QStringLiteral("P%1").arg(k);
            if (k == 13 || k == swallow) k = 0;
        };
        Text1.Change = [this] { log << "C:" + Text1.Text(); };
        Text1.GotFocus = [this] { log << "Got1"; };
        Text1.LostFocus = [this] { log << "Lost1"; };
        Text2.GotFocus = [this] { log << "Got2"; };
        Command1.Click = [this] { log << "Click"; };
        M41.Click = [this] { log << "Copy"; };
        M11.Click = [this] { log << "Open"; };
        M4.setVisible(false);
    }
    forms::Menu M1{this, "M1", "ﾌｧｲﾙ(&F)"};
    forms::Menu M11{&M1, "M11", "ﾌｧｲﾙを開く(&O)", "Ctrl+O"};
    forms::Menu M4{this, "M4", "ｺﾋﾟｰ(&C)"};
    forms::Menu M41{&M4, "M41", "ｺﾋﾟｰ(&C)", "Ctrl+C"};
    forms::TextBox Text1{this, "Text1"};
    forms::TextBox Text2{this, "Text2"};
    forms::CommandButton Command1{this, "Command1"};
    forms::Frame Frame1{this, "Frame1"};
    forms::TextBox Text3{&Frame1, "Text3"};
    QStringList log;
    int swallow = -1;
};

class KeysTest : public forms::testing::SingleFormTest<KeyForm> {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        f.Show();
        f->log.clear();
    }
};

TEST_F(KeysTest, KeypadAndMainKeyboardGiveTheirOwnCodes)
{
    struct Case { int key; Qt::KeyboardModifiers mods; int code; };
    const Case cases[] = {
        {Qt::Key_0, Qt::KeypadModifier, 96},   {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_9, Qt::KeypadModifier, 105},  {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Plus, Qt::KeypadModifier, 107}, {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Period, Qt::KeypadModifier, 110}, {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Equal, Qt::KeypadModifier, 146}, {Qt::Key_Equal, Qt::NoModifier, 187},
        {Qt::Key_5, Qt::NoModifier, 53},       {Qt::Key_Home, Qt::NoModifier, 36},
        {Qt::Key_Left, Qt::NoModifier, 37},    {Qt::Key_Up, Qt::NoModifier, 38},
        {Qt::Key_Right, Qt::NoModifier, 39},   {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Backspace, Qt::NoModifier, 8}, {Qt::Key_A, Qt::ShiftModifier, 65},
    };
    for (const Case& c : cases) {
        f->log.clear();
        QTest::keyClick(&f->Text1, Qt::Key(c.key), c.mods);
        // A modifier key is a key of its own (Shift 16) before the key itself.
        const int shift = c.mods.testFlag(Qt::ShiftModifier) ? 1 : 0;
        const QStringList downs = f->log.filter(QRegularExpression("^D(?!16/)"));
        ASSERT_FALSE(downs.isEmpty()) << c.key;
        EXPECT_EQ(downs.front(), QStringLiteral("D%1/%2").arg(c.code).arg(shift)) << c.key;
    }
}

TEST_F(KeysTest, KeyPressFollowsKeyDownAndCanSwallow)
{
    QTest::keyClick(&f->Text1, Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(f->log, QStringList({"D103/0", "P55", "C:7"}));
    f->log.clear();
    f->swallow = '8';
    QTest::keyClick(&f->Text1, Qt::Key_8);
    EXPECT_EQ(f->log, QStringList({"D56/0", "P56"}));   // swallowed: no Change
    EXPECT_EQ(f->Text1.Text(), "7");
    f->log.clear();
    QTest::keyClick(&f->Text1, Qt::Key_Return);
    EXPECT_EQ(f->log, QStringList({"D13/0", "P13"}));
    f->log.clear();
    QTest::keyClick(&f->Text1, Qt::Key_Backspace);
    EXPECT_EQ(f->log, QStringList({"D8/0", "P8", "C:"}));
    // Arrows raise KeyDown only.
    f->log.clear();
    QTest::keyClick(&f->Text1, Qt::Key_Left);
    EXPECT_EQ(f->log, QStringList({"D37/0"}));
}

TEST_F(KeysTest, ChangeFiresOnEveryChangeAlsoByCode)
{
    f->Text1.setText("12");
    f->Text1.setText("12");   // same text: no change
    f->Text1.setText("");
    EXPECT_EQ(f->log, QStringList({"C:12", "C:"}));
}

TEST_F(KeysTest, MenuShortcutsWinOverTextBoxEditingKeys)
{
    f->Text1.setText("abc");
    f->Text1.selectAll();
    f->log.clear();
    QTest::keyClick(&f->Text1, Qt::Key_C, Qt::ControlModifier);   // hidden pop-up menu's item
    QTest::keyClick(&f->Text1, Qt::Key_O, Qt::ControlModifier);
    // Only the Ctrl key itself reaches the box (KeyDown 17); C and O do not.
    EXPECT_EQ(f->log, QStringList({"D17/2", "Copy", "D17/2", "Open"}));
    EXPECT_EQ(f->Text1.Text(), "abc");
    // A disabled item leaves the key to the box; Ctrl+A in the box is its own.
    f->M41.setEnabled(false);
    f->log.clear();
    QTest::keyClick(&f->Text1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(f->log.contains("Copy"));
    // Shortcuts also work from a button.
    f->log.clear();
    QTest::keyClick(&f->Command1, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(f->log, QStringList({"Open"}));
}

TEST_F(KeysTest, EnterOrSpaceOnAFocusedButtonClicksIt)
{
    f->Command1.SetFocus();
    f->log.clear();
    QTest::keyClick(&f->Command1, Qt::Key_Return);
    QTest::keyClick(&f->Command1, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&f->Command1, Qt::Key_Space);
    EXPECT_EQ(f->log, QStringList({"Click", "Click", "Click"}));
    f->Command1.setEnabled(false);
    EXPECT_THROW(forms::testing::click(f->Command1), std::logic_error);
}

TEST_F(KeysTest, FocusMovesWithEventsAndSkipsDisabledOrHidden)
{
    // The lowest tab index took the focus when the form showed.
    EXPECT_EQ(f->ActiveControl(), &f->Text1);
    f->Text2.SetFocus();
    EXPECT_EQ(f->log, QStringList({"Lost1", "Got2"}));
    f->log.clear();
    f->Text1.setEnabled(false);
    f->Text1.SetFocus();
    f->Text3.SetFocus();   // enabled itself, inside a disabled frame
    f->Frame1.setEnabled(false);
    f->Text3.SetFocus();
    f->Text1.setEnabled(true);
    f->Text1.setVisible(false);
    f->Text1.SetFocus();
    EXPECT_EQ(f->ActiveControl(), &f->Text3);
    EXPECT_TRUE(f->log.isEmpty());
    EXPECT_EQ(forms::testing::focusName(f->Text2), "Text3");
}

TEST_F(KeysTest, TabFollowsTabIndexAndRaisesFocusEvents)
{
    QApplication::setActiveWindow(f.get());
    f->Text1.SetFocus();
    f->log.clear();
    QTest::keyClick(&f->Text1, Qt::Key_Tab);
    EXPECT_EQ(f->ActiveControl(), &f->Command1);
    QTest::keyClick(&f->Command1, Qt::Key_Tab);
    EXPECT_EQ(f->ActiveControl(), &f->Text2);
    EXPECT_EQ(f->log, QStringList({"Lost1", "Got2"}));   // no KeyDown for Tab
}

// Two buttons, then a text box that is given a TabIndex.
class BuiltOrderForm : public forms::Form {
public:
    explicit BuiltOrderForm(forms::Program& p) : Form(p, "BUILT") { Text1.setTabIndex(5); }
    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command2{this, "Command2"};
    forms::TextBox Text1{this, "Text1"};
};

TEST_F(KeysTest, EachFormNumbersItsOwnControlsAndGivenIndexesComeFirst)
{
    // Built after KeyForm, this form still numbers its controls from 0.
    forms::FormSlot<BuiltOrderForm> g{p, [this] { return std::make_unique<BuiltOrderForm>(p); }};
    g.Show();
    EXPECT_EQ(g->Command1.TabIndex(), 0);
    EXPECT_EQ(g->Command2.TabIndex(), 1);
    EXPECT_EQ(g->Text1.TabIndex(), 5);
    // The given index goes first and takes the focus; the others follow as built.
    EXPECT_EQ(g->ActiveControl(), &g->Text1);
    QApplication::setActiveWindow(g.get());
    QTest::keyClick(&g->Text1, Qt::Key_Tab);
    EXPECT_EQ(g->ActiveControl(), &g->Command1);
    QTest::keyClick(&g->Command1, Qt::Key_Tab);
    EXPECT_EQ(g->ActiveControl(), &g->Command2);
}

TEST_F(KeysTest, WarningBeepsShowsCheckBoxAndRefocuses)
{
    rec.answerNextMessage(forms::MsgResult::OK);
    f->Command1.SetFocus();
    f->Warn("入力エラー！", &f->Text1);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].text, "入力エラー！");
    EXPECT_EQ(rec.messages()[0].title, "Check");
    EXPECT_EQ(rec.messages()[0].icon, forms::MsgIcon::Exclamation);
    EXPECT_EQ(rec.messages()[0].buttons, forms::MsgButtons::OKOnly);
    EXPECT_EQ(rec.beeps(), 1);
    EXPECT_EQ(f->ActiveControl(), &f->Text1);
    rec.answerNextMessage(forms::MsgResult::OK);
    f->Warn("x", nullptr, false);
    EXPECT_EQ(rec.beeps(), 1);
}

} // namespace
