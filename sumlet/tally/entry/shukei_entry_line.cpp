// The entry line over G1 and the closing and stepping of months.
#include "sumlet/tally/shukei_form.h"

#include "sumlet/program.h"

namespace sumlet {

void SHUKEI::G1_Click() {}
void SHUKEI::Text3_KeyDown(int, int) {}
void SHUKEI::Text4_KeyDown(int, int) {}
void SHUKEI::Text5_KeyDown(int, int) {}
void SHUKEI::Text3_KeyPress(int&) {}
void SHUKEI::Text4_KeyPress(int&) {}
void SHUKEI::Text5_KeyPress(int&) {}
void SHUKEI::Command11_Click() {}
void SHUKEI::Command2_Click() {}
void SHUKEI::Command3_Click() {}

} // namespace sumlet
