// Random text through the formula evaluator. The first byte picks the edited
// letter; the rest, split at line feeds, is the formula and then the
// formulas of A, B, C ... Every answer must be a result or one of the
// messages, and never a text of a value that is not finite, neither in the
// result line nor in the print's result line.
#include "quorvel/formula/evaluator.h"
#include "runtime/format.h"

#include "fuzz/fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace quorvel::formula;

namespace {

using fuzz::require;

bool isMessage(std::string_view m)
{
    return m == kSyntaxError || m == kSelfReference || m == kDivideByZero || m == kUnbalanced;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    int edited = data[0] % 27; // 26: no letter
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

    std::size_t cut = rest.find('\n');
    std::string formula(rest.substr(0, cut));
    VariableFormulas vars;
    for (std::size_t k = 0; cut != std::string_view::npos && k < vars.size(); ++k) {
        rest.remove_prefix(cut + 1);
        cut = rest.find('\n');
        vars[k] = std::string(rest.substr(0, cut));
    }
    if (edited < kVariableCount)
        vars[static_cast<std::size_t>(edited)] = formula;

    Evaluation e = evaluate(formula, vars, edited);
    require(e.failed == !e.message.empty());
    if (e.failed) {
        require(isMessage(e.message) && e.caption == e.message && e.EQ == e.message);
    } else {
        require(!e.caption.empty() && e.caption.back() == ' ');
        require(e.caption.find('#') == std::string::npos); // "1.#INF", "1.#QNAN"
        require(std::isfinite(std::strtod(e.EQ.c_str(), nullptr)));
    }
    require(runtime::formatText(e.EQ, kResultPattern).find('#') == std::string::npos);
    return 0;
}
