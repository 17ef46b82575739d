// The environment, file and module services on Wine: what the Win32 calls
// add to the portable behaviour (short names, volume names, bare names).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/ModuleLoader.h"
#include "tests/support/Sandbox.h"

namespace bb::platform {
namespace {

TEST(EnvironmentWin32, SetGetMissingEmptyAndLong) {
    auto& env = platform::SystemEnvironment();
    for (const std::string& value : {std::string(), std::string(5000, 'x'), std::string("C:\\Lib;C:\\Other")}) {
        ASSERT_TRUE(env.Set("BB_TEST_VAR", value)) << value.size();
        EXPECT_EQ(env.Get("BB_TEST_VAR"), value) << value.size();
    }
    EXPECT_EQ(env.Get("BB_TEST_NEVER_SET"), std::nullopt);
    // The service and the process see the same variable (the last one set).
    char raw[64] = {};
    EXPECT_GT(GetEnvironmentVariableA("BB_TEST_VAR", raw, sizeof raw), 0u);
    EXPECT_STREQ(raw, "C:\\Lib;C:\\Other");
}

// FindFirstFileA("*.htm") alone would also find index.html by its short name.
TEST(FilesWin32, PatternsMatchLongNamesOnlyAndFoldersMayEndInASeparator) {
    bb::test::Sandbox box;
    for (const char* name : {"index.html", "Readme.HTM", "english.lng", "english.lngx"}) box.WriteFile(name);
    auto names = [](const std::string& folder, const char* pattern) {
        std::vector<std::string> names;
        for (const auto& e : platform::SystemFiles().List(folder, pattern).value_or(std::vector<FolderEntry>{}))
            names.push_back(e.name);
        std::sort(names.begin(), names.end());
        return names;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names(box.Folder(), "*.htm"), V{"Readme.HTM"});
    EXPECT_EQ(names(box.Folder(), "*.lng"), V{"english.lng"});
    EXPECT_EQ(names(box.Folder(), "*.*").size(), 4u);
    EXPECT_EQ(names(box.Folder() + "\\", "readme.*"), V{"Readme.HTM"});
}

// The program path is checked by the portable platform tests, which run here too.
TEST(FilesWin32, DriveVolumeName) {
    char expected[MAX_PATH] = {};
    ASSERT_TRUE(GetVolumeInformationA("C:\\", expected, sizeof expected, nullptr, nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(platform::SystemFiles().VolumeName("C:\\"), std::string(expected));
    EXPECT_EQ(platform::SystemFiles().VolumeName("Q:\\no\\such\\drive\\"), std::nullopt);
}

// Loading by full path, symbols by name and freeing with the last owner are
// checked on the recording library itself (binding_win32_test).
TEST(ModuleLoaderWin32, RefusesMissingFilesAndBareNames) {
    auto& loader = platform::SystemModuleLoader();
    EXPECT_EQ(loader.Load("C:\\no_such_folder\\no_such_module.dll"), nullptr);
    EXPECT_EQ(loader.Load(""), nullptr);
    // kernel32.dll exists on the search path, but is not named by a path.
    EXPECT_EQ(loader.Load("kernel32.dll"), nullptr);
}

}  // namespace
}  // namespace bb::platform
