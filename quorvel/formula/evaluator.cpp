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

// A reduced text: its value, the length of the text that stands for it and
// the blanks that stay before and after it (a text of blanks has no value).
struct Reduced {
    double value = 0.0;
    std::size_t length = 0;
    std::size_t lead = 0;
    std::size_t trail = 0;
    bool blank = false;
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
// the length of its text, an operator, or a blank. `at` is its place in the
// text; `group` marks what a reduced group left.
struct Item {
    enum Kind { Number, Operator, Blank } kind;
    double value = 0.0;
    std::size_t length = 1;
    char op = 0;
    bool group = false;
    std::size_t at = 0;
};

// Where the rewriting would stop on a text, and with which message: its
// operators are worked "^", "/", "*", "+", "-", each kind from the left;
// kNoMessage marks texts the rewriting would turn into a wrong value.
struct Fault {
    static constexpr int kNone = 6;
    static constexpr int kNoMessage = 5;
    int stage = kNone;
    std::size_t at = 0;
    std::string_view message;

    bool any() const { return stage != kNone; }
    bool before(int s, std::size_t a) const { return stage < s || (stage == s && at < a); }
    void note(int s, std::size_t a, std::string_view m)
    {
        if (!any() || s < stage || (s == stage && a < at))
            *this = {s, a, m};
    }
};

int stageOf(char op) { return static_cast<int>(std::string_view("^/*+-").find(op)); }

bool isSign(const std::vector<Item>& items, std::size_t q)
{
    return (items[q].op == '-' || items[q].op == '+')
        && (q == 0 || items[q - 1].kind == Item::Operator);
}

// Operators that lose an operand to a blank, to another operator or to the
// end, and numbers side by side. `core` has no blank at either end.
Fault shapeFaults(const std::vector<Item>& core)
{
    Fault f;
    const std::size_t n = core.size();
    auto signsFrom = [&](std::size_t r) {
        while (r < n && core[r].kind == Item::Operator && (core[r].op == '-' || core[r].op == '+'))
            ++r;
        return r;
    };
    for (std::size_t q = 0; q < n; ++q) {
        const Item& it = core[q];
        if (it.kind == Item::Number) {
            std::size_t r = q + 1;
            while (r < n && core[r].kind == Item::Blank)
                ++r;
            if (r < n && core[r].kind == Item::Number)
                f.note(Fault::kNoMessage, core[r].at, kSyntaxError);
            continue;
        }
        if (it.kind != Item::Operator)
            continue;
        if (isSign(core, q)) {
            // Signs in front of the text: a blank after them leaves no number.
            if (q == 0) {
                std::size_t r = signsFrom(0);
                if (r == n || core[r].kind != Item::Number)
                    f.note(Fault::kNoMessage, it.at, kSyntaxError);
            }
            continue;
        }
        int stage = stageOf(it.op);
        if (q == 0 || core[q - 1].kind != Item::Number)
            f.note(stage, it.at, kSyntaxError);
        std::size_t r = signsFrom(q + 1);
        if (r < n && core[r].kind == Item::Number)
            continue;
        // No right operand: read as 0, so "/" divides by zero; the others
        // grow the text until its length stops them, or go on with a wrong
        // value when only a sign was there.
        bool bare = r == q + 1;
        bool literal = r == n || core[r].kind != Item::Blank || !core[r].group;
        if (it.op == '/' && (bare || literal))
            f.note(stageOf('/'), it.at, kDivideByZero);
        else
            f.note(bare ? stage : Fault::kNoMessage, it.at, kSyntaxError);
    }
    return f;
}

// One operand of "*" and "/": signs, a base and its chain of powers.
struct Factor {
    bool negative = false;
    std::size_t signs = 0;
    double value = 0.0;
    std::size_t length = 0;
    struct Power {
        double value;
        std::size_t length; // exponent with its signs and the "^"
        std::size_t at;     // place of the "^"
    };
    std::vector<Power> powers;
    std::size_t at = 0; // place of the "*" or "/" before it
};

struct Term {
    char op; // '+' or '-' before it ('+' for the first)
    std::size_t at;
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

