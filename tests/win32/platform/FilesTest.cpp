// The Files service on Wine's file system: what the Win32 calls add to the
// portable behaviour (short names, drive roots, volume names).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "tests/support/Sandbox.h"

namespace bb::platform {

namespace {

class FilesWin32Test : public bb::test::SandboxTest {
protected:
    std::vector<std::string> Names(const std::string& folder, const std::string& pattern) {
        std::vector<std::string> names;
        for (const auto& e : m_files.List(folder, pattern).value_or(std::vector<platform::FolderEntry>{}))
            names.push_back(e.name);
        std::sort(names.begin(), names.end());
        return names;
    }

    platform::Files& m_files = platform::SystemFiles();
};

// FindFirstFileA("*.htm") alone would also find index.html by its short name.
TEST_F(FilesWin32Test, PatternsMatchLongNamesOnlyAndFoldersMayEndInASeparator) {
    for (const char* name : {"index.html", "Readme.HTM", "english.lng", "english.lngx"}) WriteFile(name);
    using V = std::vector<std::string>;
    EXPECT_EQ(Names(Folder(), "*.htm"), V{"Readme.HTM"});
    EXPECT_EQ(Names(Folder(), "*.lng"), V{"english.lng"});
    EXPECT_EQ(Names(Folder(), "*.*").size(), 4u);
    EXPECT_EQ(Names(Folder() + "\\", "readme.*"), V{"Readme.HTM"});
}

TEST(FilesWin32, ProgramPathAndDriveVolume) {
    auto& files = platform::SystemFiles();
    const std::string program = files.ProgramPath();
    ASSERT_GE(program.size(), 4u);
    EXPECT_EQ(program.substr(1, 2), ":\\") << program;

    char expected[MAX_PATH] = {};
    ASSERT_TRUE(GetVolumeInformationA("C:\\", expected, sizeof expected, nullptr, nullptr, nullptr,
                                      nullptr, 0));
    EXPECT_EQ(files.VolumeName("C:\\"), std::string(expected));
    EXPECT_EQ(files.VolumeName("Q:\\no\\such\\drive\\"), std::nullopt);
}

}  // namespace

}  // namespace bb::platform
