// ECMA-167 3/7.2 descriptor tag: the 16 bytes at the start of every UDF
// descriptor, with a checksum over the tag and a CRC over the body.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bb::recorder::image {

// ECMA-167 3/7.2.6: CRC-ITU-T, polynomial x^16 + x^12 + x^5 + 1, initial 0.
uint16_t UdfCrc(const uint8_t* data, size_t size);

// Fills the tag at p[0..15] of a descriptor whose body is p[16..16+bodySize).
// `location` is the sector (volume structures) or the logical block within
// the partition (file structures, ECMA-167 4/7.2) where the descriptor lies.
// Descriptor version 2 and serial number 0 are what UDF 1.02 records.
void FinishUdfTag(uint8_t* p, uint16_t tagId, uint32_t location, size_t bodySize);

// ECMA-167 3/7.2.3: sum modulo 256 of tag bytes 0-3 and 5-15.
uint8_t UdfTagChecksum(const uint8_t* tag);

}  // namespace bb::recorder::image
