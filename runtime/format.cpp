#include "runtime/format.h"

#include "runtime/number_text.h"

namespace runtime {

std::string Format(double value, std::string_view pattern) { return fileNumber(value); }

std::string formatText(std::string_view text, std::string_view pattern)
{
    auto n = localeNumber(text);
    return n ? Format(*n, pattern) : std::string(text);
}

} // namespace runtime
