#include "recording/JobFlags.h"

#include <gtest/gtest.h>

namespace bb::recording {

namespace {

struct TrackCase {
    uint32_t fsFlags;
    bool realloc;
    uint32_t flags;
    const char* words;
};

TEST(JobFlags, TrackFlagsAndTheirWordsFollowTheSettings) {
    const TrackCase cases[] = {
        {0x18, true, 0x4058, "ISO UDF Realloc DVD CMPT"},
        {0x18, false, 0x4018, "ISO UDF DVD CMPT"},
        {0x1A, false, 0x401A, "ISO UDF Mode 2 DVD CMPT"},
        {0x1B, true, 0x405B, "ISO UDF Joliet Mode 2 Realloc DVD CMPT"},
        {0x00, false, 0x4000, "DVD CMPT"},
        // Bits the track does not know are not passed on.
        {0xFFFFFFE4, false, 0x4000, "DVD CMPT"},
    };
    for (const TrackCase& c : cases) {
        const recording::IsoTrackFlags got = recording::BuildIsoTrackFlags(c.fsFlags, c.realloc);
        EXPECT_EQ(got.flags, c.flags) << std::hex << c.fsFlags;
        EXPECT_EQ(got.words, c.words) << std::hex << c.fsFlags;
    }
}

TEST(JobFlags, BurnFlagsAlwaysCarryTheFixedBitsVerifyFromTheWindowAndNeverBit31) {
    struct Case {
        uint32_t settings;
        bool verify;
        uint32_t expected;
    } cases[] = {
        {0x8000, false, 0x990C},
        {0x80008000, false, 0x990C},
        {0x8000 | 0x400, false, 0x990C},  // the window's verify box wins
        {0x8000, true, 0x9D0C},
        {0x4000 | 0x2 | 0x40 | 0x200, false, 0x5B4E},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recording::BuildBurnFlags(c.settings, c.verify), c.expected) << std::hex << c.settings;
}

}  // namespace

}  // namespace bb::recording
