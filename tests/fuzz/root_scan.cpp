// The DVD root scan and the folder size over a generated tree: any names
// (DVD-Video names in any case among them), any depth, files of any size,
// and links to folders of the tree, loops included. Both end, the tree they
// build holds only terminated names and paths, and each folder or file of
// the tree appears in it at most once per way down that is not a loop.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "compilation/CompilationHost.h"
#include "compilation/DvdRootScan.h"
#include "compilation/FolderSize.h"
#include "settings/LanguageTable.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/MemoryFiles.h"

namespace bb::fuzz {

namespace {

constexpr const char* kRoot = "/fuzz/root";
constexpr unsigned kMaxEntries = 64;
constexpr unsigned kMaxLinks = 4;

const char* const kDvdNames[] = {"VIDEO_TS", "video_ts", "AUDIO_TS", "JACKET_P", "VIDEO_TS.IFO",
                                 "VIDEO_TS.BUP", "VIDEO_TS.VOB", "VTS_01_0.IFO", "VTS_01_1.VOB",
                                 "vts_01_0.bup", "J00___5L.MP2", "J00___5S.MP2"};

class CountingWindow : public compilation::LogSink, public compilation::StatusLine {
public:
    void AppendLog(const std::string& line) override { ++lines, bytes += line.size(); }
    void AppendLogId(int) override { ++lines; }
    void ShowStatus(const std::string&) override {}
    size_t lines = 0;
    size_t bytes = 0;
};

std::string Name(fuzz::FuzzInput& in) {
    std::string name;
    switch (in.Below(4)) {
    case 0: name = kDvdNames[in.Below(std::size(kDvdNames))]; break;
    case 1: name = std::string(100 + in.Byte(), char('a' + in.Below(26))); break;  // long
    default: name = in.Text(24); break;
    }
    for (char& c : name)
        if (c == '/' || c == '\0') c = '_';
    if (name.empty() || name == "." || name == "..") name = "x";
    return name;
}

uint64_t Size(fuzz::FuzzInput& in) {
    switch (in.Below(4)) {
    case 0: return 0;
    case 1: return (uint64_t(1) << 32) + in.U32();  // over 4 GiB
    case 2: return in.U64();
    default: return in.Byte() * 2048u;
    }
}

void BuildTree(fuzz::FuzzInput& in, fuzz::MemoryFiles& files) {
    using Node = fuzz::MemoryFiles::Node;
    std::vector<Node*> path = {&files.Root()};  // the folders from the root down to the cursor
    std::vector<Node*> folders = {&files.Root()};
    unsigned links = 0;
    for (unsigned n = 0; n < kMaxEntries && !in.Empty(); ++n) {
        Node& here = *path.back();
        switch (in.Below(5)) {
        case 0:
        case 1: files.Add(here, Name(in), false, Size(in), nullptr); break;
        case 2:
            if (Node* folder = files.Add(here, Name(in), true, 0, nullptr)) {
                path.push_back(folder);
                folders.push_back(folder);
            }
            break;
        case 3:
            if (path.size() > 1) path.pop_back();
            break;
        default:
            if (links < kMaxLinks) {
                ++links;
                files.Add(here, Name(in), true, 0, folders[in.Below(unsigned(folders.size()))]);
            }
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in(data, size);
    fuzz::MemoryFiles files(kRoot);
    BuildTree(in, files);

    static settings::LanguageTable texts;
    CountingWindow window;
    const double bytes = compilation::GetFolderSize(files, kRoot, &window);
    BB_FUZZ_CHECK(bytes >= 0 && !std::isnan(bytes));

    compilation::IsoTree tree;
    compilation::ScanContext ctx{tree, window, texts, files};
    const neroapi::IsoItem* first = compilation::ScanDvdRoot(kRoot, ctx, window);
    BB_FUZZ_CHECK((first == nullptr) == !tree);

    // Walk the tree without recursion; every text field is terminated.
    std::vector<const neroapi::IsoItem*> pending = {tree.Root()};
    size_t items = 0;
    while (!pending.empty()) {
        const neroapi::IsoItem* item = pending.back();
        pending.pop_back();
        for (; item != nullptr; item = item->next) {
            ++items;
            BB_FUZZ_CHECK(strnlen(item->name, sizeof item->name) < sizeof item->name);
            BB_FUZZ_CHECK(strnlen(item->sourcePath, sizeof item->sourcePath) < sizeof item->sourcePath);
            BB_FUZZ_CHECK(item->isFolder == 0 || item->sourcePath[0] == '\0');
            if (item->firstChild != nullptr) pending.push_back(item->firstChild);
        }
    }
    // Links only ever repeat what the tree already holds: with at most four
    // of them, no folder can be walked more than 2^4 times.
    BB_FUZZ_CHECK(items <= size_t(kMaxEntries + 4) << kMaxLinks);
    return 0;
}

}  // namespace bb::fuzz
