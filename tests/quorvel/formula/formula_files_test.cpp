// The formula lines' file format and the formula box's editing operations.
#include "quorvel/formula/formula_edit.h"
#include "quorvel/formula/formula_lines.h"
#include "runtime/cp932.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// The bytes of a file whose record k is records[k] between quotes, CR LF.
std::string fileOf(const std::vector<std::string>& records)
{
    std::string bytes;
    for (const std::string& r : records)
        bytes += "\"" + *runtime::toCp932(r) + "\"\r\n";
    return bytes;
}

std::vector<std::string> emptyRecords()
{
    const FormulaLineSet set = emptyLineSet();
    return {set.begin(), set.end()};
}

// n times the text s.
std::string times(int n, const std::string& s)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

const std::string kFullWidthOne = "\xEF\xBC\x91";   // "１": 2 bytes on disk, 3 in UTF-8

TEST(FormulaFile, RoundTripsInCodePage932)
{
    FormulaLineSet set = emptyLineSet();
    set[0] = makeLine(0, "153*2+(74/(3+24.5*2))");
    set[1] = makeLine(1, "ﾙｰﾄ3=Sqr(3)　高さ/底辺, x");   // half-width kana, ideographic space, comma
    set[25] = makeLine(25, "Sin(30)");
    // Formulas of the longest length, counted in characters, not bytes.
    set[2] = makeLine(2, times(kFormulaMaxLength / 2 - 1, "1+") + "12");
    set[3] = makeLine(3, times(kFormulaMaxLength, kFullWidthOne));
    ASSERT_EQ(set[2].size(), 3u + kFormulaMaxLength);
    const auto bytes = lineSetBytes(set);
    ASSERT_TRUE(bytes);
    // Code page 932 on disk: half-width katakana are single bytes.
    EXPECT_NE(bytes->find("\"B: \xD9\xB0\xC4" "3=Sqr(3)\x81\x40\x8D\x82\x82\xB3/"), std::string::npos);
    EXPECT_EQ(readLineSet(*bytes), set);
    EXPECT_EQ(readLineSetLenient(*bytes), set);
    // Saved again, the same bytes.
    EXPECT_EQ(lineSetBytes(*readLineSet(*bytes)), bytes);
    EXPECT_EQ(formulaOf("Q:"), "");   // a line shorter than its prefix
}

TEST(FormulaFile, UnwritableLinesAreRefused)
{
    const std::string rows[] = {
        "1\"2",                      // a double quote
        "\xF0\x9F\x98\x80",           // emoji
        "\xF0\xA0\xAE\xB7+1",         // a character beyond code page 932
        "\xC3\xA9",                   // é
        std::string("1\0+2", 4),      // control characters, C0 and DEL
        "1\t+2",
        "1+\r\n2",
        "1+\n2",
        "\x1B",
        "2\x1F",
        "3\x7F",
        times(kFormulaMaxLength + 1, "1"),       // one character too many
        times(kFormulaMaxLength + 1, kFullWidthOne),
    };
    for (const std::string& formula : rows) {
        FormulaLineSet set = emptyLineSet();
        set[4] = makeLine(4, formula);
        EXPECT_FALSE(lineSetBytes(set)) << formula;
    }
}

TEST(FormulaFile, MalformedFilesAreRefusedWhole)
{
    // Record k is replaced in a set where Y has a formula.
    auto with = [](int k, std::string record) {
        std::vector<std::string> r = emptyRecords();
        r[24] = "Y: 9*9";
        r[k] = std::move(record);
        return fileOf(r);
    };
    std::vector<std::string> short25 = emptyRecords();
    short25.pop_back();
    const struct {
        const char* name;
        std::string bytes;
        int letter;   // the record refused on its own; -1: the file as such
    } rows[] = {
        {"empty file", "", -1},
        {"25 records", fileOf(short25), -1},
        {"wrong letter", with(2, "D: 1"), 2},
        {"small letter", with(0, "a: 1"), 0},
        {"no blank after colon", with(5, "F:1"), 5},
        {"no prefix", with(7, "1+2"), 7},
        {"shorter than a prefix", with(25, "Z:"), 25},
        {"window file", "120,120,0,,,,\r\n", -1},
        {"unclosed quote", fileOf(short25) + "\"Z: 1\r\n", -1},
        {"not code page 932", fileOf(short25) + "\"Z: \x85\x40\"\r\n", -1},
        {"NUL", with(3, std::string("D: 1\0+2", 8)), 3},
        {"CR LF inside the quotes", with(3, "D: 4\r\n*5"), 3},
        {"lone LF inside the quotes", with(3, "D: 4\n*5"), 3},
        {"lone CR inside the quotes", with(3, "D: 4\r*5"), 3},
        {"TAB", with(6, "G: 1\t+2"), 6},
        {"escape", with(6, "G: \x1B"), 6},
        {"unit separator", with(6, "G: 2\x1F"), 6},
        {"DEL", with(6, "G: 3\x7F"), 6},
        {"one character too long", with(8, "I: " + times(kFormulaMaxLength + 1, "1")), 8},
        {"one full-width character too long", with(8, "I: " + times(kFormulaMaxLength + 1, kFullWidthOne)), 8},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(readLineSet(row.bytes)) << row.name;
        if (row.letter < 0)
            continue;
        // Read leniently (DATT.DAT at activation), the refused record gives
        // its letter's empty line and the records after it still count.
        FormulaLineSet expected = emptyLineSet();
        expected[24] = "Y: 9*9";
        EXPECT_EQ(readLineSetLenient(row.bytes), expected) << row.name;
    }

    // Lines after the 26th are ignored.
    std::vector<std::string> more = emptyRecords();
    more.push_back("junk");
    EXPECT_EQ(readLineSet(fileOf(more)), emptyLineSet());
}

TEST(FormulaEdit, InsertBackspaceAndDelete)
{
    struct Row {
        const char* op;   // "ins:<text>", "bs", "del"
        const char* text;
        int selStart, selLength;
        const char* expected;
        int caret;
    };
    const Row rows[] = {
        {"ins:Sqr(", "12", 1, 0, "1Sqr(2", 5},
        {"ins:+", "abcd", 2, 2, "ab+cd", 3},
        {"ins:Pi", "", 0, 0, "Pi", 2},
        {"ins:Z", "ab", 2, 0, "abZ", 3},
        {"bs", "abcd", 0, 0, "abcd", 0},
        {"bs", "abcd", 3, 0, "abd", 2},
        {"bs", "abcd", 1, 2, "bcd", 0},        // the character before the selection goes
        {"del", "abcd", 1, 0, "acd", 1},
        {"del", "abcd", 1, 2, "ad", 1},
        {"del", "abcd", 4, 0, "abcd", 4},
        {"del", "", 0, 0, "", 0},
    };
    for (const Row& r : rows) {
        const QString op = QString::fromUtf8(r.op);
        const QString text = QString::fromUtf8(r.text);
        const EditResult got = op.startsWith("ins:") ? insertAtCaret(text, r.selStart, op.mid(4))
                               : op == "bs"          ? deleteBefore(text, r.selStart)
                                                     : deleteSelectionOrNext(text, r.selStart, r.selLength);
        EXPECT_EQ(got.text.toStdString(), r.expected) << r.op << " " << r.text;
        EXPECT_EQ(got.caret, r.caret) << r.op << " " << r.text;
    }
}

} // namespace
} // namespace quorvel
