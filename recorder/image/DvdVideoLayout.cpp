#include "recorder/image/DvdVideoLayout.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>

#include "recorder/image/ByteOrder.h"
#include "recorder/image/ImageWriter.h"
#include "recorder/image/LargeFile.h"

namespace bb::recorder::image {

namespace {

// Byte offsets of the fields used here, in the VMGI_MAT of VIDEO_TS.IFO and
// the VTSI_MAT of VTS_nn_0.IFO (both big-endian).
constexpr size_t kLastSectorOfSet = 0x0C;
constexpr size_t kLastSectorOfIfo = 0x1C;
constexpr size_t kVmgTitleSetCount = 0x3E;
constexpr size_t kMenuVobStart = 0xC0;
constexpr size_t kVmgTitleSearchTable = 0xC4;  // sector of TT_SRPT within the IFO
constexpr size_t kVtsTitleVobStart = 0xC4;
constexpr size_t kTitleEntrySize = 12;          // TT_SRPT entries follow an 8-byte header

uint64_t SectorsOf(uint64_t bytes) { return (bytes + kSectorSize - 1) / kSectorSize; }

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

struct TitleSetFiles {
    int ifo = -1, menuVob = -1, bup = -1;
    int titleVobs[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // parts 1..9
};

// Sorts a VIDEO_TS name into set (0 = video manager) and role; false for other files.
bool Classify(const std::string& upper, int& set, std::string& role, int& part) {
    if (upper == "VIDEO_TS.IFO" || upper == "VIDEO_TS.VOB" || upper == "VIDEO_TS.BUP") {
        set = 0;
        part = 0;
        role = upper.substr(9);
        return true;
    }
    if (upper.size() != 12 || upper.compare(0, 4, "VTS_") != 0 || upper[6] != '_' || upper[8] != '.') return false;
    if (!isdigit(uint8_t(upper[4])) || !isdigit(uint8_t(upper[5])) || !isdigit(uint8_t(upper[7]))) return false;
    set = (upper[4] - '0') * 10 + (upper[5] - '0');
    part = upper[7] - '0';
    role = upper.substr(9);
    if (set == 0) return false;
    if (role == "VOB") return true;
    return part == 0 && (role == "IFO" || role == "BUP");
}

bool ReadAt(const std::string& path, uint64_t offset, uint8_t* data, size_t size) {
    LargeFile f;
    return f.OpenRead(path) && f.Seek(offset) && f.Read(data, size) == size;
}

struct Failure {
    std::string text;
};

class Planner {
public:
    explicit Planner(const std::vector<DvdFile>& files) : m_files(files) {
        m_result.offsets.assign(files.size(), -1);
    }

    DvdLayout Run() {
        if (!Collect() || !PlaceManager() || !PlaceTitleSets()) {
            m_result.ok = false;
            m_result.offsets.assign(m_files.size(), -1);
            return m_result;
        }
        m_result.ok = true;
        return m_result;
    }

private:
    bool Fail(std::string text) {
        m_result.message = std::move(text);
        return false;
    }

    uint64_t Sectors(int index) const { return index < 0 ? 0 : SectorsOf(m_files[size_t(index)].size); }

    bool Collect() {
        for (size_t i = 0; i < m_files.size(); ++i) {
            int set = 0, part = 0;
            std::string role;
            if (!Classify(Upper(m_files[i].name), set, role, part)) continue;
            TitleSetFiles& s = m_sets[set];
            int* slot = role == "IFO" ? &s.ifo : role == "BUP" ? &s.bup : part == 0 ? &s.menuVob : &s.titleVobs[part];
            if (*slot >= 0) return Fail("duplicate file " + m_files[i].name);
            *slot = int(i);
        }
        if (m_sets.find(0) == m_sets.end() || m_sets[0].ifo < 0) return Fail("VIDEO_TS.IFO is missing");
        return true;
    }

    bool ReadHeader(int index, const char* magic, uint8_t (&header)[kSectorSize]) {
        const DvdFile& f = m_files[size_t(index)];
        if (f.size < kSectorSize || !ReadAt(f.sourcePath, 0, header, kSectorSize))
            return Fail("cannot read " + f.name);
        if (std::memcmp(header, magic, 12) != 0) return Fail(f.name + " is not a DVD-Video IFO file");
        return true;
    }

    // Places one set (manager or title set) whose IFO lies at `start`;
    // returns its end (exclusive) through `end`.
    bool PlaceSet(const TitleSetFiles& s, const std::string& name, uint64_t start, uint32_t lastSector,
                  uint32_t menuStart, uint32_t titleStart, bool hasTitles, uint64_t& end) {
        const uint64_t ifoSectors = Sectors(s.ifo);
        uint64_t titleSectors = 0;
        int parts = 0;
        for (int p = 1; p <= 9; ++p) {
            if (s.titleVobs[p] < 0) continue;
            if (p != parts + 1) return Fail(name + ": title VOB part " + std::to_string(parts + 1) + " is missing");
            parts = p;
            titleSectors += Sectors(s.titleVobs[p]);
        }
        const uint64_t setSectors = uint64_t(lastSector) + 1;
        // The reference tool's size rule: room for the IFO, its backup and every VOB.
        if (setSectors < 2 * ifoSectors + Sectors(s.menuVob) + titleSectors)
            return Fail(name + ": its IFO declares fewer sectors than its files need");
        uint64_t cursor = ifoSectors;
        if (s.menuVob >= 0) {
            if (menuStart == 0) return Fail(name + ": a menu VOB is present but the IFO declares none");
            if (menuStart < cursor) return Fail(name + ": the menu VOB would overlap the IFO");
            Put(s.menuVob, start + menuStart);
            cursor = uint64_t(menuStart) + Sectors(s.menuVob);
        }
        if (hasTitles && parts > 0) {
            if (titleStart < cursor) return Fail(name + ": the title VOBs would overlap the menu VOB");
            cursor = titleStart;
            for (int p = 1; p <= parts; ++p) {
                Put(s.titleVobs[p], start + cursor);
                cursor += Sectors(s.titleVobs[p]);
            }
        }
        // A start sector past the set's end would put a VOB over the next
        // set (or past the image): the sizes alone do not show that.
        if (cursor > setSectors) return Fail(name + ": its VOBs would end past the last sector its IFO declares");
        if (s.bup >= 0) {
            const uint64_t bupSectors = Sectors(s.bup);
            if (setSectors < bupSectors || setSectors - bupSectors < cursor)
                return Fail(name + ": the backup IFO does not fit in the set");
            Put(s.bup, start + setSectors - bupSectors);
        }
        Put(s.ifo, start);
        end = start + setSectors;
        return true;
    }

