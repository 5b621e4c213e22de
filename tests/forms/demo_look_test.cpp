// A small demo form drawn for real: colours where the twips say, Japanese
// captions in the IPA fonts. FORMS_DEMO_PNG=<file> saves the picture;
// FORMS_DEMO_HOLD_MS=<ms> keeps the window up (for a screen shot under Xvfb).
#include "forms/layer.h"
#include "forms/testing/form_test.h"
#include "support/qt_print.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>

namespace {

using forms::testing::FormTest;

class DEMO : public forms::Form {
public:
    explicit DEMO(forms::Program& p) : Form(p, "DEMO")
    {
        setCaption(" Tesk加算機");
        setClientSize(7035, 5835);
        setBackColor(0x00FF8080);                      // light blue
        setFontFace("ＭＳ Ｐゴシック", 11.25);
        Frame1.Move(5200, 0, 1760, 390);
        Frame1.setBackColor(0x00FF8080);
        Toolbar1.Move(0, 0, 1760, 390);
        Toolbar1.addButton("ﾌｧｲﾙを開く", forms::stockIcon(forms::StockIcon::Open));
        Toolbar1.addButton("名前を付けて保存", forms::stockIcon(forms::StockIcon::Save));
        Toolbar1.addButton("印刷", forms::stockIcon(forms::StockIcon::Print));
        Toolbar1.addButton("電卓", forms::stockIcon(forms::StockIcon::Calculator));
        Toolbar1.addButton("ﾍﾙﾌﾟ", forms::stockIcon(forms::StockIcon::Help));
        G.Move(120, 640, 2655, 3070);
        G.setRows(11);
        G.setCols(3);
        G.setColWidth(0, 600);
        G.setColWidth(1, 1700);
        G.setColWidth(2, 0);
        G.setFixedAlignment(0, 4);
        G.setColAlignment(0, 7);
        G.setTextMatrix(0, 0, "NO");
        for (int k = 1; k <= 10; ++k) G.setTextMatrix(k, 0, QString::number(k) + " ");
        G.setTextMatrix(1, 1, "1,500. ");
        Picture1.Move(2880, 720, 3975, 2535);
        Picture1.setBackColor(0x00C0FFFF);               // pale yellow
        Label3.Move(120, 240, 3615, 2160);
        Label3.setFontFace("ＭＳ ゴシック", 9);
        Label3.setCaption("● 加算のみです。\r\n● 入力確定はエンターキーのみです。\r\n　 ｢クリア｣ボタンで直前の合計分が表示");
        Command2.Move(5760, 4200, 1095, 375);
        Command2.setCaption("クリア **");
        Command3.Move(5760, 4680, 1095, 375);
        Command3.setCaption("ﾒﾆｭｰへ");
        Command3.setFontSize(9.75);
        Label2.Move(1680, 4440, 3495, 375);
        Label2.setBackColor(0x00FFFFFF);                 // white
        Label2.setAlignment(1);
        Label2.setBorderStyle(1);
        Label2.setFontFace("ＭＳ Ｐゴシック", 14.25, true);
        Label2.setCaption("1,500. ");
        Frame2.Move(1200, 4920, 3975, 615);
        Frame2.setBackColor(0x0080FFFF);                 // yellow
        Frame2.setCaption("前の計算");
        Frame3.Move(3000, 3350, 1500, 300);              // no colour of its own
        Text2.Move(1300, 200, 1000, 300);
        Command4.Move(2700, 150, 1095, 375);
        Text1.Move(5880, 5280, 735, 255);
        Text1.setFontFace("ＭＳ Ｐゴシック", 12);
        Line1.setPoints(120, 3800, 2775, 3800);
        Line1.setBorderColor(0x000000FF);                // red
        Line1.setBorderWidth(2);
    }
    forms::Menu M1{this, "M1", "ﾌｧｲﾙ(&F)"};
    forms::Menu M11{&M1, "M11", "ﾌｧｲﾙを開く(&O)", "Ctrl+O"};
    forms::Menu M2{this, "M2", "ﾂｰﾙ(&T)"};
    forms::Menu M21{&M2, "M21", "Tesk電卓(&D)", "Ctrl+D"};
    forms::Frame Frame1{this, "Frame1"};
    forms::Toolbar Toolbar1{&Frame1, "Toolbar1"};
    forms::FlexGrid G{this, "G"};
    forms::PictureBox Picture1{this, "Picture1"};
    forms::Label Label3{&Picture1, "Label3"};
    forms::CommandButton Command2{this, "Command2"};
    forms::CommandButton Command3{this, "Command3"};
    forms::Label Label2{this, "Label2"};
    forms::Frame Frame2{this, "Frame2"};
    forms::TextBox Text2{&Frame2, "Text2"};
    forms::Frame Frame3{this, "Frame3"};
    forms::CommandButton Command4{&Frame2, "Command4"};
    forms::TextBox Text1{this, "Text1"};
    forms::Line Line1{this, "Line1"};
};

class DemoLookTest : public forms::testing::SingleFormTest<DEMO> {};

// Colour of the client-area pixel at a point given in twips.
QColor at(const QImage& img, double xTw, double yTw)
{
    return img.pixelColor(forms::px(xTw), forms::px(yTw));
}

TEST_F(DemoLookTest, ColoursSitWhereTheTwipsSay)
{
    f.Show();
    QApplication::processEvents();
    const QImage img = f->client()->grab().toImage();
    ASSERT_EQ(img.size(), QSize(469, 389));
    if (const QByteArray out = qgetenv("FORMS_DEMO_PNG"); !out.isEmpty()) img.save(QString::fromLocal8Bit(out));
    EXPECT_EQ(at(img, 60, 5000), QColor(0x80, 0x80, 0xFF));     // form: &H00FF8080
    EXPECT_EQ(at(img, 6700, 3100), QColor(0xFF, 0xFF, 0xC0));   // Picture1: &H00C0FFFF, near its right edge
    EXPECT_EQ(at(img, 1750, 4620), QColor(0xFF, 0xFF, 0xFF));   // Label2 white, left of its text
    EXPECT_EQ(at(img, 2000, 5460), QColor(0xFF, 0xFF, 0x80));   // Frame2 yellow
    EXPECT_EQ(at(img, 1500, 3800), QColor(0xFF, 0x00, 0x00));   // Line1 red
    EXPECT_EQ(at(img, 5880, 2700), QColor(0xFF, 0xFF, 0xC0));   // Label3 without colour: Picture1 shows
    EXPECT_EQ(at(img, 3750, 3500), QApplication::palette().color(QPalette::Window));   // Frame3 opaque
    // Controls in a coloured frame keep the system colours.
    EXPECT_EQ(at(img, 3000, 5270), QApplication::palette().color(QPalette::Base));   // Text2
    QPushButton plain;
    plain.resize(f->Command4.size());
    const QImage ref = plain.grab().toImage();
    const QPoint mid(ref.width() / 2, ref.height() / 2);
    EXPECT_EQ(img.pixelColor(f->Command4.mapTo(f->client(), mid)), ref.pixelColor(mid));   // Command4
    QMenuBar plainBar;
    plainBar.resize(f->menuBar()->size());
    const QPoint empty(plainBar.width() - 4, plainBar.height() / 2);
    EXPECT_EQ(f->menuBar()->grab().toImage().pixelColor(empty), plainBar.grab().toImage().pixelColor(empty));
    EXPECT_EQ(QFontInfo(f->Label3.font()).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(f->Command3.font()).family(), "IPAPGothic");   // form font, size of its own
    EXPECT_DOUBLE_EQ(f->Command3.font().pointSizeF(), 9.75);
    if (const int hold = qEnvironmentVariableIntValue("FORMS_DEMO_HOLD_MS"); hold > 0) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < hold) QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

} // namespace
