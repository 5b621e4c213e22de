// ICHIRAN: the key-by-month result list of the computed tally, shown modal
// from the tally form:
//   prog.ICHIRAN_.ShowModal();
//   if (prog.Ended()) return;     // "終了" ended the program
// It fills its grid from the tally data on every activation and only reads
// that data; "戻る" and the window's close box leave ReturnFlag = 1 and
// CurMonth = 2 for the tally form.
#pragma once

#include "forms/commands.h"
#include "forms/controls.h"
#include "forms/flex_grid.h"
#include "forms/form.h"

namespace sumlet {

class Program;

class ICHIRAN : public forms::Form {
    Q_OBJECT
public:
    explicit ICHIRAN(Program& program);

    void Form_Activate() override;
    void Form_Click() override;
    void Form_Unload(int& Cancel) override;

    forms::FlexGrid G4{this, "G4"};
    forms::Frame Frame6{this, "Frame6"};
    forms::Toolbar Toolbar2{&Frame6, "Toolbar2"};
    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command2{this, "Command2"};

    forms::Menu M1{this, "M1", QStringLiteral("ｺﾋﾟｰ(&C)")};   // the grid's pop-up
    forms::Menu M11{&M1, "M11", QStringLiteral("ｺﾋﾟｰ(&C)"), QStringLiteral("Ctrl+C")};

private:
    void G4_Click();
    void G4_MouseDown(int Button, int Shift, double X, double Y);
    void G4_SelChange();
    void M11_Click();
    void Command1_Click();
    void Command2_Click();
    void Toolbar2_ButtonClick(int Index);
    void markReturn();

    Program& prog;
};

} // namespace sumlet
