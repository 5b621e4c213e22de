// Code page 932 (Windows-31J, Shift_JIS with the NEC and IBM extensions),
// the code page of the files the Windows programs wrote.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// UTF-8 to code page 932. nullopt when the text holds a character the code
// page cannot hold (or is not valid UTF-8); never substitutes "?".
// Maps U+FF5E "～" to 81 60, U+2212 "−" to 81 7C, U+2460 "①" to 87 40,
// half-width katakana U+FF71 "ｱ" to B1, U+00A5 and U+203E are refused.
std::optional<std::string> toCp932(std::string_view utf8);

// True when toCp932 would succeed.
bool fitsCp932(std::string_view utf8);

// Code page 932 to UTF-8. nullopt when the bytes are not valid code page 932
// (a lone lead byte, an undefined byte or double-byte code).
std::optional<std::string> fromCp932(std::string_view bytes);

// Same, but every undecodable byte becomes U+FFFD.
std::string fromCp932Lenient(std::string_view bytes);

} // namespace runtime
