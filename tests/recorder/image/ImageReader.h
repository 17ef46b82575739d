// A small reader of the images the writer makes, written from the standards
// and independent of the writer's own layout code: it finds everything by
// following the anchors and pointers a real reader follows.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "recorder/image/UdfTag.h"

namespace bb::recorder::image::testing {

struct Extent {
    uint32_t sector = 0;
    uint64_t bytes = 0;
};

struct ReadFile {
    std::vector<Extent> extents;
    uint64_t size = 0;
    bool isDir = false;
};

class ImageReader {
public:
    explicit ImageReader(const std::vector<uint8_t>& image) : m_img(image) {}

    const uint8_t* Sector(uint64_t n) const { return n * 2048 + 2048 <= m_img.size() ? m_img.data() + n * 2048 : nullptr; }
    static uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
    static uint32_t Le32(const uint8_t* p) { return uint32_t(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24); }
    static uint64_t Le64(const uint8_t* p) { return Le32(p) | uint64_t(Le32(p + 4)) << 32; }

    // ISO 9660 (or Joliet with `joliet`): path -> file, names as recorded
    // (";1" removed; Joliet names as UTF-8 of the UCS-2 text).
    std::map<std::string, ReadFile> IsoTree(bool joliet, std::string* error) const {
        std::map<std::string, ReadFile> out;
        for (uint32_t s = 16; s < 32; ++s) {
            const uint8_t* vd = Sector(s);
            if (!vd || vd[0] == 255) break;
            const bool isJoliet = vd[0] == 2 && std::memcmp(vd + 88, "%/E", 3) == 0;
            if ((vd[0] == 1 && !joliet) || (isJoliet && joliet)) {
                WalkIso(vd + 156, "", joliet, out, error, 0);
                return out;
            }
        }
        if (error) *error = "no volume descriptor";
        return out;
    }

    // UDF through AVDP 256 -> VDS -> partition and FSD -> root.
    std::map<std::string, ReadFile> UdfTree(std::string* error) const {
        std::map<std::string, ReadFile> out;
        const uint8_t* avdp = Sector(256);
        if (!avdp || Le16(avdp) != 2 || !TagOk(avdp, 256)) return Fail(error, "no anchor at 256");
        const uint32_t vds = Le32(avdp + 20), vdsLength = Le32(avdp + 16) / 2048;
        for (uint32_t s = vds; s < vds + vdsLength; ++s) {
            const uint8_t* d = Sector(s);
            if (!d || !TagOk(d, s)) return Fail(error, "bad descriptor in the VDS");
            if (Le16(d) == 5) m_partitionStart = Le32(d + 188);
            if (Le16(d) == 6) m_fsdBlock = Le32(d + 248 + 4);
            if (Le16(d) == 8) break;
        }
        const uint8_t* fsd = Sector(uint64_t(m_partitionStart) + m_fsdBlock);
        if (!fsd || Le16(fsd) != 256 || !TagOk(fsd, m_fsdBlock)) return Fail(error, "no file set descriptor");
        WalkUdf(Le32(fsd + 400 + 4), "", out, error, 0);
        return out;
    }

    uint32_t PartitionStart() const { return m_partitionStart; }

    // Bytes of a file read through its extents.
    std::vector<uint8_t> Contents(const ReadFile& f) const {
        std::vector<uint8_t> data;
        for (const Extent& e : f.extents) {
            const size_t at = size_t(e.sector) * 2048;
            if (at + e.bytes > m_img.size()) return {};
            data.insert(data.end(), m_img.begin() + long(at), m_img.begin() + long(at + e.bytes));
        }
        return data;
    }

    bool TagOk(const uint8_t* d, uint32_t location) const {
        uint8_t sum = 0;
        for (int i = 0; i < 16; ++i)
            if (i != 4) sum = uint8_t(sum + d[i]);
        const uint16_t crcLength = Le16(d + 10);
        return sum == d[4] && Le32(d + 12) == location && Le16(d + 8) == UdfCrc(d + 16, crcLength);
    }

private:
    static std::map<std::string, ReadFile> Fail(std::string* error, const char* text) {
        if (error) *error = text;
        return {};
    }

