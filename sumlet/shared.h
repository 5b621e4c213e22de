// Program-wide state of SUMLET: what the forms share for the whole run.
#pragma once

#include <string>

#include "runtime/value.h"
#include "sumlet/adding/tape.h"
#include "sumlet/tally/engine/tally_data.h"

namespace sumlet {

struct Shared {
    // Settings (SETQ.DAT): the data folder and three reserved fields.
    runtime::Value DataFolder;
    runtime::Value SetqReserved2;
    runtime::Value SetqReserved3;
    runtime::Value SetqReserved4;

    runtime::Value HelpOpen;     // 1 once a help command opened the help window
    runtime::Value ReturnFlag;   // 1: a main form is activated again after a dialog or child form
    std::string WorkStr;         // scratch text
    runtime::Value MaxInputRows; // row capacity of the active tool's entry grid

    AddingTape tape;             // the adding machine's tape
    TallyData tally;             // the tally's data model
};

} // namespace sumlet
