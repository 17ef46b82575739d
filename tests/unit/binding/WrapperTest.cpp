#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "tests/unit/binding/FakeLibrary.h"

namespace {

using binding_test::g_fake;
using NeroApiLib::ApiVersion;

using WrapperTest = binding_test::FakeLibraryTest;

// Every wrapper's substitute, with no library and with a library that lacks
// the entry point.
TEST_F(WrapperTest, MissingLibraryOrEntryPointGivesTheFixedSubstitute) {
    auto* device = reinterpret_cast<nero::DeviceHandle>(0x10);
    nero::WriteDescription record{};
    nero::DriveInfo drive{};
    struct Case {
        const char* name;
        std::function<intptr_t()> call;
        intptr_t substitute;
    } const cases[] = {
        {"NeroGetErrorLog", [] { return reinterpret_cast<intptr_t>(NeroApiLib::NeroGetErrorLog()); }, 0},
        {"NeroGetAPIVersion", [] { return intptr_t(NeroApiLib::NeroGetAPIVersion()); }, 0},
        {"NeroInit", [] { return intptr_t(NeroApiLib::NeroInit(nullptr, nullptr)); }, 1},
        {"NeroDone", [] { return intptr_t(NeroApiLib::NeroDone()); }, 1},
        {"NeroGetAvailableDrives", [] { return reinterpret_cast<intptr_t>(NeroApiLib::NeroGetAvailableDrives()); }, 0},
        {"NeroOpenDevice", [&] { return reinterpret_cast<intptr_t>(NeroApiLib::NeroOpenDevice(&drive)); }, 0},
        {"NeroGetCDInfo", [&] { return reinterpret_cast<intptr_t>(NeroApiLib::NeroGetCDInfo(device, 3)); }, 0},
        {"NeroBurn", [&] { return intptr_t(NeroApiLib::NeroBurn(device, 0, &record, 0, 150, nullptr)); }, 1},
        {"NeroCreateIsoTrackEx",
         [] { return reinterpret_cast<intptr_t>(NeroApiLib::NeroCreateIsoTrackEx(nullptr, "L", 0)); }, 0},
        {"NeroEjectLoadCD", [&] { return intptr_t(NeroApiLib::NeroEjectLoadCD(device, 1)); }, -1},
        {"NeroGetCDRWErasingTime", [&] { return intptr_t(NeroApiLib::NeroGetCDRWErasingTime(device, 1)); }, -1},
        {"NeroEraseCDRW", [&] { return intptr_t(NeroApiLib::NeroEraseCDRW(device, 0)); }, -1},
        {"NeroSetExpectedAPIVersion", [] { return intptr_t(NeroApiLib::NeroSetExpectedAPIVersion(6601)); }, 0},
        {"NeroGetLocalizedWaitCDTexts",
         [] { return reinterpret_cast<intptr_t>(NeroApiLib::NeroGetLocalizedWaitCDTexts(3)); }, 0},
    };
    for (bool loaded : {false, true}) {
        if (loaded) LoadLibrary();
        for (const Case& c : cases) {
            EXPECT_EQ(c.call(), c.substitute) << c.name << (loaded ? " missing" : " without library");
        }
        // The ones without a result must simply return.
        NeroApiLib::NeroClearErrors();
        NeroApiLib::NeroCloseDevice(device);
        NeroApiLib::NeroFreeIsoTrack(nullptr);
    }
    EXPECT_EQ(g_fake.calls, 0);
}

TEST_F(WrapperTest, WrappersForwardArgumentsAndResults) {
    static nero::LibSettingsRecord settings{};
    loader.Export<nero::FnNeroInit>("NeroInit", [](nero::LibSettingsRecord* s, const char* reserved) {
        ++g_fake.calls;
        return s == &settings && !reserved ? 0 : 7;
    });
    loader.Export<nero::FnNeroEraseCDRW>("NeroEraseCDRW", [](nero::DeviceHandle d, int mode) {
        ++g_fake.calls;
        return static_cast<int>(reinterpret_cast<intptr_t>(d)) * 10 + mode;
    });
    LoadLibrary();
    EXPECT_EQ(NeroApiLib::NeroInit(&settings, nullptr), 0);
    EXPECT_EQ(NeroApiLib::NeroEraseCDRW(reinterpret_cast<nero::DeviceHandle>(4), 1), 41);
    EXPECT_EQ(g_fake.calls, 2);
}

TEST_F(WrapperTest, VersionIsReadFromEitherFormOrLeftUnread) {
    struct Case {
        const char* name;
        std::optional<ApiVersion> ex;
        uint32_t fourDigit;  // 0: function missing
        int result;
        ApiVersion parts;
    } const cases[] = {
        {"four-part form", ApiVersion{6, 6, 0, 1}, 5564, 1, {6, 6, 0, 1}},
        {"four-digit form only", {}, 5564, 1, {5, 5, 6, 4}},
        {"neither", {}, 0, 0, {9, 9, 9, 9}},  // outputs untouched
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loader.symbols.erase("NeroGetAPIVersionEx");
        loader.symbols.erase("NeroGetAPIVersion");
        if (c.ex) WithVersion(*c.ex);
        if (c.fourDigit) WithFourDigitVersion(c.fourDigit);
        LoadLibrary();
        ApiVersion parts{9, 9, 9, 9};
        EXPECT_EQ(NeroApiLib::GetApiVersion(parts), c.result);
        EXPECT_EQ(parts, c.parts);
    }
}

TEST_F(WrapperTest, NeroDoneIsNotSentToVersions5564To5566) {
    loader.Export<nero::FnNeroDone>("NeroDone", [] {
        ++g_fake.calls;
        return 0;
    });
    struct Case {
        uint32_t version;
        int result, calls;
    } const cases[] = {{5563, 0, 1}, {5564, 1, 0}, {5565, 1, 0}, {5566, 1, 0}, {5567, 0, 1}, {6601, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        WithFourDigitVersion(c.version);
        LoadLibrary();
        g_fake.calls = 0;
        EXPECT_EQ(NeroApiLib::NeroDone(), c.result);
        EXPECT_EQ(g_fake.calls, c.calls);
    }
}

// Drive lists as the fake library hands them out.
nero::DriveInfoOldList* g_oldList = nullptr;
uint32_t g_maskSeen = 0;

void* NERO_CDECL OldDriveList() {
    ++g_fake.calls;
    auto* list = static_cast<nero::DriveInfoOldList*>(binding_test::FakeCreateIsoItemOfSize(4 + 360));
    list->count = 1;
    std::strcpy(list->drives[0].deviceName, "Old Drive");
    list->drives[0].writeSpeedCount = 2;
    list->drives[0].writeSpeeds[0] = 2;
    list->drives[0].writeSpeeds[1] = 4;
    g_oldList = list;
    return list;
}

TEST_F(WrapperTest, OldDriveListsComeBackInTheCurrentLayout) {
    loader.Export<nero::FnNeroGetAvailableDrives>("NeroGetAvailableDrives", OldDriveList);
    struct Case {
        uint32_t version;
        bool converted;
    } const cases[] = {{0, true}, {5554, true}, {5555, false}, {6601, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        loader.symbols.erase("NeroGetAPIVersion");
        if (c.version) WithFourDigitVersion(c.version);
        LoadLibrary();
        g_fake.freed.clear();
        NeroApiLib::LibraryMemory<nero::DriveInfoList> list(NeroApiLib::NeroGetAvailableDrives());
        ASSERT_TRUE(list);
        if (c.converted) {
            EXPECT_NE(static_cast<void*>(list.get()), static_cast<void*>(g_oldList));
            EXPECT_EQ(list->count, 1u);
            EXPECT_STREQ(list->drives[0].deviceName, "Old Drive");
            EXPECT_EQ(list->drives[0].writeSpeeds.rates[1], 600u);
            // The library's own list went back to it.
            EXPECT_EQ(g_fake.freed, std::vector<void*>{g_oldList});
        } else {
            EXPECT_EQ(static_cast<void*>(list.get()), static_cast<void*>(g_oldList));
            EXPECT_TRUE(g_fake.freed.empty());
        }
    }
}

TEST_F(WrapperTest, DriveQueryTakesTheLibrarysMaskFormAndFallsBackOnlyForCd) {
    struct Case {
        const char* name;
        std::optional<ApiVersion> version;
        bool hasEx;
        uint32_t mask;
        uint32_t maskSeen;   // by NeroGetAvailableDrivesEx
        bool oldFunctionUsed;
        bool gotList;
    } const cases[] = {
        {"6.6 DVD", ApiVersion{6, 6, 0, 1}, true, 0x4001C, 0x4001C, false, true},
        {"6.2 DVD", ApiVersion{6, 2, 0, 0}, true, 0x4001C, 0x1C, false, true},
        {"5.x DVD", ApiVersion{5, 5, 10, 0}, true, 0x4001C, 0xC, false, true},
        {"unread DVD", {}, true, 0x4001C, 0xC, false, true},
        {"no Ex form, DVD", ApiVersion{6, 6, 0, 1}, false, 0x4001C, 0, false, false},
        {"no Ex form, CD", ApiVersion{6, 6, 0, 1}, false, 0x1, 0, true, true},
    };
    static nero::DriveInfoList emptyList{};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loader.symbols.clear();
        FakeLibraryTest::SetUp();
        if (c.version) {
            WithVersion(*c.version);
            WithFourDigitVersion(NeroApiLib::ToFourDigit(*c.version));
        }
        loader.Export<nero::FnNeroGetAvailableDrives>("NeroGetAvailableDrives", [] {
            ++g_fake.calls;
            return static_cast<void*>(&emptyList);
        });
        if (c.hasEx) {
            loader.Export<nero::FnNeroGetAvailableDrivesEx>("NeroGetAvailableDrivesEx", [](uint32_t mask, void*) {
                g_maskSeen = mask;
                return &emptyList;
            });
        }
        LoadLibrary();
        g_maskSeen = 0;
        nero::DriveInfoList* list = NeroApiLib::NeroGetAvailableDrivesEx(c.mask, nullptr);
        EXPECT_EQ(list != nullptr, c.gotList);
        EXPECT_EQ(g_maskSeen, c.maskSeen);
        EXPECT_EQ(g_fake.calls, c.oldFunctionUsed ? 1 : 0);
    }
}

// Version 5564 lists drives with DVDR.DLL of its folder moved aside.
struct DvdrProbe {
    std::filesystem::path folder;
    bool shownDuringCall = true;
    bool hiddenDuringCall = false;
};
DvdrProbe g_dvdr;

TEST_F(WrapperTest, Version5564ListsDrivesWithDvdrDllMovedAside) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("bb-binding-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    g_dvdr = {folder};
    NeroApiLib::ScopedServices host({&registry, &loader, &environment, NeroApiLib::kHostPaths});
    registry.values[{NeroApiLib::kSharedKey, NeroApiLib::kSharedValue}] = folder.string();
    loader.Export<nero::FnNeroGetAvailableDrivesEx>("NeroGetAvailableDrivesEx", [](uint32_t, void*) {
        g_dvdr.shownDuringCall = std::filesystem::exists(g_dvdr.folder / "DVDR.DLL");
        g_dvdr.hiddenDuringCall = std::filesystem::exists(g_dvdr.folder / "DVDR._DLL");
        return static_cast<nero::DriveInfoList*>(nullptr);
    });

    struct Case {
        uint32_t version;
        bool fileThere;
        bool hidden;
    } const cases[] = {{5564, true, true}, {5565, true, false}, {5563, true, false}, {5564, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << (c.fileThere ? " with" : " without") << " the file");
        std::filesystem::remove(folder / "DVDR.DLL");
        if (c.fileThere) std::ofstream(folder / "DVDR.DLL") << "x";
        WithFourDigitVersion(c.version);
        LoadLibrary();
        g_dvdr.shownDuringCall = g_dvdr.hiddenDuringCall = false;
        EXPECT_EQ(NeroApiLib::NeroGetAvailableDrivesEx(nero::kMediaMaskDvd, nullptr), nullptr);
        EXPECT_EQ(g_dvdr.hiddenDuringCall, c.hidden);
        EXPECT_EQ(g_dvdr.shownDuringCall, c.fileThere && !c.hidden);
        EXPECT_EQ(std::filesystem::exists(folder / "DVDR.DLL"), c.fileThere);
        EXPECT_FALSE(std::filesystem::exists(folder / "DVDR._DLL"));
    }
    std::filesystem::remove_all(folder);
}

const void* g_deviceArgument = nullptr;
nero::DriveInfoOld g_oldSeen;

TEST_F(WrapperTest, OldLibrariesOpenTheRecorderWithAnOldRecordCopy) {
    loader.Export<nero::FnNeroOpenDevice>("NeroOpenDevice", [](const void* drive) {
        g_deviceArgument = drive;
        std::memcpy(&g_oldSeen, drive, sizeof g_oldSeen);
        return reinterpret_cast<nero::DeviceHandle>(0x55);
    });
    nero::DriveInfo drive{};
    std::strcpy(drive.deviceName, "A name longer than thirty-one characters");
    drive.writeSpeeds.count = 1;
    drive.writeSpeeds.multiples[0] = 8;
    struct Case {
        uint32_t version;
        bool oldRecord;
    } const cases[] = {{0, true}, {5554, true}, {5555, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        loader.symbols.erase("NeroGetAPIVersion");
        if (c.version) WithFourDigitVersion(c.version);
        LoadLibrary();
        EXPECT_EQ(NeroApiLib::NeroOpenDevice(&drive), reinterpret_cast<nero::DeviceHandle>(0x55));
        if (c.oldRecord) {
            EXPECT_NE(g_deviceArgument, &drive);
            EXPECT_STREQ(g_oldSeen.deviceName, "A name longer than thirty-one c");
            EXPECT_EQ(g_oldSeen.writeSpeedCount, 1u);
            EXPECT_EQ(g_oldSeen.writeSpeeds[0], 8u);
        } else {
            EXPECT_EQ(g_deviceArgument, &drive);
        }
    }
}

TEST_F(WrapperTest, DiscInformationMaskComesBackInTheProgramsForm) {
    static nero::DiscInfo info{};
    loader.Export<nero::FnNeroGetCDInfo>("NeroGetCDInfo", [](nero::DeviceHandle, uint32_t flags) {
        return flags == 3 ? &info : nullptr;
    });
    struct Case {
        ApiVersion version;
        uint32_t libraryMask, programMask;
    } const cases[] = {
        {{5, 5, 10, 0}, 0xC, 0x4001C},
        {{6, 2, 0, 0}, 0x1C, 0x4001C},
        {{6, 2, 0, 0}, 0x4, 0x4},
        {{6, 6, 0, 1}, 0x4001C, 0x4001C},
    };
    for (const Case& c : cases) {
        WithVersion(c.version);
        LoadLibrary();
        info.mediaMask = c.libraryMask;
        EXPECT_EQ(NeroApiLib::NeroGetCDInfo(nullptr, 3), &info);
        EXPECT_EQ(info.mediaMask, c.programMask) << std::hex << c.libraryMask;
    }
    EXPECT_EQ(NeroApiLib::NeroGetCDInfo(nullptr, 1), nullptr);
}

TEST_F(WrapperTest, MediaTypeNameSubstituteIsLibraryMemory) {
    LoadLibrary();
    {
        NeroApiLib::LibraryText name(NeroApiLib::NeroGetTypeNameOfMedia(nero::kMediaMaskDvd, nullptr));
        ASSERT_TRUE(name);
        EXPECT_STREQ(name.get(), "CD-R/RW");
        EXPECT_EQ(g_fake.allocations, std::vector<size_t>{8});
        EXPECT_TRUE(g_fake.liveBlocks.count(name.get()));
    }
    EXPECT_TRUE(g_fake.liveBlocks.empty());  // freed through NeroFreeMem

    g_fake.allocatorFails = true;
    EXPECT_EQ(NeroApiLib::NeroGetTypeNameOfMedia(nero::kMediaMaskDvd, nullptr), nullptr);

    static char dvd[] = "DVD-R";
    loader.Export<nero::FnNeroGetTypeNameOfMedia>("NeroGetTypeNameOfMedia", [](uint32_t, const char*) {
        return dvd;
    });
    LoadLibrary();
    EXPECT_EQ(NeroApiLib::NeroGetTypeNameOfMedia(nero::kMediaMaskDvd, nullptr), dvd);
}

TEST_F(WrapperTest, LibraryMemoryReleasesOnceThroughNeroFreeMem) {
    LoadLibrary();
    void* a = binding_test::FakeCreateIsoItemOfSize(4);
    void* b = binding_test::FakeCreateIsoItemOfSize(4);
    {
        NeroApiLib::LibraryMemory<void> first(a);
        NeroApiLib::LibraryMemory<void> second(std::move(first));
        EXPECT_FALSE(first);
        NeroApiLib::LibraryMemory<void> third(b);
        third = std::move(second);  // b goes back now, a at the end of scope
        EXPECT_EQ(g_fake.freed, std::vector<void*>{b});
    }
    EXPECT_EQ(g_fake.freed, (std::vector<void*>{b, a}));
}

// A burn blocked on a worker thread keeps the library loaded through an
// Unload on the user-interface thread.
std::atomic<int> g_burnStage{0};

TEST_F(WrapperTest, UnloadDuringABlockingCallFreesTheLibraryAfterIt) {
    loader.Export<nero::FnNeroBurn>("NeroBurn", [](nero::DeviceHandle, int, void*, uint32_t, uint32_t,
                                                   nero::LibProgressRecord*) {
        g_burnStage = 1;
        while (g_burnStage.load() != 2) std::this_thread::yield();
        return 0;
    });
    WithVersion({6, 6, 0, 1});
    LoadLibrary();
    g_burnStage = 0;
    std::atomic<int> result{-1};
    std::thread worker([&] { result = NeroApiLib::NeroBurn(nullptr, 0, nullptr, 0, 0, nullptr); });
    while (g_burnStage.load() != 1) std::this_thread::yield();
    NeroApiLib::Unload();
    EXPECT_FALSE(NeroApiLib::IsLoaded());
    EXPECT_EQ(loader.liveModules, 1);
    g_burnStage = 2;
    worker.join();
    EXPECT_EQ(result.load(), 0);
    EXPECT_EQ(loader.liveModules, 0);
}

}  // namespace
