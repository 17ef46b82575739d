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
    std::vector<std::string> Names(const std::string& pattern) {
        std::vector<std::string> names;
        auto entries = m_files.List(m_folder, pattern);
        EXPECT_TRUE(entries.has_value());
        if (entries)
            for (const auto& e : *entries)
                names.push_back(e.name);
        std::sort(names.begin(), names.end());
        return names;
    }

    platform::Files& m_files = platform::SystemFiles();
    const std::string m_folder = Folder();
};

TEST_F(FilesWin32Test, PatternsMatchLongNamesOnly) {
    WriteFile("index.html");
    WriteFile("Readme.HTM");
    WriteFile("english.lng");
    WriteFile("english.lngx");
    // FindFirstFileA("*.htm") alone would also find index.html by its short name.
    EXPECT_EQ(Names("*.htm"), std::vector<std::string>{"Readme.HTM"});
    EXPECT_EQ(Names("*.lng"), std::vector<std::string>{"english.lng"});
    EXPECT_EQ(Names("*.*").size(), 4u);
}

TEST_F(FilesWin32Test, FolderWithTrailingSeparator) {
    WriteFile("VIDEO_TS.IFO");
    auto entries = m_files.List(m_folder + "\\", "video_ts.*");
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_EQ((*entries)[0].name, "VIDEO_TS.IFO");
}

TEST(FilesWin32, ProgramPathAndDriveVolume) {
    auto& files = platform::SystemFiles();
    const std::string program = files.ProgramPath();
    ASSERT_GE(program.size(), 4u);
    EXPECT_EQ(program.substr(1, 2), ":\\");
    EXPECT_EQ(program.substr(program.rfind('\\') + 1), "platform_win32_tests.exe");

    char expected[MAX_PATH] = {};
    ASSERT_TRUE(GetVolumeInformationA("C:\\", expected, sizeof expected, nullptr, nullptr, nullptr,
                                      nullptr, 0));
    EXPECT_EQ(files.VolumeName("C:\\"), std::string(expected));
    EXPECT_EQ(files.VolumeName("Q:\\no\\such\\drive\\"), std::nullopt);
}

}  // namespace

}  // namespace bb::platform
