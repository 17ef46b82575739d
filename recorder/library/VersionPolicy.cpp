#include "recorder/library/VersionPolicy.h"

#include <array>

namespace bb::recorder::library {
namespace {

using Parts = std::array<uint32_t, 4>;

constexpr Parts kOldestServed = {5, 5, 9, 16};
constexpr Parts kCurrent = {6, 6, 0, 1};

}  // namespace

bool IsServableVersion(uint16_t majorHigh, uint16_t majorLow, uint16_t minorHigh,
                       uint16_t minorLow) {
    const Parts asked = {majorHigh, majorLow, minorHigh, minorLow};
    return asked >= kOldestServed && asked <= kCurrent;
}

bool IsServableVersion(uint32_t fourDigit) {
    return fourDigit >= 5599 && fourDigit <= 6601;
}

}  // namespace bb::recorder::library
