// PlanImage: from the tree to the complete layout of the image.
#include <algorithm>
#include <deque>
#include <set>

#include "recorder/image/DvdVideoLayout.h"
#include "recorder/image/ImageLayout.h"
#include "recorder/image/IsoNames.h"
#include "recorder/image/LargeFile.h"
#include "recorder/image/TextEncoding.h"

namespace bb::recorder::image {

namespace {

uint64_t SectorsOf(uint64_t bytes) { return (bytes + kSectorSize - 1) / kSectorSize; }

// Space a run of ISO 9660 directory records takes: a record never crosses a
// sector boundary (6.8.1.1), the rest of the sector stays zero.
class RecordCounter {
public:
    void Add(size_t recordLength) {
        if (m_inSector + recordLength > kSectorSize) {
            m_bytes += kSectorSize - m_inSector;
            m_inSector = 0;
        }
        m_bytes += recordLength;
        m_inSector += recordLength;
    }
    uint32_t SectorBytes() const { return uint32_t(SectorsOf(m_bytes) * kSectorSize); }

private:
    uint64_t m_bytes = 0;
    size_t m_inSector = 0;
};

size_t IsoRecordLength(size_t idLength) { return 33 + idLength + (idLength % 2 == 0 ? 1 : 0); }
size_t UdfFidLength(size_t idLength) { return (38 + idLength + 3) / 4 * 4; }

uint32_t IsoRecordCount(uint64_t size) {
    return size == 0 ? 1 : uint32_t((size + kIsoMaxExtent - 1) / kIsoMaxExtent);
}

std::string Upper(const std::string& s) {
    std::string u = s;
    for (char& c : u)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return u;
}

// DVD-Video names are ASCII; anything else cannot match one.
std::string Ascii(const std::u32string& name) {
    std::string out;
    for (char32_t c : name) out.push_back(c < 0x80 ? char(c) : '?');
    return out;
}

class Planner {
public:
    explicit Planner(const Options& options) { m_layout.options = options; }

    PlanResult Run(const Node& root) {
        Options& o = m_layout.options;
        if (!o.iso9660 && !o.udf) o.iso9660 = true;  // a disc needs some file system
        if (!o.iso9660) o.joliet = false;             // Joliet is an ISO 9660 extension
        if (!root.isDir) return Fail(Status::InvalidTree, "the root of the tree is not a folder");

        m_layout.dirs.push_back(LayoutDir{});
        if (!AddChildren(root, 0, "")) return std::move(m_result);
        if (m_layout.dirs.size() > 65535) return Fail(Status::InvalidTree, "too many folders for the ISO 9660 path table");
        AssignNames();
        NumberPathTable();
        if (!PlaceStructures() || !PlaceData()) return std::move(m_result);
        m_result.status = Status::Ok;
        m_result.plan = std::make_unique<ImagePlan>(std::move(m_layout));
        return std::move(m_result);
    }

private:
    bool FailBool(Status status, std::string message) {
        m_result.status = status;
        m_result.message = std::move(message);
        return false;
    }
    PlanResult Fail(Status status, std::string message) {
        FailBool(status, std::move(message));
        return std::move(m_result);
    }

