// Random well-formed formulas, evaluated by the evaluator and by a small
// recursive-descent model written here: the same value to 12 significant
// digits, or a message the model also finds.
#include "quorvel/formula/evaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <string_view>

using namespace quorvel::formula;

namespace {

constexpr std::string_view kSyntax = "文法エラー！";
constexpr std::string_view kSelf = "文法エラー！自己変数";
constexpr std::string_view kZero = "文法エラー！0で除算";

double parse(std::string_view s)
{
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

// The same value to 12 significant digits: both round to the same 12 digits,
// or, across a rounding boundary, they lie within half a unit of the 12th.
bool same12(double a, double b)
{
    if (a == b)
        return true;
    if (!std::isfinite(a) || !std::isfinite(b))
        return false;
    char x[32];
    char y[32];
    auto rx = std::to_chars(x, x + sizeof x, a, std::chars_format::scientific, 11);
    auto ry = std::to_chars(y, y + sizeof y, b, std::chars_format::scientific, 11);
    if (std::string_view(x, rx.ptr) == std::string_view(y, ry.ptr))
        return true;
    double unit = std::pow(10.0, std::floor(std::log10(std::max(std::fabs(a), std::fabs(b)))) - 11);
    return std::fabs(a - b) <= unit / 2;
}

// 15 significant digits, then at most `decimals` places, rounded half away
// from zero on those decimal digits (not on the binary value: 0.989595030626155
// goes to 0.98959503062616 with 14 places).
double written(double v, int decimals)
{
    if (!std::isfinite(v))
        return v;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    const std::string sci(buf, r.ptr);                  // d.dddddddddddddde+XX
    const std::string digits = sci.substr(0, 1) + sci.substr(2, 14);
    const int exponent = std::stoi(sci.substr(sci.find('e') + 1));
    const int keep = exponent + 1 + decimals;           // digits left of the cut
    if (keep >= 15)
        return parse(sci) * (v < 0 ? -1 : 1);
    long long kept = keep > 0 ? std::stoll(digits.substr(0, static_cast<std::size_t>(keep))) : 0;
    if (keep >= 0 && digits[static_cast<std::size_t>(keep)] >= '5')
        ++kept;
    const std::string text = std::to_string(kept) + "e" + std::to_string(exponent + 1 - keep);
    return parse(text) * (v < 0 ? -1 : 1);
}

// The model: expr := term {(+|-) term}; term := factor {(*|/) factor};
// factor := {-} power (the sign after the powers); power := primary {^ {-} primary}.
class Model {
public:
    Model(const VariableFormulas& vars, int edited, std::set<std::string_view>& errors,
          double& biggest, double& smallest)
        : vars_(vars), edited_(edited), errors_(errors), biggest_(biggest), smallest_(smallest) {}

    double run(std::string_view text)
    {
        s_ = text;
        p_ = 0;
        double v = expr();
        blanks();
        return v;
    }

private:
    char peek() const { return p_ < s_.size() ? s_[p_] : '\0'; }

    // Blanks stand only where they end a text or lead a lone number.
    void blanks()
    {
        while (peek() == ' ')
            ++p_;
    }

    double fail(std::string_view message)
    {
        errors_.insert(message);
        return 1.0; // go on, so that later messages are found too
    }

    double note(double v)
    {
        if (!std::isfinite(v))
            return fail(kSyntax);
        if (v != 0) {
            biggest_ = std::max(biggest_, std::fabs(v));
            smallest_ = std::min(smallest_, std::fabs(v));
        }
        return v;
    }

    double expr()
    {
        double v = term();
        while (peek() == '+' || peek() == '-') {
            char op = s_[p_++];
            double r = term();
            v = note(written(op == '+' ? v + r : v - r, 18));
        }
        return v;
    }

    double term()
    {
        double v = factor();
        while (peek() == '*' || peek() == '/') {
            char op = s_[p_++];
            double r = factor();
            if (op == '/' && r == 0)
                v = fail(kZero);
            else
                v = note(written(op == '*' ? v * r : v / r, 18));
        }
        return v;
    }

    double signs()
    {
        double sign = 1;
        while (peek() == '-') {
            sign = -sign;
            ++p_;
        }
        return sign;
    }

    double factor()
    {
        double sign = signs();
        double v = primary();
        while (peek() == '^') {
            ++p_;
            double e = signs();
            e *= primary();
            if (v == 0 && e < 0)
                v = fail(kZero);
            else if (v < 0 && e != std::floor(e))
                v = fail(kSyntax);
            else
                v = note(written(std::pow(v, e), 18));
        }
        return sign * v;
    }

    double primary()
    {
        char c = peek();
        if (c == '(') {
            ++p_;
            double v = expr();
            ++p_; // ")"
            return v;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            std::size_t start = p_;
            while (std::isdigit(static_cast<unsigned char>(peek())) || peek() == '.')
                ++p_;
            std::string_view lit = s_.substr(start, p_ - start);
            return lit == "." ? 0.0 : note(parse(lit));
        }
        // A name: Pi, a function of three letters, or a variable.
        std::string name;
        while (std::isalpha(static_cast<unsigned char>(peek())))
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(s_[p_++])));
        if (name == "pi")
            return written(std::acos(-1.0), 17);
        if (name.size() == 1) {
            int k = name[0] - 'a';
            if (k == edited_)
                return fail(kSelf);
            const std::string& f = vars_[static_cast<std::size_t>(k)];
            if (f.empty())
                return 0.0;
            Model inner(vars_, edited_, errors_, biggest_, smallest_);
            return inner.run(f);
        }
        ++p_; // "("
        blanks();
        double x = expr();
        blanks();
        ++p_; // ")"
        // Degrees as x * pi / 180 in that order: for large x the last bit
        // of the radians shows in the result.
        const double pi = std::acos(-1.0);
        double v = 0;
        if (name == "abs") v = std::fabs(x);
        else if (name == "atn") v = std::atan(x) * 180 / pi;
        else if (name == "cos") v = std::cos(x * pi / 180);
        else if (name == "exp") v = std::exp(x);
        else if (name == "fix") v = std::trunc(x);
        else if (name == "int") v = std::floor(x);
        else if (name == "log") v = x > 0 ? std::log(x) : fail(kSyntax);
        else if (name == "sin") v = std::sin(x * pi / 180);
        else if (name == "sqr") v = x >= 0 ? std::sqrt(x) : fail(kSyntax);
        else if (name == "tan") v = std::tan(x * pi / 180);
        return note(written(v, 14));
    }

