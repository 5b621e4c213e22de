// The 26 formula lines A..Z ("A: 153*2") and their files: DATT.DAT in the
// program folder and the formula files *.DAT of the same format (26 quoted
// records, one per line, CR LF, code page 932).
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct ProgramPlace;

inline constexpr int kFormulaCount = 26;

// The longest formula a line holds, in characters: the formula boxes take
// no more, and the readers refuse a longer record. Twice the 500 characters
// that the evaluator expands, so no formula this long computes.
inline constexpr int kFormulaMaxLength = 1000;

// Line i (0 = A) as UTF-8: the letter, ": ", then the formula.
using FormulaLineSet = std::array<std::string, kFormulaCount>;

// "A: " for 0 .. "Z: " for 25.
std::string linePrefix(int i);
// Every line empty ("A: " .. "Z: ").
FormulaLineSet emptyLineSet();
// The formula of a line: what follows its three-character prefix.
std::string formulaOf(std::string_view line);
// The formulas of all lines, in the same order.
FormulaLineSet formulasOf(const FormulaLineSet& lines);
// The line of letter i for a formula.
std::string makeLine(int i, std::string_view formula);

// True when a line may hold the formula: at most kFormulaMaxLength
// characters, none of them a control character (U+0000..U+001F, U+007F).
bool formulaAllowed(std::string_view formula);

// The file's bytes; nullopt when a line cannot be written (a formula that
// formulaAllowed refuses, a character that code page 932 cannot hold, or a
// double quote).
std::optional<std::string> lineSetBytes(const FormulaLineSet& lines);

// A formula file as a whole: nullopt (nothing to take over) when it holds
// fewer than 26 readable records, or a record does not begin with its own
// letter, a colon and a blank or holds a formula that formulaAllowed
// refuses. Records after the 26th are ignored.
std::optional<FormulaLineSet> readLineSet(std::string_view bytes);

// DATT.DAT as found at activation: records read up to the first that cannot
// be read; a missing record, or one that readLineSet would refuse, becomes
// the letter's empty line.
FormulaLineSet readLineSetLenient(std::string_view bytes);

// Where DATT.DAT is written: the program folder, or the fallback folder when
// the program folder is not writable.
std::filesystem::path variableFileForWriting(const ProgramPlace& place);
// Where it is read: the file to write when it exists, else one left in a
// read-only program folder; nullopt when there is none (then it is created).
std::optional<std::filesystem::path> variableFileForReading(const ProgramPlace& place);

} // namespace quorvel
