// The vendor's image footer (v2, "NER5"), appended after a plain image. Its
// chunks and their fields follow the public descriptions of the format that
// open readers implement; every integer is big-endian.
#include <cstring>
#include <vector>

#include "recorder/image/ByteOrder.h"
#include "recorder/image/ImageWriter.h"

namespace bb::recorder::image {

namespace {

constexpr uint32_t kMediaCd = 0x00000001;
constexpr uint32_t kMediaDvdMinus = 0x00000004;

void AppendChunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& body) {
    const size_t at = out.size();
    out.resize(at + 8 + body.size());
    std::memcpy(out.data() + at, id, 4);
    PutBe32(out.data() + at + 4, uint32_t(body.size()));
    if (!body.empty()) std::memcpy(out.data() + at + 8, body.data(), body.size());
}

// A cue point: ADR/control (0x41: data track, LBA form), track and index
// in BCD, a zero byte, and the signed sector address.
void PutCue(uint8_t* p, uint8_t track, uint8_t index, int32_t lba) {
    p[0] = 0x41;
    p[1] = track;
    p[2] = index;
    p[3] = 0;
    PutBe32(p + 4, uint32_t(lba));
}

}  // namespace

std::vector<uint8_t> BuildNrgFooter(uint64_t imageSectors, bool isDvd) {
    const uint64_t imageBytes = imageSectors * kSectorSize;
    std::vector<uint8_t> out;

    // CUEX: lead-in, track 1 index 0 and 1, lead-out. The 150-sector pregap
    // sits before address 0 and is not stored in the file.
    std::vector<uint8_t> cue(32);
    PutCue(cue.data(), 0x00, 0x00, -150);
    PutCue(cue.data() + 8, 0x01, 0x00, -150);
    PutCue(cue.data() + 16, 0x01, 0x01, 0);
    PutCue(cue.data() + 24, 0xAA, 0x01, int32_t(imageSectors));
    AppendChunk(out, "CUEX", cue);

    // DAOX: 22-byte header (size copy, catalogue number, TOC type, first and
    // last track), then one 42-byte record per track.
    std::vector<uint8_t> dao(22 + 42, 0);
    PutBe32(dao.data(), uint32_t(dao.size()));
    // Bytes 4-16 catalogue number (none), 17 zero, 18-19 TOC type 0: data.
    dao[20] = 1;  // first track
    dao[21] = 1;  // last track
    uint8_t* track = dao.data() + 22;
    // Bytes 0-11 ISRC (none).
    PutBe16(track + 12, uint16_t(kSectorSize));
    track[14] = 0x00;  // Mode 1, 2048-byte sectors; bytes 15-17 zero
    PutBe64(track + 18, 0);           // pregap (index 0) offset in the file
    PutBe64(track + 26, 0);           // track start (index 1)
    PutBe64(track + 34, imageBytes);  // end of the track
    AppendChunk(out, "DAOX", dao);

    std::vector<uint8_t> four(4);
    PutBe32(four.data(), 1);  // tracks in the one session
    AppendChunk(out, "SINF", four);
    PutBe32(four.data(), isDvd ? kMediaDvdMinus : kMediaCd);
    AppendChunk(out, "MTYP", four);
    AppendChunk(out, "END!", {});

    // The last 12 bytes: "NER5" and the offset of the first chunk.
    const size_t at = out.size();
    out.resize(at + 12);
    std::memcpy(out.data() + at, "NER5", 4);
    PutBe64(out.data() + at + 4, imageBytes);
    return out;
}

bool WriteNrgFooter(Sink& sink, uint64_t imageSectors, bool isDvd) {
    const std::vector<uint8_t> footer = BuildNrgFooter(imageSectors, isDvd);
    return sink.Write(footer.data(), footer.size());
}

}  // namespace bb::recorder::image
