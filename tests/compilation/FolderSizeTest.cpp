#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "compilation/DvdRootScan.h"
#include "compilation/FolderSize.h"
#include "tests/compilation/ScanFixture.h"

namespace bb::compilation {
namespace {

class FolderSizeTest : public ScanSandbox {
protected:
    void MakeFileOfSize(const std::string& relative, uint64_t size) const {
        MakeTree({relative});
        std::filesystem::resize_file(At(relative), size);
    }
};

constexpr uint64_t kFiveGiB = 5ull << 30;

// Sizes above 4 GiB count in full; a sparse file costs no disk space.
TEST_F(FolderSizeTest, CountsEveryFileBelowTheFolderInFull) {
    MakeFileOfSize("VIDEO_TS/VTS_01_1.VOB", kFiveGiB + 3);
    MakeFileOfSize("VIDEO_TS/VIDEO_TS.IFO", 12288);
    MakeFileOfSize("data/deep/er/notes.txt", 7);
    MakeTree({"empty/"});
    RecordingWindow window(m_texts);

    const struct { std::string path; double bytes; } cases[] = {
        {m_root, double(kFiveGiB + 3 + 12288 + 7)},
        {m_root + "/", double(kFiveGiB + 3 + 12288 + 7)},
        {m_root + "//", double(kFiveGiB + 3 + 12288 + 7)},
        {At("data"), 7},
        {At("empty"), 0},
        {At("VIDEO_TS/VIDEO_TS.IFO"), 0},  // a file is no folder
        {At("missing"), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compilation::GetFolderSize(c.path, &window), c.bytes) << c.path;
    EXPECT_TRUE(window.log.empty());
}

TEST_F(FolderSizeTest, UnreadableFolderIsLoggedNotCountedAsEmptyInSilence) {
    MakeFileOfSize("open/a.bin", 100);
    MakeFileOfSize("locked/b.bin", 50);
    NoListing files("locked");
    RecordingWindow window(m_texts);

    EXPECT_EQ(compilation::GetFolderSize(files, m_root, &window), 100.0);
    EXPECT_EQ(window.log, std::vector<std::string>{compilation::kUnreadableFolderLine + At("locked")});
}

// Two links to ".." in one folder once kept the walk busy for minutes; a
// link to a folder elsewhere is no loop and counts.
TEST_F(FolderSizeTest, LinksBackUpAreLoggedAndNotFollowed) {
    MakeFileOfSize("top.bin", 10);
    MakeFileOfSize("data/a.bin", 100);
    std::filesystem::create_directories(m_base / "elsewhere");
    std::ofstream(m_base / "elsewhere" / "e.bin", std::ios::binary) << std::string(1000, 'e');
    if (!MakeFolderLink("data/up1", "..") || !MakeFolderLink("data/up2", "..") ||
        !MakeFolderLink("self", ".") || !MakeFolderLink("data/out", m_base / "elsewhere"))
        GTEST_SKIP() << "this system makes no symbolic links to folders";
    RecordingWindow window(m_texts);

    EXPECT_EQ(compilation::GetFolderSize(m_root, &window), 1110.0);
    std::sort(window.log.begin(), window.log.end());
    EXPECT_EQ(window.log, (std::vector<std::string>{compilation::kFolderLoopLine + At("data/up1"),
                                                    compilation::kFolderLoopLine + At("data/up2"),
                                                    compilation::kFolderLoopLine + At("self")}));
}

}  // namespace
}  // namespace bb::compilation
