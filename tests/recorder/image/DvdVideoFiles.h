// Small DVD-Video files, an in-memory sink and a checker of on-disc fields
// for the image writer's tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "recorder/image/ByteOrder.h"
#include "recorder/image/ImageWriter.h"

namespace bb::recorder::image::testing {

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& data) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

// A file of `sectors` x 2048 bytes whose bytes tell where they are.
inline void WritePattern(const std::string& path, uint64_t bytes, uint8_t seed) {
    std::vector<uint8_t> data(bytes);
    for (size_t i = 0; i < data.size(); ++i) data[i] = uint8_t(seed + i * 31 + (i >> 11));
    WriteBytes(path, data);
}

// VIDEO_TS.IFO: VMGI_MAT fields and a title search table in its second
// sector; the file grows to its size afterwards.
inline void WriteVmgIfo(const std::string& path, uint32_t sectors, uint32_t lastSector, uint16_t titleSets,
                        uint32_t menuStart, const std::vector<std::pair<uint8_t, uint32_t>>& titles) {
    std::vector<uint8_t> d(2 * kSectorSize, 0);
    std::memcpy(d.data(), "DVDVIDEO-VMG", 12);
    PutBe32(&d[0x0C], lastSector);
    PutBe32(&d[0x1C], sectors - 1);
    PutBe16(&d[0x3E], titleSets);
    PutBe32(&d[0xC0], menuStart);
    PutBe32(&d[0xC4], 1);
    uint8_t* table = d.data() + kSectorSize;
    PutBe16(table, uint16_t(titles.size()));
    PutBe32(table + 4, uint32_t(8 + 12 * titles.size() - 1));
    for (size_t i = 0; i < titles.size(); ++i) {
        uint8_t* e = table + 8 + 12 * i;
        e[6] = titles[i].first;
        e[7] = 1;
        PutBe32(e + 8, titles[i].second);
    }
    if (sectors > 2) d.resize(size_t(sectors) * kSectorSize);
    WriteBytes(path, d);
}

inline void WriteVtsIfo(const std::string& path, uint32_t sectors, uint32_t lastSector, uint32_t menuStart,
                        uint32_t titleStart) {
    std::vector<uint8_t> d(kSectorSize, 0);
    std::memcpy(d.data(), "DVDVIDEO-VTS", 12);
    PutBe32(&d[0x0C], lastSector);
    PutBe32(&d[0x1C], sectors - 1);
    PutBe32(&d[0xC0], menuStart);
    PutBe32(&d[0xC4], titleStart);
    d.resize(size_t(sectors) * kSectorSize);
    WriteBytes(path, d);
}

class VectorSink : public Sink {
public:
    bool Write(const void* data, size_t size) override {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
        maxChunk = std::max(maxChunk, size);
        return true;
    }
    std::vector<uint8_t> bytes;
    size_t maxChunk = 0;
};

// A field of a record: `width` bytes at `at`, little-endian (big-endian for
// a negative width).
struct Field { const char* name; size_t at; int width; uint64_t value; };

inline void ExpectFields(const uint8_t* record, std::initializer_list<Field> fields, const char* what) {
    for (const Field& f : fields) {
        const int n = f.width < 0 ? -f.width : f.width;
        uint64_t v = 0;
        for (int i = 0; i < n; ++i) v = v << 8 | record[f.at + size_t(f.width < 0 ? i : n - 1 - i)];
        EXPECT_EQ(v, f.value) << what << ": " << f.name << " at " << f.at;
    }
}

inline std::string SampleRoot() { return std::string(BB_SOURCE_DIR) + "/samples/dvd-sample"; }

}  // namespace bb::recorder::image::testing
