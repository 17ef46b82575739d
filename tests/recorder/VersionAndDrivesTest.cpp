// Start-up answers: versions, drive lists and their speeds, media names;
// the item trees an ISO track refuses.
#include "tests/recorder/LibraryUnderTest.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

namespace bb::recorder::test {
namespace {

TEST(RecorderVersion, AnnouncesTheCurrentVersionAndAcceptsWhatItCanServe) {
    uint16_t parts[4] = {9, 9, 9, 9};
    EXPECT_EQ(Api().GetAPIVersionEx(&parts[0], &parts[1], &parts[2], &parts[3], nullptr), 1);
    EXPECT_EQ(std::vector<uint16_t>(parts, parts + 4), (std::vector<uint16_t>{6, 6, 0, 1}));
    EXPECT_EQ(Api().GetAPIVersion(), 6601u);
    struct Case { uint16_t a, b, c, d; int accepted; };
    const Case cases[] = {
        {6, 6, 0, 1, 1}, {6, 3, 0, 5, 1}, {6, 0, 0, 10, 1}, {5, 5, 9, 16, 1},
        {5, 5, 9, 15, 0},  // old ISO track operation table
        {6, 6, 0, 2, 0},   {6, 7, 0, 0, 0}, {7, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Api().SetExpectedAPIVersionEx(c.a, c.b, c.c, c.d, nullptr), c.accepted)
            << c.a << "." << c.b << "." << c.c << "." << c.d;
    }
    const std::pair<uint32_t, int> fourDigit[] = {{6601, 1}, {6000, 1}, {5599, 1}, {5598, 0}, {5564, 0}, {6602, 0}, {9999, 0}};
    for (const auto& [version, accepted] : fourDigit) {
        EXPECT_EQ(Api().SetExpectedAPIVersion(version), accepted) << version;
    }
}

constexpr const char* kTwoRecorders =
    "[DVD Only]\nmedia = 0x4001C\ndvd speeds = 2 4 8\ndvd base rate = 1350\n"
    "[CD Only]\nmedia = 0x1\ncd speeds = 8 16 24\n"
    "[Reader]\ndevice kind = 2\ncapabilities = 0\nmedia = 0x4\n";

// The Image Recorder comes first in every list, a writing recorder of DVD
// and CD; the configured ones follow as their media allow.
TEST(RecorderDrives, ListsFilteredByMediaMaskWithTheirKindsAndSpeeds) {
    Sandbox sandbox;
    sandbox.WriteConfig(kTwoRecorders);
    struct Case { uint32_t mask; std::vector<std::string> names; };
    const Case cases[] = {
        {neroapi::kMediaMaskDvd, {"Image Recorder", "DVD Only", "Reader"}},
        {neroapi::kMediaMaskCd, {"Image Recorder", "CD Only"}}, {0x4, {"Image Recorder", "DVD Only", "Reader"}},
        {0x20000000, {}},
    };
    for (const Case& c : cases) {
        const DriveList list = Drives(c.mask);
        ASSERT_NE(list, nullptr) << std::hex << c.mask;
        EXPECT_EQ(Names(*list), c.names) << std::hex << c.mask;
    }
    const DriveList all(static_cast<neroapi::DriveInfoList*>(Api().GetAvailableDrives()));
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->count, 4u);
    const neroapi::DriveInfo* reader = Find(*all, "Reader");
    const neroapi::DriveInfo* image = Find(*all, "Image Recorder");
    ASSERT_TRUE(reader != nullptr && image != nullptr);
    EXPECT_EQ(reader->deviceKind, 2u);
    EXPECT_EQ(reader->capabilities, 0u);
    EXPECT_EQ(image->deviceKind, 1u);
    EXPECT_EQ(image->capabilities & 1u, 1u);
    EXPECT_EQ(image->mediaMask, neroapi::kMediaMaskDvd | neroapi::kMediaMaskCd);

    // Write speeds follow the media class asked.
    struct Speeds { uint32_t mask; const char* recorder; uint32_t baseRate; std::vector<uint32_t> rates; };
    const Speeds speeds[] = {
        {neroapi::kMediaMaskDvd, "Image Recorder", 1385, {1385, 2770, 5540, 8310, 11080, 16620, 22160}},
        {neroapi::kMediaMaskCd, "Image Recorder", 150, {150, 300, 600, 1200, 2400, 3600, 4800, 6000, 7200, 7800}},
        {neroapi::kMediaMaskDvd, "DVD Only", 1350, {2700, 5400, 10800}},
        {neroapi::kMediaMaskCd, "CD Only", 150, {1200, 2400, 3600}},
    };
    for (const Speeds& c : speeds) {
        const DriveList list = Drives(c.mask);
        ASSERT_NE(list, nullptr);
        const neroapi::DriveInfo* drive = Find(*list, c.recorder);
        ASSERT_NE(drive, nullptr) << c.recorder;
        const neroapi::SpeedInfo& got = drive->writeSpeeds;
        EXPECT_EQ(got.baseRate, c.baseRate) << c.recorder;
        ASSERT_EQ(got.count, c.rates.size()) << c.recorder;
        for (uint32_t i = 0; i < got.count; ++i) {
            EXPECT_EQ(got.rates[i], c.rates[i]) << c.recorder << " speed " << i;
            EXPECT_EQ(got.multiples[i], c.rates[i] / c.baseRate) << c.recorder << " speed " << i;
        }
    }
}

TEST(RecorderDrives, ConfigurationMistakesAreReportedWithTheirLine) {
    Sandbox sandbox;
    sandbox.WriteConfig("[Good]\nmedium = DVD-RW\nspeed = 4\nmedia = lots\n[Image Recorder]\n[Good]\n");
    const DriveList list = Drives(neroapi::kMediaMaskDvd);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Names(*list), (std::vector<std::string>{"Image Recorder", "Good"}));
    const std::string errors = TakeText(Api().GetErrorLog());
    const std::string file = (sandbox / "drives.ini").string();
    for (const char* line : {":3: unknown key \"speed\"", ":4: bad value \"lots\" for \"media\"",
                             ":5: recorder \"Image Recorder\" ignored", ":6: recorder \"Good\" ignored"}) {
        EXPECT_NE(errors.find(file + line), std::string::npos) << line << "\n" << errors;
    }

