#include "recorder/image/UdfTag.h"

#include "recorder/image/ByteOrder.h"

namespace bb::recorder::image {

uint16_t UdfCrc(const uint8_t* data, size_t size) {
    uint16_t crc = 0;
    for (size_t i = 0; i < size; ++i) {
        crc ^= uint16_t(data[i] << 8);
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x8000) ? uint16_t((crc << 1) ^ 0x1021) : uint16_t(crc << 1);
    }
    return crc;
}

uint8_t UdfTagChecksum(const uint8_t* tag) {
    unsigned sum = 0;
    for (int i = 0; i < 16; ++i)
        if (i != 4) sum += tag[i];
    return uint8_t(sum);
}

void FinishUdfTag(uint8_t* p, uint16_t tagId, uint32_t location, size_t bodySize) {
    PutLe16(p, tagId);
    PutLe16(p + 2, 2);  // descriptor version of NSR02
    p[4] = 0;
    p[5] = 0;
    PutLe16(p + 6, 0);  // tag serial number
    PutLe16(p + 8, UdfCrc(p + 16, bodySize));
    PutLe16(p + 10, uint16_t(bodySize));
    PutLe32(p + 12, location);
    p[4] = UdfTagChecksum(p);
}

}  // namespace bb::recorder::image
