// VER: the version box, shown modal.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"

namespace sumlet {

class Program;

class VER : public forms::Form {
    Q_OBJECT
public:
    explicit VER(Program& program);

    forms::Image Image1{this, "Image1"};
    forms::Label Label1{this, "Label1"};
    forms::Label Label2{this, "Label2"};
    forms::Label Label3{this, "Label3"};
    forms::Label Label4{this, "Label4"};
    forms::CommandButton Command1{this, "Command1"};

private:
    void Command1_Click();
};

} // namespace sumlet
