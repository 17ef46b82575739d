#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "tests/neroapi/FakeLibrary.h"
#include "tests/support/Sandbox.h"

namespace bb::neroapi {
namespace {

using neroapi::test::g_fake;
using WrapperTest = neroapi::test::FakeLibraryTest;
namespace fs = std::filesystem;

TEST_F(WrapperTest, MissingLibraryOrEntryPointGivesTheFixedSubstitute) {
    auto* device = reinterpret_cast<neroapi::DeviceHandle>(0x10);
    neroapi::WriteDescription record{};
    neroapi::DriveInfo drive{};
    using Api = neroapi::VersionReading;  // keeps the table lines short
    const std::pair<std::function<intptr_t()>, intptr_t> cases[] = {
        {[] { return reinterpret_cast<intptr_t>(neroapi::NeroGetErrorLog()); }, 0},
        {[] { return intptr_t(neroapi::NeroGetAPIVersion()); }, 0},
        {[] { return intptr_t(neroapi::NeroInit(nullptr, nullptr)); }, 1},
        {[] { return intptr_t(neroapi::NeroDone()); }, 1},
        {[] { return reinterpret_cast<intptr_t>(neroapi::NeroGetAvailableDrives()); }, 0},
        {[&] { return reinterpret_cast<intptr_t>(neroapi::NeroOpenDevice(&drive)); }, 0},
        {[&] { return reinterpret_cast<intptr_t>(neroapi::NeroGetCDInfo(device, 3)); }, 0},
        {[&] { return intptr_t(neroapi::NeroBurn(device, 0, &record, 0, 150, nullptr)); }, 1},
        {[] { return reinterpret_cast<intptr_t>(neroapi::NeroCreateIsoTrackEx(nullptr, "L", 0)); }, 0},
        {[&] { return intptr_t(neroapi::NeroEjectLoadCD(device, 1)); }, -1},
        {[&] { return intptr_t(neroapi::NeroGetCDRWErasingTime(device, 1)); }, -1},
        {[&] { return intptr_t(neroapi::NeroEraseCDRW(device, 0)); }, -1},
        {[] { return reinterpret_cast<intptr_t>(neroapi::NeroGetLocalizedWaitCDTexts(3)); }, 0},
        {[] { return intptr_t(neroapi::ReadApiVersion() != Api{}); }, 0},
    };
    for (bool loaded : {false, true}) {
        if (loaded) LoadLibrary();
        for (size_t i = 0; i < std::size(cases); ++i) {
            EXPECT_EQ(cases[i].first(), cases[i].second) << "row " << i << (loaded ? " loaded" : "");
        }
        neroapi::NeroClearErrors();
        neroapi::NeroCloseDevice(device);
        neroapi::NeroFreeIsoTrack(nullptr);
    }
}

// Announcing falls back to the four-digit form: LoadTest's "four-digit form"
// row, with the capping of ToFourDigit in ConversionTest.
TEST_F(WrapperTest, VersionIsReadFromEitherForm) {
    struct Case { std::optional<ApiVersion> ex; uint32_t fourDigit; int result; ApiVersion parts; } const cases[] = {
        {ApiVersion{6, 6, 0, 1}, 5564, 1, {6, 6, 0, 1}},
        {{}, 5564, 1, {5, 5, 6, 4}},
        {{}, 0, 0, {9, 9, 9, 9}},  // unread: outputs untouched
    };
    for (const Case& c : cases) {
        LoadWithVersions(c.ex, c.fourDigit);
        ApiVersion parts{9, 9, 9, 9};
        EXPECT_EQ(neroapi::GetApiVersion(parts), c.result);
        EXPECT_EQ(parts, c.parts);
    }
}

TEST_F(WrapperTest, NeroDoneIsNotSentTo5564Through5566) {
    loader.Export<neroapi::FnNeroDone>("NeroDone", [] { return ++g_fake.calls, 0; });
    for (uint32_t version : {5563u, 5564u, 5566u, 5567u}) {
        LoadWithVersions({}, version);
        g_fake.calls = 0;
        const bool skipped = version == 5564 || version == 5566;
        EXPECT_EQ(neroapi::NeroDone(), skipped ? 1 : 0) << version;
        EXPECT_EQ(g_fake.calls, skipped ? 0 : 1) << version;
    }
}

void* g_oldList = nullptr;
const void* g_driveSeen = nullptr;
neroapi::DriveInfoOld g_oldSeen;

// Before 5.5.5.5 the library lists and opens recorders by the old record.

TEST_F(WrapperTest, OldLibrariesListAndOpenRecordersByOldRecords) {
    loader.Export<neroapi::FnNeroOpenDevice>("NeroOpenDevice", [](const void* drive) {
        g_driveSeen = drive;
        std::memcpy(&g_oldSeen, drive, sizeof g_oldSeen);
        return reinterpret_cast<neroapi::DeviceHandle>(0x55);
    });
    neroapi::DriveInfo drive{};
    std::strcpy(drive.deviceName, "A name longer than thirty-one characters");
    loader.Export<neroapi::FnNeroGetAvailableDrives>("NeroGetAvailableDrives", [] {
        auto* list = static_cast<neroapi::DriveInfoOldList*>(neroapi::test::FakeCreateIsoItemOfSize(4 + 360));
        list->count = 1;
        std::strcpy(list->drives[0].deviceName, "Old Drive");
        return g_oldList = list;
    });
    for (uint32_t version : {0u, 5554u, 5555u}) {
        const std::string at = std::to_string(version);
        LoadWithVersions({}, version);
        g_fake.freed.clear();
        neroapi::LibraryMemory<neroapi::DriveInfoList> list(neroapi::NeroGetAvailableDrives());
        const bool converted = version < 5555;
        EXPECT_EQ(list.get() != g_oldList, converted) << at;
        EXPECT_EQ(g_fake.freed, converted ? std::vector<void*>{g_oldList} : std::vector<void*>{}) << at;
        if (converted) {
            EXPECT_STREQ(list->drives[0].deviceName, "Old Drive") << at;
        }
        EXPECT_EQ(neroapi::NeroOpenDevice(&drive), reinterpret_cast<neroapi::DeviceHandle>(0x55)) << at;
        EXPECT_EQ(g_driveSeen == &drive, !converted) << at;
        if (converted) {
            EXPECT_STREQ(g_oldSeen.deviceName, "A name longer than thirty-one c") << at;
        }
    }
}

uint32_t g_maskSeen = 0;
neroapi::DriveInfoList g_list{};

TEST_F(WrapperTest, DriveQueryTakesTheLibrarysMaskFormAndFallsBackOnlyForCd) {
    struct Case {
        std::optional<ApiVersion> version;
        bool hasEx;
        uint32_t mask, maskSeen;
        bool oldFunctionUsed;
    } const cases[] = {
        {ApiVersion{6, 6, 0, 1}, true, 0x4001C, 0x4001C, false}, {ApiVersion{6, 2, 0, 0}, true, 0x4001C, 0x1C, false},
        {{}, true, 0x4001C, 0xC, false},                         {ApiVersion{6, 6, 0, 1}, false, 0x4001C, 0, false},
        {ApiVersion{6, 6, 0, 1}, false, 0x1, 0, true},
    };
    const auto oldDrives = [] { return ++g_fake.calls, static_cast<void*>(&g_list); };
    const auto drivesEx = [](uint32_t mask, void*) { return g_maskSeen = mask, &g_list; };
    for (const Case& c : cases) {
        loader.Export<neroapi::FnNeroGetAvailableDrives>("NeroGetAvailableDrives", oldDrives);
        if (c.hasEx) loader.Export<neroapi::FnNeroGetAvailableDrivesEx>("NeroGetAvailableDrivesEx", drivesEx);
        else loader.symbols.erase("NeroGetAvailableDrivesEx");
        LoadWithVersions(c.version, c.version ? neroapi::ToFourDigit(*c.version) : 0);
        g_maskSeen = 0, g_fake.calls = 0;
        const bool gotList = neroapi::NeroGetAvailableDrivesEx(c.mask, nullptr) != nullptr;
        EXPECT_EQ(gotList, c.hasEx || c.oldFunctionUsed) << std::hex << c.mask;
        EXPECT_EQ(g_maskSeen, c.maskSeen);
        EXPECT_EQ(g_fake.calls, c.oldFunctionUsed ? 1 : 0);
    }
}

fs::path g_folder;
bool g_shownDuringCall = false, g_hiddenDuringCall = false;

TEST_F(WrapperTest, Version5564ListsDrivesWithDvdrDllMovedAside) {
    bb::test::Sandbox box;
    g_folder = box.Root();
    neroapi::ScopedServices host({&registry, &loader, &environment, neroapi::kHostPaths});
    registry.values[{neroapi::kSharedKey, neroapi::kSharedValue}] = g_folder.string();
    loader.Export<neroapi::FnNeroGetAvailableDrivesEx>("NeroGetAvailableDrivesEx", [](uint32_t, void*) {
        g_shownDuringCall = fs::exists(g_folder / "DVDR.DLL");
        g_hiddenDuringCall = fs::exists(g_folder / "DVDR._DLL");
        return static_cast<neroapi::DriveInfoList*>(nullptr);
    });
    // Version, file present, moved during the call.
    for (auto [version, present, moved] : {std::tuple{5564u, true, true}, {5565u, true, false}, {5564u, false, false}}) {
        const std::string at = std::to_string(version) + (present ? " present" : " absent");
        fs::remove(g_folder / "DVDR.DLL");
        if (present) std::ofstream(g_folder / "DVDR.DLL") << "x";
        LoadWithVersions({}, version);
        EXPECT_EQ(neroapi::NeroGetAvailableDrivesEx(neroapi::kMediaMaskDvd, nullptr), nullptr) << at;
        EXPECT_EQ(g_hiddenDuringCall, moved) << at;
        EXPECT_EQ(g_shownDuringCall, present && !moved) << at;
        EXPECT_EQ(fs::exists(g_folder / "DVDR.DLL"), present) << at;
        EXPECT_FALSE(fs::exists(g_folder / "DVDR._DLL")) << at;
    }
}

TEST_F(WrapperTest, DiscInformationMaskComesBackInTheProgramsForm) {
    static neroapi::DiscInfo info{};
    loader.Export<neroapi::FnNeroGetCDInfo>("NeroGetCDInfo", [](neroapi::DeviceHandle, uint32_t) { return &info; });
    const std::tuple<ApiVersion, uint32_t, uint32_t> cases[] = {
        {{5, 5, 10, 0}, 0xC, 0x4001C}, {{6, 2, 0, 0}, 0x1C, 0x4001C}, {{6, 2, 0, 0}, 0x4, 0x4}, {{6, 6, 0, 1}, 0x1C, 0x1C}};
    for (const auto& [version, fromLibrary, seen] : cases) {
        LoadWithVersions(version);
        info.mediaMask = fromLibrary;
        EXPECT_EQ(neroapi::NeroGetCDInfo(nullptr, 3), &info);
        EXPECT_EQ(info.mediaMask, seen) << std::hex << fromLibrary;
    }
}

TEST_F(WrapperTest, MediaTypeNameSubstituteIsLibraryMemoryFreedLikeAnyText) {
    LoadLibrary();
    {
        neroapi::LibraryText name(neroapi::NeroGetTypeNameOfMedia(neroapi::kMediaMaskDvd, nullptr));
        EXPECT_STREQ(name.get(), "CD-R/RW");
        EXPECT_EQ(g_fake.allocations, std::vector<size_t>{8});
        neroapi::LibraryText moved = std::move(name);
        EXPECT_TRUE(g_fake.freed.empty());
    }
    EXPECT_EQ(g_fake.freed.size(), 1u);
    g_fake.allocatorFails = true;
    EXPECT_EQ(neroapi::NeroGetTypeNameOfMedia(neroapi::kMediaMaskDvd, nullptr), nullptr);
}

std::atomic<int> g_stage{0};

TEST_F(WrapperTest, UnloadDuringABlockingCallFreesTheLibraryAfterIt) {
    loader.Export<neroapi::FnNeroBurn>("NeroBurn", [](neroapi::DeviceHandle, int, void*, uint32_t, uint32_t,
                                                   neroapi::LibProgressRecord*) {
        for (g_stage = 1; g_stage != 2;) std::this_thread::yield();
        return 0;
    });
    LoadWithVersions(ApiVersion{6, 6, 0, 1});
    g_stage = 0;
    std::thread worker([] { EXPECT_EQ(neroapi::NeroBurn(nullptr, 0, nullptr, 0, 0, nullptr), 0); });
    while (g_stage != 1) std::this_thread::yield();
    neroapi::Unload();
    EXPECT_EQ(loader.liveModules, 1);  // still in use by the burn
    g_stage = 2;
    worker.join();
    EXPECT_EQ(loader.liveModules, 0);
}

}  // namespace
}  // namespace bb::neroapi
