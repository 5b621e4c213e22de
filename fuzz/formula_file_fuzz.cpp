// Random bytes through the formula-file readers, as they come and as the
// formulas of a file of 26 records (the input split at line feeds), so
// that files that are taken are met often. A file that is taken holds 26
// lines, each with its own letter and a formula a line may hold; the writer
// writes it, and what it writes reads back the same. The lenient reader of
// DATT.DAT always gives 26 such lines. Neither brings in a text of infinity
// or of a value that is not a number that the file did not hold.
#include "quorvel/formula/formula_lines.h"

#include "fuzz/fuzz_checks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using fuzz::lowered;
using fuzz::require;

void requireWellFormed(const quorvel::FormulaLineSet& lines, std::string_view bytes)
{
    const std::string file = lowered(bytes);
    for (int i = 0; i < quorvel::kFormulaCount; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        require(line.compare(0, 3, quorvel::linePrefix(i)) == 0);
        require(quorvel::formulaAllowed(quorvel::formulaOf(line)));
        const std::string text = lowered(line);
        for (std::string_view word : {"inf", "nan", "#"})
            require(text.find(word) == std::string::npos || file.find(word) != std::string::npos);
    }
}

void check(std::string_view bytes)
{
    const quorvel::FormulaLineSet lenient = quorvel::readLineSetLenient(bytes);
    requireWellFormed(lenient, bytes);

    const auto read = quorvel::readLineSet(bytes);
    if (!read)
        return;
    requireWellFormed(*read, bytes);
    // A file taken whole reads the same leniently.
    require(lenient == *read);
    // What the reader takes the writer can write, and it reads back the same.
    const auto written = quorvel::lineSetBytes(*read);
    if (!written) {
        // Only a double quote, which a record cannot hold, may refuse it.
        bool quote = false;
        for (const std::string& line : *read)
            quote = quote || line.find('"') != std::string::npos;
        require(quote);
        return;
    }
    const auto again = quorvel::readLineSet(*written);
    require(again && *again == *read);
    require(quorvel::lineSetBytes(*again) == written);
}

// "A: <line 1 of the input>" .. "Z: <line 26>", each quoted, CR LF.
std::string recordsOf(std::string_view input)
{
    std::string file;
    for (int i = 0; i < quorvel::kFormulaCount; ++i) {
        const std::size_t cut = input.find('\n');
        file += '"' + quorvel::linePrefix(i) + std::string(input.substr(0, cut)) + "\"\r\n";
        input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    }
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    check(input);
    check(recordsOf(input));
    return 0;
}
