// The code page 932 table (generated data); used by cp932.cpp only.
#pragma once

namespace runtime::cp932_detail {

constexpr int kLeadCount = 60;   // 0x81-0x9F, 0xE0-0xFC
constexpr int kTrailCount = 188; // 0x40-0x7E, 0x80-0xFC

extern const char16_t kDoubleByte[kLeadCount][kTrailCount];

} // namespace runtime::cp932_detail
