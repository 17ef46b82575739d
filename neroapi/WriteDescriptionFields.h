// The two fields of NeroBurn's write description record that old libraries
// need changed: the media-type mask and the ISO track pointer. Where they lie
// depends on the compile type.
//
// In the 32-bit record:      mask   track
//   0 (ISO compilation)      24     8
//   1                        -      8
//   3                        36     12
//   4                        8      -
//   1001                     12     -
//   any other                -      -
// Every other field up to these is 32-bit, so a 64-bit build keeps the same
// fields in the same order with an 8-byte, 8-aligned track pointer: the
// records below give the offsets of both builds. Type 0 is the program's own
// WriteDescription.
#pragma once

#include <cstddef>
#include <cstdint>

#include "neroapi/NeroRecords.h"

namespace bb::neroapi {

struct WriteDescriptionType1 {
    uint32_t value0;
    uint32_t value4;
    neroapi::IsoTrack* track;
};

struct WriteDescriptionType3 {
    uint32_t values0[3];
    neroapi::IsoTrack* track;
    uint32_t values16[5];
    uint32_t mediaMask;
};

struct WriteDescriptionType4 {
    uint32_t value0;
    uint32_t value4;
    uint32_t mediaMask;
};

struct WriteDescriptionType1001 {
    uint32_t values0[3];
    uint32_t mediaMask;
};

#if BB_RECORDS_32BIT
static_assert(offsetof(WriteDescriptionType1, track) == 8);
static_assert(offsetof(WriteDescriptionType3, track) == 12);
static_assert(offsetof(WriteDescriptionType3, mediaMask) == 36);
#endif
static_assert(offsetof(WriteDescriptionType4, mediaMask) == 8);
static_assert(offsetof(WriteDescriptionType1001, mediaMask) == 12);

constexpr ptrdiff_t kNoField = -1;

struct WriteDescriptionLayout {
    ptrdiff_t mediaMask = kNoField;  // byte offset of the 32-bit mask
    ptrdiff_t track = kNoField;      // byte offset of the track pointer
};

[[nodiscard]] WriteDescriptionLayout LayoutOfWriteDescription(int compileType);

}  // namespace bb::neroapi