    const VariableFormulas& vars_;
    int edited_;
    std::set<std::string_view>& errors_;
    double& biggest_;
    double& smallest_;
    std::string_view s_;
    std::size_t p_ = 0;
};

// A formula text and the length it takes once every variable and Pi is
// written out.
struct Text {
    std::string s;
    std::size_t expanded = 0;
    void add(const std::string& t) { s += t; expanded += t.size(); }
    void add(const Text& t) { s += t.s; expanded += t.expanded; }
};

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    std::string mixedCase(std::string name)
    {
        for (char& c : name)
            if (chance(50))
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return name;
    }

    std::string number()
    {
        switch (pick(7)) {
        case 0: return "0";
        case 1: return std::to_string(pick(10));
        case 2: return std::to_string(pick(1000));
        case 3: return std::to_string(pick(100)) + "." + std::to_string(pick(100));
        case 4: return "." + std::to_string(1 + pick(9));
        case 5: return std::to_string(1 + pick(20)) + ".";
        default: return std::to_string(pick(50)) + "." + std::to_string(pick(10)) + "5";
        }
    }

    // Variables A..E; each refers only to the ones before it. `edited`
    // appears now and then, to draw the self reference.
    void variables(VariableFormulas& vars, std::array<std::size_t, 26>& lengths, int edited)
    {
        vars = {};
        lengths.fill(1); // an empty variable is written as (0)
        vars_ = &vars;
        lengths_ = &lengths;
        for (int k = 0; k < 5; ++k) {
            limit_ = k;
            Text t;
            switch (pick(5)) {
            case 0: t.add("-" + number()); break;
            case 1: break; // empty: counts as (0)
            case 2: t = expr(1); break;
            default: t = expr(0); break;
            }
            vars[static_cast<std::size_t>(k)] = t.s;
            lengths[static_cast<std::size_t>(k)] = t.s.empty() ? 1 : t.expanded;
        }
        limit_ = chance(3) ? edited + 1 : 5;
        edited_ = edited;
    }

    Text primary(int depth)
    {
        Text t;
        int kind = pick(depth > 0 ? 10 : 6);
        if (kind <= 2) {
            t.add(number());
        } else if (kind <= 4 && limit_ > 0) {
            int k = pick(limit_);
            if (limit_ > 5 && chance(50))
                k = edited_;
            t.s += mixedCase(std::string(1, static_cast<char>('a' + k)));
            t.expanded += 2 + (k == edited_ ? 1 : (*lengths_)[static_cast<std::size_t>(k)]);
        } else if (kind == 5) {
            t.s += mixedCase("pi");
            t.expanded += 16;
        } else if (kind <= 7) {
            t.add("(");
            t.add(expr(depth - 1));
            t.add(")");
        } else {
            static const char* names[] = {"abs", "atn", "cos", "exp", "fix",
                                          "int", "log", "sin", "sqr", "tan"};
            t.add(mixedCase(names[pick(10)]) + "(");
            // Blanks where the rewriting takes them: before a lone number
            // and at the end of the argument, but not after a variable (its
            // letter would take the blank that a variable at the end of the
            // formula needs in the same pass).
            if (chance(15))
                t.add(" " + number());
            else
                t.add(expr(depth - 1));
            if (chance(15) && !std::isalpha(static_cast<unsigned char>(t.s.back())))
                t.add(" ");
            t.add(")");
        }
        if (t.s.empty())
            t.add(number());
        return t;
    }

    // At most three operands on one level, so that no step works on more
    // than 100 characters.
    Text expr(int depth)
    {
        Text t;
        int operands = 1 + pick(3);
        for (int i = 0; i < operands; ++i) {
            if (i > 0)
                t.add(std::string(1, "+-*/"[pick(4)]));
            if (chance(25))
                t.add(chance(85) ? "-" : "--");
            t.add(primary(depth));
            if (chance(20)) {
                static const char* exps[] = {"0", "1", "2", "3", "0.5", "1.5", "(1/2)"};
                t.add(std::string(chance(25) ? "^-" : "^") + exps[pick(7)]);
            }
        }
        return t;
    }

