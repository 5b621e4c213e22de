#include "runtime/number_text.h"

// Placeholder bodies; replaced by the full number reader and writer.
#include <cstdio>
#include <cstdlib>

namespace runtime {

ValResult Val(std::string_view text)
{
    std::string s(text);
    return {std::strtod(s.c_str(), nullptr), false};
}

double valOr0(std::string_view text)
{
    ValResult r = Val(text);
    return r.overflow ? 0.0 : r.value;
}

std::string shortestText(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

} // namespace runtime
