#include "quorvel/dates/hizuke_form.h"

#include "quorvel/dates/sign_pictures.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"

#include <QMoveEvent>

namespace quorvel {

namespace {

struct Spot {
    double left, top, width, height;
};

void place(forms::ControlCore& c, Spot s) { c.Move(s.left, s.top, s.width, s.height); }

void caption(forms::Label& l, const char* text, Spot s)
{
    l.setCaption(QString::fromUtf8(text));
    place(l, s);
}

void caption(forms::CommandButton& b, const char* text, Spot s)
{
    b.setCaption(QString::fromUtf8(text));
    place(b, s);
}

void result(forms::Label& l, Spot s, bool bold = false)
{
    l.setFontFace("ＭＳ ゴシック", 11.25, bold);
    place(l, s);
}

void entry(forms::TextBox& t, Spot s, int tab)
{
    t.setFontFace("ＭＳ ゴシック", 11.25);
    t.setTabIndex(tab);
    place(t, s);
}

} // namespace

PictureArray::PictureArray(QWidget* parent, const char* name)
{
    for (int i = 0; i < kCount; ++i) {
        const QByteArray n = QByteArray(name) + "(" + QByteArray::number(i) + ")";
        items_[i] = std::make_unique<forms::Image>(parent, n.constData());
        items_[i]->setPicture(dates::signPicture(i));
        items_[i]->setAccessibleName(dates::signAnimal(i));
        items_[i]->setVisible(false);
    }
}

HIZUKE::HIZUKE(Program& program) : Form(program, "HIZUKE"), prog(program), v(program.dateValues)
{
    setCaption("日数計算");
    setClientSize(9030, 3135);
    setFontFace("ＭＳ ゴシック", 9);

    caption(Label12, "（年月日＝西暦の８ｹﾀ or 元号+６ｹﾀで入力ｴﾝﾀｰ　　例：20080805 or H200805）",
            {120, 120, 7935, 195});
    caption(Label15, "十二支", {6120, 330, 1000, 200});
    caption(Label20, "曜日", {7440, 360, 615, 220});
    caption(Label17, "満年齢", {8280, 840, 615, 225});
    caption(Label1, "起算年月日：", {120, 640, 1095, 255});
    caption(Label2, "計算年月日：", {120, 1125, 1095, 255});
    caption(Label7, "経過日数：", {120, 1605, 1095, 255});
    caption(Label9, "日", {3315, 1680, 255, 255});

    entry(Text1, {1245, 640, 1120, 225}, 0);
    entry(Text2, {1245, 1125, 1120, 225}, 1);
    entry(Text3, {1240, 1590, 975, 225}, 2);

    // The dates and days end at the right of their labels, clear of the boxes.
    result(Label3, {1200, 600, 2535, 300});
    result(Label5, {3840, 600, 2175, 300});
    result(Label13, {6120, 600, 495, 300});
    result(Label10, {7320, 600, 855, 300});
    result(Label4, {1200, 1080, 2535, 300});
    result(Label6, {3840, 1080, 2175, 300});
    result(Label14, {6120, 1080, 495, 300});
    result(Label11, {7320, 1080, 855, 300});
    result(Label16, {8280, 1080, 615, 300}, true);
    result(Label8, {1200, 1560, 2055, 300}, true);
    for (forms::Label* l : {&Label3, &Label4, &Label8})
        l->setAlignment(1);

    for (int i = 0; i < PictureArray::kCount; ++i) {
        place(Image1[i], {6720, i == 12 ? 555.0 : 560.0, 420, 420});
        place(Image2[i], {6720, 1040, 420, 420});
    }

    caption(Command1, "経過日数計算", {3840, 1560, 1455, 375});
    caption(Command2, "ﾘｾｯﾄ", {6480, 1560, 735, 375});
    caption(Command3, "戻る", {7320, 1560, 735, 375});
    caption(Command4, "終了", {8160, 1560, 735, 375});
    caption(Command5, "日数加算計算", {240, 2040, 1455, 375});
    const std::array<forms::CommandButton*, 5> tabbed{&Command1, &Command2, &Command3, &Command4, &Command5};
    for (std::size_t i = 0; i < tabbed.size(); ++i)
        tabbed[i]->setTabIndex(3 + static_cast<int>(i));

    place(Shape1, {3000, 2160, 5895, 885});
    caption(Label18, "● 起算日と計算日入力で経過日数計算ボタン＝経過日数表示", {3120, 2235, 5655, 225});
    caption(Label21, "● 計算日＝何も入れずにエンター＝本日（NOW）が自動入力計算。", {3120, 2505, 5655, 225});
    caption(Label19, "● 起算日と経過日数入力で日数加算計算ボタン＝計算年月日表示", {3120, 2760, 5655, 225});

    Label1.Click = Label3.Click = [this] { Text1.SetFocus(); };
    Label2.Click = Label4.Click = [this] { Text2.SetFocus(); };
    Label7.Click = Label8.Click = [this] { Text3.SetFocus(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
    Text1.KeyDown = [this](int c, int s) { Text1_KeyDown(c, s); };
    Text2.KeyPress = [this](int& k) { Text2_KeyPress(k); };
    Text2.KeyDown = [this](int c, int s) { Text2_KeyDown(c, s); };
    Text3.KeyPress = [this](int& k) { Text3_KeyPress(k); };
    Text3.KeyDown = [this](int c, int s) { Text3_KeyDown(c, s); };
    // A typed text never stays in a box that is left.
    for (forms::TextBox* t : {&Text1, &Text2, &Text3})
        t->LostFocus = [t] { t->setText(QString()); };
}

void HIZUKE::Form_Load() { placeFromKeypad(); }

void HIZUKE::moveEvent(QMoveEvent* e)
{
    forms::Form::moveEvent(e);
    if (!framed_ && isVisible() && frameGeometry().width() != width()) {
        framed_ = true;
        placeFromKeypad();
    }
}

void HIZUKE::placeFromKeypad()
{
    // Where the keypad window stood, pulled left to stay on the screen.
    const float width = static_cast<float>(Width());
    const float screen = static_cast<float>(services().ScreenSizeTwips().width());
    float left = static_cast<float>(prog.shared.FormLeft.num());
    if (left > screen - width)
        left = screen - width - 20;
    MoveTo(left, static_cast<float>(prog.shared.FormTop.num()));
}

void HIZUKE::Form_Activate()
{
    ETO();
    ETO2();
}

void HIZUKE::ETO()
{
    for (int i = 0; i < 12; ++i)
        Image1[i].setVisible(false);
}

void HIZUKE::ETO2()
{
    for (int i = 0; i < 12; ++i)
        Image2[i].setVisible(false);
}

void HIZUKE::Form_Unload(int& Cancel)
{
    (void)Cancel;
    prog.QUORVEL_.Show();
}

void HIZUKE::Command3_Click()
{
    v.clear();
    Unload();
    prog.QUORVEL_.Show();
}

void HIZUKE::Command4_Click() { End(); }

} // namespace quorvel
