#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "compilation/DvdRootScan.h"
#include "platform/Files.h"
#include "tests/compilation/ScanFixture.h"

namespace bb::compilation {

using compilation::IsoTree;
using compilation::ScanContext;

namespace {

const std::vector<std::string> kVideoTs = {
    "VIDEO_TS/VIDEO_TS.IFO", "VIDEO_TS/VIDEO_TS.VOB", "VIDEO_TS/VIDEO_TS.BUP",
    "VIDEO_TS/VTS_01_0.IFO", "VIDEO_TS/VTS_01_1.VOB", "VIDEO_TS/VTS_01_0.BUP"};
const char* const kVideoTsTree =
    "VIDEO_TS{VIDEO_TS.IFO VIDEO_TS.VOB VIDEO_TS.BUP VTS_01_0.IFO VTS_01_1.VOB VTS_01_0.BUP}";
const std::vector<std::string> kVideoTsLog = {"T694", "Adding VIDEO_TS.IFO", "Adding VIDEO_TS.VOB",
    "Adding VIDEO_TS.BUP", "Adding VTS_01_0.IFO", "Adding VTS_01_1.VOB", "Adding VTS_01_0.BUP"};
// The scan's first lines on a root with VIDEO_TS and no AUDIO_TS.
const std::vector<std::string> kHead = {"T682", "T772 \"{root}\"", "T690", "T684"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "NAME{children} NAME ..." with every record checked on the way: only the
// fields the scan sets may be non-zero, and a file is read from where it is,
// whatever the case of its name ("NAME<name on disk>" where they differ).
// `sorted`: siblings in sorted order, where the file system's order shows.
std::string Render(const neroapi::IsoItem* item, bool sorted = false) {
    std::vector<std::string> parts;
    static const uint8_t kZero[sizeof item->zero] = {};
    for (; item; item = item->next) {
        std::string part = item->name;
        EXPECT_EQ(item->reference, 0u) << item->name;
        EXPECT_EQ(std::memcmp(item->zero, kZero, sizeof kZero), 0) << item->name;
        if (item->isFolder == 1) {
            EXPECT_STREQ(item->sourcePath, "") << item->name;
            part += "{" + Render(item->firstChild, sorted) + "}";
        } else {
            EXPECT_EQ(item->isFolder, 0u) << item->name;
            EXPECT_EQ(item->firstChild, nullptr) << item->name;
            EXPECT_TRUE(std::filesystem::is_regular_file(item->sourcePath)) << item->sourcePath;
            const std::string found = std::filesystem::path(item->sourcePath).filename().string();
            if (found != item->name) part += "<" + found + ">";
        }
        parts.push_back(part);
    }
    if (sorted) std::sort(parts.begin(), parts.end());
    std::string out;
    for (const std::string& part : parts) out += (out.empty() ? "" : " ") + part;
    return out;
}

struct ScanCase {
    const char* name;
    std::vector<std::string> entries;
    std::string tree;               // empty: the scan fails
    std::vector<std::string> log;   // "{root}" stands for the root; empty: not compared
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class DvdRootScanTest : public ScanSandbox, public ::testing::WithParamInterface<ScanCase> {
protected:
    std::string Expand(std::string line) const {
        line = P(line);
        for (size_t at; (at = line.find("{root}")) != std::string::npos;)
            line.replace(at, 6, m_root);
        return line;
    }
};

// A folder that Windows can still list (its path below MAX_PATH) holding a
// file whose path does not fit the 256-byte field.
const std::string kLongFolder(120, 'f');
const std::string kLongFile(100, 'n');

const ScanCase kScanCases[] = {
    {"OnlyVideoTs", kVideoTs, "AUDIO_TS{} " + std::string(kVideoTsTree),
     kHead + kVideoTsLog + std::vector<std::string>{"T775 \"{root}\"..."}},
    {"RootIsTheVideoTsFolder",
     {"VIDEO_TS.IFO", "VIDEO_TS.BUP", "VTS_01_0.IFO", "VTS_01_0.VOB", "notes.txt", "extra/"},
     "AUDIO_TS{} VIDEO_TS{VIDEO_TS.IFO VIDEO_TS.BUP VTS_01_0.IFO VTS_01_0.VOB}",
     {"T682", "T772 \"{root}\"", "T690", "T686", "T694", "Adding VIDEO_TS.IFO", "T696",
      "Adding VIDEO_TS.BUP", "Adding VTS_01_0.IFO", "Adding VTS_01_0.VOB"}},
    {"TitleSetGapsPartsAndStrays",
     {"VIDEO_TS/VIDEO_TS.IFO", "VIDEO_TS/VIDEO_TS.BUP", "VIDEO_TS/VTS_01_0.IFO",
      "VIDEO_TS/VTS_01_1.VOB", "VIDEO_TS/VTS_01_9.VOB", "VIDEO_TS/VTS_01_10.VOB",
      "VIDEO_TS/VTS_01_0.BUP", "VIDEO_TS/VTS_02_0.IFO", "VIDEO_TS/VTS_02_1.VOB",
      "VIDEO_TS/VTS_03_1.VOB", "VIDEO_TS/VTS_03_0.BUP", "VIDEO_TS/VTS_05_0.IFO",
      "VIDEO_TS/VTS_05_0.BUP", "VIDEO_TS/VTS_99_0.IFO", "VIDEO_TS/VIDEO_TS.TXT",
      "VIDEO_TS/VTS_04_0.IFO/"},
     "AUDIO_TS{} VIDEO_TS{VIDEO_TS.IFO VIDEO_TS.BUP VTS_01_0.IFO VTS_01_1.VOB VTS_01_9.VOB "
     "VTS_01_0.BUP VTS_02_0.IFO VTS_02_1.VOB VTS_05_0.IFO VTS_05_0.BUP VTS_99_0.IFO}",
     {}},
    {"LowerCaseNamesGoUpOnlyInsideVideoTs",
     {"video_ts/video_ts.ifo", "video_ts/Video_Ts.Bup", "video_ts/vts_01_0.ifo",
      "video_ts/vts_01_1.vob", "ReadMe.txt"},
     "AUDIO_TS{} VIDEO_TS{VIDEO_TS.IFO<video_ts.ifo> VIDEO_TS.BUP<Video_Ts.Bup> VTS_01_0.IFO<vts_01_0.ifo> "
     "VTS_01_1.VOB<vts_01_1.vob>} ReadMe.txt",
     kHead + std::vector<std::string>{"T694", "Adding VIDEO_TS.IFO", "T696", "Adding VIDEO_TS.BUP",
                                      "Adding VTS_01_0.IFO", "Adding VTS_01_1.VOB", "T775 \"{root}\"...",
                                      "Adding file {root}/ReadMe.txt..."}},
    {"DvdFolderNamesSkippedAtAnyDepth",
     kVideoTs + std::vector<std::string>{"data/Sub/video_ts/x.txt", "data/Sub/Audio_TS/",
                                         "data/Sub/keep.txt", "data/jacket_p"},
     "AUDIO_TS{} " + std::string(kVideoTsTree) + " data{Sub{keep.txt}}",
     kHead + kVideoTsLog + std::vector<std::string>{"T775 \"{root}\"...", "T775 \"{root}/data\"...",
                                                    "T775 \"{root}/data/Sub\"...", "Adding file {root}/data/Sub/keep.txt..."}},
    {"JacketTakesOnlyPictures",
     kVideoTs + std::vector<std::string>{"JACKET_P/j00___5l.mp2", "JACKET_P/cover.jpg"},
     "AUDIO_TS{} " + std::string(kVideoTsTree) + " JACKET_P{J00___5L.MP2<j00___5l.mp2>}",
     kHead + std::vector<std::string>{"T692"} + kVideoTsLog + std::vector<std::string>{"T698", "Adding J00___5L.MP2", "T775 \"{root}\"..."}},
    {"AudioTsContentKeepsItsCase",
     kVideoTs + std::vector<std::string>{"AUDIO_TS/Sound.aob"},
     "AUDIO_TS{Sound.aob} " + std::string(kVideoTsTree),
     std::vector<std::string>{"T682", "T772 \"{root}\"", "T688", "T684",
                              "T775 \"{root}/AUDIO_TS\"...",
                              "Adding file {root}/AUDIO_TS/Sound.aob..."} +
         kVideoTsLog + std::vector<std::string>{"T775 \"{root}\"..."}},
    {"MissingIfoFails", {"VIDEO_TS/VIDEO_TS.BUP", "VIDEO_TS/VTS_01_0.IFO"}, "",
     kHead + std::vector<std::string>{"T694", "T616"}},
    {"MissingBupFails", {"VIDEO_TS/VIDEO_TS.IFO", "VIDEO_TS/VIDEO_TS.VOB"}, "",
     kHead + std::vector<std::string>{"T694", "Adding VIDEO_TS.IFO", "Adding VIDEO_TS.VOB", "T618"}},
    {"OverlongSourcePathRefused",
     kVideoTs + std::vector<std::string>{"data/" + kLongFolder + "/" + kLongFile},
     "",
     kHead + kVideoTsLog +
         std::vector<std::string>{
             "T775 \"{root}\"...", "T775 \"{root}/data\"...",
             "T775 \"{root}/data/" + kLongFolder + "\"...",
             compilation::kPathTooLongLine + std::string("{root}/data/") + kLongFolder + "/" +
                 kLongFile}},
};

// Each root is scanned twice: the second scan replaces the first one's tree.
TEST_P(DvdRootScanTest, BuildsTreeAndLog) {
    const ScanCase& c = GetParam();
    MakeTree(c.entries);
    RecordingWindow window(m_texts);
    IsoTree tree;
    ScanContext ctx{tree, window, m_texts, platform::SystemFiles()};
    (void)compilation::ScanDvdRoot(m_root, ctx, window);
    window.log.clear(), window.status.clear();

    const neroapi::IsoItem* result = compilation::ScanDvdRoot(m_root, ctx, window);

    EXPECT_EQ(result, tree.Root());
    if (!c.tree.empty()) {
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(Render(result), c.tree);
        EXPECT_EQ(window.status, (std::vector<std::string>{"T771", "T773"}));
    } else {
        EXPECT_EQ(result, nullptr);
        EXPECT_EQ(window.status, (std::vector<std::string>{"T771", "T774"}));
    }
    if (!c.log.empty()) {
        std::vector<std::string> expected;
        for (const std::string& line : c.log)
            expected.push_back(Expand(line));
        EXPECT_EQ(window.log, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Roots, DvdRootScanTest, ::testing::ValuesIn(kScanCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ScanDetailsTest : public ScanSandbox {};

// Links back to the root or to the folder itself once made the scan walk
// round until the path was too long; they are passed by with a line each,
// while a link to a folder outside the root is followed as before.
TEST_F(ScanDetailsTest, LinksBackUpAreLoggedAndLeftOffTheDisc) {
    MakeTree(kVideoTs + std::vector<std::string>{"AUDIO_TS/", "data/a.txt", "other/"});
    MakeTree({"../elsewhere/e.txt"});
    if (!MakeFolderLink("AUDIO_TS/back", "..") || !MakeFolderLink("data/up", "..") ||
        !MakeFolderLink("other/self", ".") || !MakeFolderLink("data/out", m_base / "elsewhere"))
        GTEST_SKIP() << "this system makes no symbolic links to folders";
    RecordingWindow window(m_texts);
    IsoTree tree;
    ScanContext ctx{tree, window, m_texts, platform::SystemFiles()};

    const neroapi::IsoItem* audio = compilation::ScanDvdRoot(m_root, ctx, window);

    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(Render(audio, true),
              "AUDIO_TS{} VIDEO_TS{VIDEO_TS.BUP VIDEO_TS.IFO VIDEO_TS.VOB VTS_01_0.BUP VTS_01_0.IFO VTS_01_1.VOB} "
              "data{a.txt out{e.txt}} other{}");
    std::vector<std::string> skipped;
    for (const std::string& line : window.log)
        if (line.rfind(compilation::kFolderLoopLine, 0) == 0)
            skipped.push_back(line.substr(std::strlen(compilation::kFolderLoopLine)));
    std::sort(skipped.begin(), skipped.end());
    EXPECT_EQ(skipped, (std::vector<std::string>{At("AUDIO_TS/back"), At("data/up"), At("other/self")}));
    EXPECT_EQ(window.status, (std::vector<std::string>{"T771", "T773"}));
}

// Windows lists no folder whose path passes MAX_PATH. A folder that cannot
// be listed is logged and left out; one too deep for any of its files to be
// named on the disc is refused like such a file, so nothing goes missing.
TEST_F(ScanDetailsTest, AFolderThatCannotBeListedIsLeftOutOrRefusedWhenTooDeep) {
    NoListing files("locked");
    const std::string deep = "data/" + kLongFolder + "/" + std::string(130, 'g') + "locked";
    for (const std::string& locked : {std::string("data/locked"), deep}) {
        std::filesystem::remove_all(m_root);
        MakeTree(kVideoTs + std::vector<std::string>{locked + "/x.vob"});
        RecordingWindow window(m_texts);
        IsoTree tree;
        ScanContext ctx{tree, window, m_texts, files};
        const bool tooDeep = locked == deep;
        EXPECT_EQ(compilation::ScanDvdRoot(m_root, ctx, window) == nullptr, tooDeep) << locked.size();
        EXPECT_EQ(window.log.back(), std::string(tooDeep ? compilation::kPathTooLongLine
                                                         : compilation::kUnreadableFolderLine) +
                                         At(locked));
    }
}

TEST(IsoTreeTest, FreesLongChainsAndDeepFoldersAndRefusesLongNames) {
    neroapi::IsoItem* root = compilation::NewIsoItem();
    neroapi::IsoItem* last = root;
    for (int i = 0; i < 200000; ++i) {
        neroapi::IsoItem* item = compilation::NewIsoItem();
        ASSERT_NE(item, nullptr);
        // Alternate between widening and deepening the tree.
        (i % 2 ? last->next : last->firstChild) = item;
        last = item;
    }
    compilation::FreeIsoTree(root);
    EXPECT_EQ(root, nullptr);
    // Names of more than 255 bytes do not fit.
    neroapi::IsoItem item{};
    EXPECT_TRUE(compilation::SetIsoText(item.name, std::string(255, 'a')));
    EXPECT_FALSE(compilation::SetIsoText(item.name, std::string(256, 'b')));
    EXPECT_EQ(std::string(item.name), std::string(255, 'a'));
}

}  // namespace
}  // namespace bb::compilation
