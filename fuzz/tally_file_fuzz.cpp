// Random bytes through the tally file reader. A file that is taken holds
// only numbers within the tally's bounds, survives a compute run and is
// written again; what is written reads back, and writing and reading that
// once more gives the same fields.
#include "sumlet/tally/engine/tally_engine.h"
#include "sumlet/tally/results/tally_file.h"

#include "fuzz/fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using fuzz::require;

sumlet::TallyFileContents writtenAndReadBack(const sumlet::TallyFileContents& c)
{
    sumlet::TallyData t;
    sumlet::takeOver(t, c);
    const auto again = sumlet::readTallyFile(sumlet::writeTallyFile(t).bytes);
    require(again.has_value());
    return *again;
}

bool sameFields(const sumlet::TallyFileContents& a, const sumlet::TallyFileContents& b)
{
    return a.monthCount == b.monthCount && a.keyName == b.keyName && a.startMonth == b.startMonth
           && a.endMonth == b.endMonth && a.monthRows == b.monthRows && a.monthNo == b.monthNo && a.rows == b.rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = sumlet::readTallyFile(bytes);
    if (!read)
        return 0;
    sumlet::TallyData t;
    sumlet::takeOver(t, *read);
    sumlet::RunTally(t);
    // Every key, count and amount taken fits the tally's bounds, so every
    // total stays finite; what the reader takes the writer can write.
    for (int m = 1; m <= read->monthCount; ++m)
        for (long i = 1; i <= t.InKey[m].upper(); ++i)
            require(sumlet::tallyNumberFits(t.InKey[m].num(i)) && sumlet::tallyNumberFits(t.InCount[m].num(i))
                    && sumlet::tallyNumberFits(t.InAmount[m].num(i)));
    require(std::isfinite(t.GrandCount.num()) && std::isfinite(t.GrandAmount.num()));
    for (long i = 1; i <= t.AllKey.upper(); ++i)
        require(std::isfinite(t.AllCount.num(i)) && std::isfinite(t.AllAmount.num(i)));
    const sumlet::TallyFileBytes written = sumlet::writeTallyFile(t);
    require(written.ok);
    const auto again = sumlet::readTallyFile(written.bytes);
    require(again.has_value());
    require(again->monthCount == read->monthCount && again->monthRows == read->monthRows);
    require(sameFields(*again, writtenAndReadBack(*again)));
    return 0;
}
