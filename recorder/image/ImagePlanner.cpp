// PlanImage: from the tree to the complete layout of the image.
#include <algorithm>
#include <deque>
#include <set>

#include "recorder/image/DvdVideoLayout.h"
#include "recorder/image/ImageLayout.h"
#include "recorder/image/IsoNames.h"
#include "recorder/image/LargeFile.h"
#include "recorder/image/TextEncoding.h"

namespace rec::image {

namespace {

uint64_t SectorsOf(uint64_t bytes) { return (bytes + kSectorSize - 1) / kSectorSize; }

// Space a run of ISO 9660 directory records takes: a record never crosses a
// sector boundary (6.8.1.1), the rest of the sector stays zero.
class RecordCounter {
public:
    void Add(size_t recordLength) {
        if (inSector_ + recordLength > kSectorSize) {
            bytes_ += kSectorSize - inSector_;
            inSector_ = 0;
        }
        bytes_ += recordLength;
        inSector_ += recordLength;
    }
    uint32_t SectorBytes() const { return uint32_t(SectorsOf(bytes_) * kSectorSize); }

private:
    uint64_t bytes_ = 0;
    size_t inSector_ = 0;
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
    explicit Planner(const Options& options) { layout_.options = options; }

    PlanResult Run(const Node& root) {
        Options& o = layout_.options;
        if (!o.iso9660 && !o.udf) o.iso9660 = true;  // a disc needs some file system
        if (!o.iso9660) o.joliet = false;             // Joliet is an ISO 9660 extension
        if (!root.isDir) return Fail(Status::InvalidTree, "the root of the tree is not a folder");

        layout_.dirs.push_back(LayoutDir{});
        if (!AddChildren(root, 0, "")) return std::move(result_);
        if (layout_.dirs.size() > 65535) return Fail(Status::InvalidTree, "too many folders for the ISO 9660 path table");
        AssignNames();
        NumberPathTable();
        if (!PlaceStructures() || !PlaceData()) return std::move(result_);
        result_.status = Status::Ok;
        result_.plan = std::make_unique<ImagePlan>(std::move(layout_));
        return std::move(result_);
    }

private:
    bool FailBool(Status status, std::string message) {
        result_.status = status;
        result_.message = std::move(message);
        return false;
    }
    PlanResult Fail(Status status, std::string message) {
        FailBool(status, std::move(message));
        return std::move(result_);
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
                const size_t index = layout_.dirs.size();
                layout_.dirs.push_back(std::move(d));
                layout_.dirs[dirIndex].children.push_back({true, index});
                layout_.dirs[dirIndex].subdirCount++;
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
                layout_.dirs[dirIndex].children.push_back({false, layout_.files.size()});
                layout_.files.push_back(std::move(f));
            }
        }
        return true;
    }

    // UDF 3.2.1.1: unique ids 1-15 are reserved; the root keeps 0.
    uint64_t NextUniqueId() { return nextId_++; }

