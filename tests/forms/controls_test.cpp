// Controls: captions, combo box, option buttons, menus, pop-ups, toolbars,
// geometry in twips, colours and fonts, common dialog.
#include "forms/layer.h"
#include "forms/testing/form_test.h"
#include "support/qt_print.h"

#include <QFontInfo>
#include <QMenuBar>
#include <QTest>

namespace {

using forms::testing::FormTest;

class CtlForm : public forms::Form {
public:
    explicit CtlForm(forms::Program& p) : Form(p, "CTL")
    {
        setCaption(" Tesk加算機");
        setClientSize(7035, 5835);
        setBackColor(0x00FF8080);
        Label1.Move(3000, 3960, 2175, 345);
        Label1.setCaption("● 加算のみです。\r\n● 入力確定はエンターキーのみです。");
        Combo1.AddItem("支払回数");
        Combo1.AddItem("担当者NO");
        Combo1.Click = [this] { log << "Click " + Combo1.Text(); };
        Combo1.KeyPress = [this](int& k) { if (k == 13) { log << "Enter " + Combo1.Text(); k = 0; } };
        Option1.setCaption("する");
        Option2.setCaption("しない");
        Option1.Click = [this] { log << "Opt1"; };
        Option2.Click = [this] { log << "Opt2"; };
        Toolbar1.addButton("ﾌｧｲﾙを開く", forms::stockIcon(forms::StockIcon::Open));
        Toolbar1.addButton("名前を付けて保存", forms::stockIcon(forms::StockIcon::Save));
        Toolbar1.addSeparatorButton();
        Toolbar1.addButton("全入力ﾃﾞｰﾀの各月ごと印刷", forms::stockIcon(forms::StockIcon::Print));
        Toolbar1.ButtonClick = [this](int i) { log << QStringLiteral("Button %1").arg(i); };
        M4.setVisible(false);
        M41.Click = [this] { log << "M41"; };
        M11.Click = [this] { log << "M11"; };
        M2.Click = [this] { log << "M2"; };
    }
    forms::Menu M1{this, "M1", "ﾌｧｲﾙ(&F)"};
    forms::Menu M11{&M1, "M11", "ﾌｧｲﾙを開く(&O)", "Ctrl+O"};
    forms::Menu M13{&M1, "M13", "-"};
    forms::Menu M2{this, "M2", "ﾍﾙﾌﾟ(&H)"};
    forms::Menu M4{this, "M4", "ｺﾋﾟｰ(&C)"};
    forms::Menu M41{&M4, "M41", "ｺﾋﾟｰ(&C)", "Ctrl+C"};
    forms::Label Label1{this, "Label1"};
    forms::ComboBox Combo1{this, "Combo1"};
    forms::Frame Frame1{this, "Frame1"};
    forms::OptionButton Option1{&Frame1, "Option1"};
    forms::OptionButton Option2{&Frame1, "Option2"};
    forms::Toolbar Toolbar1{this, "Toolbar1"};
    forms::CommonDialog CommonDialog1{this, "CommonDialog1"};
    QStringList log;
};

class ControlsTest : public forms::testing::SingleFormTest<CtlForm> {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        f.Show();
        f->log.clear();
    }
};

TEST_F(ControlsTest, LabelKeepsItsCaptionAndShowsLineBreaks)
{
    EXPECT_EQ(f->Label1.Caption(), "● 加算のみです。\r\n● 入力確定はエンターキーのみです。");
    EXPECT_EQ(f->Label1.text(), "● 加算のみです。\n● 入力確定はエンターキーのみです。");
}

TEST_F(ControlsTest, ComboListIndexInCodeRaisesClickAndTypedTextIsNotAdded)
{
    EXPECT_EQ(f->Combo1.ListIndex(), -1);
    f->Combo1.setListIndex(0);
    EXPECT_EQ(f->log, QStringList({"Click 支払回数"}));
    EXPECT_EQ(f->Combo1.ListIndex(), 0);
    f->log.clear();
    f->Combo1.lineEdit()->clear();
    forms::testing::typeText(f->Combo1, "abc\r");
    EXPECT_EQ(f->log, QStringList({"Enter abc"}));
    EXPECT_EQ(f->Combo1.ListCount(), 2);
    EXPECT_EQ(f->Combo1.ListIndex(), -1);
    f->log.clear();
    forms::testing::chooseItem(f->Combo1, 1);
    EXPECT_EQ(f->log, QStringList({"Click 担当者NO"}));
    EXPECT_THROW(f->Combo1.setListIndex(2), forms::FormsError);
}

