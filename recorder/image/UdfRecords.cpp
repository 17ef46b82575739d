#include "recorder/image/UdfRecords.h"

#include <cstdio>
#include <cstring>

#include "recorder/image/ByteOrder.h"
#include "recorder/image/DateTime.h"
#include "recorder/image/ImageWriter.h"
#include "recorder/image/TextEncoding.h"
#include "recorder/image/UdfTag.h"

namespace bb::recorder::image {

namespace {

constexpr uint16_t kUdfRevision = 0x0102;
constexpr const char* kImplementation = "*Brenvik Burn";

// ECMA-167 1/7.4 entity identifier: flags, 23-byte identifier, 8-byte suffix.
void PutRegid(uint8_t* p, const char* identifier) {
    std::memset(p, 0, 32);
    std::memcpy(p + 1, identifier, std::strlen(identifier));
}
// UDF 2.1.5.3: domain and UDF identifiers carry the UDF revision in the suffix.
void PutUdfRegid(uint8_t* p, const char* identifier) {
    PutRegid(p, identifier);
    PutLe16(p + 24, kUdfRevision);
}

// ECMA-167 4/14.14.2 long_ad: extent length, lb_addr (block, partition), implementation use.
void PutLongAd(uint8_t* p, uint32_t length, uint32_t block) {
    PutLe32(p, length);
    PutLe32(p + 4, block);
    PutLe16(p + 8, 0);  // partition reference 0
    std::memset(p + 10, 0, 6);
}

void PutTerminating(uint8_t* s, uint32_t location) {
    std::memset(s, 0, kSectorSize);
    FinishUdfTag(s, kTagTerminating, location, 512 - 16);
}

// UDF 2.2.2.5: the volume set identifier starts with 16 characters that are
// unique per volume; derived from the time and label so reruns stay identical.
std::u32string VolumeSetIdentifier(const std::u32string& label, int64_t recorded) {
    uint32_t hash = 2166136261u;  // FNV-1a over the label
    for (char32_t c : label) hash = (hash ^ uint32_t(c)) * 16777619u;
    char head[17];
    std::snprintf(head, sizeof head, "%08X%08X", uint32_t(uint64_t(recorded)), hash);
    std::u32string out(head, head + 16);
    return out + label;
}

}  // namespace

void PutVolumeStructure(uint8_t* s, const char* identifier) {
    std::memset(s, 0, kSectorSize);
    s[0] = 0;
    std::memcpy(s + 1, identifier, 5);
    s[6] = 1;
}

void PutAnchor(uint8_t* s, uint32_t location, uint32_t mainVds, uint32_t reserveVds, uint32_t vdsSectors) {
    std::memset(s, 0, kSectorSize);
    PutLe32(s + 16, vdsSectors * kSectorSize);
    PutLe32(s + 20, mainVds);
    PutLe32(s + 24, vdsSectors * kSectorSize);
    PutLe32(s + 28, reserveVds);
    FinishUdfTag(s, kTagAnchor, location, 512 - 16);
}

void PutVolumeDescriptorSequence(uint8_t* sectors, uint32_t location, const UdfVolumeFields& v) {
    std::memset(sectors, 0, 6 * kSectorSize);
    uint32_t vdsNumber = 0;

    // ECMA-167 3/10.1 primary volume descriptor; UDF 2.2.2.4: 30 characters of label at most.
    uint8_t* s = sectors;
    PutLe32(s + 16, vdsNumber++);
    PutLe32(s + 20, 0);
    PutDString(s + 24, 32, v.label.substr(0, 30));
    PutLe16(s + 56, 1);  // volume sequence number
    PutLe16(s + 58, 1);
    PutLe16(s + 60, 2);  // interchange level (UDF 2.2.2.1)
    PutLe16(s + 62, 2);
    PutLe32(s + 64, 1);  // character set list: CS0
    PutLe32(s + 68, 1);
    PutDString(s + 72, 128, VolumeSetIdentifier(v.label, v.recorded));
    PutOstaCharspec(s + 200);
    PutOstaCharspec(s + 264);
    PutRegid(s + 344, kImplementation);  // application
    PutUdfTimestamp(s + 376, v.recorded);
    PutRegid(s + 388, kImplementation);
    FinishUdfTag(s, kTagPrimaryVolume, location, 512 - 16);

    // ECMA-167 3/10.4 with UDF 2.2.7 LV information.
    s = sectors + kSectorSize;
    PutLe32(s + 16, vdsNumber++);
    PutUdfRegid(s + 20, "*UDF LV Info");
    PutOstaCharspec(s + 52);
    PutDString(s + 52 + 64, 128, v.label);
    PutRegid(s + 52 + 300, kImplementation);
    FinishUdfTag(s, kTagImplementationUse, location + 1, 512 - 16);

    // ECMA-167 3/10.5 partition descriptor: partition 0, read-only.
    s = sectors + 2 * kSectorSize;
    PutLe32(s + 16, vdsNumber++);
    PutLe16(s + 20, 1);  // allocated
    PutLe16(s + 22, 0);  // partition number
    PutRegid(s + 24, "+NSR02");
    PutLe32(s + 184, 1);  // access type: read only
    PutLe32(s + 188, v.partitionStart);
    PutLe32(s + 192, v.partitionLength);
    PutRegid(s + 196, kImplementation);
    FinishUdfTag(s, kTagPartition, location + 2, 512 - 16);

    // ECMA-167 3/10.6 logical volume descriptor with one type 1 partition map.
    s = sectors + 3 * kSectorSize;
    PutLe32(s + 16, vdsNumber++);
    PutOstaCharspec(s + 20);
    PutDString(s + 84, 128, v.label);
    PutLe32(s + 212, kSectorSize);
    PutUdfRegid(s + 216, "*OSTA UDF Compliant");
    PutLongAd(s + 248, kSectorSize, v.fileSetBlock);  // where the file set descriptor lies
    PutLe32(s + 264, 6);                              // map table length
    PutLe32(s + 268, 1);                              // one partition map
    PutRegid(s + 272, kImplementation);
    PutLe32(s + 432, v.integritySectors * kSectorSize);
    PutLe32(s + 436, v.integrityStart);
    s[440] = 1;  // ECMA-167 3/10.7.2 type 1 map
    s[441] = 6;
    PutLe16(s + 442, 1);  // volume sequence number
    PutLe16(s + 444, 0);  // partition number
    FinishUdfTag(s, kTagLogicalVolume, location + 3, 446 - 16);

    // ECMA-167 3/10.8 unallocated space descriptor: none on a finished disc.
    s = sectors + 4 * kSectorSize;
    PutLe32(s + 16, vdsNumber++);
    PutLe32(s + 20, 0);
    FinishUdfTag(s, kTagUnallocatedSpace, location + 4, 24 - 16);

    PutTerminating(sectors + 5 * kSectorSize, location + 5);
}

void PutIntegritySequence(uint8_t* sectors, uint32_t location, int64_t recorded, uint64_t nextUniqueId,
                          uint32_t partitionLength, uint32_t files, uint32_t directories) {
    std::memset(sectors, 0, 2 * kSectorSize);
    uint8_t* s = sectors;
    PutUdfTimestamp(s + 16, recorded);
    PutLe32(s + 28, 1);  // integrity type: close
    // Next integrity extent (32..39) stays empty.
    PutLe64(s + 40, nextUniqueId);  // ECMA-167 4/14.15 logical volume header descriptor
    PutLe32(s + 72, 1);             // number of partitions
    PutLe32(s + 76, 46);            // length of implementation use
    PutLe32(s + 80, 0);             // free space table: nothing free
    PutLe32(s + 84, partitionLength);
    // UDF 2.2.6.4 implementation use.
    PutRegid(s + 88, kImplementation);
    PutLe32(s + 120, files);
    PutLe32(s + 124, directories);
    PutLe16(s + 128, kUdfRevision);  // minimum read revision
    PutLe16(s + 130, kUdfRevision);  // minimum write revision
    PutLe16(s + 132, kUdfRevision);  // maximum write revision
    FinishUdfTag(s, kTagLogicalVolumeIntegrity, location, 134 - 16);
    PutTerminating(sectors + kSectorSize, location + 1);
}

void PutFileSet(uint8_t* sectors, uint32_t block, const std::u32string& label, int64_t recorded, uint32_t rootBlock) {
    std::memset(sectors, 0, 2 * kSectorSize);
    uint8_t* s = sectors;
    PutUdfTimestamp(s + 16, recorded);
    PutLe16(s + 28, 3);  // interchange level (UDF 2.3.2.1)
    PutLe16(s + 30, 3);
    PutLe32(s + 32, 1);
    PutLe32(s + 36, 1);
    PutLe32(s + 40, 0);  // file set number
    PutLe32(s + 44, 0);  // file set descriptor number
    PutOstaCharspec(s + 48);
    PutDString(s + 112, 128, label);
    PutOstaCharspec(s + 240);
    PutDString(s + 304, 32, label.substr(0, 30));
    PutLongAd(s + 400, kSectorSize, rootBlock);
    PutUdfRegid(s + 416, "*OSTA UDF Compliant");
    FinishUdfTag(s, kTagFileSet, block, 512 - 16);
    PutTerminating(sectors + kSectorSize, block + 1);
}

void PutFileEntry(uint8_t* s, uint32_t block, const UdfFileEntryFields& f) {
    std::memset(s, 0, kSectorSize);
    // ECMA-167 4/14.6 ICB tag: strategy 4, one entry, file type 4 (directory) or 5 (file).
    PutLe32(s + 16, 0);
    PutLe16(s + 20, 4);
    PutLe16(s + 24, 1);
    s[27] = f.directory ? 4 : 5;
    PutLe16(s + 34, 0);  // flags: short allocation descriptors
    PutLe32(s + 36, 0xFFFFFFFFu);  // uid and gid not specified (UDF 3.3.3.1)
    PutLe32(s + 40, 0xFFFFFFFFu);
    // ECMA-167 4/14.9.5 permissions: read for all, and search for folders.
    PutLe32(s + 44, f.directory ? 0x14A5u : 0x1084u);
    PutLe16(s + 48, f.linkCount);
    PutLe64(s + 56, f.size);
    uint64_t blocks = 0;
    for (const auto& e : f.extents) blocks += (uint64_t(e.second) + kSectorSize - 1) / kSectorSize;
    PutLe64(s + 64, blocks);
    PutUdfTimestamp(s + 72, f.recorded);  // access
    PutUdfTimestamp(s + 84, f.recorded);  // modification
    PutUdfTimestamp(s + 96, f.recorded);  // attribute
    PutLe32(s + 108, 1);                  // checkpoint
    PutRegid(s + 128, kImplementation);
    PutLe64(s + 160, f.uniqueId);
    PutLe32(s + 168, 0);  // no extended attributes
    const uint32_t adBytes = uint32_t(f.extents.size() * 8);
    PutLe32(s + 172, adBytes);
    uint8_t* ad = s + 176;
    for (const auto& e : f.extents) {
        PutLe32(ad, e.second);  // type 0: recorded and allocated
        PutLe32(ad + 4, e.first);
        ad += 8;
    }
    FinishUdfTag(s, kTagFileEntry, block, 176 + adBytes - 16);
}

size_t UdfFidLength(size_t identifierBytes) { return (38 + identifierBytes + 3) / 4 * 4; }

size_t PutFileIdentifier(uint8_t* p, uint32_t block, uint8_t characteristics, uint32_t icbBlock,
                         const std::vector<uint8_t>& identifier) {
    const size_t length = UdfFidLength(identifier.size());
    std::memset(p, 0, length);
    PutLe16(p + 16, 1);  // file version number
    p[18] = characteristics;
    p[19] = uint8_t(identifier.size());
    PutLongAd(p + 20, kSectorSize, icbBlock);
    PutLe16(p + 36, 0);  // no implementation use
    if (!identifier.empty()) std::memcpy(p + 38, identifier.data(), identifier.size());
    FinishUdfTag(p, kTagFileIdentifier, block, length - 16);
    return length;
}

}  // namespace bb::recorder::image
