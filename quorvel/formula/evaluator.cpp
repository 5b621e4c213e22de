#include "quorvel/formula/evaluator.h"
#include "quorvel/formula/step_limit.h"

#include "runtime/format.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace quorvel::formula {

namespace {

// Writing of a step's result, of a function's value and of Pi.
constexpr std::string_view kStepPattern = "#0.##################";
constexpr std::string_view kFunctionPattern = "#0.##############";
constexpr std::string_view kPiPattern = "0.#################";

constexpr std::size_t kExpansionLimit = 500;  // characters after a pass
constexpr std::size_t kExpansionGuard = 1000000; // stops a runaway pass
constexpr std::size_t kStepTextLimit = 100;   // characters a step may work on

// Characters that make a letter a variable (and "Pi" the constant).
constexpr std::string_view kFollowers = "+-*/)^ ";

// The clean-up pairs whose "+" goes.
constexpr std::string_view kPlusPairs[] = {"++", "-+", "*+", "/+", "^+", "(+"};

constexpr std::string_view kFunctions[] = {"abs", "atn", "cos", "exp", "fix",
                                           "int", "log", "sin", "sqr", "tan"};

const double kPi = 4.0 * std::atan(1.0);

// A message that ends the evaluation.
struct Stop {
    std::string_view message;
};

[[noreturn]] void stop(std::string_view message) { throw Stop{message}; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool isOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

// A run of digits and at most one point; more points are two numbers
// written together.
double readNumber(std::string_view text)
{
    std::size_t point = text.find('.');
    if (point != std::string_view::npos && text.find('.', point + 1) != std::string_view::npos)
        stop(kSyntaxError);
    if (text == ".")
        return 0.0;
    double value = 0.0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value,
                                     std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Too small reads as 0; too large cannot be reckoned with.
        std::string_view whole = text.substr(0, point);
        if (whole.find_first_not_of('0') == std::string_view::npos)
            return 0.0;
        stop(kSyntaxError);
    }
    if (ec != std::errc() || end != text.data() + text.size())
        stop(kSyntaxError);
    return value;
}

// A value through its written form, as the rewriting keeps it.
struct Written {
    double value;
    std::string text;
};

// A reduced text: its value and the length of the text that stands for it.
struct Reduced {
    double value;
    std::size_t length;
};

Written written(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        stop(kSyntaxError);
    std::string text = runtime::Format(value, pattern);
    std::string_view digits = text;
    bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    double back = readNumber(digits);
    return {negative ? -back : back, std::move(text)};
}

// One item of a text without parentheses: a number (or a reduced group) with
// the length of its text, an operator, or a blank.
struct Item {
    enum Kind { Number, Operator, Blank } kind;
    double value = 0.0;
    std::size_t length = 1;
    char op = 0;
};

// One operand of "*" and "/": signs, a base and its chain of powers.
struct Factor {
    bool negative = false;
    std::size_t signs = 0;
    double value = 0.0;
    std::size_t length = 0;
    struct Power {
        double value;
        std::size_t length; // exponent with its signs and the "^"
    };
    std::vector<Power> powers;
};

struct Term {
    char op; // '+' or '-' before it ('+' for the first)
    std::vector<std::pair<char, Factor>> factors; // '*' or '/' before each
};

// The operands of a text without parentheses, grouped by precedence: after
// an operator (and at the start) "-" and "+" are signs of what follows.
std::vector<Term> operands(const std::vector<Item>& items)
{
    // A "+" in front is dropped by the clean-up of a later step on "^", "/",
    // "*" or "+"; without one it is an operator with no left operand.
    if (items[0].kind == Item::Operator && items[0].op == '+') {
        bool later = false;
        for (std::size_t i = 1; i < items.size(); ++i)
            later = later || (items[i].kind == Item::Operator && items[i].op != '-');
        if (!later)
            stop(kSyntaxError);
    }

    std::vector<Term> terms{{'+', {}}};
    char pending = '*';
    bool afterPower = false;
    Factor factor;
    bool expectOperand = true;
    bool negative = false;
    std::size_t signs = 0;
    for (const Item& item : items) {
        if (item.kind == Item::Blank)
            stop(kSyntaxError);
        if (expectOperand) {
            if (item.kind == Item::Operator) {
                if (item.op != '-' && item.op != '+')
                    stop(kSyntaxError); // no left operand
                negative ^= item.op == '-';
                ++signs;
                continue;
            }
            if (afterPower) {
                factor.powers.push_back({negative ? -item.value : item.value, item.length + signs + 1});
            } else {
                factor = Factor{negative, signs, item.value, item.length, {}};
            }
            negative = false;
            signs = 0;
            expectOperand = false;
            continue;
        }
        if (item.kind == Item::Number)
            stop(kSyntaxError); // two operands side by side
        if (item.op == '^') {
            afterPower = true;
        } else {
            terms.back().factors.emplace_back(pending, std::move(factor));
            afterPower = false;
            if (item.op == '*' || item.op == '/') {
                pending = item.op;
            } else {
                pending = '*';
                terms.push_back({item.op, {}});
            }
        }
        expectOperand = true;
    }
    if (expectOperand)
        stop(kSyntaxError); // no right operand
    terms.back().factors.emplace_back(pending, std::move(factor));
    return terms;
}

class Evaluator {
public:
    Evaluator(const VariableFormulas& variables, int edited, int stepLimit)
        : variables_(variables), edited_(edited), stepLimit_(stepLimit) {}

