// Random bytes through the tally file reader. A file that is taken must
// survive a compute run and be written again; what is written reads back,
// and writing and reading that once more gives the same fields.
#include "sumlet/tally/engine/tally_engine.h"
#include "sumlet/tally/results/tally_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool ok)
{
    if (!ok)
        std::abort();
}

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
    // What the reader takes the writer can write.
    const sumlet::TallyFileBytes written = sumlet::writeTallyFile(t);
    require(written.ok);
    const auto again = sumlet::readTallyFile(written.bytes);
    require(again.has_value());
    require(again->monthCount == read->monthCount && again->monthRows == read->monthRows);
    require(sameFields(*again, writtenAndReadBack(*again)));
    return 0;
}