    std::vector<Term> terms{{'+', 0, {}}};
    char pending = '*';
    std::size_t pendingAt = 0;
    std::size_t powerAt = 0;
    bool afterPower = false;
    Factor factor;
    bool expectOperand = true;
    bool negative = false;
    std::size_t signs = 0;
    for (const Item& item : items) {
        if (expectOperand) {
            if (item.kind == Item::Operator) {
                if (item.op != '-' && item.op != '+')
                    stop(kSyntaxError); // no left operand
                negative ^= item.op == '-';
                ++signs;
                continue;
            }
            if (afterPower) {
                factor.powers.push_back(
                    {negative ? -item.value : item.value, item.length + signs + 1, powerAt});
            } else {
                factor = Factor{negative, signs, item.value, item.length, {}, pendingAt};
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
            powerAt = item.at;
        } else {
            terms.back().factors.emplace_back(pending, std::move(factor));
            afterPower = false;
            pendingAt = item.at;
            if (item.op == '*' || item.op == '/') {
                pending = item.op;
            } else {
                pending = '*';
                terms.push_back({item.op, item.at, {}});
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
    double flatValue(const std::vector<Item>& core, std::size_t lead, Fault fault,
                     std::size_t& length, std::size_t& operand);
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
    for (std::size_t i = 0; i < items.size(); ++i) {
        length += items[i].length;
        items[i].at = i;
    }
    if (items.empty() && !top)
        stop(kSyntaxError); // "()"
    // Blanks before and after the text stay with its value; a text of blanks
    // alone has none.
    std::size_t lead = 0;
    while (lead < items.size() && items[lead].kind == Item::Blank)
        ++lead;
    if (lead == items.size())
        return {0.0, 0, lead, 0, true};
    std::size_t trail = 0;
    while (items[items.size() - 1 - trail].kind == Item::Blank)
        ++trail;
    std::vector<Item> core(items.begin() + static_cast<std::ptrdiff_t>(lead),
                           items.end() - static_cast<std::ptrdiff_t>(trail));

    Reduced out{0.0, 0, lead, trail, false};
    out.value = flatValue(core, lead, shapeFaults(core), length, out.length);
    return out;
}

// The value of a text without parentheses (blanks only inside `core`). Of
// the faults found on its shape and the failures of its arithmetic, the one
// the rewriting meets first ends the evaluation.
double Evaluator::flatValue(const std::vector<Item>& core, std::size_t lead, Fault fault,
                            std::size_t& length, std::size_t& operand)
{
    std::vector<Item> items;
    for (const Item& i : core)
        if (i.kind != Item::Blank)
            items.push_back(i);
    std::vector<Term> terms;
    try {
        terms = operands(items);
    } catch (const Stop&) {
        if (fault.any())
            stop(fault.message);
        throw;
    }

    // After blanks in front, a step on "*", "/", "+" or "-" puts its sign
    // after a blank, where it has no left operand. A sign in front is read
    // with the number under the powers, so it is lost only to an even power.
    if (lead > 0) {
        bool lost = false;
        std::size_t signs = 0;
        while (signs < core.size() && isSign(core, signs)) {
            lost = lost || core[signs].op == '+';
            ++signs;
        }
        for (std::size_t q = signs; q < core.size(); ++q)
            if (core[q].kind == Item::Operator && core[q].op != '^'
                && !(isSign(core, q) && core[q - 1].op == '^'))
                lost = true;
        const Factor& first = terms.front().factors.front().second;
        if (signs == 1 && !lost) {
            // A group after the sign is multiplied by minus one.
            lost = core[1].group || first.powers.empty();
            bool negative = !lost && first.value != 0.0;
            for (const Factor::Power& p : first.powers) {
                if (negative && p.value != std::trunc(p.value))
                    fault.note(stageOf('^'), p.at, kSyntaxError);
                negative = negative && std::fmod(std::fabs(p.value), 2.0) == 1.0;
            }
            lost = lost || negative;
        }
        if (signs > 1 || lost)
            fault.note(stageOf('+'), 0, kSyntaxError);
    }

    auto fail = [&](char op, std::size_t at, std::string_view message) {
        stop(fault.any() && fault.before(stageOf(op), at) ? fault.message : message);
    };
    auto limit = [&] {
        if (length > kStepTextLimit)
            stop(kSyntaxError);
        countStep();
    };
    auto finite = [&](double v, char op, std::size_t at) {
        if (!std::isfinite(v))
            fail(op, at, kSyntaxError);
        return v;
    };

    // Powers, left to right along each chain; then the sign in front.
    for (Term& t : terms) {
        for (auto& [op, f] : t.factors) {
            for (const Factor::Power& p : f.powers) {
                limit();
                if (f.value == 0.0 && p.value < 0.0)
                    fail('^', p.at, kDivideByZero);
                if (f.value < 0.0 && p.value != std::trunc(p.value))
                    fail('^', p.at, kSyntaxError);
                f.value = step(finite(std::pow(f.value, p.value), '^', p.at), length, f.length,
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
                fail('/', f.at, kDivideByZero);
            double v = op == '*' ? acc.value * f.value : acc.value / f.value;
            acc.value = step(finite(v, op, f.at), length, acc.length, acc.length + 1 + f.length);
        }
        sums.push_back(acc);
    }
    Factor acc = sums.front();
    for (std::size_t i = 1; i < sums.size(); ++i) {
        limit();
        double v = terms[i].op == '+' ? acc.value + sums[i].value : acc.value - sums[i].value;
        acc.value = step(finite(v, terms[i].op, terms[i].at), length, acc.length,
                         acc.length + 1 + sums[i].length);
    }
    if (fault.any())
        stop(fault.message);
    operand = acc.length;
    return acc.value;
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
