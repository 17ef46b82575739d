// The media our recorders know: names, masks, kinds and capacities.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bb::recorder::library {

struct Medium {
    const char* name;        // as written in the configuration file: "DVD-RW"
    uint32_t mask;           // DiscInfo::mediaMask of such a disc
    uint32_t kind;           // DiscInfo::mediumKind
    bool rewritable;
    bool dvd;
    uint64_t capacitySectors;  // 2048-byte sectors of a single-layer disc
};

// The medium of a name, case-insensitive; none for an unknown name.
std::optional<Medium> FindMedium(const std::string& name);

// "CD-R/RW, DVD-R, ..." for the media bits of a mask.
std::string MediaTypeNames(uint32_t mask, const std::string& delimiter);

// The text of a wait type of request 15; empty for an unknown type.
std::string WaitText(int waitType);

// True when the mask names a DVD medium.
bool HasDvdBits(uint32_t mask);

}  // namespace bb::recorder::library
