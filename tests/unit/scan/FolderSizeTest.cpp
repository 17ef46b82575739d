#include <gtest/gtest.h>

#include "DelegatingFiles.h"
#include "ScanSandbox.h"
#include "compilation/DvdRootScan.h"
#include "compilation/FolderSize.h"
#include "platform/Files.h"

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
    RecordingWindow window(texts_);

    const struct {
        std::string path;
        double bytes;
    } cases[] = {
        {root_, double(kFiveGiB + 3 + 12288 + 7)},
        {root_ + "/", double(kFiveGiB + 3 + 12288 + 7)},
        {root_ + "//", double(kFiveGiB + 3 + 12288 + 7)},
        {At("data"), 7},
        {At("empty"), 0},
        {At("VIDEO_TS/VIDEO_TS.IFO"), 0},  // a file is no folder
        {At("missing"), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compilation::GetFolderSize(c.path, &window), c.bytes) << c.path;
    EXPECT_TRUE(window.log.empty());
}

// Stands in for a folder the user may not read; everything else is real.
class UnreadableFolderFiles : public DelegatingFiles {
public:
    explicit UnreadableFolderFiles(std::string unreadable) : unreadable_(std::move(unreadable)) {}
    std::optional<std::vector<platform::FolderEntry>> List(const std::string& folder,
                                                           const std::string& pattern) override {
        if (folder == unreadable_)
            return std::nullopt;
        return real().List(folder, pattern);
    }

private:
    std::string unreadable_;
};

TEST_F(FolderSizeTest, UnreadableFolderIsLoggedNotCountedAsEmptyInSilence) {
    MakeFileOfSize("open/a.bin", 100);
    MakeFileOfSize("locked/b.bin", 50);
    UnreadableFolderFiles files(At("locked"));
    RecordingWindow window(texts_);

    EXPECT_EQ(compilation::GetFolderSize(files, root_, &window), 100.0);
    EXPECT_EQ(window.log, std::vector<std::string>{compilation::kUnreadableFolderLine + At("locked")});
}

}  // namespace
