#include "quorvel/keypad/keypad.h"

#include "runtime/format.h"
#include "runtime/key_codes.h"
#include "runtime/number_text.h"

#include <cmath>

namespace quorvel {

namespace {

constexpr double kOverflowLimit = 1e12;
constexpr std::size_t kEntryLimit = 13; // a key is ignored at this length
constexpr std::size_t kCut = 14;        // results and entries keep 14 characters

const KeyOutcome kFocus{true, false};
const KeyOutcome kNothing{};

bool hasPoint(const std::string& s) { return s.find('.') != std::string::npos; }

// Characters after the point, 0 without one.
std::size_t decimalsOf(const std::string& s)
{
    auto p = s.find('.');
    return p == std::string::npos ? 0 : s.size() - p - 1;
}

std::string show(double value) { return runtime::Format(value, kDisplayPattern); }

// Cuts a value to the first 14 characters of its plain decimal text. Returns
// false, leaving the value alone, when the cut would drop integer digits.
bool cutPlain(double& value)
{
    const std::string text = runtime::Format(value, "#0.############");
    const auto p = text.find('.');
    const std::size_t integerChars = p == std::string::npos ? text.size() : p;
    if (integerChars > kCut)
        return false;
    if (text.size() > kCut)
        value = runtime::valOr0(text.substr(0, kCut));
    return true;
}

double noNegativeZero(double v) { return v == 0 ? 0.0 : v; }

} // namespace

std::string errorDisplay() { return "ERROR!      " + runtime::Format(0, "0.#"); }

std::string overflowDisplay(double value) { return runtime::Format(value, "#,0") + "E"; }

double Keypad::entryValue() const { return runtime::valOr0(N); }

void Keypad::setPointFlag() { T = hasPoint(N) ? 1 : 0; }

KeyOutcome Keypad::fail()
{
    display = errorDisplay();
    return kFocus;
}

bool Keypad::takeResult(double result)
{
    NUM = noNegativeZero(result);
    EEE();
    if (ER == 1) {
        display = overflowDisplay(NUM);
        return false;
    }
    display = show(NUM);
    return true;
}

void Keypad::resultAsEntry()
{
    N = runtime::Str(NUM);
    setPointFlag();
}

KeyOutcome Keypad::resultShown(double result, const char* pending)
{
    if (!takeResult(result))
        return kNothing;
    KI = pending;
    resultAsEntry();
    return kFocus;
}

void Keypad::EEE()
{
    if (!cutPlain(NUM)) {
        // Too many integer characters to show: overflow instead of a wrong number.
        NUM = std::trunc(NUM / 1e6);
        ER = 1;
        return;
    }
    if (NUM >= kOverflowLimit) {
        NUM = std::floor(NUM / 1e6);
        ER = 1;
    }
}

// A digit or point after a result starts a new entry (after "=" a new calculation).
void Keypad::startEntry()
{
    if (KI == "RT") {
        KI.clear();
        N.clear();
        T = 0;
    }
    if (KI == "=") {
        N.clear();
        NUM = 0;
        KI.clear();
        T = 0;
    }
}

KeyOutcome Keypad::digit(char d)
{
    if (ER == 1)
        return kNothing;
    startEntry();
    if (N.size() >= kEntryLimit)
        return kFocus;
    N.push_back(d);
    if (N.front() == '.')
        N.insert(0, "0");
    if (N.size() > kCut)
        N.resize(kCut);
    setPointFlag();
    if (d == '0' && T == 1) {
        MM = "#,0." + std::string(decimalsOf(N), '0');
        display = runtime::formatText(N, MM);
    } else {
        display = runtime::formatText(N, kDisplayPattern);
    }
    return kFocus;
}

KeyOutcome Keypad::point()
{
    if (ER == 1)
        return kNothing;
    startEntry();
    if (N.size() >= kEntryLimit)
        return kFocus;
    if (N == ".")
        N.clear();
    else if (!hasPoint(N))
        N.push_back('.');
    if (N.size() > kCut)
        N.resize(kCut);
    setPointFlag();
    display = runtime::formatText(N, kDisplayPattern);
    return kFocus;
}

KeyOutcome Keypad::clearEntry()
{
    N.clear();
    T = 0;
    display = show(0);
    return kFocus;
}

KeyOutcome Keypad::clear()
{
    ER = 0;
    T = 0;
    N = "0";
    NUM = 0;
    NUM2 = NUM3 = NUM4 = NUM5 = 0;
    KI.clear();
    KII.clear();
    MM = "#,0.";
    display = runtime::Format(0, "0.#");
    return kFocus;
}

KeyOutcome Keypad::allClear()
{
    clear();
    memoryIndicator.clear();
    MEM1 = 0;
    display = runtime::Format(0, "0.#");
    return kFocus;
}

KeyOutcome Keypad::backspace()
{
    if (ER == 1)
        return kNothing;
    if (N.size() > 1)
        N.pop_back();
    else
        N = "0";
    MM = "#,0." + std::string(decimalsOf(N), '0');
    if (N.back() == '.')
        MM = "#,0.#";
    setPointFlag();
    // While an operation is pending NUM holds its first operand: leave it.
    if (KI.empty() || KI == "=" || KI == "RT")
        NUM = entryValue();
    display = runtime::formatText(N, MM);
    return kFocus;
}

KeyOutcome Keypad::operation(char op)
{
    if (ER == 1)
        return kNothing;
    NUM2 = NUM3 = NUM4 = NUM5 = 0;
    KII.clear();
    if (N.empty()) {
        KI = std::string(1, op);
        return kFocus;
    }
    const double x = entryValue();
    double result = NUM;
    if (KI == "+")
        result = NUM + x;
    else if (KI == "-")
        result = NUM - x;
    else if (KI == "*")
        result = NUM * x;
    else if (KI == "/") {
        if (x == 0)
            return fail();
        result = NUM / x;
    } else if (KI.empty())
        result = x;
    if (!std::isfinite(result))
        return fail();
    if (!takeResult(result))
        return kNothing;
    KI = std::string(1, op);
    N.clear();
    T = 0;
    return kFocus;
}

KeyOutcome Keypad::equals()
{
    if (ER == 1)
        return kNothing;
    const double x = entryValue();
    if (KI == "*")
        NUM2 = NUM;
    else if (KI == "/")
        NUM3 = x;
    else if (KI == "+")
        NUM4 = NUM;
    else if (KI == "-")
        NUM5 = NUM;

    double result = NUM;
    if (KII == "=" && NUM2 != 0)
        result = x * NUM2;
    else if (NUM2 != 0 && N.empty())
        result = NUM * NUM2;
    else if (KII == "=" && NUM3 != 0)
        result = x / NUM3;
    else if (KII == "=" && NUM4 != 0)
        result = x + NUM4;
    else if (KII == "=" && NUM5 != 0)
        result = NUM5 - x;
    else if (KI == "+")
        result = NUM + x;
    else if (KI == "-")
        result = NUM - x;
    else if (KI == "*")
        result = NUM2 * x;
    else if (KI == "/") {
        if (x == 0)
            return KeyOutcome{false, true};
        result = NUM / x;
    } else if (KI.empty())
        result = x;
    if (!std::isfinite(result))
        return fail();

    KI = "=";
    KII = "=";
    if (!takeResult(result))
        return kNothing;
    resultAsEntry();
    return kFocus;
}

KeyOutcome Keypad::percent()
{
    if (ER == 1)
        return kNothing;
    const double x = entryValue();
    double result = NUM;
    if (KI == "+")
        result = NUM + NUM * x / 100;
    else if (KI == "-")
        result = NUM - NUM * x / 100;
    else if (KI == "*")
        result = NUM * x / 100;
    else if (KI == "/") {
        if (x == 0)
            return fail();
        result = NUM / (x / 100);
    } else if (KI.empty())
        result = x;
    if (!std::isfinite(result))
        return fail();
    return resultShown(result, "=");
}

KeyOutcome Keypad::root()
{
    if (ER == 1)
        return kNothing;
    const double x = entryValue();
    if (x < 0)
        return fail();
    return resultShown(std::sqrt(x), "RT");
}

KeyOutcome Keypad::memoryAdd(int sign)
{
    MEM1 = noNegativeZero(MEM1 + sign * entryValue());
    NUM = MEM1;
    N.clear();
    T = 0;
    KI = "=";
    memoryIndicator = "memory";
    return kFocus;
}

KeyOutcome Keypad::memoryRecall()
{
    const std::string text = runtime::Str(MEM1);
    const bool exponentForm = text.find('E') != std::string::npos;
    const auto p = text.find('.');
    const std::size_t integerChars = p == std::string::npos ? text.size() : p;
    // Too big to show, or a cut that would drop integer digits: the overflow
    // display, with the memory itself kept whole.
    const bool tooBig = MEM1 >= kOverflowLimit || MEM1 <= -1e13 ||
                        (!exponentForm && integerChars > kCut);
    double shown = MEM1;
    if (tooBig) {
        shown = std::trunc(MEM1 / 1e6);
        ER = 1;
    } else if (!exponentForm && text.size() > kCut) {
        MEM1 = runtime::valOr0(text.substr(0, kCut));
        shown = MEM1;
    }
    if (ER == 1) {
        display = overflowDisplay(shown);
        return kNothing;
    }
    display = show(MEM1);
    NUM = MEM1;
    N = runtime::Str(NUM);
    setPointFlag();
    KI = "=";
    return kFocus;
}

KeyOutcome Keypad::memoryClear()
{
    memoryIndicator.clear();
    MEM1 = 0;
    // The accumulator again, also in the overflow state (the keys stay blocked).
    display = show(NUM);
    return kFocus;
}

KeyOutcome Keypad::activate()
{
    MM = "#,0.";
    N = "0";
    T = 0;
    display = runtime::formatText(N, "#,0.#");
    return kFocus;
}

KeyOutcome Keypad::press(Key key)
{
    switch (key) {
    case Key::D0: case Key::D1: case Key::D2: case Key::D3: case Key::D4:
    case Key::D5: case Key::D6: case Key::D7: case Key::D8: case Key::D9:
        return digit(static_cast<char>('0' + (static_cast<int>(key) - static_cast<int>(Key::D0))));
    case Key::Point: return point();
    case Key::Clear: return clear();
    case Key::ClearEntry: return clearEntry();
    case Key::AllClear: return allClear();
    case Key::Back: return backspace();
    case Key::Plus: return operation('+');
    case Key::Minus: return operation('-');
    case Key::Times: return operation('*');
    case Key::Divide: return operation('/');
    case Key::Equals: return equals();
    case Key::Percent: return percent();
    case Key::Root: return root();
    case Key::MPlus: return memoryAdd(1);
    case Key::MMinus: return memoryAdd(-1);
    case Key::MR: return memoryRecall();
    case Key::MC: return memoryClear();
    }
    return kNothing;
}

int commandForKeyCode(int keyCode)
{
    namespace vk = runtime::vk;
    if (keyCode == vk::Numpad0)
        return 10; // "0"
    if (keyCode > vk::Numpad0 && keyCode <= vk::Numpad9)
        return keyCode - vk::Numpad0; // "1".."9"
    switch (keyCode) {
    case vk::Decimal: return 11;  // "・"
    case vk::Add: return 13;      // "＋"
    case vk::Subtract: return 15; // "－"
    case vk::Multiply: return 16; // "×"
    case vk::Divide: return 17;   // "÷"
    case vk::PadEqual: return 14; // "＝" of keypads that have one
    case vk::Return: return 14;   // Enter
    case vk::Home: return 26;     // Home: "AC"
    default: return 0;
    }
}

} // namespace quorvel
