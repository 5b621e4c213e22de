// Random text through the adding machine's entry line. A confirmed line is
// a finite value or a refusal; the line itself stays the entry text (less
// its leading minus); the value, as the tape writes it, and the echo shown
// while typing never hold a text of infinity or of a value that is not a
// number.
#include "sumlet/adding/entry_line.h"

#include "runtime/format.h"

#include "fuzz/fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using fuzz::holdsNonFinite;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);

    const sumlet::EntryParse p = sumlet::parseEntryLine(line);
    const bool minus = !line.empty() && line.front() == '-';
    const std::string_view withoutMinus = minus ? line.substr(1) : line;
    // A refusal may come before the minus is taken off.
    require(p.entryText == withoutMinus || (!p.ok && p.entryText == line));
    if (p.ok) {
        require(std::isfinite(p.value));
        require(!std::signbit(p.value) || p.value != 0.0); // no negative zero on the tape
        require(!holdsNonFinite(runtime::Format(p.value, "#,0.###### ")));
        require(!holdsNonFinite(runtime::Format(p.value, "0.######")));
    } else {
        require(p.value == 0.0);
    }

    // The echo is the line as typed or a number written with the pattern.
    const std::string echo = sumlet::entryEcho(line);
    if (echo != line)
        require(!holdsNonFinite(echo));
    return 0;
}
