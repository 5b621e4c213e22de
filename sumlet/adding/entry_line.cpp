#include "sumlet/adding/entry_line.h"

#include "runtime/format.h"
#include "runtime/number_text.h"

#include <array>
#include <cmath>
#include <optional>

namespace sumlet {

namespace {

// Val of an operand; nullopt on an overflow.
std::optional<double> operand(std::string_view text)
{
    auto r = runtime::Val(text);
    if (r.overflow || !std::isfinite(r.value))
        return std::nullopt;
    return r.value;
}

EntryParse fail(std::string entryText)
{
    EntryParse p;
    p.entryText = std::move(entryText);
    return p;
}

} // namespace

EntryParse parseEntryLine(std::string_view line)
{
    auto whole = operand(line);
    std::string entryText(line);
    if (!whole)
        return fail(entryText);

    double sign = 1.0;
    if (!entryText.empty() && entryText.front() == '-') {
        entryText.erase(0, 1);
        sign = -1.0;
    }
    const std::string_view t = entryText;

    std::optional<double> value = *whole;
    bool found = false;

    static constexpr std::array<std::string_view, 4> pairs{"+-", "-+", "--", "++"};
    for (std::string_view op : pairs) {
        auto p = t.find(op);
        if (p == std::string_view::npos)
            continue;
        auto a = operand(t.substr(0, p));
        auto b = operand(t.substr(p + 2));
        if (!a || !b)
            return fail(entryText);
        value = (op == "+-" || op == "-+") ? sign * *a - *b : sign * *a + *b;
        found = true;
        break;
    }

    if (!found) {
        static constexpr std::array<char, 4> singles{'*', '/', '+', '-'};
        for (char op : singles) {
            auto p = t.find(op);
            if (p == std::string_view::npos)
                continue;
            auto a = operand(t.substr(0, p));
            auto b = operand(t.substr(p + 1));
            if (!a || !b)
                return fail(entryText);
            switch (op) {
            case '*': value = sign * *a * *b; break;
            case '/':
                if (*b == 0.0)
                    return fail(entryText); // n/0 and 0/0
                value = (sign * *a) / *b;
                break;
            case '+': value = sign * *a + *b; break;
            default: value = sign * *a - *b; break;
            }
            break;
        }
    }

    if (!std::isfinite(*value))
        return fail(entryText);
    EntryParse p;
    p.ok = true;
    p.value = *value + 0.0; // no negative zero on the tape
    p.entryText = std::move(entryText);
    return p;
}

std::string entryEcho(std::string_view line)
{
    if (line.find_first_of("/-") != std::string_view::npos)
        return std::string(line);
    return runtime::formatText(line, "#,0.######");
}

} // namespace sumlet
