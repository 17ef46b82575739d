#include "neroapi/DriveConversion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "neroapi/NeroApiLib.h"

namespace bb::neroapi {
namespace {

// Copies at most `limit` characters of a field that may lack a terminator
// within its width; `to` is already zero, so the copy stays terminated.
template <size_t From, size_t To>
void CopyName(const char (&from)[From], char (&to)[To]) {
    static_assert(To > 0);
    const size_t length = std::min(strnlen(from, From), To - 1);
    std::memcpy(to, from, length);
}

void SpeedsFromOld(uint32_t count, const uint32_t (&multiples)[kMaxOldSpeeds], neroapi::SpeedInfo& out) {
    out.count = std::min(count, kMaxOldSpeeds);
    out.baseRate = kConvertedBaseRate;
    for (uint32_t i = 0; i < out.count; ++i) {
        out.multiples[i] = multiples[i];
        out.rates[i] = multiples[i] * kConvertedBaseRate;
    }
}

void SpeedsToOld(const neroapi::SpeedInfo& speeds, uint32_t& count, uint32_t (&multiples)[kMaxOldSpeeds]) {
    const uint32_t available = std::min(speeds.count, neroapi::kMaxSpeeds);
    count = std::min(available, kMaxOldSpeeds);
    for (uint32_t i = 0; i < count; ++i) multiples[i] = speeds.multiples[i];
    // The fastest speed matters most to the user: it replaces the last slot.
    if (count != 0) multiples[count - 1] = speeds.multiples[available - 1];
}

}  // namespace

void ConvertDriveFromOld(const neroapi::DriveInfoOld& old, neroapi::DriveInfo& out) {
    std::memset(&out, 0, sizeof out);
    CopyName(old.deviceName, out.deviceName);
    CopyName(old.secondName, out.secondName);
    out.value72 = old.value40;
    out.value76 = old.value44;
    out.deviceKind = old.deviceKind;
    out.oneChar = old.oneChar;
    out.capabilities = old.capabilities;
    SpeedsFromOld(old.firstSpeedCount, old.firstSpeeds, out.firstSpeeds);
    SpeedsFromOld(old.writeSpeedCount, old.writeSpeeds, out.writeSpeeds);
    out.value1388 = old.value228;
    CopyName(old.thirdName, out.thirdName);
    out.value1456 = old.value264;
}

void ConvertDriveToOld(const neroapi::DriveInfo& drive, neroapi::DriveInfoOld& out) {
    std::memset(&out, 0, sizeof out);
    CopyName(drive.deviceName, out.deviceName);
    CopyName(drive.secondName, out.secondName);
    out.value40 = drive.value72;
    out.value44 = drive.value76;
    out.deviceKind = drive.deviceKind;
    out.oneChar = drive.oneChar;
    out.capabilities = drive.capabilities;
    SpeedsToOld(drive.firstSpeeds, out.firstSpeedCount, out.firstSpeeds);
    SpeedsToOld(drive.writeSpeeds, out.writeSpeedCount, out.writeSpeeds);
    out.value228 = drive.value1388;
    CopyName(drive.thirdName, out.thirdName);
    out.value264 = drive.value1456;
}

neroapi::DriveInfoList* ConvertDriveListFromOld(const neroapi::DriveInfoOldList* oldList) {
    if (!oldList) return nullptr;
    const uint32_t count = oldList->count;
    // Only a 32-bit size_t can overflow here.
    if (uint64_t{count} > (SIZE_MAX - offsetof(neroapi::DriveInfoList, drives)) / sizeof(neroapi::DriveInfo)) {
        return nullptr;
    }
    auto* list = static_cast<neroapi::DriveInfoList*>(NeroCreateIsoItemOfSize(neroapi::DriveInfoListSize(count)));
    if (!list) return nullptr;
    list->count = count;
    for (uint32_t i = 0; i < count; ++i) ConvertDriveFromOld(oldList->drives[i], list->drives[i]);
    return list;
}

std::unique_ptr<neroapi::DriveInfoOld> ConvertDriveToOld(const neroapi::DriveInfo* drive) {
    if (!drive) return nullptr;
    std::unique_ptr<neroapi::DriveInfoOld> old(new (std::nothrow) neroapi::DriveInfoOld);
    if (old) ConvertDriveToOld(*drive, *old);
    return old;
}

}  // namespace bb::neroapi
