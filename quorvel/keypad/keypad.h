// The keypad calculator's state machine: entry, operations, constant
// calculation, memory and the overflow rule. No widgets: the form QUORVEL
// forwards its button clicks here and shows `display` and `memoryIndicator`.
#pragma once

#include <string>

namespace quorvel {

// The keys of the keypad, one per calculating button.
enum class Key {
    D0, D1, D2, D3, D4, D5, D6, D7, D8, D9,
    Point,     // "・"
    Clear,     // "C"
    ClearEntry,// "CE"
    AllClear,  // "AC"
    Back,      // "→"
    Plus,      // "＋"
    Minus,     // "－"
    Times,     // "×"
    Divide,    // "÷"
    Equals,    // "＝"
    Percent,   // "％"
    Root,      // "√"
    MPlus,     // "M+"
    MMinus,    // "M-"
    MR,        // "MR"
    MC,        // "MC"
};

// What the form has to do after a key.
struct KeyOutcome {
    bool focusText1 = false; // give the keyboard box the focus again
    bool zeroDivide = false; // show "ゼロ割!" in a plain OK box
};

// Display patterns and fixed texts.
inline constexpr const char* kDisplayPattern = "#,0.############";
std::string errorDisplay();                 // "ERROR!      0."
std::string overflowDisplay(double value);  // "1,000,000E"

class Keypad {
public:
    // Calculator state (names as the form's members).
    std::string N;          // the entry, or the text of a result
    int T = 0;              // 1 while N holds a point
    std::string MM;         // pattern that keeps typed trailing zeros
    double NUM = 0;         // accumulator
    std::string KI;         // pending operation: "+", "-", "*", "/", "=", "RT" or ""
    double MEM1 = 0;        // memory register
    std::string KII;        // "=" after "＝" (repeat marker)
    double NUM2 = 0;        // constant after ×
    double NUM3 = 0;        // constant after ÷
    double NUM4 = 0;        // constant after +
    double NUM5 = 0;        // constant after −
    int ER = 0;             // 1 while an overflowed result is shown

    // What Label1 and Label2 show.
    std::string display;
    std::string memoryIndicator;

    KeyOutcome press(Key key);

    KeyOutcome digit(char d);   // '0'..'9'
    KeyOutcome point();
    KeyOutcome clearEntry();    // "CE"
    KeyOutcome clear();         // "C"
    KeyOutcome allClear();      // "AC"
    KeyOutcome backspace();     // "→"
    KeyOutcome operation(char op); // '+', '-', '*', '/'
    KeyOutcome equals();
    KeyOutcome percent();
    KeyOutcome root();
    KeyOutcome memoryAdd(int sign); // +1 "M+", -1 "M-"
    KeyOutcome memoryRecall();
    KeyOutcome memoryClear();

    // Reset of the entry each time the window becomes active.
    KeyOutcome activate();

    // Cut of NUM to 14 characters and the overflow rule at 10^12.
    void EEE();

private:
    double entryValue() const;
    void startEntry();
    void setPointFlag();
    KeyOutcome fail();
    // Takes a finished result into NUM and the display; false when it
    // overflowed (the display then shows the E form).
    bool takeResult(double result);
    // The shown result becomes the entry, as after "＝".
    void resultAsEntry();
    // takeResult, then, unless it overflowed, `pending` becomes KI and the
    // result the entry ("％", "√").
    KeyOutcome resultShown(double result, const char* pending);
};

// The keypad button (1..31, as CommandN) that a key code of the keyboard box
// runs, or 0 when the code runs nothing. Numeric keypad only.
int commandForKeyCode(int keyCode);

} // namespace quorvel
