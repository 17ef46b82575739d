// The Files service on Wine's file system: what the Win32 calls add to the
// portable behaviour (short names, drive roots, volume names).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace {

class FilesWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        folder_ = std::string(temp) + "bb-files-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    }
    void TearDown() override {
        for (const auto& name : created_)
            DeleteFileA((folder_ + "\\" + name).c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    void Touch(const std::string& name) {
        HANDLE h = CreateFileA((folder_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << name;
        CloseHandle(h);
        created_.push_back(name);
    }
    std::vector<std::string> Names(const std::string& pattern) {
        std::vector<std::string> names;
        auto entries = files_.List(folder_, pattern);
        EXPECT_TRUE(entries.has_value());
        if (entries)
            for (const auto& e : *entries)
                names.push_back(e.name);
        std::sort(names.begin(), names.end());
        return names;
    }

    platform::Files& files_ = platform::SystemFiles();
    std::string folder_;
    std::vector<std::string> created_;
};

TEST_F(FilesWin32Test, PatternsMatchLongNamesOnly) {
    Touch("index.html");
    Touch("Readme.HTM");
    Touch("english.lng");
    Touch("english.lngx");
    // FindFirstFileA("*.htm") alone would also find index.html by its short name.
    EXPECT_EQ(Names("*.htm"), std::vector<std::string>{"Readme.HTM"});
    EXPECT_EQ(Names("*.lng"), std::vector<std::string>{"english.lng"});
    EXPECT_EQ(Names("*.*").size(), 4u);
}

TEST_F(FilesWin32Test, FolderWithTrailingSeparatorAndMissingFolder) {
    Touch("VIDEO_TS.IFO");
    auto entries = files_.List(folder_ + "\\", "video_ts.*");
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_EQ((*entries)[0].name, "VIDEO_TS.IFO");
    EXPECT_FALSE(files_.List(folder_ + "\\missing", "*").has_value());
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