private:
    std::mt19937 rng_;
    VariableFormulas* vars_ = nullptr;
    std::array<std::size_t, 26>* lengths_ = nullptr;
    int limit_ = 0;
    int edited_ = 25;
};

} // namespace

TEST(FormulaEvaluatorDifferential, AgreesWithAnIndependentModel)
{
    Generator gen(20261208);
    VariableFormulas vars;
    std::array<std::size_t, 26> lengths{};
    int compared = 0, values = 0, messages = 0, failures = 0, blanks = 0;
    std::set<std::string_view> seen;
    auto where = [&](const std::string& f) {
        std::string w = f + " with";
        for (int k = 0; k < 5; ++k)
            w += std::string(" ") + static_cast<char>('A' + k) + "=" + vars[static_cast<std::size_t>(k)];
        return w;
    };
    for (int round = 0; compared < 12000 && round < 200000; ++round) {
        int edited = 5 + gen.pick(21);
        gen.variables(vars, lengths, edited);
        Text f = gen.expr(3);
        if (gen.chance(10))
            f.add("  ");
        VariableFormulas stored = vars;
        stored[static_cast<std::size_t>(edited)] = f.s;

        std::set<std::string_view> errors;
        double biggest = 0, smallest = INFINITY;
        double expected = Model(stored, edited, errors, biggest, smallest).run(f.s);
        if (f.expanded + 1 > 500)
            errors.insert(kSyntax);
        // Values whose written form runs past 100 characters in a step, or
        // loses digits to the 18 places, are left to the tables.
        if (biggest >= 1e15 || smallest < 1e-6)
            continue;
        if (errors.count(kSelf))
            errors = {kSelf};
        ++compared;

        Evaluation e = evaluate(f.s, stored, edited);
        if (!errors.empty()) {
            ++messages;
            seen.insert(errors.begin(), errors.end());
            bool ok = e.failed && errors.count(e.message) == 1;
            if (!ok && ++failures <= 20)
                ADD_FAILURE() << where(f.s) << " gave " << e.caption << ", a message expected";
            continue;
        }
        ++values;
        blanks += f.s.find(' ') != std::string::npos;
        double got = e.failed ? NAN : parse(e.EQ);
        bool ok = !e.failed && same12(got, expected);
        if (!ok && ++failures <= 20)
            ADD_FAILURE() << where(f.s) << " gave " << e.caption << ", expected " << expected;
    }
    std::cout << "compared " << compared << " formulas: " << values << " values, " << messages
              << " messages (" << blanks << " values with blanks), " << failures
              << " disagreements\n";
    EXPECT_GE(compared, 12000);
    EXPECT_GE(values, 6000);
    EXPECT_GE(messages, 500);
    EXPECT_GE(blanks, 1000);
    EXPECT_EQ(seen.size(), 3u); // syntax, division by zero and self reference all drawn
    EXPECT_EQ(failures, 0);
}

// The comparison itself: 12 digits, no more and no fewer.
TEST(FormulaEvaluatorDifferential, ComparesTwelveDigits)
{
    const struct {
        double a, b;
        bool same;
    } rows[] = {
        {0.0293883942996009, 0.029388394299630902, true}, // 13th digit only
        {0.0293883942996, 0.0293883942997, false},        // 12th digit
        {1.0000000000006, 0.9999999999994, true},         // across a boundary
        {1.000000000006, 0.999999999994, false},
        {123456789012.4, 123456789012.6, true},
        {123456789012.4, 123456789013.6, false},
        {-2.5, 2.5, false},
        {0.0, 1e-300, false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(same12(r.a, r.b), r.same) << r.a << " " << r.b;
        EXPECT_EQ(same12(r.b, r.a), r.same) << r.b << " " << r.a;
    }
}
