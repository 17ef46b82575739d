#include <gtest/gtest.h>

#include <string>

#include "neroapi/ApiVersion.h"
#include "neroapi/NeroRecords.h"

namespace bb::neroapi {
namespace {

std::string Text(const VersionReading& v) {
    if (!v) return "unread";
    return std::to_string(v->majorHigh) + "." + std::to_string(v->majorLow) + "." +
           std::to_string(v->minorHigh) + "." + std::to_string(v->minorLow);
}

TEST(ApiVersion, FourDigitNumbersSplitIntoDigitsAndJoinCapped) {
    struct Case {
        uint32_t number;
        ApiVersion parts;
    } const cases[] = {
        {5564, {5, 5, 6, 4}},
        {6601, {6, 6, 0, 1}},
        {0, {0, 0, 0, 0}},
        {12345, {2, 3, 4, 5}},  // only the last four digits count
    };
    for (const Case& c : cases) {
        EXPECT_EQ(neroapi::FromFourDigit(c.number), c.parts) << c.number;
    }
    EXPECT_EQ(neroapi::ToFourDigit({6, 6, 0, 1}), 6601u);
    EXPECT_EQ(neroapi::ToFourDigit({12, 3, 4, 5}), 9345u);
    EXPECT_EQ(neroapi::ToFourDigit({5, 5, 9, 30}), 5599u);
}

TEST(ApiVersion, FirstDifferingPartDecides) {
    struct Case {
        ApiVersion v, reference;
        bool atLeast;
    } const cases[] = {
        {{6, 3, 0, 5}, {6, 3, 0, 5}, true},
        {{6, 3, 0, 4}, {6, 3, 0, 5}, false},
        {{6, 2, 9, 99}, {6, 3, 0, 5}, false},
        {{7, 0, 0, 0}, {6, 3, 0, 5}, true},
        {{5, 5, 10, 0}, {5, 5, 9, 16}, true},
        {{5, 5, 9, 15}, {5, 5, 9, 16}, false},
        {{6, 4, 0, 0}, {6, 3, 9, 9}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(neroapi::IsVersionAtLeast(c.v, c.reference), c.atLeast)
            << Text(c.v) << " against " << Text(c.reference);
    }
}

TEST(ApiVersion, MediaMaskTakesTheFormOfTheLibraryVersion) {
    const VersionReading unread;
    const VersionReading v5{ApiVersion{5, 5, 10, 0}};
    const VersionReading v6_0_0_9{ApiVersion{6, 0, 0, 9}};
    const VersionReading v6_0_0_10{ApiVersion{6, 0, 0, 10}};
    const VersionReading v6_2{ApiVersion{6, 2, 0, 0}};
    const VersionReading v6_3_0_5{ApiVersion{6, 3, 0, 5}};
    struct Case {
        const VersionReading& version;
        uint32_t mask;
        bool toLibrary;
        uint32_t expected;
    } const cases[] = {
        // Toward the library.
        {unread, 0x4001C, true, 0xC},
        {v5, 0x4001C, true, 0xC},
        {v6_0_0_9, 0x4001D, true, 0xC},
        {v6_0_0_10, 0x4001C, true, 0x1C},
        {v6_2, 0x4001D, true, 0x1C},  // DVD plus CD: replaced whole
        {v6_2, 0x1, true, 0x1},
        {v6_2, 0x1C, true, 0x1C},     // not all DVD bits: unchanged
        {v6_3_0_5, 0x4001C, true, 0x4001C},
        // From the library.
        {unread, 0xC, false, 0x4001C},
        {v5, 0xD, false, 0x4001C},
        {v5, 0x4, false, 0x4},
        {v6_0_0_10, 0xC, false, 0xC},
        {v6_2, 0x1C, false, 0x4001C},
        {v6_2, 0x1004, false, 0x1004},
        {v6_3_0_5, 0xC, false, 0xC},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(neroapi::ConvertMediaMaskFor(c.version, c.mask, c.toLibrary), c.expected)
            << std::hex << "mask 0x" << c.mask << (c.toLibrary ? " to " : " from ") << Text(c.version);
    }
}

}  // namespace
}  // namespace bb::neroapi
