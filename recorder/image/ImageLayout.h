// The planned image: every directory and file with its names in each file
// system and its sectors, and the ordered list of pieces that make up the
// image from sector 0 to the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "recorder/image/ImageWriter.h"

namespace bb::recorder::image {

// Sectors of the fixed part of the image (ISO 9660 6.2.1, ECMA-167 3/8.4.2).
constexpr uint32_t kIsoPvdSector = 16;
constexpr uint32_t kUdfMainVdsSector = 32;
constexpr uint32_t kUdfReserveVdsSector = 48;
constexpr uint32_t kUdfVdsSectors = 6;  // PVD, IUVD, PD, LVD, USD, TD
constexpr uint32_t kUdfLvidSector = 64;
constexpr uint32_t kUdfLvidSectors = 2;  // LVID and its terminating descriptor
constexpr uint32_t kUdfAnchorSector = 256;
constexpr uint32_t kUdfPartitionStart = kUdfAnchorSector + 1;

// A UDF extent is at most 2^30 - 2048 bytes (UDF 2.3.10 short_ad limit for
// 2048-byte blocks), and an ISO 9660 record's data length is 32 bits.
constexpr uint64_t kUdfMaxExtent = (uint64_t(1) << 30) - kSectorSize;
constexpr uint64_t kIsoMaxExtent = 0xFFFFF800u;
// Short allocation descriptors that fit in one File Entry after its 176
// fixed bytes (ECMA-167 4/14.9): 234 extents, about 234 GiB per file.
constexpr uint64_t kMaxShortAds = (kSectorSize - 176) / 8;

struct LayoutFile {
    std::u32string name;
    std::string isoId;        // "VIDEO_TS.IFO;1"
    std::u16string jolietId;
    std::string discPath;
    std::string sourcePath;
    uint64_t size = 0;
    uint32_t start = 0;       // first sector of the data
    uint32_t udfEntry = 0;    // sector of its File Entry
    uint64_t uniqueId = 0;
};

struct LayoutChild {
    bool isDir = false;
    size_t index = 0;         // into dirs or files
};

struct LayoutDir {
    std::u32string name;
    std::string isoId;
    std::u16string jolietId;
    size_t parent = 0;        // the root is its own parent
    std::vector<LayoutChild> children;  // in the order given (UDF keeps it)
    std::vector<LayoutChild> isoOrder;  // sorted by ISO 9660 identifier (9.3)
    std::vector<LayoutChild> jolietOrder;
    uint32_t isoStart = 0, isoBytes = 0;
    uint32_t jolietStart = 0, jolietBytes = 0;
    uint16_t pathNumber = 0;  // position in the path table, from 1
    uint16_t jolietPathNumber = 0;
    uint32_t udfEntry = 0;
    uint32_t udfFidStart = 0, udfFidBytes = 0;
    uint64_t uniqueId = 0;
    int subdirCount = 0;
};

enum class PieceKind {
    IsoPvd,
    JolietSvd,
    IsoTerminator,
    UdfRecognition,   // BEA01, NSR02, TEA01
    UdfMainVds,
    UdfReserveVds,
    UdfIntegrity,
    UdfAnchor,
    PathTable,        // index: 0 ISO L, 1 ISO M, 2 Joliet L, 3 Joliet M
    IsoDirectory,
    JolietDirectory,
    UdfFileSet,       // FSD and its terminating descriptor
    UdfDirEntry,
    UdfDirFids,
    UdfFileEntry,
    FileData,
};

struct Piece {
    uint32_t start = 0;
    uint32_t sectors = 0;
    PieceKind kind = PieceKind::IsoPvd;
    size_t index = 0;
};

struct Layout {
    Options options;
    std::vector<LayoutDir> dirs;    // dirs[0] is the root, then depth-first in the order given
    std::vector<LayoutFile> files;  // in disc order
    std::vector<Piece> pieces;      // ascending by start; gaps are zeros
    uint32_t totalSectors = 0;
    uint32_t pathTableBytes = 0, jolietPathTableBytes = 0;
    uint32_t partitionLength = 0;   // UDF partition 0: from kUdfPartitionStart up to the last anchor
    uint64_t nextUniqueId = 0;
    std::vector<size_t> isoPathOrder, jolietPathOrder;  // directories in path table order
    std::vector<FileExtent> extents;  // what Plan::Files reports
};

class ImagePlan : public Plan {
public:
    explicit ImagePlan(Layout layout) : m_layout(std::move(layout)) {}
    uint64_t TotalSectors() const override { return m_layout.totalSectors; }
    const std::vector<FileExtent>& Files() const override { return m_layout.extents; }
    const Layout& GetLayout() const { return m_layout; }

private:
    Layout m_layout;
};

}  // namespace bb::recorder::image
