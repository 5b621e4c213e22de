// SHUKEI: the tally form. One class; its controls are built in
// shukei_form.cpp beside this header, its handlers live in tally/entry (set-up,
// period, entry line, months, reset and return), tally/results (compute,
// result grids, tally files, main toolbar) and tally/print (prints).
#pragma once

#include "forms/commands.h"
#include "forms/common_dialog.h"
#include "forms/controls.h"
#include "forms/flex_grid.h"
#include "forms/form.h"

namespace sumlet {

class Program;
struct TallyData;

class SHUKEI : public forms::Form {
    Q_OBJECT
public:
    explicit SHUKEI(Program& program);

    void Form_Activate() override;

    // Clear a grid and write its heading row ("NO", KeyName, "件数", "金　額").
    void G1C();
    void G2C();
    void G3C();

    // Containers come before their contents; later controls lie on top.
    forms::Image Image1{this, "Image1"};
    forms::Frame Frame5{this, "Frame5"};
    forms::Toolbar Toolbar1{&Frame5, "Toolbar1"};

    forms::Frame Frame1{this, "Frame1"};
    forms::Label Label1{&Frame1, "Label1"};
    forms::Label Label2{&Frame1, "Label2"};
    forms::Label Label4{&Frame1, "Label4"};
    forms::Label Label3{&Frame1, "Label3"};
    forms::Label Label5{&Frame1, "Label5"};
    forms::TextBox Text1{&Frame1, "Text1"};
    forms::TextBox Text2{&Frame1, "Text2"};
    forms::Label Label6{&Frame1, "Label6"};
    forms::ComboBox Combo1{&Frame1, "Combo1"};
    forms::Label Label7{&Frame1, "Label7"};

    forms::CommandButton Command6{this, "Command6"};

    forms::Frame Frame2{this, "Frame2"};
    forms::Label Label20{&Frame2, "Label20"};
    forms::Label Label21{&Frame2, "Label21"};
    forms::Label Label22{&Frame2, "Label22"};
    forms::FlexGrid G1{&Frame2, "G1"};
    forms::TextBox Text3{&Frame2, "Text3"};
    forms::TextBox Text4{&Frame2, "Text4"};
    forms::TextBox Text5{&Frame2, "Text5"};
    forms::Label Label26{&Frame2, "Label26"};
    forms::Label Label24{&Frame2, "Label24"};
    forms::Label Label25{&Frame2, "Label25"};
    forms::CommandButton Command3{&Frame2, "Command3"};
    forms::CommandButton Command2{&Frame2, "Command2"};
    forms::CommandButton Command11{&Frame2, "Command11"};
    forms::Frame Frame7{&Frame2, "Frame7"};
    forms::Toolbar Toolbar3{&Frame7, "Toolbar3"};
    forms::Frame Frame4{&Frame2, "Frame4"};
    forms::Label Label23{&Frame4, "Label23"};

    forms::Frame Frame3{this, "Frame3"};
    forms::Label Label8{&Frame3, "Label8"};
    forms::Label Label9{&Frame3, "Label9"};
    forms::CommandButton Command8{&Frame3, "Command8"};
    forms::CommandButton Command9{&Frame3, "Command9"};
    forms::FlexGrid G2{&Frame3, "G2"};
    forms::Label Label14{&Frame3, "Label14"};
    forms::Label Label15{&Frame3, "Label15"};
    forms::Label Label16{&Frame3, "Label16"};
    forms::Line Line1{&Frame3, "Line1"};
    forms::Label Label10{&Frame3, "Label10"};
    forms::Label Label12{&Frame3, "Label12"};
    forms::Label Label11{&Frame3, "Label11"};
    forms::Label Label13{&Frame3, "Label13"};
    forms::Frame Frame6{&Frame3, "Frame6"};
    forms::Toolbar Toolbar2{&Frame6, "Toolbar2"};
    forms::FlexGrid G3{&Frame3, "G3"};
    forms::Label Label19{&Frame3, "Label19"};
    forms::Label Label18{&Frame3, "Label18"};
    forms::Label Label17{&Frame3, "Label17"};
    forms::Line Line2{&Frame3, "Line2"};

    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command10{this, "Command10"};
    forms::CommandButton Command4{this, "Command4"};
    forms::CommandButton Command5{this, "Command5"};
    forms::CommandButton Command7{this, "Command7"};
    forms::CommonDialog CommonDialog1{this, "CommonDialog1"};