    static std::string Utf8(const uint8_t* p, size_t n, bool ucs2) {
        std::string s;
        for (size_t i = 0; i < n; i += ucs2 ? 2 : 1) {
            const unsigned c = ucs2 ? unsigned(p[i] << 8 | p[i + 1]) : p[i];
            if (c < 0x80) {
                s.push_back(char(c));
            } else if (c < 0x800) {
                s.push_back(char(0xC0 | c >> 6));
                s.push_back(char(0x80 | (c & 0x3F)));
            } else {
                s.push_back(char(0xE0 | c >> 12));
                s.push_back(char(0x80 | ((c >> 6) & 0x3F)));
                s.push_back(char(0x80 | (c & 0x3F)));
            }
        }
        return s;
    }

    void WalkIso(const uint8_t* self, const std::string& path, bool joliet, std::map<std::string, ReadFile>& out,
                 std::string* error, int depth) const {
        const uint32_t extent = Le32(self + 2), length = Le32(self + 10);
        if (depth > 16) return;
        uint64_t offset = 0;
        while (offset < length) {
            const uint8_t* sector = Sector(extent + offset / 2048);
            if (!sector) {
                if (error) *error = "directory outside the image";
                return;
            }
            const uint8_t* r = sector + offset % 2048;
            if (r[0] == 0) {  // rest of the sector unused
                offset = (offset / 2048 + 1) * 2048;
                continue;
            }
            const uint8_t idLength = r[32];
            offset += r[0];
            if (idLength == 1 && (r[33] == 0 || r[33] == 1)) continue;
            std::string name = Utf8(r + 33, idLength, joliet);
            if (name.size() > 2 && name.compare(name.size() - 2, 2, ";1") == 0) name.resize(name.size() - 2);
            if (!name.empty() && name.back() == '.') name.pop_back();
            const std::string full = path + "/" + name;
            ReadFile& f = out[full];
            f.isDir = (r[25] & 2) != 0;
            f.extents.push_back({Le32(r + 2), Le32(r + 10)});
            f.size += Le32(r + 10);
            if (f.isDir) WalkIso(r, full, joliet, out, error, depth + 1);
        }
    }

    void WalkUdf(uint32_t feBlock, const std::string& path, std::map<std::string, ReadFile>& out, std::string* error,
                 int depth) const {
        const ReadFile dir = UdfEntry(feBlock, error);
        if (depth > 16 || dir.extents.empty()) return;
        std::vector<uint8_t> fids = Contents(dir);
        size_t offset = 0;
        while (offset + 38 <= dir.size) {
            const uint8_t* fid = fids.data() + offset;
            if (Le16(fid) != 257 || !TagOk(fid, dir.extents[0].sector - m_partitionStart + uint32_t(offset / 2048))) {
                if (error) *error = "bad file identifier at " + path;
                return;
            }
            const uint8_t characteristics = fid[18], idLength = fid[19];
            const uint16_t implementationUse = Le16(fid + 36);
            const uint32_t icb = Le32(fid + 20 + 4);
            offset += (38 + implementationUse + idLength + 3) / 4 * 4;
            if (characteristics & 8) continue;  // parent
            const uint8_t* id = fid + 38 + implementationUse;
            const std::string name = Utf8(id + 1, idLength - 1u, id[0] == 16);
            const std::string full = path + "/" + name;
            out[full] = UdfEntry(icb, error);
            if (characteristics & 2) WalkUdf(icb, full, out, error, depth + 1);
        }
    }

    ReadFile UdfEntry(uint32_t block, std::string* error) const {
        ReadFile f;
        const uint8_t* fe = Sector(uint64_t(m_partitionStart) + block);
        if (!fe || Le16(fe) != 261 || !TagOk(fe, block)) {
            if (error) *error = "bad file entry";
            return f;
        }
        f.isDir = fe[16 + 11] == 4;
        f.size = Le64(fe + 56);
        const uint32_t ea = Le32(fe + 168), ad = Le32(fe + 172);
        for (uint32_t i = 0; i < ad; i += 8) {
            const uint8_t* a = fe + 176 + ea + i;
            f.extents.push_back({m_partitionStart + Le32(a + 4), Le32(a) & 0x3FFFFFFF});
        }
        return f;
    }

    const std::vector<uint8_t>& m_img;
    mutable uint32_t m_partitionStart = 0;
    mutable uint32_t m_fsdBlock = 0;
};

}  // namespace bb::recorder::image::testing
