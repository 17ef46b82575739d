// The environment, file and module services on Wine: what the Win32 calls
// add to the portable behaviour (short names, drive roots, volume names,
// loading by full path).
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
    for (const std::string& value : {std::string("C:\\Lib;C:\\Other"), std::string(), std::string(5000, 'x')}) {
        ASSERT_TRUE(env.Set("BB_TEST_VAR", value)) << value.size();
        EXPECT_EQ(env.Get("BB_TEST_VAR"), value) << value.size();
    }
    EXPECT_EQ(env.Get("BB_TEST_NEVER_SET"), std::nullopt);
    // The service and the process see the same variable.
    ASSERT_TRUE(env.Set("BB_TEST_VAR", "C:\\Lib;C:\\Other"));
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

TEST(FilesWin32, ProgramPathAndDriveVolume) {
    auto& files = platform::SystemFiles();
    const std::string program = files.ProgramPath();
    ASSERT_GE(program.size(), 4u);
    EXPECT_EQ(program.substr(1, 2), ":\\") << program;
    char expected[MAX_PATH] = {};
    ASSERT_TRUE(GetVolumeInformationA("C:\\", expected, sizeof expected, nullptr, nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(files.VolumeName("C:\\"), std::string(expected));
    EXPECT_EQ(files.VolumeName("Q:\\no\\such\\drive\\"), std::nullopt);
}

// bb_test_module.dll is built beside this test.
std::string TestFolder() {
    std::string program = platform::SystemFiles().ProgramPath();
    return program.substr(0, program.rfind('\\'));
}

TEST(ModuleLoaderWin32, LoadsByFullPathFindsSymbolsByNameAndFreesWithTheLastOwner) {
    const std::string path = TestFolder() + "\\bb_test_module.dll";
    {
        auto module = platform::SystemModuleLoader().Load(path);
        ASSERT_NE(module, nullptr);
        auto answer = reinterpret_cast<int(__cdecl*)(int)>(module->Symbol("bb_test_answer"));
        ASSERT_NE(answer, nullptr);
        EXPECT_EQ(answer(20), 41);
        EXPECT_EQ(module->Symbol("bb_no_such_export"), nullptr);
        EXPECT_NE(GetModuleHandleA(path.c_str()), nullptr);
    }
    EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);
}

TEST(ModuleLoaderWin32, RefusesMissingFilesAndBareNames) {
    auto& loader = platform::SystemModuleLoader();
    EXPECT_EQ(loader.Load(TestFolder() + "\\no_such_module.dll"), nullptr);
    EXPECT_EQ(loader.Load(""), nullptr);
    // kernel32.dll exists on the search path, but is not named by a path.
    EXPECT_EQ(loader.Load("kernel32.dll"), nullptr);
}

}  // namespace
}  // namespace bb::platform
