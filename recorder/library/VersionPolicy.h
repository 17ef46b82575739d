// Which interface versions a program may expect of this library.
//
// The library speaks the current drive layout and the current ISO track
// operation table, which programs written for 5.5.9.16 and later use; the
// media masks of older forms (0xC, 0x1C) still share bits with the current
// one, so a drive query with them works too. Newer versions are refused.
#pragma once

#include <cstdint>

namespace bb::recorder::library {

[[nodiscard]] bool IsServableVersion(uint16_t majorHigh, uint16_t majorLow, uint16_t minorHigh,
                                     uint16_t minorLow);
// The four-digit form has one decimal digit per part, each capped at 9, so
// 5599 stands for 5.5.9.9 and above: accepted from 5599 to 6601.
[[nodiscard]] bool IsServableVersion(uint32_t fourDigit);

}  // namespace bb::recorder::library
