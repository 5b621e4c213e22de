#include "quorvel/formula/formula_lines.h"

#include "quorvel/program_place.h"
#include "runtime/seqfile.h"

#include <system_error>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "DATT.DAT";

// A record read for letter i that may stand as its line.
bool isLineOf(std::string_view record, int i)
{
    return record.substr(0, 3) == linePrefix(i) && formulaAllowed(formulaOf(record));
}

} // namespace

std::string linePrefix(int i)
{
    return std::string(1, static_cast<char>('A' + i)) + ": ";
}

FormulaLineSet emptyLineSet()
{
    FormulaLineSet lines;
    for (int i = 0; i < kFormulaCount; ++i)
        lines[i] = linePrefix(i);
    return lines;
}

std::string formulaOf(std::string_view line)
{
    return line.size() > 3 ? std::string(line.substr(3)) : std::string();
}

FormulaLineSet formulasOf(const FormulaLineSet& lines)
{
    FormulaLineSet formulas;
    for (int i = 0; i < kFormulaCount; ++i)
        formulas[i] = formulaOf(lines[i]);
    return formulas;
}

std::string makeLine(int i, std::string_view formula)
{
    return linePrefix(i) + std::string(formula);
}

bool formulaAllowed(std::string_view formula)
{
    if (runtime::hasControlCharacter(formula))
        return false;
    // UTF-8: every byte but a continuation byte starts a character.
    int characters = 0;
    for (const char ch : formula)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80 && ++characters > kFormulaMaxLength)
            return false;
    return true;
}

std::optional<std::string> lineSetBytes(const FormulaLineSet& lines)
{
    runtime::SeqWriter writer;
    for (const std::string& line : lines) {
        if (!formulaAllowed(formulaOf(line)) || !writer.text(line))
            return std::nullopt;
        writer.endLine();
    }
    return writer.bytes();
}

std::optional<FormulaLineSet> readLineSet(std::string_view bytes)
{
    runtime::SeqReader reader(bytes);
    FormulaLineSet lines;
    for (int i = 0; i < kFormulaCount; ++i) {
        std::string text;
        if (reader.readText(text) != runtime::ReadStatus::Ok || !isLineOf(text, i))
            return std::nullopt;
        lines[i] = std::move(text);
    }
    return lines;
}

FormulaLineSet readLineSetLenient(std::string_view bytes)
{
    runtime::SeqReader reader(bytes);
    FormulaLineSet lines = emptyLineSet();
    for (int i = 0; i < kFormulaCount; ++i) {
        std::string text;
        if (reader.readText(text) != runtime::ReadStatus::Ok)
            break;
        if (isLineOf(text, i))
            lines[i] = std::move(text);
    }
    return lines;
}

fs::path variableFileForWriting(const ProgramPlace& place)
{
    return place.writePath(kFileName);
}

std::optional<fs::path> variableFileForReading(const ProgramPlace& place)
{
    std::error_code ec;
    const fs::path file = place.readPath(kFileName);
    if (fs::exists(file, ec))
        return file;
    return std::nullopt;
}

} // namespace quorvel
