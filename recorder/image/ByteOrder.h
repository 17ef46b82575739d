// Field encoders for on-disc records. ISO 9660 (7.2, 7.3) uses little-,
// big- and both-byte-order fields; UDF (ECMA-167 1/7.1) is little-endian;
// the NRG footer is big-endian. Every record is built byte by byte through
// these, never by copying a struct.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace bb::recorder::image {

inline void PutLe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void PutLe32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}
inline void PutLe64(uint8_t* p, uint64_t v) {
    for (int i = 0; i < 8; ++i) p[i] = uint8_t(v >> (8 * i));
}
inline void PutBe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v >> 8);
    p[1] = uint8_t(v);
}
inline void PutBe32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * (3 - i)));
}
inline void PutBe64(uint8_t* p, uint64_t v) {
    for (int i = 0; i < 8; ++i) p[i] = uint8_t(v >> (8 * (7 - i)));
}
// ISO 9660 7.2.3 and 7.3.3: little-endian copy first, then big-endian.
inline void PutBoth16(uint8_t* p, uint16_t v) {
    PutLe16(p, v);
    PutBe16(p + 2, v);
}
inline void PutBoth32(uint8_t* p, uint32_t v) {
    PutLe32(p, v);
    PutBe32(p + 4, v);
}

inline uint16_t GetLe16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t GetLe32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint16_t GetBe16(const uint8_t* p) { return uint16_t((p[0] << 8) | p[1]); }
inline uint32_t GetBe32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// Copies text into a fixed field and fills the rest with `fill`
// (ISO 9660 pads its character fields with spaces, 7.4.3).
inline void PutPadded(uint8_t* p, size_t width, std::string_view text, uint8_t fill) {
    size_t n = text.size() < width ? text.size() : width;
    std::memcpy(p, text.data(), n);
    std::memset(p + n, fill, width - n);
}

}  // namespace bb::recorder::image
