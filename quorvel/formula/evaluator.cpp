#include "quorvel/formula/evaluator.h"
#include "quorvel/formula/flat_arithmetic.h"
#include "quorvel/formula/step_limit.h"

#include "runtime/format.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace quorvel::formula {

namespace {

// Writing of a function's value and of Pi.
constexpr std::string_view kFunctionPattern = "#0.##############";
constexpr std::string_view kPiPattern = "0.#################";

constexpr std::size_t kExpansionLimit = 500;  // characters after a pass
constexpr std::size_t kExpansionGuard = 1000000; // stops a runaway pass

// Characters that make a letter a variable (and "Pi" the constant).
constexpr std::string_view kFollowers = "+-*/)^ ";

// The clean-up pairs whose "+" goes.
constexpr std::string_view kPlusPairs[] = {"++", "-+", "*+", "/+", "^+", "(+"};

constexpr std::string_view kFunctions[] = {"abs", "atn", "cos", "exp", "fix",
                                           "int", "log", "sin", "sqr", "tan"};

const double kPi = 4.0 * std::atan(1.0);

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool isOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

class Evaluator {
public:
    Evaluator(const VariableFormulas& variables, int edited, int stepLimit)
        : variables_(variables), edited_(edited), budget_(stepLimit) {}

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

    const VariableFormulas& variables_;
    int edited_;
    StepBudget budget_;
    std::string NN;
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

        budget_.count();
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
            // Its blanks stay around its value.
            Item blank{Item::Blank};
            blank.group = true;
            items.insert(items.end(), group.lead, blank);
            if (!group.blank)
                items.push_back({Item::Number, group.value, group.length, 0, true});
            items.insert(items.end(), group.trail, blank);
        } else if (c == ')') {
            if (top)
                stop(kSyntaxError);
            ++pos;
            return reduceFlat(std::move(items), false, budget_);
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
    return reduceFlat(std::move(items), true, budget_);
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
