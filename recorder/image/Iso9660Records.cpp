#include "recorder/image/Iso9660Records.h"

#include <cstring>

#include "recorder/image/ByteOrder.h"
#include "recorder/image/DateTime.h"
#include "recorder/image/ImageWriter.h"

namespace bb::recorder::image {

size_t IsoDirRecordLength(size_t idLength) {
    // 9.1.12: a padding byte keeps the record length even.
    return 33 + idLength + (idLength % 2 == 0 ? 1 : 0);
}

size_t PutIsoDirRecord(uint8_t* p, const IsoDirRecord& r) {
    const size_t length = IsoDirRecordLength(r.identifier.size());
    std::memset(p, 0, length);
    p[0] = uint8_t(length);
    p[1] = 0;  // no extended attribute record
    PutBoth32(p + 2, r.extent);
    PutBoth32(p + 10, r.dataLength);
    PutIsoRecordDate(p + 18, r.recorded);
    p[25] = r.flags;
    p[26] = 0;  // not interleaved
    p[27] = 0;
    PutBoth16(p + 28, 1);  // volume sequence number
    p[32] = uint8_t(r.identifier.size());
    std::memcpy(p + 33, r.identifier.data(), r.identifier.size());
    return length;
}

std::string JolietBytes(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(char(c >> 8));
        out.push_back(char(c & 0xFF));
    }
    return out;
}

void PutIsoVolumeDescriptor(uint8_t* s, const IsoVolumeFields& v) {
    std::memset(s, 0, kSectorSize);
    s[0] = v.joliet ? 2 : 1;
    std::memcpy(s + 1, "CD001", 5);
    s[6] = 1;
    // Character fields: spaces in d/a-characters, UCS-2 spaces for Joliet.
    auto blank = [&](size_t offset, size_t width) {
        for (size_t i = 0; i < width; ++i) s[offset + i] = (v.joliet && i % 2 == 0) ? 0 : ' ';
    };
    blank(8, 32);  // system identifier
    blank(40, 32);
    std::memcpy(s + 40, v.volumeId.data(), v.volumeId.size() < 32 ? v.volumeId.size() : 32);
    PutBoth32(s + 80, v.volumeSpaceSize);
    if (v.joliet) std::memcpy(s + 88, "%/E", 3);  // Joliet level 3 escape sequence
    PutBoth16(s + 120, 1);                        // volume set size
    PutBoth16(s + 124, 1);                        // volume sequence number
    PutBoth16(s + 128, kSectorSize);
    PutBoth32(s + 132, v.pathTableSize);
    PutLe32(s + 140, v.pathTableL);
    PutBe32(s + 148, v.pathTableM);
    PutIsoDirRecord(s + 156, v.root);
    blank(190, 128);  // volume set
    blank(318, 128);  // publisher
    blank(446, 128);  // data preparer
    blank(574, 128);  // application
    blank(702, 37);   // copyright file
    blank(739, 37);   // abstract file
    blank(776, 37);   // bibliographic file
    PutIsoVolumeDate(s + 813, v.created);
    PutIsoVolumeDate(s + 830, v.created);
    PutIsoUnsetDate(s + 847);  // no expiration
    PutIsoUnsetDate(s + 864);  // effective at once
    s[881] = 1;                // file structure version
}

void PutIsoTerminator(uint8_t* s) {
    std::memset(s, 0, kSectorSize);
    s[0] = 255;
    std::memcpy(s + 1, "CD001", 5);
    s[6] = 1;
}

size_t PutPathTableRecord(uint8_t* p, bool bigEndian, const std::string& identifier, uint32_t extent,
                          uint16_t parent) {
    p[0] = uint8_t(identifier.size());
    p[1] = 0;
    if (bigEndian) {
        PutBe32(p + 2, extent);
        PutBe16(p + 6, parent);
    } else {
        PutLe32(p + 2, extent);
        PutLe16(p + 6, parent);
    }
    std::memcpy(p + 8, identifier.data(), identifier.size());
    const size_t length = 8 + identifier.size() + (identifier.size() % 2);
    if (identifier.size() % 2) p[length - 1] = 0;
    return length;
}

}  // namespace bb::recorder::image
