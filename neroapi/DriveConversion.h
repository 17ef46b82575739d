// Conversions between the current 1720-byte drive record and the 360-byte
// record of libraries before 5.5.5.5.
#pragma once

#include <memory>

#include "neroapi/NeroRecords.h"

namespace bb::neroapi {

// Old record capacity: speeds per block.
constexpr uint32_t kMaxOldSpeeds = 20;
// Converted records state rates in kB/s of 1x CD.
constexpr uint32_t kConvertedBaseRate = 150;

// Fills `out` (cleared first) from an old record. Speed counts above the old
// capacity of 20 are read as 20.
void ConvertDriveFromOld(const neroapi::DriveInfoOld& old, neroapi::DriveInfo& out);

// Fills `out` (cleared first) from a current record. A block of more than 20
// speeds keeps its first 19 and its last; counts above 64 are read as 64.
void ConvertDriveToOld(const neroapi::DriveInfo& drive, neroapi::DriveInfoOld& out);

// A new list in the current layout, in library memory (from the
// NeroCreateIsoItemOfSize wrapper) so the receiver frees it with NeroFreeMem.
// Null for a null list, a count whose size does not fit in memory, or when
// the library gives no memory. The old list is left alone.
[[nodiscard]] neroapi::DriveInfoList* ConvertDriveListFromOld(const neroapi::DriveInfoOldList* oldList);

// A temporary old record on the program's heap for one NeroOpenDevice call;
// null for a null record or when memory cannot be had.
[[nodiscard]] std::unique_ptr<neroapi::DriveInfoOld> ConvertDriveToOld(const neroapi::DriveInfo* drive);

}  // namespace bb::neroapi