    void AssignNames() {
        for (LayoutDir& dir : layout_.dirs) {
            std::vector<std::u32string> names;
            std::vector<bool> isDir;
            for (const LayoutChild& c : dir.children) {
                names.push_back(c.isDir ? layout_.dirs[c.index].name : layout_.files[c.index].name);
                isDir.push_back(c.isDir);
            }
            std::vector<std::string> iso = MakeIsoIdentifiers(names, isDir);
            std::vector<std::u16string> joliet = MakeJolietIdentifiers(names);
            for (size_t i = 0; i < dir.children.size(); ++i) {
                const LayoutChild& c = dir.children[i];
                if (c.isDir) {
                    layout_.dirs[c.index].isoId = iso[i];
                    layout_.dirs[c.index].jolietId = joliet[i];
                } else {
                    layout_.files[c.index].isoId = iso[i];
                    layout_.files[c.index].jolietId = joliet[i];
                }
            }
            dir.isoOrder = dir.children;
            dir.jolietOrder = dir.children;
            auto isoId = [&](const LayoutChild& c) -> const std::string& {
                return c.isDir ? layout_.dirs[c.index].isoId : layout_.files[c.index].isoId;
            };
            auto jolietId = [&](const LayoutChild& c) -> const std::u16string& {
                return c.isDir ? layout_.dirs[c.index].jolietId : layout_.files[c.index].jolietId;
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
            std::vector<size_t>& order = joliet ? jolietPathOrder_ : isoPathOrder_;
            std::deque<size_t> queue{0};
            while (!queue.empty()) {
                size_t d = queue.front();
                queue.pop_front();
                order.push_back(d);
                for (const LayoutChild& c : joliet ? layout_.dirs[d].jolietOrder : layout_.dirs[d].isoOrder)
                    if (c.isDir) queue.push_back(c.index);
            }
        }
        for (size_t i = 0; i < isoPathOrder_.size(); ++i) layout_.dirs[isoPathOrder_[i]].pathNumber = uint16_t(i + 1);
        layout_.isoPathOrder = isoPathOrder_;
        layout_.jolietPathOrder = jolietPathOrder_;
        for (size_t i = 0; i < jolietPathOrder_.size(); ++i)
            layout_.dirs[jolietPathOrder_[i]].jolietPathNumber = uint16_t(i + 1);
    }

    void AddPiece(PieceKind kind, size_t index, uint32_t sectors) {
        layout_.pieces.push_back({uint32_t(cursor_), sectors, kind, index});
        cursor_ += sectors;
    }

    bool PlaceStructures() {
        const Options& o = layout_.options;
        cursor_ = kIsoPvdSector;
        if (o.iso9660) {
            AddPiece(PieceKind::IsoPvd, 0, 1);
            if (o.joliet) AddPiece(PieceKind::JolietSvd, 0, 1);
            AddPiece(PieceKind::IsoTerminator, 0, 1);
        }
        if (o.udf) {
            AddPiece(PieceKind::UdfRecognition, 0, 3);
            cursor_ = kUdfMainVdsSector;
            AddPiece(PieceKind::UdfMainVds, 0, kUdfVdsSectors);
            cursor_ = kUdfReserveVdsSector;
            AddPiece(PieceKind::UdfReserveVds, 0, kUdfVdsSectors);
            cursor_ = kUdfLvidSector;
            AddPiece(PieceKind::UdfIntegrity, 0, kUdfLvidSectors);
            cursor_ = kUdfAnchorSector;
            AddPiece(PieceKind::UdfAnchor, 0, 1);

            // Partition 0 starts here; its first blocks hold the file set and
            // every File Entry, so a reader finds the tree in one short span.
            AddPiece(PieceKind::UdfFileSet, 0, 2);
            for (size_t i = 0; i < layout_.dirs.size(); ++i) {
                LayoutDir& d = layout_.dirs[i];
                d.udfEntry = uint32_t(cursor_);
                AddPiece(PieceKind::UdfDirEntry, i, 1);
                uint64_t bytes = UdfFidLength(0);  // the parent entry
                for (const LayoutChild& c : d.children) {
                    const std::u32string& name = c.isDir ? layout_.dirs[c.index].name : layout_.files[c.index].name;
                    bytes += UdfFidLength(ToCs0(name, 255).size());
                }
                if (bytes > kUdfMaxExtent) return FailBool(Status::InvalidTree, "too many entries in one folder");
                d.udfFidBytes = uint32_t(bytes);
                d.udfFidStart = uint32_t(cursor_);
                AddPiece(PieceKind::UdfDirFids, i, uint32_t(SectorsOf(bytes)));
            }
            for (size_t i = 0; i < layout_.files.size(); ++i) {
                LayoutFile& f = layout_.files[i];
                if ((f.size + kUdfMaxExtent - 1) / kUdfMaxExtent > kMaxShortAds)
                    return FailBool(Status::InvalidTree, "file too large: " + f.discPath);
                f.udfEntry = uint32_t(cursor_);
                AddPiece(PieceKind::UdfFileEntry, i, 1);
            }
        }
        if (o.iso9660) {
            for (int joliet = 0; joliet < (o.joliet ? 2 : 1); ++joliet) {
                uint32_t bytes = 0;
                for (size_t d : joliet ? jolietPathOrder_ : isoPathOrder_) {
                    size_t id = d == 0 ? 1 : (joliet ? layout_.dirs[d].jolietId.size() * 2 : layout_.dirs[d].isoId.size());
                    bytes += uint32_t(8 + id + (id % 2));  // ISO 9660 9.4
                }
                (joliet ? layout_.jolietPathTableBytes : layout_.pathTableBytes) = bytes;
                AddPiece(PieceKind::PathTable, size_t(joliet * 2), uint32_t(SectorsOf(bytes)));
                AddPiece(PieceKind::PathTable, size_t(joliet * 2 + 1), uint32_t(SectorsOf(bytes)));
            }
            for (int joliet = 0; joliet < (o.joliet ? 2 : 1); ++joliet) {
                for (size_t i = 0; i < layout_.dirs.size(); ++i) {
                    LayoutDir& d = layout_.dirs[i];
                    RecordCounter counter;
                    counter.Add(IsoRecordLength(1));  // "."
                    counter.Add(IsoRecordLength(1));  // ".."
                    for (const LayoutChild& c : joliet ? d.jolietOrder : d.isoOrder) {
                        size_t id = c.isDir ? (joliet ? layout_.dirs[c.index].jolietId.size() * 2 : layout_.dirs[c.index].isoId.size())
                                            : (joliet ? layout_.files[c.index].jolietId.size() * 2 : layout_.files[c.index].isoId.size());
                        uint32_t records = c.isDir ? 1 : IsoRecordCount(layout_.files[c.index].size);
                        for (uint32_t r = 0; r < records; ++r) counter.Add(IsoRecordLength(id));
                    }
                    (joliet ? d.jolietStart : d.isoStart) = uint32_t(cursor_);
                    (joliet ? d.jolietBytes : d.isoBytes) = counter.SectorBytes();
                    AddPiece(joliet ? PieceKind::JolietDirectory : PieceKind::IsoDirectory, i, counter.SectorBytes() / kSectorSize);
                }
            }
        }
        return true;
    }

    bool PlaceData() {
        // With DVD-Video placement, the files directly in VIDEO_TS go where their IFOs say.
        std::vector<int64_t> dvdOffset(layout_.files.size(), -1);
        uint64_t dvdSpan = 0;
        if (layout_.options.dvdVideoRealloc) {
            const LayoutDir* videoTs = nullptr;
            for (const LayoutChild& c : layout_.dirs[0].children)
                if (c.isDir && Upper(Ascii(layout_.dirs[c.index].name)) == "VIDEO_TS")
                    videoTs = &layout_.dirs[c.index];
            if (!videoTs) return FailBool(Status::ReallocFailed, "there is no VIDEO_TS folder");
            std::vector<DvdFile> dvdFiles;
            std::vector<size_t> fileIndex;
            for (const LayoutChild& c : videoTs->children) {
                if (c.isDir) continue;
                const LayoutFile& f = layout_.files[c.index];
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
        for (size_t i = 0; i < layout_.files.size(); ++i) {
            LayoutFile& f = layout_.files[i];
            uint64_t start = cursor_;
            if (dvdOffset[i] >= 0) {
                if (!dvdPlaced) {
                    dvdPlaced = true;
                    dvdBase = cursor_;
                    cursor_ = dvdBase + dvdSpan;
                }
                start = dvdBase + uint64_t(dvdOffset[i]);
            } else {
                cursor_ += SectorsOf(f.size);
            }
            if (start + SectorsOf(f.size) >= (uint64_t(1) << 32) - 1)
                return FailBool(Status::InvalidTree, "the image would exceed 2^32 sectors");
            f.start = uint32_t(start);
        }
        // The pieces of the data area must be in sector order for the writer.
        std::vector<size_t> order(layout_.files.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return layout_.files[a].start < layout_.files[b].start; });
        for (size_t i : order) {
            const LayoutFile& f = layout_.files[i];
            if (f.size > 0) layout_.pieces.push_back({f.start, uint32_t(SectorsOf(f.size)), PieceKind::FileData, i});
        }
        for (const LayoutFile& f : layout_.files) layout_.extents.push_back({f.discPath, f.sourcePath, f.size, f.start});

        if (layout_.options.udf) {
            // ECMA-167 3/8.4.2.1: the second anchor is the last sector; the
            // partition spans everything between the two anchors.
            layout_.partitionLength = uint32_t(cursor_ - kUdfPartitionStart);
            layout_.pieces.push_back({uint32_t(cursor_), 1, PieceKind::UdfAnchor, 1});
            cursor_ += 1;
        }
        if (cursor_ >= (uint64_t(1) << 32)) return FailBool(Status::InvalidTree, "the image would exceed 2^32 sectors");
        layout_.totalSectors = uint32_t(cursor_);
        layout_.nextUniqueId = nextId_;
        return true;
    }

    Layout layout_;
    PlanResult result_;
    std::vector<size_t> isoPathOrder_, jolietPathOrder_;
    uint64_t cursor_ = 0;
    uint64_t nextId_ = 16;
};

}  // namespace

PlanResult PlanImage(const Node& root, const Options& options) {
    return Planner(options).Run(root);
}

}  // namespace rec::image
