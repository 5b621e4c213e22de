// The formula window SUUSIKI: the list of the 26 formulas A..Z, the formula
// box, the result line, the insert keypad, the toolbar (formula files,
// print, help) and the two help panels.
#pragma once

#include "quorvel/formula/formula_state.h"

#include "forms/commands.h"
#include "forms/common_dialog.h"
#include "forms/controls.h"
#include "forms/form.h"

#include <array>
#include <memory>

namespace quorvel {

class Program;

class SUUSIKI : public forms::Form {
    Q_OBJECT
public:
    explicit SUUSIKI(Program& program);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    // Controls, in keyboard order.
    forms::Toolbar Toolbar1{this, "Toolbar1"};
    forms::CommandButton Command38{this, "Command38"};
    forms::ComboBox Combo1{this, "Combo1"};
    forms::Label Label2{this, "Label2"};
    forms::TextBox Text2{this, "Text2"};
    forms::Label Label1{this, "Label1"};
    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command34{this, "Command34"};
    forms::CommandButton Command32{this, "Command32"};
    forms::CommandButton Command35{this, "Command35"};
    forms::CommandButton Command36{this, "Command36"};
    forms::CommandButton Command37{this, "Command37"};
    forms::CommandButton Command2{this, "Command2"};
    // Insert keys Command3..Command31 (index = number; 0..2 unused) and the
    // letter keys Command33(0..25).
    std::array<std::unique_ptr<forms::CommandButton>, 32> insertKey;
    std::array<std::unique_ptr<forms::CommandButton>, 26> Command33;
    // Help panels, hidden until asked for.
    forms::PictureBox Picture1{this, "Picture1"};
    forms::Label Label4{&Picture1, "Label4"};
    forms::CommandButton Command39{&Picture1, "Command39"};
    forms::PictureBox Picture2{this, "Picture2"};
    forms::Label Label5{&Picture2, "Label5"};
    forms::CommandButton Command40{&Picture2, "Command40"};
    forms::CommonDialog CommonDialog1{this, "CommonDialog1"};

    // Handlers.
    void Command1_Click();
    void Combo1_Click();
    void Combo1_KeyPress(int& KeyAscii);
    void Text2_KeyPress(int& KeyAscii);
    void Command34_Click();
    void Command37_Click();
    void Command2_Click();
    void insertKey_Click(int number);
    void Command33_Click(int Index);
    void KANYU();
    void Command32_Click();
    void Command35_Click();
    void Command36_Click();
    void Toolbar1_ButtonClick(int Index);
    void Command38_Click();
    void Command39_Click();
    void Command39_LostFocus();
    void Command40_Click();

    FormulaState& vars();

private:
    void placeControls();
    // Puts line XX's formula into the list, the boxes and the file.
    bool storeLine(const QString& formula);
    void refillList();
    bool writeVariableFile();
    void showLetter(int xx, int prefixLength);
    void focusText2AtEnd();
    void openFormulaFile();
    void saveFormulaFile();
    void printFormulas();
    void setCaretAfterInsert();
    void showPanel(forms::PictureBox& panel, forms::Label& text, const QString& caption,
                   forms::CommandButton& close);
    void hidePanel(forms::PictureBox& panel);
    void coverKeys(bool covered);
    // Label1's caption, drawn shortened when it does not fit.
    void showResult(const QString& caption);

    Program& prog;
    // Every store of one handler warns at most once about an unwritable file.
    bool warnedUnwritable_ = false;
};

} // namespace quorvel
