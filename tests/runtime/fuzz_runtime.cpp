// Random inputs against the text readers and writers: nothing may crash, and
// what is written must read back. Runs as a short test here; with clang it is
// also built as the libFuzzer target runtime_fuzz (RUNTIME_LIBFUZZER).
#include "runtime/cp932.h"
#include "runtime/format.h"
#include "runtime/number_text.h"
#include "runtime/seqfile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace runtime;

namespace {

void check(bool ok, const char* what, std::string_view input)
{
    if (ok)
        return;
    std::fprintf(stderr, "runtime fuzz: %s fails for input of %zu bytes:", what, input.size());
    for (unsigned char c : input)
        std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

void checkNumber(double v, std::string_view input)
{
    for (const char* pattern : {"#,0.###### ", "#0 ", "###0 ", "0", "0.######", "####0:", "# ", "0 ", "#,0 ",
                                "#,0.############", "#0.############", "#,0", "0.#", "#,0.################# "})
        (void)Format(v, pattern);
    (void)Str(v);
    if (!std::isfinite(v))
        return;
    std::optional<double> shown = localeNumber(Format(v, "#,0.######"));
    check(shown && *shown == roundHalfAway(v, 6), "Format read back", input);
    bool exact = v == std::trunc(v) && std::fabs(v) < 9007199254740992.0;
    ValResult back = Val(fileNumber(v));
    check(!back.overflow && back.value == (exact ? v : roundHalfAway(v, 1000)), "fileNumber read back", input);
    check(Val(Str(v)).value == roundHalfAway(v, 1000), "Str read back", input);
}

void fuzzOne(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // Numbers read from the text, and a number made of its first bytes.
    ValResult val = Val(input);
    if (!val.overflow)
        checkNumber(val.value, input);
    if (std::optional<double> n = localeNumber(input))
        checkNumber(*n, input);
    if (size >= 8) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkNumber(raw, input);
    }

    // Code page 932 both ways.
    if (std::optional<std::string> text = fromCp932(input)) {
        std::optional<std::string> bytes = toCp932(*text);
        check(bytes.has_value(), "decoded text encodes", input);
        check(fromCp932(*bytes) == text, "encode-decode round trip", input);
    }
    (void)fromCp932Lenient(input);
    if (std::optional<std::string> bytes = toCp932(input))
        check(fromCp932(*bytes).has_value(), "encoded text decodes", input);

    // Reading fields ends, and a malformed field stays malformed.
    SeqReader reader(input);
    SeqField field;
    std::size_t fields = 0;
    ReadStatus status;
    while ((status = reader.next(field)) == ReadStatus::Ok)
        check(++fields <= size + 1, "reader ends", input);
    if (status == ReadStatus::Malformed)
        check(reader.next(field) == ReadStatus::Malformed, "malformed stays", input);

    // Texts cut from the input, written and read back.
    SeqWriter writer;
    std::vector<std::string> written;
    for (std::size_t at = 0; at < size; at += 7) {
        std::string piece(input.substr(at, 7));
        if (writer.text(piece))
            written.push_back(piece);
    }
    writer.endLine();
    SeqReader back(writer.bytes());
    for (const std::string& piece : written) {
        std::string text;
        check(back.readText(text) == ReadStatus::Ok, "written text reads", input);
        check(toCp932(text) == toCp932(piece), "written text reads back", input);
    }
}

} // namespace

#ifdef RUNTIME_LIBFUZZER

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzOne(data, size);
    return 0;
}

#else

#include <gtest/gtest.h>

#include <random>

// A fixed seed and a fixed number of inputs, so every run checks the same
// ones; the bytes lean towards those the readers treat specially.
TEST(RuntimeFuzz, RandomInputsNeitherCrashNorLose)
{
    static const char alphabet[] = "0123456789.,+-eEdD&HhOo \t\r\n\"\x81\x82\x87\xA0\xB1\xE0\xEE\xFA\xFC\xFF\x40\x7F";
    std::mt19937 rng(20261208);
    std::vector<std::uint8_t> input;
    for (int run = 0; run < 20000; ++run) {
        input.resize(rng() % 48);
        bool anyByte = rng() % 4 == 0;
        for (std::uint8_t& b : input)
            b = anyByte ? static_cast<std::uint8_t>(rng()) : static_cast<std::uint8_t>(alphabet[rng() % (sizeof alphabet - 1)]);
        fuzzOne(input.data(), input.size());
    }
}

#endif
