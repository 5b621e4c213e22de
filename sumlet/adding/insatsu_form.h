// INSATSU: prints the adding machine's tape, with or without line numbers.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"

namespace sumlet {

class Program;

class INSATSU : public forms::Form {
    Q_OBJECT
public:
    explicit INSATSU(Program& program);

    void Form_Activate() override;

    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command2{this, "Command2"};
    forms::Frame Frame1{this, "Frame1"};
    forms::OptionButton Option1{&Frame1, "Option1"};
    forms::OptionButton Option2{&Frame1, "Option2"};

private:
    void Command1_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();

    Program& prog;
};

} // namespace sumlet
