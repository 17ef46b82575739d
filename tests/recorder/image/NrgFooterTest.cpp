// The NRG footer read back by a parser written from the format's public
// description: chunk chain, offsets and the single Mode 1 track.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "recorder/image/ImageWriter.h"

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

        const Chunk& cue = chunks[0];
        ASSERT_EQ(cue.length, 32u);  // lead-in, index 0, index 1, lead-out
        EXPECT_EQ(int32_t(Be(f, cue.at + 4, 4)), -150);
        EXPECT_EQ(f[cue.at + 17], 1);  // track 1
        EXPECT_EQ(f[cue.at + 18], 1);  // index 1
        EXPECT_EQ(Be(f, cue.at + 20, 4), 0u);
        EXPECT_EQ(f[cue.at + 25], 0xAA);
        EXPECT_EQ(Be(f, cue.at + 28, 4), c.sectors);

        const Chunk& dao = chunks[1];
        ASSERT_EQ(dao.length, 22u + 42u);
        EXPECT_EQ(f[dao.at + 20], 1);  // first track
        EXPECT_EQ(f[dao.at + 21], 1);  // last track
        const size_t track = dao.at + 22;
        EXPECT_EQ(Be(f, track + 12, 2), 2048u);
        EXPECT_EQ(f[track + 14], 0x00);  // Mode 1
        EXPECT_EQ(Be(f, track + 18, 8), 0u);
        EXPECT_EQ(Be(f, track + 26, 8), 0u);
        EXPECT_EQ(Be(f, track + 34, 8), imageBytes);  // beyond 4 GiB in the larger cases

        EXPECT_EQ(chunks[2].length, 4u);
        EXPECT_EQ(Be(f, chunks[2].at, 4), 1u);
        EXPECT_EQ(Be(f, chunks[3].at, 4), c.mediaType);
        EXPECT_EQ(chunks[4].length, 0u);
    }
}

}  // namespace
}  // namespace bb::recorder::image
