// The keypad window QUORVEL: display, memory indicator, the hidden keyboard
// box and 31 buttons; the calculating keys run the Keypad state machine.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"
#include "quorvel/keypad/keypad.h"

#include <array>

namespace quorvel {

class Program;

class QUORVEL : public forms::Form {
    Q_OBJECT
public:
    explicit QUORVEL(Program& program);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    // The two arrangements (layouts.cpp holds their tables).
    void BIG();
    void SMALL();

    // Calculator state: N, T, MM, NUM, KI, MEM1, KII, NUM2..NUM5, ER.
    Keypad calc;
    void EEE() { calc.EEE(); }

    // Controls. Text1 comes before Frame1 so that the frame covers it.
    forms::TextBox Text1{this, "Text1"};
    forms::Frame Frame1{this, "Frame1"};
    forms::Label Label1{&Frame1, "Label1"};
    forms::Label Label2{&Frame1, "Label2"};
    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command2{this, "Command2"};
    forms::CommandButton Command3{this, "Command3"};
    forms::CommandButton Command4{this, "Command4"};
    forms::CommandButton Command5{this, "Command5"};
    forms::CommandButton Command6{this, "Command6"};
    forms::CommandButton Command7{this, "Command7"};
    forms::CommandButton Command8{this, "Command8"};
    forms::CommandButton Command9{this, "Command9"};
    forms::CommandButton Command10{this, "Command10"};
    forms::CommandButton Command11{this, "Command11"};
    forms::CommandButton Command12{this, "Command12"};
    forms::CommandButton Command13{this, "Command13"};
    forms::CommandButton Command14{this, "Command14"};
    forms::CommandButton Command15{this, "Command15"};
    forms::CommandButton Command16{this, "Command16"};
    forms::CommandButton Command17{this, "Command17"};
    forms::CommandButton Command18{this, "Command18"};
    forms::CommandButton Command19{this, "Command19"};
    forms::CommandButton Command20{this, "Command20"};
    forms::CommandButton Command21{this, "Command21"};
    forms::CommandButton Command22{this, "Command22"};
    forms::CommandButton Command23{this, "Command23"};
    forms::CommandButton Command24{this, "Command24"};
    forms::CommandButton Command25{this, "Command25"};
    forms::CommandButton Command26{this, "Command26"};
    forms::CommandButton Command27{this, "Command27"};
    forms::CommandButton Command28{this, "Command28"};
    forms::CommandButton Command29{this, "Command29"};
    forms::CommandButton Command30{this, "Command30"};
    forms::CommandButton Command31{this, "Command31"};

    // Command1..Command31 by number (index 0 unused).
    forms::CommandButton* command(int n) const { return commands_[n]; }

    // Click handlers.
    void Command1_Click() { key(Key::D1); }
    void Command2_Click() { key(Key::D2); }
    void Command3_Click() { key(Key::D3); }
    void Command4_Click() { key(Key::D4); }
    void Command5_Click() { key(Key::D5); }
    void Command6_Click() { key(Key::D6); }
    void Command7_Click() { key(Key::D7); }
    void Command8_Click() { key(Key::D8); }
    void Command9_Click() { key(Key::D9); }
    void Command10_Click() { key(Key::D0); }
    void Command11_Click() { key(Key::Point); }
    void Command12_Click() { key(Key::Clear); }
    void Command13_Click() { key(Key::Plus); }
    void Command14_Click() { key(Key::Equals); }
    void Command15_Click() { key(Key::Minus); }
    void Command16_Click() { key(Key::Times); }
    void Command17_Click() { key(Key::Divide); }
    void Command18_Click() { key(Key::Percent); }
    void Command19_Click() { key(Key::ClearEntry); }
    void Command20_Click() { key(Key::MPlus); }
    void Command21_Click() { key(Key::MMinus); }
    void Command22_Click() { key(Key::MR); }
    void Command23_Click() { key(Key::MC); }
    void Command24_Click() { key(Key::Root); }
    void Command25_Click();
    void Command26_Click() { key(Key::AllClear); }
    void Command27_Click() { key(Key::Back); }
    void Command28_Click();
    void Command29_Click();
    void Command30_Click();
    void Command31_Click();

    void Text1_KeyDown(int KeyCode, int Shift);
    void Text1_KeyPress(int& KeyAscii);

protected:
    // The window system frames the window after it is shown: fit the outer size then.
    void moveEvent(QMoveEvent* e) override;

private:
    void key(Key k);
    void runCommand(int n);
    void applyLayout(bool big);
    void setOuterSize(double widthTw, double heightTw);
    void fitOuterSize();
    void saveAndEnd();
    void storePositionAndHide();

    Program& prog;
    std::array<forms::CommandButton*, 32> commands_{};
    double outerWidth_ = 0;
    double outerHeight_ = 0;
};

} // namespace quorvel