    // The committed sample configuration reads without complaint.
    Api().ClearErrors();
    ::setenv("BB_NEROAPI_CONFIG", (std::string(BB_SOURCE_DIR) + "/recorder/library/NeroAPI-drives.sample.ini").c_str(), 1);
    const DriveList sample = Drives(neroapi::kMediaMaskDvd | neroapi::kMediaMaskCd);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(Names(*sample), (std::vector<std::string>{"Image Recorder", "BB DVD-RW Writer", "BB DVD-R Writer",
                                                        "BB Empty Tray", "BB Faulty Writer", "BB CD Writer"}));
    EXPECT_EQ(TakeText(Api().GetErrorLog()), "<null>");
}

TEST(RecorderDrives, WithoutTheVariableReadsTheFileBesideItsOwnModule) {
    Sandbox sandbox;
    ::unsetenv("BB_NEROAPI_CONFIG");
    // A copy elsewhere is a module of its own, with its own folder.
    const auto copy = sandbox / "libNeroAPI.so";
    std::filesystem::copy_file(std::string(BB_PROGRAM_DIR) + "/libNeroAPI.so", copy);
    std::ofstream(sandbox / "NeroAPI-drives.ini") << "[Beside The Module]\nmedia = 0x4\n";
    void* module = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    auto drives = reinterpret_cast<neroapi::FnNeroGetAvailableDrivesEx>(dlsym(module, "NeroGetAvailableDrivesEx"));
    auto freeMem = reinterpret_cast<neroapi::FnNeroFreeMem>(dlsym(module, "NeroFreeMem"));
    ASSERT_TRUE(drives != nullptr && freeMem != nullptr);
    neroapi::DriveInfoList* list = drives(neroapi::kMediaMaskDvd, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Names(*list), (std::vector<std::string>{"Image Recorder", "Beside The Module"}));
    freeMem(list);
    dlclose(module);
}

TEST(RecorderMedia, TypeNamesOfAMaskAndWaitTexts) {
    struct Case { uint32_t mask; const char* delimiter; std::string names; };
    const Case cases[] = {
        {neroapi::kMediaMaskDvd | neroapi::kMediaMaskCd, nullptr, "CD-R/RW, DVD-R, DVD+R, DVD-RAM, DVD+R DL"},
        {0x5004, nullptr, "DVD-R, DVD-RW, DVD+RW"}, {neroapi::kMediaMaskCd, nullptr, "CD-R/RW"},
        {neroapi::kMediaDvdPlusRw, " | ", "DVD+R | DVD+RW"}, {0x80000000, nullptr, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TakeText(Api().GetTypeNameOfMedia(c.mask, c.delimiter)), c.names) << std::hex << c.mask;
    }
    EXPECT_EQ(TakeText(Api().GetLocalizedWaitCDTexts(1)), "Please insert a blank disc.");
    for (int type = 0; type <= 4; ++type) EXPECT_NE(TakeText(Api().GetLocalizedWaitCDTexts(type)), "<null>") << type;
    EXPECT_EQ(Api().GetLocalizedWaitCDTexts(99), nullptr);
}

TEST(RecorderIsoTrack, RefusesTreesItCannotReadSafely) {
    struct Case {
        const char* what;
        void (*spoil)(neroapi::IsoItem& first, neroapi::IsoItem& second);
    };
    const Case cases[] = {
        {"name without terminator", [](neroapi::IsoItem& a, neroapi::IsoItem&) { std::memset(a.name, 'A', sizeof a.name); }},
        {"source without terminator", [](neroapi::IsoItem&, neroapi::IsoItem& b) { std::memset(b.sourcePath, 'b', sizeof b.sourcePath); }},
        {"empty name", [](neroapi::IsoItem&, neroapi::IsoItem& b) { b.name[0] = '\0'; }},
        {"cycle", [](neroapi::IsoItem& a, neroapi::IsoItem& b) { b.next = &a; }},
    };
    for (const Case& c : cases) {
        ItemTree tree;
        neroapi::IsoItem* folder = tree.Add("VIDEO_TS", true, "", nullptr);
        neroapi::IsoItem* file = tree.Add("VIDEO_TS.IFO", false, "/nonexistent/VIDEO_TS.IFO", folder);
        c.spoil(*folder, *file);
        Api().ClearErrors();
        EXPECT_EQ(Api().CreateIsoTrackEx(tree.Root(), "LABEL", 0x4018), nullptr) << c.what;
        EXPECT_NE(TakeText(Api().GetErrorLog()).find("The ISO track was not made"), std::string::npos) << c.what;
    }
    EXPECT_EQ(Api().CreateIsoTrackEx(nullptr, "LABEL", 0x4018), nullptr);
    Api().ClearErrors();
}

}  // namespace
}  // namespace bb::recorder::test