TEST_F(ControlsTest, OptionButtonsAreExclusiveAndRaiseClick)
{
    f->Option2.setValue(true);
    f->Option1.setValue(true);
    EXPECT_EQ(f->log, QStringList({"Opt2", "Opt1"}));
    EXPECT_FALSE(f->Option2.Value());
    forms::testing::click(f->Option2);
    EXPECT_TRUE(f->Option2.Value());
    EXPECT_FALSE(f->Option1.Value());
}

TEST_F(ControlsTest, ToolbarIndexesCountSeparators)
{
    EXPECT_EQ(f->Toolbar1.ButtonCount(), 4);
    EXPECT_TRUE(f->Toolbar1.isSeparator(3));
    EXPECT_EQ(f->Toolbar1.ButtonToolTip(4), "全入力ﾃﾞｰﾀの各月ごと印刷");
    forms::testing::clickToolbar(f->Toolbar1, 4);
    forms::testing::clickToolbar(f->Toolbar1, 1);
    EXPECT_THROW(forms::testing::clickToolbar(f->Toolbar1, 3), std::logic_error);
    f->Toolbar1.setButtonEnabled(2, false);
    EXPECT_THROW(forms::testing::clickToolbar(f->Toolbar1, 2), std::logic_error);
    EXPECT_EQ(f->log, QStringList({"Button 4", "Button 1"}));
}

TEST_F(ControlsTest, MenusHiddenOnesAndPopups)
{
    QStringList bar;
    for (QAction* a : f->menuBar()->actions())
        if (a->isVisible()) bar << a->text();
    EXPECT_EQ(bar, QStringList({"ﾌｧｲﾙ(&F)", "ﾍﾙﾌﾟ(&H)"}));   // M4 hidden from the bar
    EXPECT_TRUE(f->M13.isSeparator());
    rec.chooseInNextPopup("M41");
    f->PopupMenu(f->M4);
    f->PopupMenu(f->M4);   // dismissed
    EXPECT_EQ(rec.popups(), QStringList({"M4", "M4"}));
    forms::testing::choose(f->M11);
    f->M1.setEnabled(false);
    EXPECT_THROW(forms::testing::choose(f->M11), std::logic_error);
    EXPECT_EQ(f->log, QStringList({"M41", "M11"}));
}

TEST_F(ControlsTest, BarItemWithoutItemsIsACommand)
{
    QMenuBar* bar = f->menuBar();
    QAction* file = f->M1.action();
    QAction* help = f->M2.action();
    ASSERT_TRUE(file && help);
    EXPECT_NE(file->menu(), nullptr);
    EXPECT_EQ(help->menu(), nullptr);
    bar->adjustSize();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    EXPECT_EQ(f->log, QStringList({"M2"}));
    help->trigger();   // as its mnemonic does
    f->M2.setEnabled(false);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    help->trigger();
    EXPECT_EQ(f->log, QStringList({"M2", "M2"}));
}

TEST_F(ControlsTest, GeometryInTwipsColoursAndFonts)
{
    EXPECT_EQ(f->client()->size(), QSize(469, 389));
    EXPECT_EQ(f->Label1.geometry(), QRect(200, 264, 145, 23));
    EXPECT_EQ(f->Label1.Left(), 3000);
    EXPECT_EQ(f->BackColor(), 0x00FF8080u);
    EXPECT_EQ(f->palette().color(QPalette::Window), QColor(0x80, 0x80, 0xFF));
    struct Case { const char* name; const char* family; };
    const Case cases[] = {{"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"},
                          {"ＭＳ 明朝", "IPAMincho"}, {"ＭＳ Ｐ明朝", "IPAPMincho"}};
    for (const Case& c : cases) {
        f->Label1.setFontFace(QString::fromUtf8(c.name), 11.25, true);
        EXPECT_EQ(QFontInfo(f->Label1.font()).family(), c.family) << c.name;   // installed, not a fallback
        EXPECT_EQ(f->Label1.FontName(), QString::fromUtf8(c.name));
    }
    EXPECT_DOUBLE_EQ(f->Label1.FontSize(), 11.25);
    EXPECT_TRUE(f->Label1.FontBold());
}

