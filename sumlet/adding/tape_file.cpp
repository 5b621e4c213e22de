#include "sumlet/adding/tape_file.h"

#include "runtime/seqfile.h"
#include "sumlet/adding/tape.h"

#include <cmath>

namespace sumlet {

std::string writeTapeFile(const AddingTape& tape)
{
    runtime::SeqWriter w;
    w.number(tape.EntryCount);
    w.number(tape.EntryTotal);
    w.number(tape.SavedTopRow);
    w.endLine();
    for (int k = 1; k <= tape.EntryCount; ++k) {
        w.number(tape.value(k));
        w.endLine();
    }
    return w.bytes();
}

namespace {

bool wholeIn(double v, double lo, double hi)
{
    return std::isfinite(v) && v == std::floor(v) && v >= lo && v <= hi;
}

} // namespace

std::optional<TapeFileContents> readTapeFile(std::string_view bytes)
{
    runtime::SeqReader r(bytes);
    double count = 0, total = 0, topRow = 0;
    if (r.readNumber(count) != runtime::ReadStatus::Ok
        || r.readNumber(total) != runtime::ReadStatus::Ok
        || r.readNumber(topRow) != runtime::ReadStatus::Ok)
        return std::nullopt;
    if (!wholeIn(count, 0, AddingTape::Capacity) || !std::isfinite(total))
        return std::nullopt;

    TapeFileContents c;
    c.count = static_cast<int>(count);
    c.total = total + 0.0;
    c.topRow = wholeIn(topRow, 1, AddingTape::Capacity) ? static_cast<int>(topRow)
                                                        : standardTopRow(c.count);
    c.values.reserve(static_cast<std::size_t>(c.count));
    for (int k = 1; k <= c.count; ++k) {
        double v = 0;
        if (r.readNumber(v) != runtime::ReadStatus::Ok || !std::isfinite(v))
            return std::nullopt;
        c.values.push_back(v);
    }
    return c;
}

void takeOver(AddingTape& tape, const TapeFileContents& contents)
{
    if (tape.Tape.size() < static_cast<std::size_t>(AddingTape::Capacity) + 1)
        tape.Tape.resize(static_cast<std::size_t>(AddingTape::Capacity) + 1, 0.0);
    tape.EntryCount = contents.count;
    tape.EntryTotal = contents.total;
    tape.SavedTopRow = contents.topRow;
    for (int k = 1; k <= contents.count; ++k)
        tape.Tape[static_cast<std::size_t>(k)] = contents.values[static_cast<std::size_t>(k - 1)];
}

} // namespace sumlet
