// Tally files: the bytes written, what reads back, and what is refused.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sumlet/tally/results/tally_file.h"
#include "sumlet/tally/engine/tally_reference.h"

namespace {

using runtime::Value;
using sumlet::TallyData;
using tally_test::Month;

// "担当者NO" in code page 932.
const std::string kKeyCp932 = "\x92\x53\x93\x96\x8e\xd2NO";

// The two-month example: months 4 and 5.
const std::string kExampleFile = "2,\"" + kKeyCp932 + "\",4,5\r\n"
                                 "2,1\r\n"
                                 "4\r\n"
                                 "5\r\n"
                                 "101,3,500\r\n"
                                 "102,1,200\r\n"
                                 "101,2,800\r\n";

TallyData exampleTally()
{
    TallyData t;
    tally_test::loadMonths(t, {{{101, 3, 500}, {102, 1, 200}}, {{101, 2, 800}}});
    t.KeyName = "担当者NO";
    t.StartMonth = 4;
    t.EndMonth = 5;
    t.MonthNo.set(1, 4);
    t.MonthNo.set(2, 5);
    return t;
}

// Every field a file carries, compared cell by cell (empty is not 0).
void expectSameFileFields(const TallyData& a, const TallyData& b)
{
    EXPECT_EQ(a.MonthCount, b.MonthCount);
    EXPECT_EQ(a.KeyName, b.KeyName);
    EXPECT_EQ(a.StartMonth, b.StartMonth);
    EXPECT_EQ(a.EndMonth, b.EndMonth);
    const long n = long(a.MonthCount.num());
    EXPECT_EQ(b.MonthNo.upper(), n);
    for (long k = 1; k <= n; ++k) {
        SCOPED_TRACE("month " + std::to_string(k));
        EXPECT_EQ(a.MonthNo.get(k), b.MonthNo.get(k));
        EXPECT_EQ(a.MonthRows[k], b.MonthRows[k]);
        const long rows = long(a.MonthRows[k].num());
        EXPECT_EQ(b.InKey[k].upper(), rows);
        for (long i = 1; i <= rows; ++i) {
            EXPECT_EQ(a.InKey[k].get(i), b.InKey[k].get(i)) << "row " << i;
            EXPECT_EQ(a.InCount[k].get(i), b.InCount[k].get(i)) << "row " << i;
            EXPECT_EQ(a.InAmount[k].get(i), b.InAmount[k].get(i)) << "row " << i;
        }
    }
}

// Rows "i,1,10" for i = 1..n.
std::string manyRows(int n)
{
    std::string rows;
    for (int i = 1; i <= n; ++i)
        rows += std::to_string(i) + ",1,10\r\n";
    return rows;
}

TallyData readBack(const std::string& bytes)
{
    TallyData t;
    const auto c = sumlet::readTallyFile(bytes);
    EXPECT_TRUE(c.has_value()) << bytes;
    if (c)
        sumlet::takeOver(t, *c);
    return t;
}

TEST(TallyFile, RoundTripKeepsEmptyCellsNegativesAndAllDigits)
{
    TallyData t;
    tally_test::loadMonths(t, {{{-5, 1, -1500}, {0, 2, 9007199254740991.0}, {7, -3, 0}}, {}, {{12, 1, 1}}});
    t.KeyName = "ｼｮｳﾋﾝ";         // half-width katakana
    t.MonthNo.set(1, 11);
    t.MonthNo.set(2, 12);
    t.MonthNo.set(3, 1);
    t.StartMonth = Value();      // never confirmed: an empty field
    t.EndMonth = 0;
    t.MonthRows[2] = Value();    // month 2 never closed
    t.InCount[1].set(3, Value()); // a cell that holds nothing

    const auto file = sumlet::writeTallyFile(t);
    ASSERT_TRUE(file.ok);
    EXPECT_EQ(file.bytes, "3,\"\xbc\xae\xb3\xcb\xdd\",,0\r\n"
                          "3,,1\r\n"
                          "11\r\n12\r\n1\r\n"
                          "-5,1,-1500\r\n"
                          "0,2,9007199254740991\r\n"
                          "7,,0\r\n"
                          "12,1,1\r\n");
    const TallyData back = readBack(file.bytes);
    expectSameFileFields(t, back);
    EXPECT_TRUE(back.MonthRows[2].isEmpty());
    EXPECT_EQ(back.InKey[2].upper(), 0);
}

TEST(TallyFile, KeyCaptionThatCannotBeStoredIsRefused)
{
    for (const char* key : {"担当\"NO", "店😀"}) {
        TallyData t = exampleTally();
        t.KeyName = key;
        EXPECT_FALSE(sumlet::writeTallyFile(t).ok) << key;
    }
}

TEST(TallyFile, SameFieldsOnOtherLinesReadTheSame)
{
    const std::string k = "\"" + kKeyCp932 + "\"";
    for (const std::string& bytes : {
             "2," + k + ",4,5,2,1,4,5,101,3,500,102,1,200,101,2,800\r\n",
             "2\r\n" + k + "\r\n4\r\n5\r\n2\r\n1\r\n4\r\n5\r\n101\r\n3\r\n500\r\n102,1\r\n200,101,2,800",
             "2," + k + ",4,5\n2,1\n4\n5\n101,3,500\n102,1,200\n101,2,800\n",
             kExampleFile + "\r\n\r\n", // trailing empty lines
         })
        expectSameFileFields(exampleTally(), readBack(bytes));
    // A month of 500 rows, the most the entry grid holds.
    const TallyData full = readBack("1,\"NO\",7,7\r\n500\r\n7\r\n" + manyRows(500));
    EXPECT_EQ(full.InKey[1].num(500), 500);
}

TEST(TallyFile, MalformedShortAndOverLongFilesAreRefused)
{
    const std::string k = "\"" + kKeyCp932 + "\"";
    const std::string head = k + ",4,5\r\n";
    struct Case {
        const char* why;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"empty file", ""},
        {"month count 0", "0," + head},
        {"month count 7", "7," + head + "0,0,0,0,0,0,0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"},
        {"month count 1.5", "1.5," + head + "0\r\n4\r\n"},
        {"month count empty", "," + head + "0\r\n4\r\n"},
        {"month count text", "abc," + head + "0\r\n4\r\n"},
        {"row count 501", "1," + head + "501\r\n4\r\n" + manyRows(501)},
        {"row count negative", "1," + head + "-1\r\n4\r\n"},
        {"row count 2.5", "1," + head + "2.5\r\n4\r\n1,1,1\r\n2,2,2\r\n"},
        {"row count quoted", "1," + head + "\"1\"\r\n4\r\n1,1,1\r\n"},
        {"no row counts", "1," + head},
        {"missing month number", "2," + head + "0,0\r\n4\r\n"},
        {"short last row", kExampleFile.substr(0, kExampleFile.size() - 6)},
        {"one row missing", kExampleFile.substr(0, kExampleFile.find("101,2,800"))},
        {"extra row", kExampleFile + "103,1,1\r\n"},
        {"extra field", kExampleFile.substr(0, kExampleFile.size() - 2) + ",9\r\n"},
        {"text amount", "1," + head + "1\r\n4\r\n101,3,abc\r\n"},
        {"quoted key", "1," + head + "1\r\n4\r\n\"101\",3,500\r\n"},
        {"thousands separator", "1," + head + "1\r\n4\r\n101,3,1 500x\r\n"},
        {"overflowing amount", "1," + head + "1\r\n4\r\n101,3,1e999\r\n"},
        {"text start month", "1," + k + ",april,5\r\n0\r\n4\r\n"},
        {"unclosed quote", "1,\"" + kKeyCp932 + ",4,5\r\n0\r\n4\r\n"},
        {"undecodable key", "1,\"\x81\x20NO\",4,5\r\n0\r\n4\r\n"},
        {"lone lead byte", "1,\"NO\x82\",4,5\r\n0\r\n4\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(sumlet::readTallyFile(c.bytes).has_value()) << c.why;
}

} // namespace
