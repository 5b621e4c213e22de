#include "sumlet/shell/ver_form.h"

#include "sumlet/program.h"
#include "sumlet/shell/pictures.h"

namespace sumlet {

namespace {
constexpr quint32 DarkBlue = 0x00C00000;
constexpr quint32 Yellow = 0x0000FFFF;
}

VER::VER(Program& program) : Form(program, "VER")
{
    setCaption(QStringLiteral("　ﾊﾞｰｼﾞｮﾝ情報"));
    setClientSize(3765, 1905);
    setBackColor(DarkBlue);

    Image1.Move(120, 120, 600, 585);
    Image1.setPicture(adderPicture(40, 39));

    const QString gothic = QStringLiteral("ＭＳ Ｐゴシック");
    Label1.Move(840, 120, 2805, 300);
    Label1.setCaption(QStringLiteral("Tesk加算・集計器"));
    Label1.setAlignment(2);
    Label1.setFontFace(gothic, 11.25, true);

    Label2.Move(840, 450, 2805, 240);
    Label2.setCaption(QStringLiteral("For Windows"));
    Label2.setAlignment(2);

    Label3.Move(840, 720, 2805, 300);
    Label3.setCaption(QStringLiteral("Version：　２．３３"));
    Label3.setAlignment(2);
    Label3.setFontFace(gothic, 11.25, true);

    Label4.Move(120, 1080, 3525, 240);
    Label4.setCaption(QStringLiteral("制作：Tesk加算・集計器 開発グループ"));

    for (forms::Label* l : {&Label1, &Label2, &Label3, &Label4})
        l->setForeColor(Yellow);

    Command1.Move(2760, 1320, 855, 375);
    Command1.setCaption(QStringLiteral("閉じる"));
    Command1.Click = [this] { Command1_Click(); };
}

void VER::Command1_Click() { Unload(); }

} // namespace sumlet
