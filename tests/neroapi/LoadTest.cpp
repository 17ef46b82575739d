#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "neroapi/NeroApiLib.h"
#include "tests/neroapi/FakeLibrary.h"

namespace bb::neroapi {
namespace {

using neroapi::test::g_fake;
using Text = std::optional<std::string>;

TEST(IsFolderInPath, EntriesMatchIgnoringCaseAndOneTrailingSeparator) {
    struct Case { const char* list; const char* folder; bool found; } const cases[] = {
        {"C:\\Windows;c:\\lib\\shared", "C:\\Lib\\Shared\\", true}, {"a;;b", "b\\", true}, {";;\\;", "b", false},
        {"C:\\Lib\\Shared2;C:\\Lib", "C:\\Lib\\Shared", false}, {"C:\\Lib\\\\", "C:\\Lib", false},
        {"", "C:\\Lib", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(neroapi::IsFolderInPath(c.list, c.folder, neroapi::kWindowsPaths), c.found)
            << c.folder << " in " << c.list;
    }
    EXPECT_TRUE(neroapi::IsFolderInPath("/usr/bin::/opt/lib/", "/opt/lib", neroapi::kPosixPaths));
    EXPECT_FALSE(neroapi::IsFolderInPath("/opt/Lib", "/opt/lib", neroapi::kPosixPaths));
}

class LoadTest : public neroapi::test::FakeLibraryTest {
protected:
    void Arrange(const Text& shared, const Text& appPath, const Text& path) {
        registry.values.clear(), loader.loadedPaths.clear(), environment.variables.clear();
        if (shared) registry.values[{kSharedKey, kSharedValue}] = *shared;
        if (appPath) registry.values[{kAppPathsKey, kAppPathsValue}] = *appPath;
        if (path) environment.variables["PATH"] = *path;
    }
};

TEST_F(LoadTest, RegistrySourcesDecideTheLibraryPathTheWriteBackAndPath) {
    const std::string x243(243, 'x'), y242(242, 'y');
    struct Case {
        const char* name;
        Text shared, appPath, path;
        Text loadPath, sharedAfter, pathAfter;
    } const cases[] = {
        {"trailing backslash removed, PATH matched", "C:\\Lib\\Shared\\", {}, "x;c:\\lib\\shared",
         "C:\\Lib\\Shared\\NeroAPI.dll", "C:\\Lib\\Shared", "x;c:\\lib\\shared"},
        {"PATH gets the folder as held", "C:\\Lib\\", "C:\\App", "C:\\Win",
         "C:\\Lib\\NeroAPI.dll", "C:\\Lib", "C:\\Lib\\;C:\\Win"},
        {"no PATH at all", "C:\\Lib", {}, {}, "C:\\Lib\\NeroAPI.dll", "C:\\Lib", "C:\\Lib"},
        {"App Paths, written back", {}, "C:\\App", "C:\\Win", "C:\\App\\NeroAPI.dll", "C:\\App", "C:\\App;C:\\Win"},
        {"App Paths keeps its backslash", "", "C:\\App\\", "C:\\App", "C:\\App\\\\NeroAPI.dll", "C:\\App\\", "C:\\App"},
        {"both missing", {}, {}, "C:\\Win", {}, {}, "C:\\Win"},
        // An empty folder must not become "\NeroAPI.dll", the current drive's root.
        {"empty value, no App Paths", "", {}, "C:\\Win", {}, "", "C:\\Win"},
        {"empty values at both sources", "", "", "C:\\Win", {}, "", "C:\\Win"},
        {"a lone backslash leaves no folder", "\\", {}, "C:\\Win", {}, "", "\\;C:\\Win"},
        {"242 characters fit", y242, {}, y242, y242 + "\\NeroAPI.dll", y242, y242},
        {"243 characters end the search", x243, "C:\\App", x243, {}, x243, x243},
        {"long App Paths value written back", {}, x243, x243, {}, x243, x243},
    };
    for (const Case& c : cases) {
        const std::string at = c.name;
        Arrange(c.shared, c.appPath, c.path);
        EXPECT_EQ(neroapi::Load(), c.loadPath.has_value()) << at;
        EXPECT_EQ(neroapi::IsLoaded(), c.loadPath.has_value()) << at;
        EXPECT_EQ(loader.loadedPaths, c.loadPath ? std::vector<std::string>{*c.loadPath} : std::vector<std::string>{})
            << at;
        EXPECT_EQ(registry.Value(kSharedKey, kSharedValue), c.sharedAfter) << at;
        EXPECT_EQ(environment.Get("PATH"), c.pathAfter) << at;
    }
}

TEST_F(LoadTest, ReloadsExtendPathOnceAndReadTheRegistryAfresh) {
    Arrange("C:\\Lib", {}, "C:\\Win");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(neroapi::Load());
    EXPECT_EQ(environment.variables["PATH"], "C:\\Lib;C:\\Win");
    EXPECT_EQ(loader.liveModules, 1);

    // First source gone and its key read-only: App Paths serves this load.
    registry.values.clear();
    registry.values[{kAppPathsKey, kAppPathsValue}] = "C:\\App";
    registry.readOnlyKeys.insert(kSharedKey);
    EXPECT_TRUE(neroapi::Load());
    EXPECT_EQ(loader.loadedPaths.back(), "C:\\App\\NeroAPI.dll");
    EXPECT_EQ(registry.Value(kSharedKey, kSharedValue), std::nullopt);
    EXPECT_EQ(neroapi::LibraryFolder(), "C:\\App");
}

TEST_F(LoadTest, ExpectedVersionIsAnnouncedAndARefusingLibraryIsFreed) {
    struct Case { const char* name; bool hasEx, hasFourDigit; int answer; bool loaded; } const cases[] = {
        {"four-part form", true, true, 1, true},     {"four-part form refuses", true, false, 0, false},
        {"four-digit form", false, true, 1, true},   {"four-digit form refuses", false, true, 0, false},
        {"neither form", false, false, 1, false},    {"file not loadable", false, false, -1, false},
    };
    const auto ex = loader.symbols.at("NeroSetExpectedAPIVersionEx");
    for (const Case& c : cases) {
        const std::string at = c.name;
        loader.symbols.clear();
        loader.refuse = c.answer < 0;
        if (c.hasEx) loader.symbols["NeroSetExpectedAPIVersionEx"] = ex;
        if (c.hasFourDigit) {
            loader.Export<neroapi::FnNeroSetExpectedAPIVersion>("NeroSetExpectedAPIVersion", [](uint32_t number) {
                g_fake.expectedFourDigit = number;
                return g_fake.acceptExpected;
            });
        }
        g_fake = {};
        g_fake.acceptExpected = c.answer;
        EXPECT_EQ(neroapi::Load(), c.loaded) << at;
        EXPECT_EQ(loader.liveModules, c.loaded ? 1 : 0) << at;
        EXPECT_EQ(g_fake.expectedEx, c.hasEx ? std::optional(neroapi::ApiVersion{6, 6, 0, 1}) : std::nullopt) << at;
        EXPECT_EQ(g_fake.expectedFourDigit, !c.hasEx && c.hasFourDigit ? std::optional(6601u) : std::nullopt) << at;
    }
}

TEST_F(LoadTest, PosixBuildsLoadTheSharedObjectFromTheSameValue) {
    neroapi::ScopedServices posix({&registry, &loader, &environment, neroapi::kPosixPaths});
    Arrange("/opt/burn/", {}, "/usr/bin");
    EXPECT_TRUE(neroapi::Load());
    EXPECT_EQ(loader.loadedPaths, std::vector<std::string>{"/opt/burn/libNeroAPI.so"});
    EXPECT_EQ(registry.Value(kSharedKey, kSharedValue), "/opt/burn");
    EXPECT_EQ(environment.variables["PATH"], "/opt/burn/:/usr/bin");
}

}  // namespace
}  // namespace bb::neroapi
