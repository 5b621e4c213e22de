// The explanation window TeskSETUMEI: a fixed text sized to the keypad's layout.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"

namespace quorvel {

class Program;

class TeskSETUMEI : public forms::Form {
    Q_OBJECT
public:
    explicit TeskSETUMEI(Program& program);

    void Form_Activate() override;

    forms::Label Label1{this, "Label1"};
    forms::CommandButton Command1{this, "Command1"};

    void Command1_Click() { Unload(); }

    // Outer size, frame included (twips); fitted again once the frame is known.
    void setOuterSize(double widthTw, double heightTw);

protected:
    void moveEvent(QMoveEvent* e) override;

private:
    Program& prog;
    double outerWidth_ = 0;
    double outerHeight_ = 0;
};

} // namespace quorvel
