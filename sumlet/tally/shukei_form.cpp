// The tally form's controls: captions, colours, places, menus and toolbars.
#include "sumlet/tally/shukei_form.h"

#include "sumlet/program.h"
#include "sumlet/tally/entry/tally_pictures.h"

#include "forms/units.h"

#include <QAction>
#include <algorithm>

namespace sumlet {

namespace {

constexpr quint32 Green = 0x0080FF80;      // RGB(128, 255, 128)
constexpr quint32 PaleGreen = 0x00C0FFC0;  // RGB(192, 255, 192)
constexpr quint32 White = 0x00FFFFFF;
const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");

struct Place {
    double left, top, width, height;
};

void place(forms::ControlCore& c, Place p) { c.Move(p.left, p.top, p.width, p.height); }

void caption(forms::Label& l, const char* text, Place p, quint32 back = 0xFFFFFFFF)
{
    place(l, p);
    l.setFontFace(PGothic, 9.75);
    l.setCaption(QString::fromUtf8(text));
    if (back != 0xFFFFFFFF)
        l.setBackColor(back);
}

// A white value label with a single border, right-aligned.
void valueLabel(forms::Label& l, Place p)
{
    place(l, p);
    l.setFontFace(PGothic, 11.25, true);
    l.setBackColor(White);
    l.setBorderStyle(1);
    l.setAlignment(1);
    l.setCaption(QString());
}

void button(forms::CommandButton& b, const char* text, Place p, double points = 9.75)
{
    place(b, p);
    b.setFontFace(PGothic, points);
    b.setCaption(QString::fromUtf8(text));
}

void frame(forms::Frame& f, const char* text, Place p, quint32 back)
{
    place(f, p);
    f.setFontFace(PGothic, 9.75);
    f.setCaption(QString::fromUtf8(text));
    f.setBackColor(back);
}

void grid(forms::FlexGrid& g, Place p, int rows)
{
    place(g, p);
    g.setFontFace(PGothic, 9.75);
    g.setCols(4);
    g.setRows(rows);
    g.setRowHeight(240);
}

} // namespace

SHUKEI::SHUKEI(Program& program) : Form(program, "SHUKEI"), prog(program)
{
    buildControls();
    connectHandlers();
    // Opens in the middle of the screen, wholly in view.
    const QSize screen = services().ScreenSizeTwips();
    MoveTo(std::max(0.0, (screen.width() - Width()) / 2), std::max(0.0, (screen.height() - Height()) / 2));
}

TallyData& SHUKEI::tally() { return prog.shared.tally; }

void SHUKEI::buildControls()
{
    setCaption(QStringLiteral("実績集計"));
    setClientSize(10560, 8280);
    setBackColor(Green);
    setFontFace(PGothic, 9.75);

    place(Image1, {120, 60, 1950, 705});
    Image1.setPicture(tallyTitlePicture(130, 47));
    Image1.setStretch(true);

    frame(Frame5, "", {2280, 60, 2160, 390}, Green);
    place(Toolbar1, {0, 0, 2160, 390});
    Toolbar1.addButton(QStringLiteral("ﾌｧｲﾙを開く"), forms::stockIcon(forms::StockIcon::Open));
    Toolbar1.addButton(QStringLiteral("名前を付けて保存"), forms::stockIcon(forms::StockIcon::Save));
    Toolbar1.addSeparatorButton();
    Toolbar1.addButton(QStringLiteral("全入力ﾃﾞｰﾀの各月ごと印刷"), forms::stockIcon(forms::StockIcon::Print));
    Toolbar1.addButton(QStringLiteral("Tesk電卓"), forms::stockIcon(forms::StockIcon::Calculator));
    Toolbar1.addButton(QStringLiteral("ﾍﾙﾌﾟ"), forms::stockIcon(forms::StockIcon::Help));

    // Period and key.
    frame(Frame1, "", {120, 840, 5940, 1140}, Green);
    caption(Label1, "実績集計期間：", {120, 510, 1400, 255});
    valueLabel(Label2, {1560, 480, 495, 285});
    caption(Label4, "月～", {2100, 510, 480, 255});
    valueLabel(Label3, {2640, 480, 495, 285});
    caption(Label5, "月", {3180, 510, 300, 255});
    place(Text1, {1560, 120, 495, 300});
    place(Text2, {2640, 120, 495, 300});
    for (forms::TextBox* t : {&Text1, &Text2}) {
        t->setFontFace(PGothic, 11.25);
        t->setAlignment(1);
    }
    caption(Label6, "項目名：", {3600, 510, 780, 255});
    place(Combo1, {4380, 465, 1440, 330});
    Combo1.setFontFace(PGothic, 9.75);
    caption(Label7, "（この項目名の項目に入力するのは数字です）", {1200, 840, 4620, 255});
    Label7.setAlignment(1);

    button(Command6, "ﾃﾞｰﾀ入力", {4620, 2040, 1440, 375}, 11.25);

    // Entry side.
    frame(Frame2, "ﾃﾞｰﾀ入力", {120, 2460, 5940, 5700}, Green);
    valueLabel(Label20, {120, 300, 420, 255});
    caption(Label21, "月度", {580, 300, 420, 255});
    caption(Label22, "項目名↓", {1020, 330, 900, 255});
    grid(G1, {120, 600, 5700, 2670}, 11);
    place(Text3, {720, 900, 450, 195});
    place(Text4, {1740, 900, 550, 195});
    place(Text5, {2955, 900, 1290, 195});
    for (forms::TextBox* t : {&Text3, &Text4, &Text5}) {
        t->setFontFace(PGothic, 9);
        t->setBackColor(White);
        t->setAlignment(1);
    }
    caption(Label26, "合　計：", {660, 3390, 1000, 255});
    valueLabel(Label24, {1740, 3360, 1080, 285});
    valueLabel(Label25, {2955, 3360, 2580, 285});
    button(Command3, "＜ 前月度", {120, 3780, 1200, 375});
    button(Command2, "次月度 ＞", {1380, 3780, 1200, 375});
    button(Command11, "入力確定", {2880, 3780, 1320, 375}, 11.25);
    frame(Frame7, "", {5340, 3720, 480, 480}, Green);
    place(Toolbar3, {30, 45, 420, 390});
    Toolbar3.addButton(QStringLiteral("各月入力データ印刷"), forms::stockIcon(forms::StockIcon::Print));
    frame(Frame4, "", {120, 4230, 5700, 1380}, Green);
    place(Label23, {120, 120, 5460, 1200});
    Label23.setFontFace(PGothic, 9);

    // Result side.
    button(Command1, "集計ボタン", {6240, 840, 1560, 450}, 11.25);
    button(Command10, "一覧表", {7920, 840, 1200, 450}, 11.25);
    frame(Frame3, "集計結果", {6240, 1440, 4200, 5760}, PaleGreen);
    valueLabel(Label8, {120, 300, 420, 255});
    caption(Label9, "月度　", {580, 300, 600, 255}, White);
    button(Command8, "＜ 前月度", {1800, 255, 1100, 345});
    button(Command9, "次月度 ＞", {2980, 255, 1100, 345});
    grid(G2, {120, 720, 3960, 1470}, 6);
    caption(Label14, "合計：", {120, 2280, 1200, 255}, White);
    valueLabel(Label15, {1560, 2250, 600, 285});
    valueLabel(Label16, {2160, 2250, 1590, 285});
    Line1.setPoints(120, 2700, 4080, 2700);
    valueLabel(Label10, {120, 2880, 420, 255});
    caption(Label12, "月～", {580, 2880, 450, 255});
    valueLabel(Label11, {1060, 2880, 420, 255});
    caption(Label13, "月分　合計", {1520, 2880, 1200, 255});
    frame(Frame6, "", {3600, 2790, 480, 480}, PaleGreen);
    place(Toolbar2, {30, 45, 420, 390});
    Toolbar2.addButton(QStringLiteral("集計結果一覧表印刷"), forms::stockIcon(forms::StockIcon::Print));
    grid(G3, {120, 3360, 3960, 1470}, 6);
    caption(Label19, "総合計：", {120, 4920, 1200, 255}, White);
    valueLabel(Label18, {1560, 4890, 600, 285});
    valueLabel(Label17, {2160, 4890, 1590, 285});
    Line2.setPoints(120, 5400, 4080, 5400);
    Frame3.setEnabled(false);

    button(Command4, "ﾘｾｯﾄ", {6240, 7620, 1320, 450}, 11.25);
    button(Command5, "ﾒﾆｭｰへ", {7680, 7620, 1320, 450}, 11.25);
    button(Command7, "終了", {9120, 7620, 1320, 450}, 11.25);

    // The pop-ups show their shortcut but answer it only while open.
    MM1.setVisible(false);
    MM2.setVisible(false);
    for (QAction* a : {MM11.action(), MM21.action()})
        a->setShortcutContext(Qt::WidgetShortcut);
    MM11.action()->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    MM21.action()->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
}

void SHUKEI::connectHandlers()
{
    Combo1.Click = [this] { Combo1_Click(); };
    Combo1.KeyPress = [this](int& k) { Combo1_KeyPress(k); };
    Command6.Click = [this] { Command6_Click(); };
    Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
    Text2.KeyPress = [this](int& k) { Text2_KeyPress(k); };
    G1.Click = [this] { G1_Click(); };
    G1.MouseDown = [this](int, int, double, double Y) {
        g1PressOnHeading_ = forms::px(Y) < G1.viewport()->geometry().top();
    };
    for (forms::TextBox* box : {&Text3, &Text4, &Text5})
        box->GotFocus = [this, box] { entryBox_ = box; };
    Text3.KeyDown = [this](int c, int s) { Text3_KeyDown(c, s); };
    Text4.KeyDown = [this](int c, int s) { Text4_KeyDown(c, s); };
    Text5.KeyDown = [this](int c, int s) { Text5_KeyDown(c, s); };
    Text3.KeyPress = [this](int& k) { Text3_KeyPress(k); };
    Text4.KeyPress = [this](int& k) { Text4_KeyPress(k); };
    Text5.KeyPress = [this](int& k) { Text5_KeyPress(k); };
    Command11.Click = [this] { Command11_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    M6.Click = [this] { M6_Click(); };
    M7.Click = [this] { M7_Click(); };

    Command1.Click = [this] { Command1_Click(); };
    Command8.Click = [this] { Command8_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    Command10.Click = [this] { Command10_Click(); };
    G2.Click = [this] { G2_Click(); };
    G2.MouseDown = [this](int b, int s, double x, double y) { G2_MouseDown(b, s, x, y); };
    G2.SelChange = [this] { G2_SelChange(); };
    G3.Click = [this] { G3_Click(); };
    G3.MouseDown = [this](int b, int s, double x, double y) { G3_MouseDown(b, s, x, y); };
    G3.SelChange = [this] { G3_SelChange(); };
    MM11.Click = [this] { MM11_Click(); };
    MM21.Click = [this] { MM21_Click(); };
    M2.Click = [this] { M2_Click(); };
    M3.Click = [this] { M3_Click(); };
    MM31.Click = [this] { MM31_Click(); };
    MM41.Click = [this] { MM41_Click(); };
    Toolbar1.ButtonClick = [this](int i) { Toolbar1_ButtonClick(i); };

    M4.Click = [this] { M4_Click(); };
    M5.Click = [this] { M5_Click(); };
    Toolbar2.ButtonClick = [this](int i) { Toolbar2_ButtonClick(i); };
    Toolbar3.ButtonClick = [this](int i) { Toolbar3_ButtonClick(i); };
}

} // namespace sumlet
