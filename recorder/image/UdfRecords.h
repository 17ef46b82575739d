// UDF 1.02 (ECMA-167 2nd edition profile of OSTA) descriptors, encoded field
// by field. Volume structures are located by sector; file structures by
// logical block within partition 0.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace bb::recorder::image {

constexpr uint16_t kTagPrimaryVolume = 1;
constexpr uint16_t kTagAnchor = 2;
constexpr uint16_t kTagImplementationUse = 4;
constexpr uint16_t kTagPartition = 5;
constexpr uint16_t kTagLogicalVolume = 6;
constexpr uint16_t kTagUnallocatedSpace = 7;
constexpr uint16_t kTagTerminating = 8;
constexpr uint16_t kTagLogicalVolumeIntegrity = 9;
constexpr uint16_t kTagFileSet = 256;
constexpr uint16_t kTagFileIdentifier = 257;
constexpr uint16_t kTagFileEntry = 261;

constexpr uint8_t kFidDirectory = 0x02;
constexpr uint8_t kFidParent = 0x08;

// ECMA-167 2/9.1: one volume structure descriptor ("BEA01", "NSR02", "TEA01").
void PutVolumeStructure(uint8_t* sector, const char* identifier);

// ECMA-167 3/10.2.
void PutAnchor(uint8_t* sector, uint32_t location, uint32_t mainVds, uint32_t reserveVds, uint32_t vdsSectors);

struct UdfVolumeFields {
    std::u32string label;
    int64_t recorded = 0;
    uint32_t partitionStart = 0;
    uint32_t partitionLength = 0;
    uint32_t integrityStart = 0;
    uint32_t integritySectors = 0;
    uint32_t fileSetBlock = 0;
};

// The six descriptors of a volume descriptor sequence (PVD, IUVD, PD, LVD,
// USD, TD) into `sectors` (6 x 2048 bytes) lying at sector `location`.
void PutVolumeDescriptorSequence(uint8_t* sectors, uint32_t location, const UdfVolumeFields& v);

// ECMA-167 3/10.10 with the UDF 2.2.6 implementation use; then a TD.
void PutIntegritySequence(uint8_t* sectors, uint32_t location, int64_t recorded, uint64_t nextUniqueId,
                          uint32_t partitionLength, uint32_t files, uint32_t directories);

// ECMA-167 4/14.1 file set descriptor at block 0 and a TD at block 1.
void PutFileSet(uint8_t* sectors, uint32_t block, const std::u32string& label, int64_t recorded, uint32_t rootBlock);

struct UdfFileEntryFields {
    bool directory = false;
    uint64_t size = 0;
    std::vector<std::pair<uint32_t, uint32_t>> extents;  // (first block, length in bytes)
    uint64_t uniqueId = 0;
    uint16_t linkCount = 1;
    int64_t recorded = 0;
};
// ECMA-167 4/14.9 File Entry with short allocation descriptors (4/14.14.1).
void PutFileEntry(uint8_t* sector, uint32_t block, const UdfFileEntryFields& f);

// ECMA-167 4/14.4 File Identifier Descriptor; returns its length (a multiple of 4).
size_t UdfFidLength(size_t identifierBytes);
size_t PutFileIdentifier(uint8_t* p, uint32_t block, uint8_t characteristics, uint32_t icbBlock,
                         const std::vector<uint8_t>& identifier);

}  // namespace bb::recorder::image
