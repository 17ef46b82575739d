#include "recording/JobFlags.h"

#include "neroapi/NeroRecords.h"

namespace bb::recording {

namespace {
// File-system flag bits of the settings map one to one onto track flags.
constexpr uint32_t kFsJoliet = 0x01;
constexpr uint32_t kFsMode2 = 0x02;
constexpr uint32_t kFsIso9660 = 0x08;
constexpr uint32_t kFsUdf = 0x10;
constexpr uint32_t kProgramOnlyBurnFlag = 0x80000000u;
}  // namespace

IsoTrackFlags BuildIsoTrackFlags(uint32_t fsFlags, bool reallocate) {
    struct Bit {
        bool set;
        uint32_t flag;
        const char* word;
    };
    const Bit bits[] = {
        {(fsFlags & kFsIso9660) != 0, neroapi::kIsoIso9660, "ISO "},
        {(fsFlags & kFsUdf) != 0, neroapi::kIsoUdf, "UDF "},
        {(fsFlags & kFsJoliet) != 0, neroapi::kIsoJoliet, "Joliet "},
        {(fsFlags & kFsMode2) != 0, neroapi::kIsoMode2, "Mode 2 "},
        {reallocate, neroapi::kIsoRealloc, "Realloc "},
        {true, neroapi::kIsoDvdCompatible, "DVD CMPT"},
    };
    IsoTrackFlags result;
    for (const Bit& bit : bits) {
        if (bit.set) {
            result.flags |= bit.flag;
            result.words += bit.word;
        }
    }
    return result;
}

uint32_t BuildBurnFlags(uint32_t burnFlags, bool verify) {
    uint32_t flags = burnFlags | neroapi::kBurnAlways;
    if (verify)
        flags |= neroapi::kBurnVerify;
    else
        flags &= ~neroapi::kBurnVerify;
    return flags & ~kProgramOnlyBurnFlag;
}

}  // namespace bb::recording