    forms::Menu MMM{this, "MMM", QStringLiteral("ﾌｧｲﾙ")};
    forms::Menu M1{&MMM, "M1", QStringLiteral("新規入力")};
    forms::Menu L1{&MMM, "L1", QStringLiteral("-")};
    forms::Menu M2{&MMM, "M2", QStringLiteral("ﾌｧｲﾙを開く")};
    forms::Menu M3{&MMM, "M3", QStringLiteral("名前を付けて保存")};
    forms::Menu L2{&MMM, "L2", QStringLiteral("-")};
    forms::Menu M4{&MMM, "M4", QStringLiteral("入力明細印刷")};
    forms::Menu M5{&MMM, "M5", QStringLiteral("集計結果印刷")};
    forms::Menu L3{&MMM, "L3", QStringLiteral("-")};
    forms::Menu M6{&MMM, "M6", QStringLiteral("ﾒﾆｭｰに戻る")};
    forms::Menu L4{&MMM, "L4", QStringLiteral("-")};
    forms::Menu M7{&MMM, "M7", QStringLiteral("加算・集計器の終了")};
    // Pop-ups of G2 and G3, hidden from the bar. Their shortcuts are shown
    // in the pop-up and act only there (the text boxes keep Ctrl+C).
    forms::Menu MM1{this, "MM1", QStringLiteral("ｺﾋﾟｰ(&C)")};
    forms::Menu MM11{&MM1, "MM11", QStringLiteral("ｺﾋﾟｰ(&C)")};
    forms::Menu MM2{this, "MM2", QStringLiteral("ｺﾋﾟｰ(&P)")};
    forms::Menu MM21{&MM2, "MM21", QStringLiteral("ｺﾋﾟｰ(&P)")};
    forms::Menu MM3{this, "MM3", QStringLiteral("ﾂｰﾙ(&T)")};
    forms::Menu MM31{&MM3, "MM31", QStringLiteral("Tesk電卓(&D)"), QStringLiteral("Ctrl+D")};
    forms::Menu MM4{this, "MM4", QStringLiteral("ﾍﾙﾌﾟ(&H)")};
    forms::Menu MM41{&MM4, "MM41", QStringLiteral("ﾍﾙﾌﾟ(&H)"), QStringLiteral("Ctrl+H")};

private:
    void buildControls();
    void connectHandlers();
    Program& prog;
    TallyData& tally();

    // ---- Entry side (tally/entry) ----
    // Set-up and key choice.
    void Combo1_Click();
    void Combo1_KeyPress(int& KeyAscii);
    void chooseKey(bool byEnter);
    void Command6_Click();
    void setNoPeriod();
    void clearResultGrid(forms::FlexGrid& g);
    // Period.
    void Text1_KeyPress(int& KeyAscii);
    void Text2_KeyPress(int& KeyAscii);
    // Entry line.
    void G1_Click();
    bool g1PressOnHeading_ = false;   // the last press in G1 was on its heading row
    forms::TextBox* entryBox_ = nullptr;   // the entry box that last had the focus
    void Text3_KeyDown(int KeyCode, int Shift);
    void Text4_KeyDown(int KeyCode, int Shift);
    void Text5_KeyDown(int KeyCode, int Shift);
    void Text3_KeyPress(int& KeyAscii);
    void Text4_KeyPress(int& KeyAscii);
    void Text5_KeyPress(int& KeyAscii);
    void lineDown(bool moveCurrentRow);
    void lineUp();
    void placeEntryLine();
    bool takeEntry(forms::TextBox& box, int col, int& KeyAscii, double& value);
    void passOn(int col);
    void entryLineToTop();
    void showCountTotal();
    void showAmountTotal();
    void closeWithStar();
    int maxInputRows() const;
    // Closing and stepping months.
    void Command11_Click();
    void Command2_Click();
    void Command3_Click();
    void CloseEntryMonth(int k, int n);
    void ShowEntryMonth(int m);
    bool monthHasRows(long m) const;
    // Reset, return and exit.
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void M6_Click();
    void M7_Click();

    // ---- Result side (tally/results) ----
    void Command1_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void G2_Click();
    void G2_MouseDown(int Button, int Shift, double X, double Y);
    void G2_SelChange();
    void G3_Click();
    void G3_MouseDown(int Button, int Shift, double X, double Y);
    void G3_SelChange();
    void MM11_Click();
    void MM21_Click();
    void M2_Click();
    void M3_Click();
    void MM31_Click();
    void MM41_Click();
    void Toolbar1_ButtonClick(int Index);
    void LoadTallyFile();
    void SaveTallyFile();
    void PrintEntriesCommand();
    void ShowResultMonth(int m);

    // ---- Prints (tally/print) ----
    void M4_Click();
    void M5_Click();
    void Toolbar2_ButtonClick(int Index);
    void Toolbar3_ButtonClick(int Index);
};

} // namespace sumlet
