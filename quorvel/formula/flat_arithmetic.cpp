#include "quorvel/formula/flat_arithmetic.h"

#include "quorvel/formula/evaluator.h"

#include "runtime/format.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace quorvel::formula {

void stop(std::string_view message) { throw Stop{message}; }

void StepBudget::count()
{
    if (++used_ > limit_)
        stop(kSyntaxError);
}

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

namespace {

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

// A step on a text of `length` characters: its result, written, replaces
// the `consumed` characters of the operator and its operands and becomes the
// left operand (of `operand` characters) of the next step.
double step(double value, std::size_t& length, std::size_t& operand, std::size_t consumed)
{
    Written w = written(value, kStepPattern);
    length = length - consumed + w.text.size();
    operand = w.text.size();
    return w.value;
}

// The value of a text without parentheses (blanks only inside `core`). Of
// the faults found on its shape and the failures of its arithmetic, the one
// the rewriting meets first ends the evaluation.
double flatValue(const std::vector<Item>& core, std::size_t lead, Fault fault,
                 std::size_t& length, std::size_t& operand, StepBudget& budget)
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
        budget.count();
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

Reduced reduceFlat(std::vector<Item> items, bool top, StepBudget& budget)
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
    out.value = flatValue(core, lead, shapeFaults(core), length, out.length, budget);
    return out;
}

} // namespace quorvel::formula
