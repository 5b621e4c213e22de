// The tally form's result side: compute command, result grids, tally files
// and the main toolbar.
#include "sumlet/tally/shukei_form.h"

namespace sumlet {

// filled in with the results side
void SHUKEI::Command1_Click() {}
void SHUKEI::Command8_Click() {}
void SHUKEI::Command9_Click() {}
void SHUKEI::Command10_Click() {}
void SHUKEI::G2_Click() {}
void SHUKEI::G2_MouseDown(int, int, double, double) {}
void SHUKEI::G2_SelChange() {}
void SHUKEI::G3_Click() {}
void SHUKEI::G3_MouseDown(int, int, double, double) {}
void SHUKEI::G3_SelChange() {}
void SHUKEI::MM11_Click() {}
void SHUKEI::MM21_Click() {}
void SHUKEI::M2_Click() {}
void SHUKEI::M3_Click() {}
void SHUKEI::MM31_Click() {}
void SHUKEI::MM41_Click() {}
void SHUKEI::Toolbar1_ButtonClick(int) {}
void SHUKEI::LoadTallyFile() {}
void SHUKEI::SaveTallyFile() {}
void SHUKEI::PrintEntriesCommand() {}
void SHUKEI::ShowResultMonth(int) {}

} // namespace sumlet
