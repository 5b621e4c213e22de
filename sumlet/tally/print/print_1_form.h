// PRINT_1: the small dialog that prints every month's entered rows. Shown
// without blocking over the tally form (prog.PRINT_1_.Show()); while it is
// active ReturnFlag stays 1, so the tally form keeps its data.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"

namespace sumlet {

class Program;

class PRINT_1 : public forms::Form {
    Q_OBJECT
public:
    explicit PRINT_1(Program& program);

    void Form_Activate() override;

    forms::Label Label1{this, "Label1"};
    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command2{this, "Command2"};

private:
    void Command1_Click();
    void Command2_Click();

    Program& prog;
};

} // namespace sumlet
