#include "recorder/image/ImageRenderer.h"

#include <algorithm>
#include <cstring>

#include "recorder/image/ByteOrder.h"
#include "recorder/image/Iso9660Records.h"
#include "recorder/image/TextEncoding.h"
#include "recorder/image/UdfRecords.h"

namespace bb::recorder::image {

namespace {

uint32_t Block(uint32_t sector) { return sector - kUdfPartitionStart; }

class Renderer {
public:
    Renderer(const Layout& layout, std::vector<uint8_t>& out) : m_l(layout), m_out(out) {}

    void Render(const Piece& piece) {
        m_out.assign(size_t(piece.sectors) * kSectorSize, 0);
        uint8_t* p = m_out.data();
        const int64_t t = m_l.options.recordingTime;
        switch (piece.kind) {
        case PieceKind::IsoPvd: PutIsoVolumeDescriptor(p, VolumeFields(false)); break;
        case PieceKind::JolietSvd: PutIsoVolumeDescriptor(p, VolumeFields(true)); break;
        case PieceKind::IsoTerminator: PutIsoTerminator(p); break;
        case PieceKind::UdfRecognition:
            PutVolumeStructure(p, "BEA01");
            PutVolumeStructure(p + kSectorSize, "NSR02");
            PutVolumeStructure(p + 2 * kSectorSize, "TEA01");
            break;
        case PieceKind::UdfMainVds:
        case PieceKind::UdfReserveVds: {
            UdfVolumeFields v;
            v.label = DecodeName(m_l.options.volumeLabel);
            v.recorded = t;
            v.partitionStart = kUdfPartitionStart;
            v.partitionLength = m_l.partitionLength;
            v.integrityStart = kUdfLvidSector;
            v.integritySectors = kUdfLvidSectors;
            v.fileSetBlock = 0;
            PutVolumeDescriptorSequence(p, piece.start, v);
            break;
        }
        case PieceKind::UdfIntegrity:
            PutIntegritySequence(p, piece.start, t, m_l.nextUniqueId, m_l.partitionLength, uint32_t(m_l.files.size()),
                                 uint32_t(m_l.dirs.size()));
            break;
        case PieceKind::UdfAnchor:
            PutAnchor(p, piece.start, kUdfMainVdsSector, kUdfReserveVdsSector, kUdfVdsSectors);
            break;
        case PieceKind::UdfFileSet:
            PutFileSet(p, Block(piece.start), DecodeName(m_l.options.volumeLabel), t, Block(m_l.dirs[0].udfEntry));
            break;
        case PieceKind::UdfDirEntry: DirEntry(p, piece.index); break;
        case PieceKind::UdfDirFids: DirFids(p, piece.index); break;
        case PieceKind::UdfFileEntry: FileEntry(p, piece.index); break;
        case PieceKind::PathTable: PathTable(p, piece.index); break;
        case PieceKind::IsoDirectory: Directory(p, piece.index, false); break;
        case PieceKind::JolietDirectory: Directory(p, piece.index, true); break;
        case PieceKind::FileData: break;
        }
    }

private:
    IsoDirRecord DirRecord(size_t dir, bool joliet, std::string identifier) const {
        const LayoutDir& d = m_l.dirs[dir];
        IsoDirRecord r;
        r.extent = joliet ? d.jolietStart : d.isoStart;
        r.dataLength = joliet ? d.jolietBytes : d.isoBytes;
        r.recorded = m_l.options.recordingTime;
        r.flags = kIsoFlagDirectory;
        r.identifier = std::move(identifier);
        return r;
    }

    IsoVolumeFields VolumeFields(bool joliet) const {
        IsoVolumeFields v;
        v.joliet = joliet;
        if (joliet) {
            v.volumeId = JolietBytes(ToJolietName(DecodeName(m_l.options.volumeLabel), 16));
        } else {
            v.volumeId = IsoVolumeIdentifier(m_l.options.volumeLabel);
        }
        v.volumeSpaceSize = m_l.totalSectors;
        v.pathTableSize = joliet ? m_l.jolietPathTableBytes : m_l.pathTableBytes;
        for (const Piece& piece : m_l.pieces) {
            if (piece.kind != PieceKind::PathTable) continue;
            if (piece.index == (joliet ? 2u : 0u)) v.pathTableL = piece.start;
            if (piece.index == (joliet ? 3u : 1u)) v.pathTableM = piece.start;
        }
        v.root = DirRecord(0, joliet, std::string(1, '\0'));
        v.created = m_l.options.recordingTime;
        return v;
    }