    void Put(int index, uint64_t offset) { m_result.offsets[size_t(index)] = int64_t(offset); }

    bool PlaceManager() {
        const TitleSetFiles& vmg = m_sets[0];
        uint8_t mat[kSectorSize];
        if (!ReadHeader(vmg.ifo, "DVDVIDEO-VMG", mat)) return false;
        uint64_t end = 0;
        if (!PlaceSet(vmg, "VIDEO_TS", 0, GetBe32(mat + kLastSectorOfSet), GetBe32(mat + kMenuVobStart), 0,
                      false, end))
            return false;
        m_managerEnd = end;
        m_titleSetCount = GetBe16(mat + kVmgTitleSetCount);
        if (GetBe32(mat + kLastSectorOfIfo) + uint64_t(1) > Sectors(vmg.ifo))
            return Fail("VIDEO_TS.IFO is shorter than it declares");

        // Title search table: each title names its title set and that set's first sector.
        const uint64_t table = uint64_t(GetBe32(mat + kVmgTitleSearchTable)) * kSectorSize;
        const DvdFile& ifo = m_files[size_t(vmg.ifo)];
        uint8_t head[8];
        if (table == 0 || table + 8 > ifo.size || !ReadAt(ifo.sourcePath, table, head, 8))
            return Fail("VIDEO_TS.IFO has no title search table");
        const unsigned titles = GetBe16(head);
        if (table + 8 + uint64_t(titles) * kTitleEntrySize > ifo.size)
            return Fail("VIDEO_TS.IFO: the title search table is truncated");
        std::vector<uint8_t> entries(size_t(titles) * kTitleEntrySize);
        if (titles && !ReadAt(ifo.sourcePath, table + 8, entries.data(), entries.size()))
            return Fail("cannot read VIDEO_TS.IFO");
        for (unsigned t = 0; t < titles; ++t) {
            const uint8_t* e = entries.data() + size_t(t) * kTitleEntrySize;
            const int set = e[6];
            const uint32_t first = GetBe32(e + 8);
            auto [it, fresh] = m_titleSetStart.emplace(set, first);
            if (!fresh && it->second != first) return Fail("VIDEO_TS.IFO gives title set " + std::to_string(set) + " two start sectors");
        }
        return true;
    }

    bool PlaceTitleSets() {
        m_result.spanSectors = m_managerEnd;
        for (int set = 1; set <= m_titleSetCount; ++set)
            if (m_sets.find(set) == m_sets.end() || m_sets[set].ifo < 0)
                return Fail("title set " + std::to_string(set) + " is missing");
        uint64_t previousEnd = m_managerEnd;
        for (auto& [set, files] : m_sets) {
            if (set == 0) continue;
            char name[16];
            std::snprintf(name, sizeof name, "VTS_%02d", set);
            if (files.ifo < 0) return Fail(std::string(name) + "_0.IFO is missing");
            if (set > m_titleSetCount) return Fail(std::string(name) + " is not listed in VIDEO_TS.IFO");
            auto start = m_titleSetStart.find(set);
            if (start == m_titleSetStart.end()) return Fail(std::string(name) + " has no title in VIDEO_TS.IFO");
            if (start->second < previousEnd) return Fail(std::string(name) + " would overlap the set before it");
            uint8_t mat[kSectorSize];
            if (!ReadHeader(files.ifo, "DVDVIDEO-VTS", mat)) return false;
            if (GetBe32(mat + kLastSectorOfIfo) + uint64_t(1) > Sectors(files.ifo))
                return Fail(std::string(name) + "_0.IFO is shorter than it declares");
            uint64_t end = 0;
            if (!PlaceSet(files, name, start->second, GetBe32(mat + kLastSectorOfSet), GetBe32(mat + kMenuVobStart),
                          GetBe32(mat + kVtsTitleVobStart), true, end))
                return false;
            previousEnd = end;
            m_result.spanSectors = end;
        }
        return true;
    }

    const std::vector<DvdFile>& m_files;
    DvdLayout m_result;
    std::map<int, TitleSetFiles> m_sets;  // 0 is the video manager; ordered by number
    std::map<int, uint32_t> m_titleSetStart;
    uint64_t m_managerEnd = 0;
    int m_titleSetCount = 0;
};

}  // namespace

DvdLayout PlanDvdVideoLayout(const std::vector<DvdFile>& files) {
    return Planner(files).Run();
}

}  // namespace bb::recorder::image
