#include "neroapi/ApiVersion.h"

#include <algorithm>

#include "neroapi/NeroRecords.h"

namespace bb::neroapi {
namespace {

constexpr ApiVersion kMaskForm1c{6, 0, 0, 10};
constexpr ApiVersion kMaskFormCurrent{6, 3, 0, 5};
constexpr ApiVersion kCurrentTrackLayout{5, 5, 9, 16};
constexpr uint32_t kDvdMask0c = 0xC;
constexpr uint32_t kDvdMask1c = 0x1C;

bool Contains(uint32_t mask, uint32_t bits) { return (mask & bits) == bits; }

bool EveryPartAtMost(const ApiVersion& v, const ApiVersion& limit) {
    return v.majorHigh <= limit.majorHigh && v.majorLow <= limit.majorLow &&
           v.minorHigh <= limit.minorHigh && v.minorLow <= limit.minorLow;
}

}  // namespace

ApiVersion FromFourDigit(uint32_t number) {
    return ApiVersion{static_cast<uint16_t>(number / 1000 % 10), static_cast<uint16_t>(number / 100 % 10),
                      static_cast<uint16_t>(number / 10 % 10), static_cast<uint16_t>(number % 10)};
}

uint32_t ToFourDigit(const ApiVersion& v) {
    auto cap = [](uint16_t part) { return static_cast<uint32_t>(std::min<uint16_t>(part, 9)); };
    return cap(v.majorHigh) * 1000 + cap(v.majorLow) * 100 + cap(v.minorHigh) * 10 + cap(v.minorLow);
}

bool IsVersionAtLeast(const ApiVersion& v, const ApiVersion& ref) {
    if (v.majorHigh != ref.majorHigh) return v.majorHigh > ref.majorHigh;
    if (v.majorLow != ref.majorLow) return v.majorLow > ref.majorLow;
    if (v.minorHigh != ref.minorHigh) return v.minorHigh > ref.minorHigh;
    return v.minorLow >= ref.minorLow;
}

uint32_t ConvertMediaMaskFor(const VersionReading& version, uint32_t mask, bool toLibrary) {
    if (version && IsVersionAtLeast(*version, kMaskFormCurrent)) return mask;
    const bool oldest = !version || !IsVersionAtLeast(*version, kMaskForm1c);
    const uint32_t libraryDvd = oldest ? kDvdMask0c : kDvdMask1c;
    if (toLibrary) return Contains(mask, neroapi::kMediaMaskDvd) ? libraryDvd : mask;
    return Contains(mask, libraryDvd) ? neroapi::kMediaMaskDvd : mask;
}

bool SkipsNeroDone(uint32_t fourDigit) { return fourDigit >= 5564 && fourDigit <= 5566; }

bool UsesOldDriveLayout(uint32_t fourDigit) { return fourDigit < 5555; }

bool HidesDvdrDll(uint32_t fourDigit) { return fourDigit == 5564; }

bool UsesOldTrackLayout(const VersionReading& version) {
    return !version || !IsVersionAtLeast(*version, kCurrentTrackLayout);
}

bool NeedsIsoArgsCopy(const VersionReading& version) {
    return !version || EveryPartAtMost(*version, ApiVersion{5, 5, 9, 25});
}

bool ReturnsOldTrack(const VersionReading& version) {
    return !version || EveryPartAtMost(*version, ApiVersion{5, 5, 9, 15});
}

}  // namespace bb::neroapi
