#include "runtime/seqfile.h"

#include <gtest/gtest.h>

#include <vector>

using namespace runtime;

namespace {

TEST(SeqWriter, FieldsCommasQuotesAndLineEnds)
{
    const struct {
        std::vector<Value> fields;
        const char* bytes;
    } cases[] = {
        {{Value("C:\\データ, 1"), 0, 0, 0}, "\"C:\\\x83\x66\x81\x5B\x83\x5E, 1\",0,0,0\r\n"},
        {{120, 120, 0, Value(), Value(), Value(), Value()}, "120,120,0,,,,\r\n"},
        {{-1500, 0.5, 1.5e-7, 1e20, 9007199254740991.0}, "-1500,0.5,1.5E-07,1E+20,9007199254740991\r\n"},
        {{Value("")}, "\"\"\r\n"},
        {{Value()}, "\r\n"},
        {{Value("ｷｰ"), Value("件数")}, "\"\xB7\xB0\",\"\x8C\x8F\x90\x94\"\r\n"},
        {{Value("a\r\nb")}, "\"a\r\nb\"\r\n"},
    };
    for (const auto& c : cases) {
        SeqWriter w;
        for (const Value& v : c.fields)
            EXPECT_TRUE(w.value(v));
        w.endLine();
        EXPECT_FALSE(w.failed());
        EXPECT_EQ(w.bytes(), c.bytes);
    }

    SeqWriter w;
    EXPECT_TRUE(w.line({3, Value("x")}));
    w.number(1);
    w.empty();
    w.endLine();
    EXPECT_EQ(w.bytes(), "3,\"x\"\r\n1,\r\n");
}

TEST(SeqWriter, RefusesTextsTheFileCannotHold)
{
    for (const char* text : {"café", "¥100", "say \"hi\"", "😀"}) {
        SeqWriter w;
        w.number(1);
        EXPECT_FALSE(w.text(text)) << text;
        EXPECT_TRUE(w.text("ok"));
        EXPECT_FALSE(w.line({Value("ﾃ"), Value(text)}));
        EXPECT_TRUE(w.failed());
        EXPECT_EQ(w.refusedText(), text);
        EXPECT_EQ(w.bytes().find('?'), std::string::npos) << "never written as ?";
    }
}

std::vector<SeqField> readAll(std::string_view bytes, ReadStatus& last)
{
    SeqReader r(bytes);
    std::vector<SeqField> fields;
    SeqField f;
    while ((last = r.next(f)) == ReadStatus::Ok)
        fields.push_back(f);
    return fields;
}

TEST(SeqReader, FieldsInSequenceAcrossLineEnds)
{
    using F = SeqField;
    const struct {
        const char* bytes;
        std::vector<SeqField> fields;
    } cases[] = {
        {"\"C:\\x\",0,0,0\r\n", {F{"C:\\x", true}, F{"0"}, F{"0"}, F{"0"}}},
        {"1,2\r\n3\r\n", {F{"1"}, F{"2"}, F{"3"}}},
        {"1,2\n3\n", {F{"1"}, F{"2"}, F{"3"}}},               // lone LF
        {"1,2\r3\r", {F{"1"}, F{"2"}, F{"3"}}},               // lone CR
        {"1,2\r\n3", {F{"1"}, F{"2"}, F{"3"}}},               // no line end at the end
        {"120,120,0,,,,\r\n", {F{"120"}, F{"120"}, F{"0"}, F{}, F{}, F{}, F{}}},
        {"1,", {F{"1"}, F{}}},
        {"1\r\n\r\n2\r\n", {F{"1"}, F{}, F{"2"}}},            // an empty line is one empty field
        {"  12 ,\t\"a b\"  ,x y \r\n", {F{"12"}, F{"a b", true}, F{"x y"}}},
        {"\"a,b\",\"\"\r\n", {F{"a,b", true}, F{"", true}}},
        {"\"two\r\nlines\",1\r\n", {F{"two\r\nlines", true}, F{"1"}}},
        {"\"\x8C\x8F\x90\x94\",\"\xB7\xB0\"\r\n", {F{"件数", true}, F{"ｷｰ", true}}},
        {"\"\x95\x5C\"\r\n", {F{"表", true}}},
        {"", {}},
        {"\r\n", {F{}}},
    };
    for (const auto& c : cases) {
        ReadStatus last;
        std::vector<SeqField> got = readAll(c.bytes, last);
        EXPECT_EQ(last, ReadStatus::NoMoreFields) << c.bytes;
        ASSERT_EQ(got.size(), c.fields.size()) << c.bytes;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].text, c.fields[i].text) << c.bytes << " field " << i;
            EXPECT_EQ(got[i].quoted, c.fields[i].quoted) << c.bytes << " field " << i;
        }
    }
}