    void PathTable(uint8_t* p, size_t which) const {
        const bool joliet = which >= 2;
        const bool bigEndian = which % 2 == 1;
        for (size_t d : joliet ? m_l.jolietPathOrder : m_l.isoPathOrder) {
            const LayoutDir& dir = m_l.dirs[d];
            const LayoutDir& parent = m_l.dirs[dir.parent];
            std::string id = d == 0 ? std::string(1, '\0') : (joliet ? JolietBytes(dir.jolietId) : dir.isoId);
            p += PutPathTableRecord(p, bigEndian, id, joliet ? dir.jolietStart : dir.isoStart,
                                    joliet ? parent.jolietPathNumber : parent.pathNumber);
        }
    }

    void Directory(uint8_t* base, size_t index, bool joliet) const {
        const LayoutDir& d = m_l.dirs[index];
        size_t offset = 0;
        auto put = [&](const IsoDirRecord& r) {
            const size_t length = IsoDirRecordLength(r.identifier.size());
            if (offset % kSectorSize + length > kSectorSize) offset = (offset / kSectorSize + 1) * kSectorSize;
            offset += PutIsoDirRecord(base + offset, r);
        };
        put(DirRecord(index, joliet, std::string(1, '\0')));
        put(DirRecord(d.parent, joliet, std::string(1, '\1')));
        for (const LayoutChild& c : joliet ? d.jolietOrder : d.isoOrder) {
            if (c.isDir) {
                const LayoutDir& sub = m_l.dirs[c.index];
                put(DirRecord(c.index, joliet, joliet ? JolietBytes(sub.jolietId) : sub.isoId));
                continue;
            }
            // ISO 9660 6.5.1: a file larger than one record can describe is
            // recorded as several extents, each but the last flagged 0x80.
            const LayoutFile& f = m_l.files[c.index];
            uint64_t left = f.size;
            uint32_t extent = f.start;
            do {
                const uint64_t part = std::min<uint64_t>(left, kIsoMaxExtent);
                IsoDirRecord r;
                r.extent = extent;
                r.dataLength = uint32_t(part);
                r.recorded = m_l.options.recordingTime;
                r.flags = left > part ? kIsoFlagMultiExtent : 0;
                r.identifier = joliet ? JolietBytes(f.jolietId) : f.isoId;
                put(r);
                left -= part;
                extent += uint32_t(part / kSectorSize);
            } while (left > 0);
        }
    }

    void DirEntry(uint8_t* p, size_t index) const {
        const LayoutDir& d = m_l.dirs[index];
        UdfFileEntryFields f;
        f.directory = true;
        f.size = d.udfFidBytes;
        f.extents.push_back({Block(d.udfFidStart), d.udfFidBytes});
        f.uniqueId = d.uniqueId;
        // ECMA-167 4/14.9.6: one link from the parent, one from each subfolder's parent entry.
        f.linkCount = uint16_t(1 + d.subdirCount);
        f.recorded = m_l.options.recordingTime;
        PutFileEntry(p, Block(d.udfEntry), f);
    }

    void FileEntry(uint8_t* p, size_t index) const {
        const LayoutFile& file = m_l.files[index];
        UdfFileEntryFields f;
        f.size = file.size;
        // Extents of at most 2^30 - 2048 bytes, back to back over the file's sectors.
        uint64_t left = file.size;
        uint32_t block = Block(file.start);
        while (left > 0) {
            const uint64_t part = std::min<uint64_t>(left, kUdfMaxExtent);
            f.extents.push_back({block, uint32_t(part)});
            block += uint32_t(part / kSectorSize);
            left -= part;
        }
        f.uniqueId = file.uniqueId;
        f.recorded = m_l.options.recordingTime;
        PutFileEntry(p, Block(file.udfEntry), f);
    }

    void DirFids(uint8_t* base, size_t index) const {
        const LayoutDir& d = m_l.dirs[index];
        const uint32_t firstBlock = Block(d.udfFidStart);
        size_t offset = 0;
        auto put = [&](uint8_t characteristics, uint32_t icbSector, const std::vector<uint8_t>& id) {
            offset += PutFileIdentifier(base + offset, firstBlock + uint32_t(offset / kSectorSize), characteristics,
                                        Block(icbSector), id);
        };
        put(kFidDirectory | kFidParent, m_l.dirs[d.parent].udfEntry, {});
        for (const LayoutChild& c : d.children) {
            if (c.isDir) {
                put(kFidDirectory, m_l.dirs[c.index].udfEntry, ToCs0(m_l.dirs[c.index].name, 255));
            } else {
                put(0, m_l.files[c.index].udfEntry, ToCs0(m_l.files[c.index].name, 255));
            }
        }
    }

    const Layout& m_l;
    std::vector<uint8_t>& m_out;
};

}  // namespace

void RenderPiece(const Layout& layout, const Piece& piece, std::vector<uint8_t>& out) {
    Renderer(layout, out).Render(piece);
}

}  // namespace bb::recorder::image
