// MENU: the start form of SUMLET.
#pragma once

#include "forms/commands.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace sumlet {

class Program;

class MENU : public forms::Form {
    Q_OBJECT
public:
    explicit MENU(Program& program);

    void Form_Load() override;
    void Form_Activate() override;

    forms::Frame Frame1{this, "Frame1"};
    forms::Toolbar Toolbar1{&Frame1, "Toolbar1"};
    forms::Image Image1{this, "Image1"};
    forms::Frame Frame2{this, "Frame2"};
    forms::CommandButton Command8{&Frame2, "Command8"};
    forms::CommandButton Command6{&Frame2, "Command6"};
    forms::CommandButton Command9{&Frame2, "Command9"};

    forms::Menu MX1{this, "MX1", QStringLiteral("ﾌｧｲﾙ(&F)")};
    forms::Menu MX11{&MX1, "MX11", QStringLiteral("ﾌｧｲﾙを格納するﾌｫﾙﾀﾞ指定(&A)"), QStringLiteral("Ctrl+A")};
    forms::Menu MX14{&MX1, "MX14", QStringLiteral("-")};
    forms::Menu MX15{&MX1, "MX15", QStringLiteral("終了(&E)"), QStringLiteral("Ctrl+E")};
    forms::Menu MX2{this, "MX2", QStringLiteral("ﾂｰﾙ(&T)")};
    forms::Menu MX21{&MX2, "MX21", QStringLiteral("Tesk電卓(&D)"), QStringLiteral("Ctrl+D")};
    forms::Menu MX3{this, "MX3", QStringLiteral("ﾍﾙﾌﾟ(&H)")};
    forms::Menu MX31{&MX3, "MX31", QStringLiteral("ﾍﾙﾌﾟ(&H)"), QStringLiteral("Ctrl+H")};
    forms::Menu MX32{&MX3, "MX32", QStringLiteral("-")};
    forms::Menu MX33{&MX3, "MX33", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&V)"), QStringLiteral("Ctrl+V")};

private:
    void Command8_Click();
    void Command6_Click();
    void Command9_Click();
    void MX11_Click();
    void MX15_Click();
    void MX21_Click();
    void MX31_Click();
    void MX33_Click();
    void Toolbar1_ButtonClick(int Index);

    Program& prog;
};

} // namespace sumlet
