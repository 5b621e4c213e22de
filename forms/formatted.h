// A number in one of the runtime's format patterns, as a control shows it.
#pragma once

#include <QString>

#include "runtime/format.h"
#include "runtime/value.h"

namespace forms {

inline QString formatted(double v, const char* pattern)
{
    return QString::fromStdString(runtime::Format(v, pattern));
}

// A value cell counts as its number (an empty cell as 0).
inline QString formatted(const runtime::Value& v, const char* pattern) { return formatted(v.num(), pattern); }

} // namespace forms
