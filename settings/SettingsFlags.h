// The bits of the three flag words kept in the settings file.
#pragma once

#include <cstdint>

namespace bb::settings::fsflags {
constexpr int32_t kJoliet = 0x01;
constexpr int32_t kMode2 = 0x02;
constexpr int32_t kIso9660 = 0x08;
constexpr int32_t kUdf = 0x10;
// The main window's "Reallocate VIDEO_TS Structure" box, stored in the same word.
constexpr int32_t kReallocate = 0x40;

constexpr int32_t kDvdPreset = kUdf | kIso9660;
constexpr int32_t kCdPreset = kUdf | kIso9660 | kMode2;
constexpr int32_t kDefault = kDvdPreset | kReallocate;
}  // namespace bb::settings::fsflags

namespace bb::settings::burnflags {
constexpr uint32_t kSimulate = 0x00000002;
constexpr uint32_t kBurnProof = 0x00000040;
constexpr uint32_t kNoEject = 0x00000200;
constexpr uint32_t kVerify = 0x00000400;
constexpr uint32_t kDvdRomBooktype = 0x00004000;
// Written whenever kDvdRomBooktype is clear; never read back.
constexpr uint32_t kNoDvdRomBooktype = 0x00008000;
// The program's own bit: do not ask before overwriting a rewritable disc.
// Cleared before the flags reach the recording library.
constexpr uint32_t kNoOverwriteQuestion = 0x80000000;

constexpr uint32_t kDefault = kBurnProof | kNoDvdRomBooktype;
}  // namespace bb::settings::burnflags

namespace bb::settings::moreflags {
constexpr uint32_t kForceShutdown = 0x1;
constexpr uint32_t kLabel16 = 0x2;
constexpr uint32_t kIgnoreSourceSize = 0x4;
}  // namespace bb::settings::moreflags

// Size limits in megabytes (2^20 bytes).
namespace bb::settings::limits {
constexpr int kCd = 650;
constexpr int kDvd = 4482;
constexpr int kCdRed = 700;
constexpr int kDvdRed = 8106;
}  // namespace bb::settings::limits
