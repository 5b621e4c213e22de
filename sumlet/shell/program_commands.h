// Commands that several forms of SUMLET share. Each runs on the calling form.
#pragma once

namespace forms {
class Form;
}

namespace sumlet {

class Program;

// Closes the help window when a help command opened it, then ends the
// program at once (no closing handler runs, nothing is saved). The caller
// returns right after it.
void ExitProgram(Program& program, forms::Form& caller);

// Opens the help page in the help window and marks it open.
void OpenHelp(Program& program, forms::Form& caller);

// Starts the calculator <program folder>/quorvel without arguments and
// without waiting for it; when it cannot be started, warns and goes on.
void StartCalculator(Program& program, forms::Form& caller);

} // namespace sumlet
