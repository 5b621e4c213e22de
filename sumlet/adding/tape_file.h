// Tape files (*.ADT): line 1 holds count, total and top row; then one value
// a line. Numbers in the sequential file form, lines ended by CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumlet {

struct AddingTape;

// The bytes of a tape file for the tape's count, total and SavedTopRow.
std::string writeTapeFile(const AddingTape& tape);

// A tape file as read, before it is taken over.
struct TapeFileContents {
    int count = 0;
    double total = 0.0;
    int topRow = 1;
    std::vector<double> values; // values[0] is Tape(1)
};

// Reads a tape file's bytes. The fields may be spread over lines at will; an
// empty field reads as 0; fields after the count's values are ignored.
// nullopt unless all of it is sound: a count that is a whole number 0..1000,
// a finite total, at least count values, every field a finite number. A top
// row that is not a whole number 1..1000 becomes standardTopRow(count).
std::optional<TapeFileContents> readTapeFile(std::string_view bytes);

// Takes a read file over as the tape (count, total, top row, values).
void takeOver(AddingTape& tape, const TapeFileContents& contents);

} // namespace sumlet
