// The NRG footer read back by a parser written from the format's public
// description: chunk chain, offsets and the single Mode 1 track.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "recorder/image/ImageWriter.h"
#include "tests/recorder/image/DvdVideoFiles.h"

namespace bb::recorder::image {
namespace {

uint64_t Be(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | b[at + size_t(i)];
    return v;
}

struct Chunk {
    std::string id;
    size_t at;  // offset of the payload within the footer
    uint32_t length;
};

// The footer follows the image directly: chunk offsets in the file are
// imageBytes + offsets in `footer`. Follows the chain from the trailer.
std::vector<Chunk> ParseFooter(const std::vector<uint8_t>& footer, uint64_t imageBytes) {
    std::vector<Chunk> chunks;
    if (footer.size() < 12) return chunks;
    EXPECT_EQ(std::string(footer.end() - 12, footer.end() - 8), "NER5");
    const uint64_t first = Be(footer, footer.size() - 8, 8);
    EXPECT_EQ(first, imageBytes) << "the first chunk starts right after the image";
    size_t pos = size_t(first - imageBytes);
    while (pos + 8 <= footer.size() - 12) {
        Chunk c{std::string(footer.begin() + long(pos), footer.begin() + long(pos) + 4), pos + 8,
                uint32_t(Be(footer, pos + 4, 4))};
        chunks.push_back(c);
        pos += 8 + c.length;
        if (c.id == "END!") break;
    }
    EXPECT_EQ(pos, footer.size() - 12) << "the chain must end where the trailer starts";
    return chunks;
}

TEST(NrgFooter, ParsesBackAsOneMode1Track) {
    struct Case {
        uint64_t sectors;
        bool dvd;
        uint32_t mediaType;
    } cases[] = {{640, true, 4}, {2295104, true, 4}, {3000000, true, 4}, {300000, false, 1}};
    for (const Case& c : cases) {
        const uint64_t imageBytes = c.sectors * 2048;
        const std::vector<uint8_t> f = BuildNrgFooter(c.sectors, c.dvd);
        const std::vector<Chunk> chunks = ParseFooter(f, imageBytes);
        std::vector<std::string> ids;
        for (const Chunk& chunk : chunks) ids.push_back(chunk.id);
        ASSERT_EQ(ids, (std::vector<std::string>{"CUEX", "DAOX", "SINF", "MTYP", "END!"}));

        // Cue: lead-in, index 0, index 1, lead-out; one Mode 1 track in the
        // disc-at-once chunk.
        ASSERT_EQ(chunks[0].length, 32u);
        ASSERT_EQ(chunks[1].length, 22u + 42u);
        EXPECT_EQ(chunks[2].length, 4u);
        const size_t cue = chunks[0].at, dao = chunks[1].at, track = dao + 22;
        testing::ExpectFields(
            f.data(),
            {{"lead-in position", cue + 4, -4, uint32_t(-150)}, {"track number", cue + 17, 1, 1},
             {"index number", cue + 18, 1, 1}, {"index 1 position", cue + 20, -4, 0}, {"lead-out", cue + 25, 1, 0xAA},
             {"lead-out position", cue + 28, -4, c.sectors}, {"first track", dao + 20, 1, 1},
             {"last track", dao + 21, 1, 1}, {"sector size", track + 12, -2, 2048}, {"mode 1", track + 14, 1, 0},
             {"index 0 offset", track + 18, -8, 0}, {"index 1 offset", track + 26, -8, 0},
             {"track end: beyond 4 GiB in the larger cases", track + 34, -8, imageBytes},
             {"tracks in the session", chunks[2].at, -4, 1}, {"media type", chunks[3].at, -4, c.mediaType}},
            "NRG footer");
        EXPECT_EQ(chunks[4].length, 0u);
    }
}

}  // namespace
}  // namespace bb::recorder::image
