#include "sumlet/adding/sumlet_form.h"

#include "forms/formatted.h"
#include "runtime/format.h"
#include "sumlet/adding/adding_pictures.h"
#include "sumlet/adding/insatsu_form.h"
#include "sumlet/adding/tape.h"
#include "sumlet/program.h"
#include "sumlet/shell/menu_form.h"
#include "sumlet/shell/program_commands.h"
#include "sumlet/shell/ver_form.h"

#include <QCoreApplication>
#include <QStringList>

namespace sumlet {

namespace {

constexpr quint32 LightBlue = 0x00FF8080;
constexpr quint32 White = 0x00FFFFFF;
constexpr quint32 GuideBack = 0x00C0FFFF;
constexpr quint32 PreviousBack = 0x0080FFFF;
const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");

// A white, right-aligned value label with a single border.
void valueLabel(forms::Label& l, const QString& font, double points, bool bold)
{
    l.setBackColor(White);
    l.setAlignment(1);
    l.setBorderStyle(1);
    l.setFontFace(font, points, bold);
    l.setCaption(QString());
}

} // namespace

QString addingGuideText()
{
    static const QStringList lines{
        QStringLiteral("● 加算のみです。"),
        QStringLiteral("● 入力確定はエンターキーのみです。"),
        QStringLiteral("● 数字キーで数字を入れてエンターキーを"),
        QStringLiteral("　 押すと加算されます。"),
        QStringLiteral("● 戻って訂正や取消はできません。"),
        QStringLiteral("● ＋－×÷ は各入力毎一度だけ使えます。"),
        QStringLiteral("● ﾌｧｲﾙを開いて継続して入力できます。"),
        QStringLiteral("● ｢クリア｣ボタンで直前の合計分が表示"),
        QStringLiteral("　 されますので検算に便利です。"),
        QStringLiteral("● １０００件までです。"),
        QStringLiteral("● 「**」ｴﾝﾀｰでクリアボタンと同じです。"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

SUMLET::SUMLET(Program& program) : Form(program, "SUMLET"), prog(program)
{
    buildControls();
    connectHandlers();
}

void SUMLET::buildControls()
{
    setCaption(QStringLiteral(" Tesk加算機"));
    setClientSize(7035, 5835);
    setBackColor(LightBlue);
    setFontFace(PGothic, 11.25);
    setWindowIcon(addingFormIcon());

    Image2.Move(120, 40, 2775, 615);
    Image2.setPicture(addingTitlePicture(185, 41));
    Image2.setStretch(true);

    G.Move(120, 640, 2655, 3070);
    G.setFontFace(PGothic, 11.25);
    G.setCols(3);
    G.setRows(2);

    Command6.Move(2880, 3360, 855, 255);
    Command6.setCaption(QStringLiteral("ｺﾋﾟｰ"));
    Command6.setFontFace(PGothic, 11.25);

    Frame1.Move(5200, 0, 1760, 390);
    Frame1.setBackColor(LightBlue);
    Toolbar1.Move(0, 0, 1760, 390);
    Toolbar1.addButton(QStringLiteral("ﾌｧｲﾙを開く"), forms::stockIcon(forms::StockIcon::Open));
    Toolbar1.addButton(QStringLiteral("名前を付けて保存"), forms::stockIcon(forms::StockIcon::Save));
    Toolbar1.addButton(QStringLiteral("印刷"), forms::stockIcon(forms::StockIcon::Print));
    Toolbar1.addButton(QStringLiteral("電卓"), forms::stockIcon(forms::StockIcon::Calculator));
    Toolbar1.addButton(QStringLiteral("ﾍﾙﾌﾟ"), forms::stockIcon(forms::StockIcon::Help));

    struct Button {
        forms::CommandButton& b;
        const char* caption;
        double left, top, width, height, points;
    };
    for (const Button& x : {Button{Command4, "操作要領", 5760, 3720, 1095, 375, 9},
                            Button{Command2, "クリア **", 5760, 4200, 1095, 375, 11.25},
                            Button{Command3, "ﾒﾆｭｰへ", 5760, 4680, 1095, 375, 9.75},
                            Button{Command1, "終了", 5760, 5160, 1095, 495, 11.25}}) {
        x.b.Move(x.left, x.top, x.width, x.height);
        x.b.setCaption(QString::fromUtf8(x.caption));
        x.b.setFontFace(PGothic, x.points);
    }

    Image1.Move(120, 3720, 5250, 2070);
    Image1.setPicture(addingPanelPicture(350, 138));
    Image1.setStretch(true);

    Label1.Move(3000, 3960, 2175, 345);
    valueLabel(Label1, PGothic, 12, true);
    Label5.Move(360, 4440, 975, 375);
    valueLabel(Label5, PGothic, 14.25, true);
    Label10.Move(1395, 4605, 255, 255);
    Label10.setFontFace(PGothic, 9);
    Label10.setCaption(QStringLiteral("件"));
    Label2.Move(1680, 4440, 3495, 375);
    valueLabel(Label2, PGothic, 14.25, true);

    Frame2.Move(1200, 4920, 3975, 615);
    Frame2.setBackColor(PreviousBack);
    Frame2.setFontFace(PGothic, 11.25);
    Frame2.setCaption(QStringLiteral("前の計算"));
    Label6.Move(240, 225, 855, 255);
    valueLabel(Label6, QStringLiteral("ＭＳ Ｐ明朝"), 11.25, false);
    Label9.Move(1160, 300, 255, 255);
    Label9.setFontFace(PGothic, 9);
    Label9.setCaption(QStringLiteral("件"));
    Label4.Move(1560, 220, 2295, 300);
    valueLabel(Label4, QStringLiteral("ＭＳ Ｐ明朝"), 11.25, false);

    Text1.Move(5880, 5280, 735, 255);
    Text1.setFontFace(PGothic, 12);
    Text1.setTabIndex(2);
    Text1.stackUnder(&Command1);

    Picture1.Move(2880, 720, 3975, 2535);
    Picture1.setBackColor(GuideBack);
    Picture1.setVisible(false);
    Label3.Move(120, 240, 3615, 2160);
    Label3.setFontFace(QStringLiteral("ＭＳ ゴシック"), 9);
    Command5.Move(3240, 80, 495, 255);
    Command5.setCaption(QStringLiteral("閉"));
    Command5.setFontFace(PGothic, 9);

    M4.setVisible(false);
}

void SUMLET::connectHandlers()
{
    Text1.Change = [this] { Text1_Change(); };
    Text1.KeyPress = [this](int& KeyAscii) { Text1_KeyPress(KeyAscii); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    G.Click = [this] { G_Click(); };
    G.MouseDown = [this](int Button, int Shift, double X, double Y) { G_MouseDown(Button, Shift, X, Y); };
    M11.Click = [this] { M11_Click(); };
    M12.Click = [this] { M12_Click(); };
    M14.Click = [this] { M14_Click(); };
    M16.Click = [this] { M16_Click(); };
    M21.Click = [this] { M21_Click(); };
    M31.Click = [this] { M31_Click(); };
    M33.Click = [this] { M33_Click(); };
    M41.Click = [this] { M41_Click(); };
    Toolbar1.ButtonClick = [this](int Index) { Toolbar1_ButtonClick(Index); };
}

AddingTape& SUMLET::tape() { return prog.shared.tape; }

int SUMLET::maxInputRows() const
{
    const int rows = static_cast<int>(prog.shared.MaxInputRows.num());
    return std::clamp(rows, 0, G.Rows() - 1);
}

void SUMLET::Form_Activate()
{
    QCoreApplication::processEvents();
    if (!isLoaded() || program().Ended())
        return;
    AddingTape& t = tape();
    t.PrintLineNoMode = 0;
    prog.shared.MaxInputRows = AddingTape::Capacity;
    const int rows = AddingTape::Capacity;
    if (!tapeChecked_) {
        // The tape is made once per load of the form; it survives the
        // form's dialogs, the print form and the version box.
        if (!t.exists())
            t.create(rows);
        tapeChecked_ = true;
    }

    G.setColWidth(0, 600);
    G.setColWidth(1, 1700);
    G.setColWidth(2, 0);
    G.setFixedAlignment(0, 4);
    G.setColAlignment(0, 7);
    G.setTextMatrix(0, 0, QStringLiteral("NO"));
    G.setRows(rows + 1);
    G.setCols(3);
    for (int k = 1; k <= rows; ++k)
        G.setTextMatrix(k, 0, forms::formatted(k, "#0 "));

    prog.shared.WorkStr = addingGuideText().toStdString();
    Label3.setCaption(QString::fromStdString(prog.shared.WorkStr));
    Text1.SetFocus();
}

void SUMLET::Command4_Click()
{
    Picture1.setVisible(true);
    Text1.SetFocus();
}

void SUMLET::Command5_Click()
{
    Picture1.setVisible(false);
    Text1.SetFocus();
}

void SUMLET::G_Click() { Text1.SetFocus(); }

void SUMLET::G_MouseDown(int Button, int Shift, double X, double Y)
{
    if (Button == 2)
        PopupMenu(M4);
}

void SUMLET::Command3_Click()
{
    prog.shared.MaxInputRows = 0;
    tape().reset();
    prog.shared.ReturnFlag = 0;
    prog.INSATSU_.Unload();
    prog.MENU_.Show();
    Unload();
}

void SUMLET::Command1_Click() { ExitProgram(prog, *this); }
void SUMLET::M16_Click() { ExitProgram(prog, *this); }

void SUMLET::M14_Click()
{
    prog.shared.ReturnFlag = 1;
    prog.INSATSU_.Show();
}

void SUMLET::M21_Click() { StartCalculator(prog, *this); }
void SUMLET::M31_Click() { OpenHelp(prog, *this); }
void SUMLET::M33_Click() { prog.VER_.ShowModal(); }

void SUMLET::Toolbar1_ButtonClick(int Index)
{
    switch (Index) {
    case 1: M11_Click(); break;
    case 2: M12_Click(); break;
    case 3: M14_Click(); break;
    case 4: M21_Click(); break;
    case 5: M31_Click(); break;
    default: break;
    }
}

} // namespace sumlet
