#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "tests/support/Sandbox.h"

namespace bb::platform {
namespace {

class FilesTest : public bb::test::SandboxTest {
protected:
    // "name/" for folders, "name=size" for files, sorted.
    std::vector<std::string> Listing(const std::string& pattern) {
        std::vector<std::string> out;
        auto entries = m_files.List(Folder(), pattern);
        EXPECT_TRUE(entries.has_value());
        for (const auto& e : entries.value_or(std::vector<platform::FolderEntry>{}))
            out.push_back(e.isFolder ? e.name + "/" : e.name + "=" + std::to_string(e.size));
        std::sort(out.begin(), out.end());
        return out;
    }

    platform::Files& m_files = platform::SystemFiles();
};

TEST_F(FilesTest, ListsFilesAndFoldersMatchingThePattern) {
    WriteFile("VIDEO_TS.IFO", "12345");
    WriteFile("vts_01_1.vob", "123");
    MakeFolder("JACKET_P");
    MakeFolder("Extra.vob");

    using V = std::vector<std::string>;
    EXPECT_EQ(Listing("*"), (V{"Extra.vob/", "JACKET_P/", "VIDEO_TS.IFO=5", "vts_01_1.vob=3"}));
    EXPECT_EQ(Listing("*.VOB"), (V{"Extra.vob/", "vts_01_1.vob=3"}));
    EXPECT_EQ(Listing("video_ts.???"), (V{"VIDEO_TS.IFO=5"}));
    EXPECT_EQ(Listing("*.lng"), V{});
    EXPECT_FALSE(m_files.List(At("missing"), "*").has_value());
    EXPECT_FALSE(m_files.List(At("VIDEO_TS.IFO"), "*").has_value());

    struct Case {
        std::string name;
        bool exists, isFolder;
    } cases[] = {{"VIDEO_TS.IFO", true, false}, {"JACKET_P", true, true}, {"missing", false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(m_files.Exists(At(c.name)), c.exists) << c.name;
        EXPECT_EQ(m_files.IsFolder(At(c.name)), c.isFolder) << c.name;
    }
}

// The scan tells a link back up by the id of the folder it leads to.
TEST_F(FilesTest, FolderIdentityIsTheFolderWhateverThePath) {
    MakeFolder("a");
    MakeFolder("a/inner");
    MakeFolder("b");
    WriteFile("file");
    const auto a = m_files.FolderIdentity(At("a"));
    ASSERT_TRUE(a.has_value());
    const std::string inner = platform::JoinPath(At("a"), "inner");
    EXPECT_EQ(m_files.FolderIdentity(inner + platform::kPathSeparator + ".."), a);
    EXPECT_NE(m_files.FolderIdentity(At("b")), a);
    EXPECT_NE(m_files.FolderIdentity(inner), a);
    EXPECT_EQ(m_files.FolderIdentity(At("file")), std::nullopt);
    EXPECT_EQ(m_files.FolderIdentity(At("missing")), std::nullopt);

    std::error_code error;
    std::filesystem::create_directory_symlink(At("a"), At("link"), error);
    if (error || !std::filesystem::is_directory(At("link")))
        GTEST_SKIP() << "this system makes no symbolic links to folders";
    EXPECT_EQ(m_files.FolderIdentity(At("link")), a);
}

TEST_F(FilesTest, SizesBeyondFourGibibytes) {
    // Sparse: takes no disk space on file systems that support holes.
    const uint64_t size = (uint64_t(5) << 30) + 3;
    WriteFile("big.vob");
    std::filesystem::resize_file(At("big.vob"), size);

    EXPECT_EQ(m_files.FileSize(At("big.vob")), size);
    EXPECT_EQ(Listing("big.*"), std::vector<std::string>{"big.vob=" + std::to_string(size)});
    EXPECT_EQ(m_files.FileSize(At("missing")), std::nullopt);
    EXPECT_EQ(m_files.FileSize(Folder()), std::nullopt);
}

TEST_F(FilesTest, MoveRefusesToReplaceAndDeleteRemovesOnce) {
    WriteFile("a.dll", "A");
    WriteFile("b.dll", "B");
    EXPECT_FALSE(m_files.Move(At("a.dll"), At("b.dll")));
    EXPECT_EQ(Read("a.dll") + Read("b.dll"), "AB");

    ASSERT_TRUE(m_files.Move(At("a.dll"), At("a.dll.bak")));
    EXPECT_FALSE(m_files.Exists(At("a.dll")));
    EXPECT_EQ(Read("a.dll.bak"), "A");
    EXPECT_FALSE(m_files.Move(At("a.dll"), At("c.dll")));

    EXPECT_TRUE(m_files.Delete(At("b.dll")));
    EXPECT_FALSE(m_files.Exists(At("b.dll")));
    EXPECT_FALSE(m_files.Delete(At("b.dll")));
}

// (Where the program is comes from ProgramPath, which every end-to-end run
// needs to find its registry store and library beside itself.)
TEST(Files, JoinPathAddsOneSeparator) {
    const std::string s(1, platform::kPathSeparator);
    EXPECT_EQ(platform::JoinPath("dir", "file"), "dir" + s + "file");
    EXPECT_EQ(platform::JoinPath("dir" + s, "file"), "dir" + s + "file");
    EXPECT_EQ(platform::JoinPath("", "file"), "file");
}

}  // namespace
}  // namespace bb::platform
