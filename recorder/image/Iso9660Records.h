// ISO 9660 (ECMA-119) records, encoded field by field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bb::recorder::image {

// ISO 9660 9.1 directory record fields this writer uses.
struct IsoDirRecord {
    uint32_t extent = 0;
    uint32_t dataLength = 0;
    int64_t recorded = 0;     // seconds since 1970, UTC
    uint8_t flags = 0;        // 0x02 directory, 0x80 not the final record of a file (9.1.6)
    std::string identifier;   // raw bytes: d-characters, UCS-2BE for Joliet, "\0" or "\1"
};
constexpr uint8_t kIsoFlagDirectory = 0x02;
constexpr uint8_t kIsoFlagMultiExtent = 0x80;

// Length of the record for an identifier of `idLength` bytes (9.1.1, 9.1.12).
size_t IsoDirRecordLength(size_t idLength);
// Writes the record at p; returns its length.
size_t PutIsoDirRecord(uint8_t* p, const IsoDirRecord& r);

// ISO 9660 8.4 primary and 8.5 supplementary (Joliet) volume descriptors.
struct IsoVolumeFields {
    bool joliet = false;
    std::string volumeId;        // 32 bytes: d-characters, or UCS-2BE for Joliet
    uint32_t volumeSpaceSize = 0;
    uint32_t pathTableSize = 0;
    uint32_t pathTableL = 0;
    uint32_t pathTableM = 0;
    IsoDirRecord root;
    int64_t created = 0;
};
void PutIsoVolumeDescriptor(uint8_t* sector, const IsoVolumeFields& v);
// ISO 9660 8.3 volume descriptor set terminator.
void PutIsoTerminator(uint8_t* sector);

// ISO 9660 9.4 path table record; `bigEndian` selects the M table form.
size_t PutPathTableRecord(uint8_t* p, bool bigEndian, const std::string& identifier, uint32_t extent,
                          uint16_t parent);

// UCS-2 big-endian bytes of a Joliet identifier.
std::string JolietBytes(const std::u16string& text);

}  // namespace bb::recorder::image
