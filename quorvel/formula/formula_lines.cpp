#include "quorvel/formula/formula_lines.h"

#include "quorvel/keypad/window_file.h"
#include "runtime/seqfile.h"

#include <system_error>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "DATT.DAT";

bool hasPrefix(std::string_view line, int i)
{
    return line.substr(0, 3) == linePrefix(i);
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
    std::string line = linePrefix(i);
    for (char c : formula)
        if (c != '\r' && c != '\n')
            line += c;
    return line;
}

std::optional<std::string> lineSetBytes(const FormulaLineSet& lines)
{
    runtime::SeqWriter writer;
    for (const std::string& line : lines) {
        if (!writer.text(line))
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
        if (reader.readText(text) != runtime::ReadStatus::Ok || !hasPrefix(text, i))
            return std::nullopt;
        lines[i] = makeLine(i, formulaOf(text));
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
        if (hasPrefix(text, i))
            lines[i] = makeLine(i, formulaOf(text));
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
