// Arithmetic on a text without parentheses: the last stage of an
// evaluation, run on every group once its inner groups are values. The
// evaluator (evaluator.h explains its model) tokenises a group into items
// and hands them here; this part finds the failure the rewriting would meet
// first and otherwise the value it would leave, each step written back at
// 15 digits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::formula {

// Writing of a step's result (and of the result text).
inline constexpr std::string_view kStepPattern = "#0.##################";

// Characters a step may work on; a longer text ends with "文法エラー！".
inline constexpr std::size_t kStepTextLimit = 100;

// A message that ends the evaluation, thrown from anywhere inside it.
struct Stop {
    std::string_view message;
};

[[noreturn]] void stop(std::string_view message);

// Arithmetic steps and function calls, counted against a bound.
class StepBudget {
public:
    explicit StepBudget(int limit) : limit_(limit) {}
    // One more step; past the bound the evaluation ends.
    void count();

private:
    int limit_;
    int used_ = 0;
};

// A run of digits and at most one point; more points are two numbers
// written together.
double readNumber(std::string_view text);

// A value through its written form, as each step leaves it in the text.
struct Written {
    double value;
    std::string text;
};

// `value` written with `pattern` and read back; a value that is not finite
// ends the evaluation.
Written written(double value, std::string_view pattern);

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

// A reduced text: its value, the length of the text that stands for it and
// the blanks that stay before and after it (a text of blanks has no value).
struct Reduced {
    double value = 0.0;
    std::size_t length = 0;
    std::size_t lead = 0;
    std::size_t trail = 0;
    bool blank = false;
};

// The value of the items of one group (`top`: the whole text, not a
// parenthesised group, which may not be empty), or the message that ends
// the evaluation.
Reduced reduceFlat(std::vector<Item> items, bool top, StepBudget& budget);

} // namespace quorvel::formula
