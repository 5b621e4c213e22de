// Reset, return to the menu and the ways out of the tally form.
#include "sumlet/tally/shukei_form.h"

#include "sumlet/program.h"
#include "sumlet/shell/menu_form.h"
#include "sumlet/shell/program_commands.h"
#include "sumlet/tally/print/print_1_form.h"

namespace sumlet {

void SHUKEI::Command4_Click()
{
    Shared& s = prog.shared;
    TallyData& t = tally();
    ClearTallyData(t, s.ReturnFlag);
    G1C();
    G2C();
    G3C();
    G2.setRows(6);
    G3.setRows(6);
    for (forms::Label* l : {&Label2, &Label3, &Label8, &Label10, &Label11, &Label15, &Label16, &Label17, &Label18,
                            &Label20, &Label24, &Label25})
        l->setCaption(QString());
    Combo1.setListIndex(0);
    for (forms::CommandButton* b : {&Command1, &Command2, &Command3, &Command6, &Command8, &Command9, &Command10})
        b->setEnabled(false);
    Frame3.setEnabled(false);
    t.InputRow = 1;
    G1.setRow(1);
    t.InputRowOnScreen = 1;
    t.CurMonth = 1;
    // The grid scrolls back too, so that the line stands over row 1.
    G1.setTopRow(1);
    Text3.Move(740, 900, 450, Text3.Height());
    Text4.setTop(900);
    Text5.setTop(900);
    Beep();
    Text1.SetFocus();
}

void SHUKEI::Command5_Click()
{
    Shared& s = prog.shared;
    ClearTallyData(tally(), s.ReturnFlag, s.MaxInputRows);
    // The entry print dialog belongs to this form's tally; it goes with it.
    prog.PRINT_1_.Unload();
    prog.MENU_.Show();
    Unload();
}

void SHUKEI::M6_Click() { Command5_Click(); }

void SHUKEI::Command7_Click() { ExitProgram(prog, *this); }

void SHUKEI::M7_Click() { End(); }

} // namespace sumlet
