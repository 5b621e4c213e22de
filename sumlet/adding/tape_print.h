// Prints the tape on the program's printer (layout in tape_print_layout.h).
#pragma once

#include "forms/printer.h"

namespace sumlet {

struct AddingTape;

// Draws the whole document and ends it; returns what became of it.
forms::PrintOutcome printTape(forms::Printer& printer, const AddingTape& tape, bool lineNumbers);

} // namespace sumlet
