#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "neroapi/NeroApiLib.h"
#include "tests/unit/binding/FakeLibrary.h"

namespace {

using binding_test::g_fake;
using NeroApiLib::kAppPathsKey;
using NeroApiLib::kAppPathsValue;
using NeroApiLib::kSharedKey;
using NeroApiLib::kSharedValue;

TEST(IsFolderInPath, EntriesMatchIgnoringCaseAndOneTrailingSeparator) {
    struct Case {
        const char* list;
        const char* folder;
        bool found;
    } const cases[] = {
        {"C:\\Windows;c:\\lib\\shared", "C:\\Lib\\Shared\\", true},
        {"c:\\lib\\shared\\;D:\\x", "C:\\Lib\\Shared", true},
        {"a;;b", "b\\", true},
        {"a;;b;", "B", true},
        {";;\\;", "b", false},
        {"C:\\Lib\\Shared2", "C:\\Lib\\Shared", false},
        {"C:\\Lib", "C:\\Lib\\Shared", false},
        {"C:\\Lib\\\\", "C:\\Lib", false},  // only one separator is ignored
        {"", "C:\\Lib", false},
        {"C:\\Lib", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NeroApiLib::IsFolderInPath(c.list, c.folder, NeroApiLib::kWindowsPaths), c.found)
            << "'" << c.folder << "' in '" << c.list << "'";
    }
    // POSIX lists are ':'-separated and compare with case.
    EXPECT_TRUE(NeroApiLib::IsFolderInPath("/usr/bin::/opt/lib/", "/opt/lib", NeroApiLib::kPosixPaths));
    EXPECT_FALSE(NeroApiLib::IsFolderInPath("/usr/bin:/opt/Lib", "/opt/lib", NeroApiLib::kPosixPaths));
}

// Library at "C:\Lib" with both expected-version entry points missing
// unless a test adds them; the fixture adds the Ex form.
class LoadTest : public binding_test::FakeLibraryTest {
protected:
    void SetUp() override {
        FakeLibraryTest::SetUp();
        registry.values.clear();
        environment.variables.clear();
    }
    void SetSource(const char* key, const char* value, std::optional<std::string> data) {
        if (data) registry.values[{key, value}] = *data;
        else registry.values.erase({key, value});
    }
    std::optional<std::string> Value(const char* key, const char* value) {
        auto it = registry.values.find({key, value});
        if (it == registry.values.end()) return std::nullopt;
        return it->second;
    }
};

TEST_F(LoadTest, RegistrySourcesDecideTheLibraryPathAndTheWriteBack) {
    const std::string long243(243, 'x'), long242(242, 'y');
    struct Case {
        const char* name;
        std::optional<std::string> shared, appPath, path;
        bool loaded;
        std::optional<std::string> loadPath, sharedAfter, pathAfter;
        bool appPathsRead;
    } const cases[] = {
        {"trailing backslash removed and written back", "C:\\Lib\\Shared\\", {}, "x;c:\\lib\\shared",
         true, "C:\\Lib\\Shared\\NeroAPI.dll", "C:\\Lib\\Shared", "x;c:\\lib\\shared", false},
        {"folder put in front of PATH", "C:\\Lib", "C:\\App", "C:\\Windows",
         true, "C:\\Lib\\NeroAPI.dll", "C:\\Lib", "C:\\Lib;C:\\Windows", false},
        {"PATH gets the folder as held, backslash kept", "C:\\Lib\\", {}, "C:\\Windows",
         true, "C:\\Lib\\NeroAPI.dll", "C:\\Lib", "C:\\Lib\\;C:\\Windows", false},
        {"no PATH at all", "C:\\Lib", {}, {}, true, "C:\\Lib\\NeroAPI.dll", "C:\\Lib", "C:\\Lib", false},
        {"App Paths when the first source is missing", {}, "C:\\App", "C:\\Windows",
         true, "C:\\App\\NeroAPI.dll", "C:\\App", "C:\\App;C:\\Windows", true},
        {"App Paths keeps its trailing backslash", {}, "C:\\App\\", "C:\\App",
         true, "C:\\App\\\\NeroAPI.dll", "C:\\App\\", "C:\\App", true},
        {"an empty first source counts as missing", "", "C:\\App", "C:\\App",
         true, "C:\\App\\NeroAPI.dll", "C:\\App", "C:\\App", true},
        {"both missing", {}, {}, "C:\\Windows", false, {}, {}, "C:\\Windows", true},
        {"242 characters still fit", long242, {}, long242, true, long242 + "\\NeroAPI.dll", long242, long242, false},
        {"243 characters end the search", long243, "C:\\App", long243, false, {}, long243, long243, false},
        {"a long App Paths value is still written back", {}, long243, long243, false, {}, long243, long243, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        registry.values.clear();
        registry.reads.clear();
        loader.loadedPaths.clear();
        environment.variables.clear();
        SetSource(kSharedKey, kSharedValue, c.shared);
        SetSource(kAppPathsKey, kAppPathsValue, c.appPath);
        if (c.path) environment.variables["PATH"] = *c.path;

        EXPECT_EQ(NeroApiLib::Load(), c.loaded);
        EXPECT_EQ(NeroApiLib::IsLoaded(), c.loaded);
        if (c.loadPath) {
            EXPECT_EQ(loader.loadedPaths, std::vector<std::string>{*c.loadPath});
        } else {
            EXPECT_TRUE(loader.loadedPaths.empty());
        }
        EXPECT_EQ(Value(kSharedKey, kSharedValue), c.sharedAfter);
        EXPECT_EQ(environment.Get("PATH"), c.pathAfter);
        const bool appPathsRead = std::count(registry.reads.begin(), registry.reads.end(),
                                             binding_test::FakeRegistry::Place{kAppPathsKey, kAppPathsValue}) != 0;
        EXPECT_EQ(appPathsRead, c.appPathsRead);
    }
}

TEST_F(LoadTest, AFailedWriteBackChangesNothingElse) {
    SetSource(kAppPathsKey, kAppPathsValue, "C:\\App");
    registry.readOnlyKeys.insert(kSharedKey);
    EXPECT_TRUE(NeroApiLib::Load());
    EXPECT_EQ(loader.loadedPaths, std::vector<std::string>{"C:\\App\\NeroAPI.dll"});
    EXPECT_EQ(Value(kSharedKey, kSharedValue), std::nullopt);
    EXPECT_EQ(NeroApiLib::LibraryFolder(), "C:\\App");
}

TEST_F(LoadTest, PathIsExtendedOnceOverRepeatedLoads) {
    SetSource(kSharedKey, kSharedValue, "C:\\Lib");
    environment.variables["PATH"] = "C:\\Windows";
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(NeroApiLib::Load());
    EXPECT_EQ(environment.variables["PATH"], "C:\\Lib;C:\\Windows");
    EXPECT_EQ(environment.sets, 1);
    EXPECT_EQ(loader.liveModules, 1);  // each Load let go of the one before
}

TEST_F(LoadTest, AReloadConsultsAppPathsWhenTheFirstSourceIsGone) {
    SetSource(kSharedKey, kSharedValue, "C:\\Lib");
    ASSERT_TRUE(NeroApiLib::Load());
    SetSource(kSharedKey, kSharedValue, std::nullopt);
    SetSource(kAppPathsKey, kAppPathsValue, "C:\\App");
    EXPECT_TRUE(NeroApiLib::Load());
    EXPECT_EQ(loader.loadedPaths.back(), "C:\\App\\NeroAPI.dll");
    EXPECT_EQ(NeroApiLib::LibraryFolder(), "C:\\App");
}

TEST_F(LoadTest, ExpectedVersionIsAnnouncedAndARefusingLibraryIsFreed) {
    SetSource(kSharedKey, kSharedValue, "C:\\Lib");
    struct Case {
        const char* name;
        bool hasEx, hasFourDigit;
        int answer;
        bool loaded;
    } const cases[] = {
        {"four-part form accepted", true, true, 1, true},
        {"four-part form refused", true, false, 0, false},
        {"only the four-digit form", false, true, 1, true},
        {"four-digit form refused", false, true, 0, false},
        {"neither form", false, false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loader.symbols.clear();
        if (c.hasEx) {
            loader.Export<nero::FnNeroSetExpectedAPIVersionEx>(
                "NeroSetExpectedAPIVersionEx", [](uint16_t a, uint16_t b, uint16_t d, uint16_t e, void* reserved) {
                              g_fake.expectedEx = NeroApiLib::ApiVersion{a, b, d, e};
                              return reserved ? -1 : g_fake.acceptExpected;
                          });
        }
        if (c.hasFourDigit) {
            loader.Export<nero::FnNeroSetExpectedAPIVersion>("NeroSetExpectedAPIVersion", [](uint32_t number) {
                g_fake.expectedFourDigit = number;
                return g_fake.acceptExpected;
            });
        }
        g_fake = {};
        g_fake.acceptExpected = c.answer;

        EXPECT_EQ(NeroApiLib::Load(), c.loaded);
        EXPECT_EQ(loader.liveModules, c.loaded ? 1 : 0);
        if (c.hasEx) {
            EXPECT_EQ(g_fake.expectedEx, (NeroApiLib::ApiVersion{6, 6, 0, 1}));
            EXPECT_EQ(g_fake.expectedFourDigit, std::nullopt);
        } else if (c.hasFourDigit) {
            EXPECT_EQ(g_fake.expectedFourDigit, 6601u);
        }
    }
}

TEST_F(LoadTest, ALibraryThatCannotBeLoadedGivesFalse) {
    SetSource(kSharedKey, kSharedValue, "C:\\Lib");
    loader.refuse = true;
    EXPECT_FALSE(NeroApiLib::Load());
    EXPECT_FALSE(NeroApiLib::IsLoaded());
}

TEST_F(LoadTest, PosixBuildsLoadTheSharedObjectFromTheSameValue) {
    NeroApiLib::ScopedServices posix({&registry, &loader, &environment, NeroApiLib::kPosixPaths});
    SetSource(kSharedKey, kSharedValue, "/opt/burn/lib/");
    environment.variables["PATH"] = "/usr/bin";
    EXPECT_TRUE(NeroApiLib::Load());
    EXPECT_EQ(loader.loadedPaths, std::vector<std::string>{"/opt/burn/lib/libNeroAPI.so"});
    EXPECT_EQ(Value(kSharedKey, kSharedValue), "/opt/burn/lib");
    EXPECT_EQ(environment.variables["PATH"], "/opt/burn/lib/:/usr/bin");
}

}  // namespace
