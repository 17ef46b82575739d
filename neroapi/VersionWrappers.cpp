// Reading and announcing the interface version.
#include "neroapi/LoadedLibrary.h"
#include "neroapi/NeroApiLib.h"
#include "neroapi/NeroFunctions.h"

namespace bb::neroapi {

using detail::Lookup;

uint32_t NeroGetAPIVersion() {
    auto f = Lookup<neroapi::FnNeroGetAPIVersion>("NeroGetAPIVersion");
    return f ? f.call() : 0;
}

int NeroGetAPIVersionEx(uint16_t* majorHigh, uint16_t* majorLow, uint16_t* minorHigh,
                        uint16_t* minorLow, void* reserved) {
    if (auto f = Lookup<neroapi::FnNeroGetAPIVersionEx>("NeroGetAPIVersionEx")) {
        return f.call(majorHigh, majorLow, minorHigh, minorLow, reserved);
    }
    // Libraries before the four-part form give one decimal digit per part.
    const uint32_t number = NeroGetAPIVersion();
    if (number == 0) return 0;
    const ApiVersion v = FromFourDigit(number);
    if (majorHigh) *majorHigh = v.majorHigh;
    if (majorLow) *majorLow = v.majorLow;
    if (minorHigh) *minorHigh = v.minorHigh;
    if (minorLow) *minorLow = v.minorLow;
    return 1;
}

int GetApiVersion(ApiVersion& out) {
    return NeroGetAPIVersionEx(&out.majorHigh, &out.majorLow, &out.minorHigh, &out.minorLow, nullptr);
}

VersionReading ReadApiVersion() {
    ApiVersion version;
    if (GetApiVersion(version) == 0) return std::nullopt;
    return version;
}

uint32_t ConvertMediaMask(uint32_t mask, bool toLibrary) {
    return ConvertMediaMaskFor(ReadApiVersion(), mask, toLibrary);
}

int NeroSetExpectedAPIVersion(uint32_t fourDigitVersion) {
    auto f = Lookup<neroapi::FnNeroSetExpectedAPIVersion>("NeroSetExpectedAPIVersion");
    return f ? f.call(fourDigitVersion) : 0;
}

int NeroSetExpectedAPIVersionEx(uint16_t majorHigh, uint16_t majorLow, uint16_t minorHigh,
                                uint16_t minorLow, void* reserved) {
    if (auto f = Lookup<neroapi::FnNeroSetExpectedAPIVersionEx>("NeroSetExpectedAPIVersionEx")) {
        return f.call(majorHigh, majorLow, minorHigh, minorLow, reserved);
    }
    return NeroSetExpectedAPIVersion(ToFourDigit(ApiVersion{majorHigh, majorLow, minorHigh, minorLow}));
}

}  // namespace bb::neroapi
