// The IFO reader that places a VIDEO_TS folder's files where its IFOs say.
// Whatever the IFOs hold, the planner either refuses with a reason or gives
// every DVD-Video file a place of its own: no two files share a sector, and
// every file ends inside the span the plan reports.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "recorder/image/DvdVideoLayout.h"
#include "tests/fuzz/FuzzInput.h"

namespace bb::fuzz {

namespace {

constexpr uint64_t kSector = 2048;

const char* const kNames[] = {"VIDEO_TS.IFO", "VIDEO_TS.VOB", "VIDEO_TS.BUP", "VTS_01_0.IFO",
                              "VTS_01_0.VOB", "VTS_01_1.VOB", "VTS_01_2.VOB", "VTS_01_0.BUP",
                              "VTS_02_0.IFO", "VTS_02_1.VOB", "VTS_02_0.BUP", "video_ts.ifo",
                              "VTS_01_3.VOB", "VTS_03_0.IFO", "VTS_03_1.VOB", "NOTES.TXT"};

std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = fuzz::ScratchFolder() + "/" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) fuzz::Fail("an IFO file can be written");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in(data, size);
    // Each file: its name, then for an IFO its contents (a sector count and
    // the bytes, zero-padded to whole sectors), for any other file a size.
    std::vector<recorder::image::DvdFile> files;
    const unsigned count = 1 + in.Below(8);
    for (unsigned i = 0; i < count && !in.Empty(); ++i) {
        recorder::image::DvdFile f;
        f.name = kNames[in.Below(std::size(kNames))];
        if (f.name.size() > 4 && (f.name.compare(f.name.size() - 4, 4, ".IFO") == 0 ||
                                  f.name.compare(f.name.size() - 4, 4, ".ifo") == 0)) {
            const unsigned sectors = 1 + in.Below(4);
            std::string bytes;
            for (unsigned s = 0; s < sectors; ++s) {
                std::string chunk = in.Text(255);
                // Sparse content: a chunk, placed at a chosen offset of its sector.
                std::string sector(kSector, '\0');
                const size_t at = s == 0 ? 0 : in.Byte() * 8;
                sector.replace(at, std::min(chunk.size(), kSector - at), chunk.substr(0, kSector - at));
                bytes += sector;
            }
            f.sourcePath = WriteFile(std::to_string(i) + ".ifo", bytes);
            f.size = bytes.size();
        } else {
            f.size = in.U32() * uint64_t(in.Below(4) == 0 ? 1 : kSector);
        }
        files.push_back(f);
    }

    const recorder::image::DvdLayout layout = recorder::image::PlanDvdVideoLayout(files);
    if (!layout.ok) {
        BB_FUZZ_CHECK(!layout.message.empty());
        return 0;
    }
    BB_FUZZ_CHECK(layout.offsets.size() == files.size());
    std::vector<std::pair<uint64_t, uint64_t>> extents;  // [first, end) in sectors
    for (size_t i = 0; i < files.size(); ++i) {
        if (layout.offsets[i] < 0) continue;
        const uint64_t first = uint64_t(layout.offsets[i]);
        const uint64_t end = first + (files[i].size + kSector - 1) / kSector;
        BB_FUZZ_CHECK(end <= layout.spanSectors);
        if (end > first) extents.emplace_back(first, end);
    }
    std::sort(extents.begin(), extents.end());
    for (size_t i = 1; i < extents.size(); ++i) BB_FUZZ_CHECK(extents[i - 1].second <= extents[i].first);
    return 0;
}

}  // namespace bb::fuzz
