// Interface versions of the recording library and the decisions that depend
// on them. Everything here is a pure function of the version the library
// reports, so each workaround can be tested without a library.
#pragma once

#include <cstdint>
#include <optional>

namespace bb::neroapi {

// a.b.c.d: major-high, major-low, minor-high, minor-low.
struct ApiVersion {
    uint16_t majorHigh = 0;
    uint16_t majorLow = 0;
    uint16_t minorHigh = 0;
    uint16_t minorLow = 0;
    friend bool operator==(const ApiVersion&, const ApiVersion&) = default;
};

// What the library said about its version: nothing when it could not be read.
using VersionReading = std::optional<ApiVersion>;

// The interface version the program is written for, announced at load.
constexpr ApiVersion kExpectedVersion{6, 6, 0, 1};

// The old single-number form, one decimal digit per part (5564 is 5.5.6.4).
[[nodiscard]] ApiVersion FromFourDigit(uint32_t number);
// Each part capped at 9 first, so 12.3.4.5 gives 9345.
[[nodiscard]] uint32_t ToFourDigit(const ApiVersion& version);

// The first part that differs decides; all equal counts as at least.
[[nodiscard]] bool IsVersionAtLeast(const ApiVersion& version, const ApiVersion& reference);

// Media masks: the program always speaks the current form (DVD 0x4001c);
// older libraries spell DVD 0xc (before 6.0.0.10) or 0x1c (before 6.3.0.5).
// A matching mask is replaced whole; anything else passes unchanged.
[[nodiscard]] uint32_t ConvertMediaMaskFor(const VersionReading& version, uint32_t mask,
                                           bool toLibrary);

// Decisions taken on the four-digit number (NeroGetAPIVersion; 0 when the
// library does not say).
// 5.5.6.4 to 5.5.6.6 must not be sent NeroDone.
[[nodiscard]] bool SkipsNeroDone(uint32_t fourDigit);
// Before 5.5.5.5 drive lists and drive records use the 360-byte layout.
[[nodiscard]] bool UsesOldDriveLayout(uint32_t fourDigit);
// 5.5.6.4 must not see DVDR.DLL in its folder while it lists the drives.
[[nodiscard]] bool HidesDvdrDll(uint32_t fourDigit);

// Decisions taken on the four-part version.
// Before 5.5.9.16 ISO track objects have the old 20-operation table.
[[nodiscard]] bool UsesOldTrackLayout(const VersionReading& version);
// These two compare every part on its own, not in order: 5.5.8.30 counts as
// new for both, 5.5.9.20 needs the argument copy but returns a current track.
[[nodiscard]] bool NeedsIsoArgsCopy(const VersionReading& version);
[[nodiscard]] bool ReturnsOldTrack(const VersionReading& version);

}  // namespace bb::neroapi
