#include "sumlet/shell/program_commands.h"

#include "forms/form.h"
#include "sumlet/program.h"

namespace sumlet {

void ExitProgram(Program& program, forms::Form& caller)
{
    Shared& s = program.shared;
    if (s.HelpOpen.num() == 1) {
        s.HelpOpen = 0;
        program.services().CloseAllHelp();
    }
    caller.End();
}

void OpenHelp(Program& program, forms::Form& caller)
{
    program.shared.HelpOpen = 1;
    program.services().ShowHelp(program.helpFile(), &caller);
}

void StartCalculator(Program& program, forms::Form& caller)
{
    program.shared.WorkStr = program.calculatorFile().toStdString();
    if (!program.services().StartProcess(QString::fromStdString(program.shared.WorkStr), {}))
        caller.Warn(QStringLiteral("電卓を起動できません！"));
}

} // namespace sumlet
