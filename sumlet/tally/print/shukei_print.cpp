// The tally form's prints: the entry print and the result list print.
#include "sumlet/tally/shukei_form.h"

namespace sumlet {

// filled in with the prints
void SHUKEI::M4_Click() {}
void SHUKEI::M5_Click() {}
void SHUKEI::Toolbar2_ButtonClick(int) {}
void SHUKEI::Toolbar3_ButtonClick(int) {}

} // namespace sumlet
