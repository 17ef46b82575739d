#include "recorder/library/Media.h"

#include "neroapi/NeroRecords.h"
#include "recorder/library/NeroApiExports.h"

#include <cctype>

namespace bb::recorder::library {
namespace {

// Capacities: 120 mm single-layer DVD (ECMA-267/ECMA-337 nominal 4.7 GB) and
// an 80-minute CD (360,000 frames less the lead-in).
constexpr uint64_t kDvdSectors = 2295104;
constexpr uint64_t kCdSectors = 359846;

constexpr Medium kMedia[] = {
    {"CD-R", neroapi::kMediaCdR, neroapi::kMediumKindCdR, false, false, kCdSectors},
    {"CD-RW", neroapi::kMediaCdR, neroapi::kMediumKindCdRw, true, false, kCdSectors},
    {"DVD-R", neroapi::kMediaDvdMinusR, neroapi::kMediumKindDvdMinusR, false, true, kDvdSectors},
    {"DVD-RW", neroapi::kMediaDvdMinusRw, neroapi::kMediumKindDvdMinusRw, true, true, kDvdSectors},
    {"DVD+R", neroapi::kMediaDvdPlusR, neroapi::kMediumKindDvdPlusR, false, true, kDvdSectors},
    {"DVD+RW", neroapi::kMediaDvdPlusRw, neroapi::kMediumKindDvdPlusRw, true, true, kDvdSectors},
    {"DVD-RAM", neroapi::kMediaDvdRam, neroapi::kMediumKindDvdRam, true, true, kDvdSectors},
};

// Bits of a recorder's media mask and their names, in the order a user
// expects to read them. DVD-RW and DVD+RW are the bits they add to the
// write-once form.
struct MaskName {
    uint32_t bit;
    const char* name;
};
constexpr MaskName kMaskNames[] = {
    {0x1, "CD-R/RW"},   {0x4, "DVD-R"},    {0x1000, "DVD-RW"}, {0x8, "DVD+R"},
    {0x4000, "DVD+RW"}, {0x10, "DVD-RAM"}, {0x40000, "DVD+R DL"},
};

bool EqualNoCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

}  // namespace

std::optional<Medium> FindMedium(const std::string& name) {
    for (const Medium& medium : kMedia) {
        if (EqualNoCase(name, medium.name)) {
            return medium;
        }
    }
    return std::nullopt;
}

std::string MediaTypeNames(uint32_t mask, const std::string& delimiter) {
    std::string names;
    for (const MaskName& entry : kMaskNames) {
        if ((mask & entry.bit) != 0) {
            if (!names.empty()) {
                names += delimiter;
            }
            names += entry.name;
        }
    }
    return names;
}

std::string WaitText(int waitType) {
    switch (waitType) {
    case neroapi::kWaitInsertDisc: return "Please insert a disc.";
    case neroapi::kWaitInsertBlankDisc: return "Please insert a blank disc.";
    case neroapi::kWaitInsertRewritable: return "Please insert a rewritable disc.";
    case neroapi::kWaitInsertBiggerDisc: return "Please insert a disc with more free space.";
    case neroapi::kWaitWrongMedium: return "The disc in the recorder is of the wrong type. Please insert another disc.";
    default: return {};
    }
}

bool HasDvdBits(uint32_t mask) {
    return (mask & neroapi::kMediaMaskDvd) != 0;
}

}  // namespace bb::recorder::library