TEST_F(ControlsTest, CommonDialogRemembersTheNameAndMatchesEitherCase)
{
    // The dialog matches either case, so a filter's text stays as written.
    EXPECT_EQ(forms::CommonDialog::qtFilter("加算データ (*.ADT)|*.ADT"), "加算データ (*.ADT)");
    EXPECT_EQ(forms::CommonDialog::qtFilter("加算データ|*.ADT"), "加算データ (*.ADT)");
    EXPECT_EQ(forms::CommonDialog::qtFilter("All (*.*)|*.ADT;*.TXT|Tape (*.ADT)|*.ADT"),
              "All (*.*) (*.ADT *.TXT);;Tape (*.ADT)");
    auto& cd = f->CommonDialog1;
    cd.InitDir = dir.path();
    cd.Filter = "加算データ (*.ADT)|*.ADT";
    cd.OverwritePrompt = true;
    rec.answerNextFileDialog(dir.filePath("a.ADT"));
    EXPECT_TRUE(cd.ShowSave());
    rec.cancelNextFileDialog();
    EXPECT_FALSE(cd.ShowOpen());
    EXPECT_EQ(cd.FileName, dir.filePath("a.ADT"));   // kept after the cancel
    ASSERT_EQ(rec.fileDialogs().size(), 2u);
    EXPECT_TRUE(rec.fileDialogs()[0].options.overwritePrompt);
    EXPECT_FALSE(rec.fileDialogs()[1].options.overwritePrompt);
    EXPECT_EQ(rec.fileDialogs()[1].options.fileName, dir.filePath("a.ADT"));
    EXPECT_EQ(rec.fileDialogs()[1].options.initialDir, dir.path());
}

// One control of every kind inside a frame coloured after they were built.
class KindsForm : public forms::Form {
public:
    explicit KindsForm(forms::Program& p) : Form(p, "KINDS")
    {
        Frame1.setBackColor(0x0000FFFF);
        Frame1.setForeColor(0x000000FF);
    }
    forms::Frame Frame1{this, "Frame1"};
    forms::CommandButton Command1{&Frame1, "Command1"};
    forms::Label Label1{&Frame1, "Label1"};
    forms::TextBox Text1{&Frame1, "Text1"};
    forms::ComboBox Combo1{&Frame1, "Combo1"};
    forms::OptionButton Option1{&Frame1, "Option1"};
    forms::Frame Frame2{&Frame1, "Frame2"};
    forms::PictureBox Picture1{&Frame1, "Picture1"};
    forms::Image Image1{&Frame1, "Image1"};
    forms::Line Line1{&Frame1, "Line1"};
    forms::Toolbar Toolbar1{&Frame1, "Toolbar1"};
    forms::FlexGrid G{&Frame1, "G"};
    forms::DriveList Drive1{&Frame1, "Drive1"};
    forms::DirList Dir1{&Frame1, "Dir1"};
};

using KindsTest = forms::testing::SingleFormTest<KindsForm>;

TEST_F(KindsTest, EveryKindKeepsTheSystemColoursInAColouredContainer)
{
    f.Show();
    EXPECT_EQ(f->Frame1.palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x00));
    const QPalette system = QApplication::palette();
    ASSERT_EQ(f->controls().size(), 14u);
    for (forms::ControlCore* c : f->controls()) {
        if (c == &f->Frame1) continue;
        SCOPED_TRACE(c->Name().toStdString());
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::WindowText, QPalette::Text})
            EXPECT_EQ(c->widget()->palette().color(role), system.color(role)) << role;
    }
}

} // namespace
