// Tape files: the bytes written and what the reader accepts.
#include "sumlet/adding/tape.h"
#include "sumlet/adding/tape_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace sumlet {
namespace {

AddingTape tapeOf(const std::vector<double>& values)
{
    AddingTape t;
    t.create(AddingTape::Capacity);
    for (double v : values)
        t.record(v);
    t.SavedTopRow = standardTopRow(t.EntryCount);
    return t;
}

TEST(TapeFileWrite, WritesCountTotalTopRowThenOneValueALine)
{
    EXPECT_EQ(writeTapeFile(tapeOf({100, 250.5, -30})), "3,320.5,1\r\n100\r\n250.5\r\n-30\r\n");
    EXPECT_EQ(writeTapeFile(tapeOf({})), "0,0,1\r\n");
    EXPECT_EQ(writeTapeFile(tapeOf({0.1234567, 1e20})), "2,1E+20,1\r\n0.1234567\r\n1E+20\r\n");
}

TEST(TapeFileWrite, ReadsBackWhatItWrote)
{
    std::vector<double> values;
    for (int k = 1; k <= 1000; ++k)
        values.push_back(k * 1.25 - 300.5);
    AddingTape t = tapeOf(values);
    auto back = readTapeFile(writeTapeFile(t));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->count, 1000);
    EXPECT_EQ(back->topRow, 991);
    EXPECT_EQ(back->total, t.EntryTotal);
    EXPECT_EQ(back->values, values);
}

struct ReadCase {
    const char* name;
    const char* bytes;
    std::optional<TapeFileContents> expected;
};

TapeFileContents contents(int count, double total, int top, std::vector<double> v)
{
    return TapeFileContents{count, total, top, std::move(v)};
}

TEST(TapeFileRead, AcceptsSoundFilesOnly)
{
    const ReadCase cases[] = {
        {"usual layout", "3,320.5,1\r\n100\r\n250.5\r\n-30\r\n", contents(3, 320.5, 1, {100, 250.5, -30})},
        {"one line", "3,320.5,1,100,250.5,-30\r\n", contents(3, 320.5, 1, {100, 250.5, -30})},
        {"lone LF and blanks", "3, 320.5, 1\n 100\n250.5\n-30", contents(3, 320.5, 1, {100, 250.5, -30})},
        {"stored total kept", "2,999,1\r\n1\r\n2\r\n", contents(2, 999, 1, {1, 2})},
        {"more values than count", "2,3,1\r\n1\r\n2\r\n7\r\n8\r\n", contents(2, 3, 1, {1, 2})},
        {"trailing garbage ignored", "1,5,1\r\n5\r\nnot a number\r\n", contents(1, 5, 1, {5})},
        {"empty fields read 0", "2,,1\r\n\r\n5\r\n", contents(2, 0, 1, {0, 5})},
        {"count 0", "0,12.5,1\r\n", contents(0, 12.5, 1, {})},
        {"top row 0 replaced", "11,11,0\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n",
         contents(11, 11, 2, std::vector<double>(11, 1.0))},
        {"top row 1001 replaced", "1,1,1001\r\n1\r\n", contents(1, 1, 1, {1})},
        {"fractional top row replaced", "1,1,2.5\r\n1\r\n", contents(1, 1, 1, {1})},
        {"top row kept", "1,1,7\r\n1\r\n", contents(1, 1, 7, {1})},
        {"empty file", "", std::nullopt},
        {"line 1 short", "3,320.5\r\n", std::nullopt},
        {"fewer values than count", "3,320.5,1\r\n100\r\n250.5\r\n", std::nullopt},
        {"count beyond 1000", "1001,0,1\r\n", std::nullopt},
        {"negative count", "-1,0,1\r\n", std::nullopt},
        {"fractional count", "1.5,0,1\r\n1\r\n1\r\n", std::nullopt},
        {"garbled value", "2,3,1\r\n1\r\n2x\r\n", std::nullopt},
        {"garbled count", "abc\r\n", std::nullopt},
        {"quoted value", "1,1,1\r\n\"1\"\r\n", std::nullopt},
        {"value beyond range", "1,1,1\r\n1e999\r\n", std::nullopt},
        {"total beyond range", "1,1D400,1\r\n1\r\n", std::nullopt},
        {"binary junk", "\x81\x01\xff\xfe,\x82", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto got = readTapeFile(c.bytes);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (!got)
            continue;
        EXPECT_EQ(got->count, c.expected->count);
        EXPECT_EQ(got->total, c.expected->total);
        EXPECT_EQ(got->topRow, c.expected->topRow);
        EXPECT_EQ(got->values, c.expected->values);
    }
}

} // namespace
} // namespace sumlet
