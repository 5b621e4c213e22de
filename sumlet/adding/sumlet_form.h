// SUMLET: the adding machine's form. The tape lives in the program's shared
// state (Shared::tape); the form shows it in the grid G and its labels.
#pragma once

#include "forms/commands.h"
#include "forms/common_dialog.h"
#include "forms/controls.h"
#include "forms/flex_grid.h"
#include "forms/form.h"

namespace sumlet {

class Program;
struct AddingTape;

// The operating guide shown in Label3: eleven lines joined by CR LF.
QString addingGuideText();

class SUMLET : public forms::Form {
    Q_OBJECT
public:
    explicit SUMLET(Program& program);

    void Form_Activate() override;

    // Containers come before their contents; later controls lie on top.
    forms::Image Image2{this, "Image2"};
    forms::FlexGrid G{this, "G"};
    forms::Image Image1{this, "Image1"};
    forms::TextBox Text1{this, "Text1"};
    forms::CommandButton Command6{this, "Command6"};
    forms::Frame Frame1{this, "Frame1"};
    forms::Toolbar Toolbar1{&Frame1, "Toolbar1"};
    forms::CommandButton Command4{this, "Command4"};
    forms::CommandButton Command2{this, "Command2"};
    forms::CommandButton Command3{this, "Command3"};
    forms::CommandButton Command1{this, "Command1"};
    forms::Label Label1{this, "Label1"};
    forms::Label Label5{this, "Label5"};
    forms::Label Label10{this, "Label10"};
    forms::Label Label2{this, "Label2"};
    forms::Frame Frame2{this, "Frame2"};
    forms::Label Label6{&Frame2, "Label6"};
    forms::Label Label9{&Frame2, "Label9"};
    forms::Label Label4{&Frame2, "Label4"};
    forms::PictureBox Picture1{this, "Picture1"};
    forms::Label Label3{&Picture1, "Label3"};
    forms::CommandButton Command5{&Picture1, "Command5"};
    forms::CommonDialog CommonDialog1{this, "CommonDialog1"};

    forms::Menu M1{this, "M1", QStringLiteral("ﾌｧｲﾙ(&F)")};
    forms::Menu M11{&M1, "M11", QStringLiteral("ﾌｧｲﾙを開く(&O)"), QStringLiteral("Ctrl+O")};
    forms::Menu M12{&M1, "M12", QStringLiteral("名前を付けて保存(&S)"), QStringLiteral("Ctrl+S")};
    forms::Menu M13{&M1, "M13", QStringLiteral("-")};
    forms::Menu M14{&M1, "M14", QStringLiteral("印刷(&P)"), QStringLiteral("Ctrl+P")};
    forms::Menu M15{&M1, "M15", QStringLiteral("-")};
    forms::Menu M16{&M1, "M16", QStringLiteral("終了(&E)"), QStringLiteral("Ctrl+E")};
    forms::Menu M2{this, "M2", QStringLiteral("ﾂｰﾙ(&T)")};
    forms::Menu M21{&M2, "M21", QStringLiteral("Tesk電卓(&D)"), QStringLiteral("Ctrl+D")};
    forms::Menu M3{this, "M3", QStringLiteral("ﾍﾙﾌﾟ(&H)")};
    forms::Menu M31{&M3, "M31", QStringLiteral("ﾍﾙﾌﾟ(&H)"), QStringLiteral("Ctrl+H")};
    forms::Menu M32{&M3, "M32", QStringLiteral("-")};
    forms::Menu M33{&M3, "M33", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&V)"), QStringLiteral("Ctrl+V")};
    forms::Menu M4{this, "M4", QStringLiteral("ｺﾋﾟｰ(&C)")};   // the grid's pop-up
    forms::Menu M41{&M4, "M41", QStringLiteral("ｺﾋﾟｰ(&C)"), QStringLiteral("Ctrl+C")};

private:
    void buildControls();
    void connectHandlers();

    // Handlers (sumlet_form.cpp, sumlet_entry.cpp, sumlet_files.cpp).
    void Text1_Change();
    void Text1_KeyPress(int& KeyAscii);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void G_Click();
    void G_MouseDown(int Button, int Shift, double X, double Y);
    void M11_Click();
    void M12_Click();
    void M14_Click();
    void M16_Click();
    void M21_Click();
    void M31_Click();
    void M33_Click();
    void M41_Click();
    void Toolbar1_ButtonClick(int Index);

    // Shared steps.
    void clearTape();
    void copyTape();
    void showTotals();          // Label2, Label5 and the hidden column
    void prepareFileDialog(bool save);
    int maxInputRows() const;
    AddingTape& tape();

    Program& prog;
    bool tapeChecked_ = false;  // the first activation after the load has run
};

} // namespace sumlet
