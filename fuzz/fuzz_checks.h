// Checks the fuzz targets share: a broken property ends the run, so
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

inline void require(bool ok)
{
    if (!ok)
        std::abort();
}

// The text with A-Z in lower case.
inline std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// A text of infinity or of a value that is not a number, in any case:
// "inf", "nan", and the "1.#INF" / "1.#QNAN" forms.
inline bool holdsNonFinite(std::string_view text)
{
    const std::string t = lowered(text);
    return t.find('#') != std::string::npos || t.find("inf") != std::string::npos
           || t.find("nan") != std::string::npos;
}

} // namespace fuzz