    bool AddChildren(const Node& node, size_t dirIndex, const std::string& path) {
        std::set<std::u32string> seen;
        for (const Node& child : node.children) {
            const std::string childPath = path + "/" + child.name;
            if (child.name.empty() || child.name == "." || child.name == ".." ||
                child.name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
                return FailBool(Status::InvalidTree, "invalid name \"" + childPath + "\"");
            std::u32string name = DecodeName(child.name);
            // A File Identifier's length is one byte (ECMA-167 4/14.4.4).
            if (ToCs0(name, 1024).size() > 255) return FailBool(Status::InvalidTree, "name too long: " + childPath);
            if (!seen.insert(name).second) return FailBool(Status::InvalidTree, "duplicate name: " + childPath);
            if (child.isDir) {
                LayoutDir d;
                d.name = name;
                d.parent = dirIndex;
                d.uniqueId = NextUniqueId();
                const size_t index = m_layout.dirs.size();
                m_layout.dirs.push_back(std::move(d));
                m_layout.dirs[dirIndex].children.push_back({true, index});
                m_layout.dirs[dirIndex].subdirCount++;
                if (!AddChildren(child, index, childPath)) return false;
            } else {
                const int64_t size = FileSizeOf(child.sourcePath);
                if (size < 0) return FailBool(Status::SourceUnreadable, "cannot open " + child.sourcePath);
                LayoutFile f;
                f.name = name;
                f.discPath = childPath;
                f.sourcePath = child.sourcePath;
                f.size = uint64_t(size);
                f.uniqueId = NextUniqueId();
                m_layout.dirs[dirIndex].children.push_back({false, m_layout.files.size()});
                m_layout.files.push_back(std::move(f));
            }
        }
        return true;
    }

    // UDF 3.2.1.1: unique ids 1-15 are reserved; the root keeps 0.
    uint64_t NextUniqueId() { return m_nextId++; }

    void AssignNames() {
        for (LayoutDir& dir : m_layout.dirs) {
            std::vector<std::u32string> names;
            std::vector<bool> isDir;
            for (const LayoutChild& c : dir.children) {
                names.push_back(c.isDir ? m_layout.dirs[c.index].name : m_layout.files[c.index].name);
                isDir.push_back(c.isDir);
            }
            std::vector<std::string> iso = MakeIsoIdentifiers(names, isDir);
            std::vector<std::u16string> joliet = MakeJolietIdentifiers(names);
            for (size_t i = 0; i < dir.children.size(); ++i) {
                const LayoutChild& c = dir.children[i];
                if (c.isDir) {
                    m_layout.dirs[c.index].isoId = iso[i];
                    m_layout.dirs[c.index].jolietId = joliet[i];
                } else {
                    m_layout.files[c.index].isoId = iso[i];
                    m_layout.files[c.index].jolietId = joliet[i];
                }
            }
            dir.isoOrder = dir.children;
            dir.jolietOrder = dir.children;
            auto isoId = [&](const LayoutChild& c) -> const std::string& {
                return c.isDir ? m_layout.dirs[c.index].isoId : m_layout.files[c.index].isoId;
            };
            auto jolietId = [&](const LayoutChild& c) -> const std::u16string& {
                return c.isDir ? m_layout.dirs[c.index].jolietId : m_layout.files[c.index].jolietId;
            };
            std::stable_sort(dir.isoOrder.begin(), dir.isoOrder.end(),
                             [&](const LayoutChild& a, const LayoutChild& b) { return IsoIdentifierLess(isoId(a), isoId(b)); });
            std::stable_sort(dir.jolietOrder.begin(), dir.jolietOrder.end(), [&](const LayoutChild& a, const LayoutChild& b) {
                return JolietIdentifierLess(jolietId(a), jolietId(b));
            });
        }
    }

    // ISO 9660 6.9.1: path table records by level, then parent, then
    // identifier; a breadth-first walk over sorted children gives that order.
    void NumberPathTable() {
        for (int joliet = 0; joliet < 2; ++joliet) {
            std::vector<size_t>& order = joliet ? m_jolietPathOrder : m_isoPathOrder;
            std::deque<size_t> queue{0};
            while (!queue.empty()) {
                size_t d = queue.front();
                queue.pop_front();
                order.push_back(d);
                for (const LayoutChild& c : joliet ? m_layout.dirs[d].jolietOrder : m_layout.dirs[d].isoOrder)
                    if (c.isDir) queue.push_back(c.index);
            }
        }
        for (size_t i = 0; i < m_isoPathOrder.size(); ++i) m_layout.dirs[m_isoPathOrder[i]].pathNumber = uint16_t(i + 1);
        m_layout.isoPathOrder = m_isoPathOrder;
        m_layout.jolietPathOrder = m_jolietPathOrder;
        for (size_t i = 0; i < m_jolietPathOrder.size(); ++i)
            m_layout.dirs[m_jolietPathOrder[i]].jolietPathNumber = uint16_t(i + 1);
    }

    void AddPiece(PieceKind kind, size_t index, uint32_t sectors) {
        m_layout.pieces.push_back({uint32_t(m_cursor), sectors, kind, index});
        m_cursor += sectors;
    }

    bool PlaceStructures() {
        const Options& o = m_layout.options;
        m_cursor = kIsoPvdSector;
        if (o.iso9660) {
            AddPiece(PieceKind::IsoPvd, 0, 1);
            if (o.joliet) AddPiece(PieceKind::JolietSvd, 0, 1);
            AddPiece(PieceKind::IsoTerminator, 0, 1);
        }
        if (o.udf) {
            AddPiece(PieceKind::UdfRecognition, 0, 3);
            m_cursor = kUdfMainVdsSector;
            AddPiece(PieceKind::UdfMainVds, 0, kUdfVdsSectors);
            m_cursor = kUdfReserveVdsSector;
            AddPiece(PieceKind::UdfReserveVds, 0, kUdfVdsSectors);
            m_cursor = kUdfLvidSector;
            AddPiece(PieceKind::UdfIntegrity, 0, kUdfLvidSectors);
            m_cursor = kUdfAnchorSector;
            AddPiece(PieceKind::UdfAnchor, 0, 1);

            // Partition 0 starts here; its first blocks hold the file set and
            // every File Entry, so a reader finds the tree in one short span.
            AddPiece(PieceKind::UdfFileSet, 0, 2);
            for (size_t i = 0; i < m_layout.dirs.size(); ++i) {
                LayoutDir& d = m_layout.dirs[i];
                d.udfEntry = uint32_t(m_cursor);
                AddPiece(PieceKind::UdfDirEntry, i, 1);
                uint64_t bytes = UdfFidLength(0);  // the parent entry
                for (const LayoutChild& c : d.children) {
                    const std::u32string& name = c.isDir ? m_layout.dirs[c.index].name : m_layout.files[c.index].name;
                    bytes += UdfFidLength(ToCs0(name, 255).size());
                }
                if (bytes > kUdfMaxExtent) return FailBool(Status::InvalidTree, "too many entries in one folder");
                d.udfFidBytes = uint32_t(bytes);
                d.udfFidStart = uint32_t(m_cursor);
                AddPiece(PieceKind::UdfDirFids, i, uint32_t(SectorsOf(bytes)));
            }
            for (size_t i = 0; i < m_layout.files.size(); ++i) {
                LayoutFile& f = m_layout.files[i];
                if ((f.size + kUdfMaxExtent - 1) / kUdfMaxExtent > kMaxShortAds)
                    return FailBool(Status::InvalidTree, "file too large: " + f.discPath);
                f.udfEntry = uint32_t(m_cursor);
                AddPiece(PieceKind::UdfFileEntry, i, 1);
            }
        }
        if (o.iso9660) {
            for (int joliet = 0; joliet < (o.joliet ? 2 : 1); ++joliet) {
                uint32_t bytes = 0;
                for (size_t d : joliet ? m_jolietPathOrder : m_isoPathOrder) {
                    size_t id = d == 0 ? 1 : (joliet ? m_layout.dirs[d].jolietId.size() * 2 : m_layout.dirs[d].isoId.size());
                    bytes += uint32_t(8 + id + (id % 2));  // ISO 9660 9.4
                }
                (joliet ? m_layout.jolietPathTableBytes : m_layout.pathTableBytes) = bytes;
                AddPiece(PieceKind::PathTable, size_t(joliet * 2), uint32_t(SectorsOf(bytes)));
                AddPiece(PieceKind::PathTable, size_t(joliet * 2 + 1), uint32_t(SectorsOf(bytes)));
            }
            for (int joliet = 0; joliet < (o.joliet ? 2 : 1); ++joliet) {
                for (size_t i = 0; i < m_layout.dirs.size(); ++i) {
                    LayoutDir& d = m_layout.dirs[i];
                    RecordCounter counter;
                    counter.Add(IsoRecordLength(1));  // "."
                    counter.Add(IsoRecordLength(1));  // ".."
                    for (const LayoutChild& c : joliet ? d.jolietOrder : d.isoOrder) {
                        size_t id = c.isDir ? (joliet ? m_layout.dirs[c.index].jolietId.size() * 2 : m_layout.dirs[c.index].isoId.size())
                                            : (joliet ? m_layout.files[c.index].jolietId.size() * 2 : m_layout.files[c.index].isoId.size());
                        uint32_t records = c.isDir ? 1 : IsoRecordCount(m_layout.files[c.index].size);
                        for (uint32_t r = 0; r < records; ++r) counter.Add(IsoRecordLength(id));
                    }
                    (joliet ? d.jolietStart : d.isoStart) = uint32_t(m_cursor);
                    (joliet ? d.jolietBytes : d.isoBytes) = counter.SectorBytes();
                    AddPiece(joliet ? PieceKind::JolietDirectory : PieceKind::IsoDirectory, i, counter.SectorBytes() / kSectorSize);
                }
            }
        }
        return true;
    }

    bool PlaceData() {
        // With DVD-Video placement, the files directly in VIDEO_TS go where their IFOs say.
        std::vector<int64_t> dvdOffset(m_layout.files.size(), -1);
        uint64_t dvdSpan = 0;
        if (m_layout.options.dvdVideoRealloc) {
            const LayoutDir* videoTs = nullptr;
            for (const LayoutChild& c : m_layout.dirs[0].children)
                if (c.isDir && Upper(Ascii(m_layout.dirs[c.index].name)) == "VIDEO_TS")
                    videoTs = &m_layout.dirs[c.index];
            if (!videoTs) return FailBool(Status::ReallocFailed, "there is no VIDEO_TS folder");
            std::vector<DvdFile> dvdFiles;
            std::vector<size_t> fileIndex;
            for (const LayoutChild& c : videoTs->children) {
                if (c.isDir) continue;
                const LayoutFile& f = m_layout.files[c.index];
                dvdFiles.push_back({Ascii(f.name), f.sourcePath, f.size});
                fileIndex.push_back(c.index);
            }
            DvdLayout dvd = PlanDvdVideoLayout(dvdFiles);
            if (!dvd.ok) return FailBool(Status::ReallocFailed, "DVD-Video layout: " + dvd.message);
            for (size_t i = 0; i < fileIndex.size(); ++i) dvdOffset[fileIndex[i]] = dvd.offsets[i];
            dvdSpan = dvd.spanSectors;
        }

        bool dvdPlaced = false;
        uint64_t dvdBase = 0;
        for (size_t i = 0; i < m_layout.files.size(); ++i) {
            LayoutFile& f = m_layout.files[i];
            uint64_t start = m_cursor;
            if (dvdOffset[i] >= 0) {
                if (!dvdPlaced) {
                    dvdPlaced = true;
                    dvdBase = m_cursor;
                    m_cursor = dvdBase + dvdSpan;
                }
                start = dvdBase + uint64_t(dvdOffset[i]);
            } else {
                m_cursor += SectorsOf(f.size);
            }
            if (start + SectorsOf(f.size) >= (uint64_t(1) << 32) - 1)
                return FailBool(Status::InvalidTree, "the image would exceed 2^32 sectors");
            f.start = uint32_t(start);
        }
        // The pieces of the data area must be in sector order for the writer.
        std::vector<size_t> order(m_layout.files.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return m_layout.files[a].start < m_layout.files[b].start; });
        for (size_t i : order) {
            const LayoutFile& f = m_layout.files[i];
            if (f.size > 0) m_layout.pieces.push_back({f.start, uint32_t(SectorsOf(f.size)), PieceKind::FileData, i});
        }
        for (const LayoutFile& f : m_layout.files) m_layout.extents.push_back({f.discPath, f.sourcePath, f.size, f.start});

        if (m_layout.options.udf) {
            // ECMA-167 3/8.4.2.1: the second anchor is the last sector; the
            // partition spans everything between the two anchors.
            m_layout.partitionLength = uint32_t(m_cursor - kUdfPartitionStart);
            m_layout.pieces.push_back({uint32_t(m_cursor), 1, PieceKind::UdfAnchor, 1});
            m_cursor += 1;
        }
        if (m_cursor >= (uint64_t(1) << 32)) return FailBool(Status::InvalidTree, "the image would exceed 2^32 sectors");
        m_layout.totalSectors = uint32_t(m_cursor);
        m_layout.nextUniqueId = m_nextId;
        return true;
    }

    Layout m_layout;
    PlanResult m_result;
    std::vector<size_t> m_isoPathOrder, m_jolietPathOrder;
    uint64_t m_cursor = 0;
    uint64_t m_nextId = 16;
};

}  // namespace

PlanResult PlanImage(const Node& root, const Options& options) {
    return Planner(options).Run(root);
}

}  // namespace bb::recorder::image