    Evaluation run(std::string_view formula);

private:
    void check() const;
    void cleanSigns();
    void expandVariables();
    void replacePi();
    void evaluateFunctions();

    // The value of a text of numbers, operators and parentheses.
    Reduced reduce(std::string_view text);
    // One level of parentheses from `pos`; ends at its ")" or the end.
    Reduced reduceLevel(std::string_view text, std::size_t& pos, bool top);
    Reduced reduceFlat(std::vector<Item> items, bool top);
    double step(double value, std::size_t& length, std::size_t& operand, std::size_t consumed);
    void countStep();

    const VariableFormulas& variables_;
    int edited_;
    int stepLimit_;
    std::string NN;
    int steps_ = 0;
};

Evaluation Evaluator::run(std::string_view formula)
{
    Evaluation out;
    if (formula.empty()) {
        out.NN = "0";
        out.EQ = "0";
        out.caption = kEmptyCaption;
        return out;
    }
    NN = formula;
    try {
        check();
        cleanSigns();
        expandVariables();
        evaluateFunctions();
        for (char c : NN)
            if (isLetter(c))
                stop(kSyntaxError);
        Reduced result = reduce(NN);
        out.EQ = runtime::Format(result.value, kStepPattern);
        out.caption = runtime::Format(result.value, kResultPattern);
    } catch (const Stop& s) {
        out.failed = true;
        out.message = s.message;
        out.caption = s.message;
        out.EQ = s.message;
    }
    out.NN = NN;
    return out;
}

// No implicit multiplication, and a variable is one letter.
void Evaluator::check() const
{
    for (std::size_t i = 0; i + 1 < NN.size(); ++i) {
        char a = NN[i];
        char b = NN[i + 1];
        if ((a == ')' && (isLetter(b) || isDigit(b))) || (isDigit(a) && b == '(')
            || (isDigit(a) && isLetter(b)) || (isLetter(a) && isDigit(b)))
            stop(kSyntaxError);
    }
}

void Evaluator::cleanSigns()
{
    for (std::string_view pair : kPlusPairs) {
        std::size_t at = NN.find(pair);
        if (at == 0)
            stop(kSyntaxError);
        if (at != std::string::npos)
            NN.erase(at + 1, 1);
    }
    if (!NN.empty() && NN.front() == '+')
        NN.erase(0, 1);
}

void Evaluator::expandVariables()
{
    auto letterLeft = [this] {
        for (std::size_t i = 0; i + 1 < NN.size(); ++i)
            if (isLetter(NN[i]) && kFollowers.find(NN[i + 1]) != std::string_view::npos)
                return true;
        return false;
    };
    do {
        NN += ' ';
        replacePi();
        for (int k = 0; k < kVariableCount; ++k) {
            for (char follower : kFollowers) {
                const char capital[] = {static_cast<char>('A' + k), follower, 0};
                const char small[] = {static_cast<char>('a' + k), follower, 0};
                std::size_t at = NN.find(small);
                if (at == std::string::npos)
                    at = NN.find(capital);
                if (at == std::string::npos)
                    continue;
                if (k == edited_)
                    stop(kSelfReference);
                const std::string& value = variables_[static_cast<std::size_t>(k)];
                NN.replace(at, 1, "(" + (value.empty() ? std::string("0") : value) + ")");
                if (NN.size() > kExpansionGuard)
                    stop(kSyntaxError);
                replacePi();
            }
        }
        if (NN.size() > kExpansionLimit)
            stop(kSyntaxError);
        NN.pop_back();
    } while (letterLeft());
}

void Evaluator::replacePi()
{
    static const std::string pi = runtime::Format(kPi, kPiPattern);
    for (;;) {
        std::size_t found = std::string::npos;
        for (std::string_view form : {"PI", "Pi", "pI", "pi"}) {
            for (char follower : std::string_view("+-*/^ )")) {
                std::size_t at = NN.find(std::string(form) + follower);
                if (at != std::string::npos) {
                    found = at;
                    break;
                }
            }
            if (found != std::string::npos)
                break;
        }
        if (found == std::string::npos)
            return;
        NN.replace(found, 2, pi);
    }
}

// Function calls, the right-most name first, so that an argument holds no
// further name.
void Evaluator::evaluateFunctions()
{
    for (;;) {
        std::size_t start = std::string::npos;
        std::size_t which = 0;
        for (std::size_t end = NN.size(); end >= 3 && start == std::string::npos; --end) {
            for (std::size_t f = 0; f < std::size(kFunctions); ++f) {
                std::string_view name = kFunctions[f];
                if (lower(NN[end - 3]) == name[0] && lower(NN[end - 2]) == name[1]
                    && lower(NN[end - 1]) == name[2]) {
                    start = end - 3;
                    which = f;
                    break;
                }
            }
        }
        if (start == std::string::npos)
            return;
        std::size_t open = start + 3;
        if (open >= NN.size() || NN[open] != '(')
            stop(kSyntaxError);
        std::size_t close = open;
        for (int depth = 0; close < NN.size(); ++close) {
            depth += NN[close] == '(' ? 1 : NN[close] == ')' ? -1 : 0;
            if (depth == 0)
                break;
        }
        std::size_t callEnd = close < NN.size() ? close + 1 : NN.size();
        double x = reduce(std::string_view(NN).substr(open, callEnd - open)).value;

        countStep();
        double v = 0.0;
        switch (which) {
        case 0: v = std::fabs(x); break;
        case 1: v = std::atan(x) * 180.0 / kPi; break;
        case 2: v = std::cos(x * kPi / 180.0); break;
        case 3: v = std::exp(x); break;
        case 4: v = std::trunc(x); break;
        case 5: v = std::floor(x); break;
        case 6:
            if (x <= 0.0)
                stop(kSyntaxError);
            v = std::log(x);
            break;
        case 7: v = std::sin(x * kPi / 180.0); break;
        case 8:
            if (x < 0.0)
                stop(kSyntaxError);
            v = std::sqrt(x);
            break;
        default: v = std::tan(x * kPi / 180.0); break;
        }
        std::string text = written(v, kFunctionPattern).text;
        // A negative value stays one operand.
        if (text.front() == '-')
            text = "(" + text + ")";
        NN.replace(start, callEnd - start, text);
    }
}

Reduced Evaluator::reduce(std::string_view text)
{
    std::size_t opens = 0;
    std::size_t closes = 0;
    for (char c : text) {
        opens += c == '(';
        closes += c == ')';
    }
    if (opens != closes)
        stop(kUnbalanced);
    std::size_t pos = 0;
    return reduceLevel(text, pos, true);
}

Reduced Evaluator::reduceLevel(std::string_view text, std::size_t& pos, bool top)
{
    std::vector<Item> items;
    while (pos < text.size()) {
        char c = text[pos];
        if (c == '(') {
            ++pos;
            Reduced group = reduceLevel(text, pos, false);
            items.push_back({Item::Number, group.value, group.length});
        } else if (c == ')') {
            if (top)
                stop(kSyntaxError);
            ++pos;
            return reduceFlat(std::move(items), false);
        } else if (isDigit(c) || c == '.') {
            std::size_t end = pos;
            while (end < text.size() && (isDigit(text[end]) || text[end] == '.'))
                ++end;
            items.push_back({Item::Number, readNumber(text.substr(pos, end - pos)), end - pos});
            pos = end;
        } else if (isOperator(c)) {
            items.push_back({Item::Operator, 0.0, 1, c});
            ++pos;
        } else if (c == ' ') {
            items.push_back({Item::Blank});
            ++pos;
        } else {
            stop(kSyntaxError);
        }
    }
    if (!top)
        stop(kSyntaxError);
    return reduceFlat(std::move(items), true);
}

void Evaluator::countStep()
{
    if (++steps_ > stepLimit_)
        stop(kSyntaxError);
}

// A step on a text of `length` characters: its result, written, replaces
// the `consumed` characters of the operator and its operands and becomes the
// left operand (of `operand` characters) of the next step.
double Evaluator::step(double value, std::size_t& length, std::size_t& operand,
                       std::size_t consumed)
{
    Written w = written(value, kStepPattern);
    length = length - consumed + w.text.size();
    operand = w.text.size();
    return w.value;
}

Reduced Evaluator::reduceFlat(std::vector<Item> items, bool top)
{
    std::size_t length = 0;
    for (const Item& i : items)
        length += i.length;
    // Blanks may stand before and after the whole formula only.
    if (top) {
        while (!items.empty() && items.back().kind == Item::Blank)
            items.pop_back();
        std::size_t first = 0;
        while (first < items.size() && items[first].kind == Item::Blank)
            ++first;
        items.erase(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(first));
    }
    if (items.empty()) {
        if (!top)
            stop(kSyntaxError); // "()"
        return {0.0, 1};
    }

    std::vector<Term> terms = operands(items);

    auto limit = [&] {
        if (length > kStepTextLimit)
            stop(kSyntaxError);
        countStep();
    };

    // Powers, left to right along each chain; then the sign in front.
    for (Term& t : terms) {
        for (auto& [op, f] : t.factors) {
            for (const Factor::Power& p : f.powers) {
                limit();
                if (f.value == 0.0 && p.value < 0.0)
                    stop(kDivideByZero);
                if (f.value < 0.0 && p.value != std::trunc(p.value))
                    stop(kSyntaxError);
                f.value = step(std::pow(f.value, p.value), length, f.length,
                               f.length + p.length);
            }
            if (f.negative)
                f.value = -f.value;
            f.length += f.signs;
        }
    }
    // "*" and "/" left to right within each term, then "+" and "-".
    std::vector<Factor> sums;
    for (Term& t : terms) {
        Factor acc = t.factors.front().second;
        for (std::size_t i = 1; i < t.factors.size(); ++i) {
            const auto& [op, f] = t.factors[i];
            limit();
            if (op == '/' && f.value == 0.0)
                stop(kDivideByZero);
            acc.value = step(op == '*' ? acc.value * f.value : acc.value / f.value, length,
                             acc.length, acc.length + 1 + f.length);
        }
        sums.push_back(acc);
    }
    Factor acc = sums.front();
    for (std::size_t i = 1; i < sums.size(); ++i) {
        limit();
        double v = terms[i].op == '+' ? acc.value + sums[i].value : acc.value - sums[i].value;
        acc.value = step(v, length, acc.length, acc.length + 1 + sums[i].length);
    }
    return {acc.value, acc.length};
}

} // namespace

Evaluation evaluate(std::string_view formula, const VariableFormulas& variables, int edited)
{
    return Evaluator(variables, edited, kStepLimit).run(formula);
}

Evaluation evaluateWithStepLimit(std::string_view formula, const VariableFormulas& variables,
                                 int edited, int stepLimit)
{
    return Evaluator(variables, edited, stepLimit).run(formula);
}

} // namespace quorvel::formula
