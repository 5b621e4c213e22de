#include "sumlet/adding/tape.h"

#include <cmath>

namespace sumlet {

void AddingTape::create(int maxRows)
{
    Tape.assign(static_cast<std::size_t>(maxRows < 0 ? 0 : maxRows) + 1, 0.0);
}

void AddingTape::erase()
{
    Tape.clear();
    Tape.shrink_to_fit();
}

double AddingTape::value(int k) const
{
    if (k < 0 || static_cast<std::size_t>(k) >= Tape.size())
        return 0.0;
    return Tape[static_cast<std::size_t>(k)];
}

bool AddingTape::canRecord(double v) const
{
    return !full() && std::isfinite(v) && std::isfinite(EntryTotal + v);
}

void AddingTape::record(double v)
{
    if (static_cast<std::size_t>(EntryCount) + 1 >= Tape.size())
        Tape.resize(static_cast<std::size_t>(Capacity) + 1, 0.0);
    ++EntryCount;
    Tape[static_cast<std::size_t>(EntryCount)] = v;
    EntryTotal += v;
}

AddingTape::Totals AddingTape::clear()
{
    Totals before{EntryCount, EntryTotal};
    EntryCount = 0;
    EntryTotal = 0.0;
    return before;
}

void AddingTape::reset()
{
    EntryCount = 0;
    EntryTotal = 0.0;
    EntryValue = 0.0;
    EntryText.clear();
    SavedTopRow = 0;
    PrintLineNoMode = 0;
    erase();
}

} // namespace sumlet
