// Tally files: the bytes written, what reads back, and what is refused.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sumlet/tally/results/tally_file.h"
#include "support/tally_reference.h"

namespace {

using runtime::Value;
using sumlet::TallyData;

// "担当者NO" in code page 932, and the two-month example of months 4 and 5.
const std::string kKeyCp932 = "\x92\x53\x93\x96\x8e\xd2NO";
const std::string kExampleFile = "2,\"" + kKeyCp932 + "\",4,5\r\n2,1\r\n4\r\n5\r\n"
                                 "101,3,500\r\n102,1,200\r\n101,2,800\r\n";
// Empty cells, negatives, a month never closed and the largest amount with all its 15 digits.
const std::string kOddFile = "3,\"\xbc\xae\xb3\xcb\xdd\",,0\r\n3,,1\r\n11\r\n12\r\n1\r\n"
                             "-5,1,-1500\r\n0,2,999999999999999\r\n7,,0\r\n12,1,1\r\n";

// Rows "i,1,10" for i = 1..n.
std::string manyRows(int n)
{
    std::string rows;
    for (int i = 1; i <= n; ++i)
        rows += std::to_string(i) + ",1,10\r\n";
    return rows;
}

// A file as read, taken over by an empty tally and written again ("" when refused).
std::string readAndWrite(const std::string& bytes, TallyData& t)
{
    const auto c = sumlet::readTallyFile(bytes);
    if (!c)
        return {};
    sumlet::takeOver(t, *c);
    const auto again = sumlet::writeTallyFile(t);
    EXPECT_TRUE(again.ok);
    return again.bytes;
}

TEST(TallyFile, WrittenBytesAndWhatReadsBack)
{
    TallyData t;
    tally_test::loadMonths(t, {{{-5, 1, -1500}, {0, 2, 999999999999999.0}, {7, -3, 0}}, {}, {{12, 1, 1}}});
    t.KeyName = "ｼｮｳﾋﾝ";         // half-width katakana
    for (long k = 1; k <= 3; ++k)
        t.MonthNo.set(k, double((9 + k) % 12 + 1));
    t.StartMonth = Value();      // never confirmed: an empty field
    t.EndMonth = 0;
    t.MonthRows[2] = Value();    // month 2 never closed
    t.InCount[1].set(3, Value()); // a cell that holds nothing
    const auto file = sumlet::writeTallyFile(t);
    ASSERT_TRUE(file.ok);
    EXPECT_EQ(file.bytes, kOddFile);

    // Files that load, written back as they must read; "" for refused ones.
    const std::string k = "\"" + kKeyCp932 + "\"", head = k + ",4,5\r\n";
    const std::string full = "1,\"NO\",7,7\r\n500\r\n7\r\n" + manyRows(500);
    const std::string fifteen = "1," + head + "2\r\n4\r\n999999999999999,999999999999999,-999999999999999\r\n"
                                "-999999999999999,1,999999999999999\r\n";
    struct Case {
        const char* why;
        std::string bytes, written;
    };
    const std::vector<Case> cases = {
        {"example", kExampleFile, kExampleFile},
        {"odd cells", kOddFile, kOddFile},
        {"one line", "2," + k + ",4,5,2,1,4,5,101,3,500,102,1,200,101,2,800\r\n", kExampleFile},
        {"lines broken elsewhere",
         "2\r\n" + k + "\r\n4\r\n5\r\n2\r\n1\r\n4\r\n5\r\n101\r\n3\r\n500\r\n102,1\r\n200,101,2,800", kExampleFile},
        {"bare LF", "2," + k + ",4,5\n2,1\n4\n5\n101,3,500\n102,1,200\n101,2,800\n", kExampleFile},
        {"trailing empty lines", kExampleFile + "\r\n\r\n", kExampleFile},
        {"500 rows, the entry grid's capacity", full, full},
        {"empty file", "", ""},
        {"month count 0", "0," + head, ""},
        {"month count 7", "7," + head + "0,0,0,0,0,0,0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n", ""},
        {"month count 1.5", "1.5," + head + "0\r\n4\r\n", ""},
        {"month count empty", "," + head + "0\r\n4\r\n", ""},
        {"month count text", "abc," + head + "0\r\n4\r\n", ""},
        {"row count 501", "1," + head + "501\r\n4\r\n" + manyRows(501), ""},
        {"row count negative", "1," + head + "-1\r\n4\r\n", ""},
        {"row count 2.5", "1," + head + "2.5\r\n4\r\n1,1,1\r\n2,2,2\r\n", ""},
        {"row count quoted", "1," + head + "\"1\"\r\n4\r\n1,1,1\r\n", ""},
        {"no row counts", "1," + head, ""},
        {"missing month number", "2," + head + "0,0\r\n4\r\n", ""},
        {"short last row", kExampleFile.substr(0, kExampleFile.size() - 6), ""},
        {"one row missing", kExampleFile.substr(0, kExampleFile.find("101,2,800")), ""},
        {"extra row", kExampleFile + "103,1,1\r\n", ""},
        {"extra field", kExampleFile.substr(0, kExampleFile.size() - 2) + ",9\r\n", ""},
        {"text amount", "1," + head + "1\r\n4\r\n101,3,abc\r\n", ""},
        {"quoted key", "1," + head + "1\r\n4\r\n\"101\",3,500\r\n", ""},
        {"thousands separator", "1," + head + "1\r\n4\r\n101,3,1 500x\r\n", ""},
        {"overflowing amount", "1," + head + "1\r\n4\r\n101,3,1e999\r\n", ""},
        {"text start month", "1," + k + ",april,5\r\n0\r\n4\r\n", ""},
        {"unclosed quote", "1,\"" + kKeyCp932 + ",4,5\r\n0\r\n4\r\n", ""},
        {"undecodable key", "1,\"\x81\x20NO\",4,5\r\n0\r\n4\r\n", ""},
        {"lone lead byte", "1,\"NO\x82\",4,5\r\n0\r\n4\r\n", ""},
        // The key box's rule for the caption: a blank is fine, control characters are not.
        {"blank in the key", "1,\"a b\",4,5\r\n0\r\n4\r\n", "1,\"a b\",4,5\r\n0\r\n4\r\n"},
        {"line feed in the key", "1,\"a\nb\",4,5\r\n0\r\n4\r\n", ""},
        {"CR in the key", "1,\"a\rb\",4,5\r\n0\r\n4\r\n", ""},
        {"CR LF alone as the key", "1,\"\r\n\",4,5\r\n0\r\n4\r\n", ""},
        {"NUL in the key", std::string("1,\"a") + '\0' + "b\",4,5\r\n0\r\n4\r\n", ""},
        {"tab in the key", "1,\"a\tb\",4,5\r\n0\r\n4\r\n", ""},
        {"unit separator in the key", "1,\"a\x1f" "b\",4,5\r\n0\r\n4\r\n", ""},
        {"DEL in the key", "1,\"a\x7f" "b\",4,5\r\n0\r\n4\r\n", ""},
        {"control character in an unquoted key", "1,a\x01" "b,4,5\r\n0\r\n4\r\n", ""},
        // Keys, counts and amounts have at most 15 digits.
        {"15 digits", fifteen, fifteen},
        {"key of 18 digits", "1," + head + "1\r\n4\r\n123456789012345678,1,1\r\n", ""},
        {"count of 10^15", "1," + head + "1\r\n4\r\n101,1000000000000000,1\r\n", ""},
        {"amount 1e300", "1," + head + "1\r\n4\r\n101,1,1e300\r\n", ""},
        {"amount -10^15", "1," + head + "1\r\n4\r\n101,1,-1E+15\r\n", ""},
        {"amount that rounds to 10^15", "1," + head + "1\r\n4\r\n101,1,999999999999999.5\r\n", ""},
        {"big number in the second month", "2," + head + "1,1\r\n4\r\n5\r\n1,1,1\r\n1e16,1,1\r\n", ""},
    };
    for (const Case& c : cases) {
        TallyData back;
        EXPECT_EQ(readAndWrite(c.bytes, back), c.written) << c.why;
        if (c.bytes == kOddFile) { // an empty row count loads as empty, with arrays 0..0
            EXPECT_TRUE(back.MonthRows[2].isEmpty());
            EXPECT_EQ(back.InKey[2].upper(), 0);
        }
    }
}

} // namespace