TEST(SeqReader, MalformedFieldsLeaveTheReaderWhereItWas)
{
    const struct {
        const char* bytes;
        std::size_t goodFields;
    } cases[] = {
        {"1,\"open", 1},
        {"\"a\"b,2", 0},
        {"1,\x82\x20", 1},      // not code page 932
        {"\"\x85\x40\"", 0},
        {"120,120,0,a\"b,,,\r\n", 3},   // a quote outside quotes
        {"1, x\"\r\n", 1},
        {"ab\"", 0},
    };
    for (const auto& c : cases) {
        SeqReader r(c.bytes);
        SeqField f;
        for (std::size_t i = 0; i < c.goodFields; ++i)
            ASSERT_EQ(r.next(f), ReadStatus::Ok);
        std::size_t line = r.lineNumber();
        EXPECT_EQ(r.next(f), ReadStatus::Malformed) << c.bytes;
        EXPECT_EQ(r.next(f), ReadStatus::Malformed) << c.bytes;
        EXPECT_EQ(r.lineNumber(), line);
        EXPECT_FALSE(r.atEnd());
    }
}

TEST(SeqReader, NumbersTextsAndValues)
{
    SeqReader r("12,-0.5,1.5E-07,,\"7\",abc,1e999,\"s\",x,,3\r\n");
    double n = -1;
    ASSERT_EQ(r.readNumber(n), ReadStatus::Ok);
    EXPECT_EQ(n, 12);
    ASSERT_EQ(r.readNumber(n), ReadStatus::Ok);
    EXPECT_EQ(n, -0.5);
    ASSERT_EQ(r.readNumber(n), ReadStatus::Ok);
    EXPECT_DOUBLE_EQ(n, 1.5e-7);
    ASSERT_EQ(r.readNumber(n), ReadStatus::Ok);
    EXPECT_EQ(n, 0);                                           // empty field
    EXPECT_EQ(r.readNumber(n), ReadStatus::Malformed);         // quoted
    std::string t;
    ASSERT_EQ(r.readText(t), ReadStatus::Ok);
    EXPECT_EQ(t, "7");
    EXPECT_EQ(r.readNumber(n), ReadStatus::Malformed);         // not a number
    ASSERT_EQ(r.readText(t), ReadStatus::Ok);
    EXPECT_EQ(t, "abc");
    EXPECT_EQ(r.readNumber(n), ReadStatus::Malformed);         // overflow
    ASSERT_EQ(r.readText(t), ReadStatus::Ok);

    Value v;
    ASSERT_EQ(r.readValue(v), ReadStatus::Ok);
    EXPECT_EQ(v, Value("s"));
    ASSERT_EQ(r.readValue(v), ReadStatus::Ok);
    EXPECT_EQ(v, Value("x"));
    ASSERT_EQ(r.readValue(v), ReadStatus::Ok);
    EXPECT_TRUE(v.isEmpty());
    ASSERT_EQ(r.readValue(v), ReadStatus::Ok);
    EXPECT_EQ(v, Value(3));
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.readValue(v), ReadStatus::NoMoreFields);
    EXPECT_EQ(r.readNumber(n), ReadStatus::NoMoreFields);
    EXPECT_EQ(r.lineNumber(), 2u);
}

TEST(SeqFile, WrittenFieldsReadBack)
{
    SeqWriter w;
    w.line({Value("/home/山田/データ,2"), 0, -1.5, Value()});
    w.line({Value("ﾃｽﾄ～"), 1e20, 1.0 / 3});
    SeqReader r(w.bytes());
    std::vector<Value> got;
    Value v;
    while (r.readValue(v) == ReadStatus::Ok)
        got.push_back(v);
    const std::vector<Value> expected{Value("/home/山田/データ,2"), 0, -1.5, Value(), Value("ﾃｽﾄ～"), 1e20,
                                      0.333333333333333};
    EXPECT_EQ(got, expected);
}

} // namespace
