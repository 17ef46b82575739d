// The recorder context's and the callbacks' arithmetic, case by case.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/SizeMeterModel.h"
#include "recording/LibraryRequests.h"
#include "recording/MediaCheck.h"
#include "recording/RecorderList.h"

namespace bb::app {

namespace {

TEST(RecorderList, OnlyWritingAllowedRecordersOfTheMediaClass) {
    struct Case {
        uint32_t kind, capabilities, media, requested;
        bool listed;
    } cases[] = {
        {1, 0x1, 0x4001D, neroapi::kMediaMaskDvd, true},
        {1, 0x1, 0x4001D, neroapi::kMediaMaskCd, true},
        {1, 0x1, 0x1, neroapi::kMediaMaskDvd, false},      // CD recorder, DVD class
        {1, 0x1, 0x40000, neroapi::kMediaMaskDvd, true},   // one shared bit is enough
        {2, 0x1, 0x4001D, neroapi::kMediaMaskDvd, false},  // reader
        {0, 0x1, 0x4001D, neroapi::kMediaMaskDvd, false},
        {1, 0x0, 0x4001D, neroapi::kMediaMaskDvd, false},  // not allowed by the library
        {1, 0xFE, 0x4001D, neroapi::kMediaMaskDvd, false},
        {1, 0x3, 0x4001D, neroapi::kMediaMaskDvd, true},
    };
    for (const Case& c : cases) {
        neroapi::DriveInfo drive{};
        drive.deviceKind = c.kind;
        drive.capabilities = c.capabilities;
        drive.mediaMask = c.media;
        EXPECT_EQ(recording::IsListedRecorder(drive, c.requested), c.listed)
            << c.kind << " " << c.capabilities << " " << std::hex << c.media << " " << c.requested;
    }
}

TEST(RecorderList, SpeedTexts) {
    struct Case {
        uint32_t rate, base;
        const char* list;
        const char* burn;
    } cases[] = {
        {5540, 1385, "4.0x (5540 kB/s)", "4.0x (5540kB/s)"},
        {3324, 1385, "2.4x (3324 kB/s)", "2.4x (3324kB/s)"},
        {225, 150, "1.5x (225 kB/s)", "1.5x (225kB/s)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(recording::SpeedListText(c.rate, c.base), c.list) << c.rate;
        EXPECT_EQ(recording::BurnSpeedText(c.rate, c.base), c.burn) << c.rate;
    }
}

TEST(RecorderList, SavedSpeedIndexOrTheLast) {
    struct Case {
        int saved, count, selected;
    } cases[] = {{0, 4, 0}, {3, 4, 3}, {4, 4, 3}, {99, 4, 3}, {-1, 4, 3}, {0, 1, 0}, {5, 1, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(recording::SpeedIndexToSelect(c.saved, c.count), c.selected) << c.saved << " of " << c.count;
}

TEST(LibraryRequests, FixedAnswers) {
    struct Case {
        int request;
        std::optional<int> answer;
    } cases[] = {
        {2, 5}, {6, 3}, {7, 5}, {12, 5}, {13, 1}, {0, 0}, {1, 0}, {3, 0}, {14, 0}, {21, 0}, {23, 0}, {-1, 0},
        {15, std::nullopt}, {20, std::nullopt}, {22, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recording::FixedRequestAnswer(c.request), c.answer) << c.request;
}

TEST(LibraryRequests, LogLines) {
    struct Case {
        const char* text;
        const char* line;
        bool reallocFailed;
    } cases[] = {
        {"Burn process completed", "===> Burn process completed", false},
        {"Required file", "===> (required)", false},
        {"Required files are missing", "===> (required)", false},
        {"Required fil", "===> Required fil", false},
        {" Required file", "===>  Required file", false},
        {"DVD-Video files reallocation failed", "===> DVD-Video files reallocation failed", true},
        {"DVD-Video files reallocation failed ", "===> DVD-Video files reallocation failed ", false},
        {"", "===> ", false},
    };
    for (const Case& c : cases) {
        const recording::LibraryLogLine line = recording::ToLogLine(c.text, "(required)");
        EXPECT_EQ(line.line, c.line) << c.text;
        EXPECT_EQ(line.reallocFailed, c.reallocFailed) << c.text;
    }
    EXPECT_EQ(recording::ToPhaseLine("Writing"), "=> Writing");
}

TEST(LibraryRequests, ImagePathIsCutToTheBuffer) {
    struct Case {
        size_t length, capacity, copied;
    } cases[] = {{10, 260, 10}, {259, 260, 259}, {260, 260, 259}, {400, 260, 259}, {5, 1, 0}};
    for (const Case& c : cases) {
        std::string buffer(c.capacity + 4, 'x');
        recording::CopyImagePath(buffer.data(), c.capacity, std::string(c.length, 'a'));
        EXPECT_EQ(std::strlen(buffer.c_str()), c.copied) << c.length;
        EXPECT_EQ(buffer.substr(c.capacity), "xxxx") << "nothing past the buffer";
    }
    EXPECT_EQ(recording::ImageFileSuggestion("SAMPLE"), "SAMPLE.nrg");
}

TEST(MediaCheck, RewritableDiscsThatHoldData) {
    struct Case {
        uint32_t mask, kind, hasData;
        const char* word;
    } cases[] = {
        {neroapi::kMediaDvdMinusRw, 0, 1, " DVD-RW"},
        {neroapi::kMediaDvdPlusRw, 0, 7, " DVD+RW"},
        {neroapi::kMediaCdR, neroapi::kMediumKindCdRw, 1, " CD-RW"},
        {neroapi::kMediaDvdMinusR, neroapi::kMediumKindCdRw, 1, " CD-RW"},  // the medium kind decides
        {neroapi::kMediaDvdMinusRw, 0, 0, nullptr},                     // blank
        {neroapi::kMediaDvdMinusR, 0, 1, nullptr},                      // not rewritable
        {neroapi::kMediaDvdPlusR, 2, 1, nullptr},
        {neroapi::kMediaDvdMinusRw | neroapi::kMediaDvdPlusRw, 0, 1, nullptr},
    };
    for (const Case& c : cases) {
        neroapi::DiscInfo disc{};
        disc.mediaMask = c.mask;
        disc.mediumKind = c.kind;
        disc.hasData = c.hasData;
        const char* word = recording::RewritableKindWord(disc);
        EXPECT_STREQ(word, c.word) << std::hex << c.mask << " kind " << c.kind;
    }
}

TEST(SizeMeterModel, RedLimitAndRounding) {
    constexpr double MB = 1024.0 * 1024.0;
    struct Case {
        double bytes;
        int red;
        bool ignore;
        bool over;
        int rounded;
    } cases[] = {
        {8106 * MB, 8106, false, false, 8106},    // exactly at the limit
        {8106 * MB + 1, 8106, false, true, 8106},
        {8106 * MB + 1, 8106, true, false, 8106},
        {0, 0, false, false, 0},
        {0.5 * MB, 0, false, true, 1},
        {0.49 * MB, 700, false, false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(controls::IsOverRedLimit(c.bytes, c.red, c.ignore), c.over) << c.bytes;
        EXPECT_EQ(controls::RoundedMegabytes(c.bytes), c.rounded) << c.bytes;
    }
}

}  // namespace

}  // namespace bb::app
