// The flag words a burn hands to the recording library, built from the
// settings at the moment of use.
#pragma once

#include <cstdint>
#include <string>

namespace bb::recording {

struct IsoTrackFlags {
    uint32_t flags = 0;
    std::string words;  // for the "Using ISO Flags: " log line
};

// Track flags for NeroCreateIsoTrackEx from the file-system flags (FSFlags)
// and the reallocation switch; DVD compatibility is always asked for.
IsoTrackFlags BuildIsoTrackFlags(uint32_t fsFlags, bool reallocate);

// Burn flags for NeroBurn: the BurnFlags setting with the always-on bits,
// verify as the window's check box says, and never bit 31 (the program's own
// "don't ask for overwriting" switch, meaningless to the library).
uint32_t BuildBurnFlags(uint32_t burnFlags, bool verify);

}  // namespace bb::recording
