// Entry points of the recording library: names and C signatures.
//
// The program looks each one up by its undecorated name and calls it through
// these pointer types; our recording library exports exactly these. Both use
// the C calling convention (NERO_CDECL), so the two sides always agree.
#pragma once

#include "neroapi/NeroRecords.h"

namespace bb::neroapi {

using FnNeroFreeMem = void(NERO_CDECL*)(void* memory);
using FnNeroGetErrorLog = char*(NERO_CDECL*)();
using FnNeroClearErrors = void(NERO_CDECL*)();
using FnNeroGetAPIVersion = uint32_t(NERO_CDECL*)();
using FnNeroGetAPIVersionEx = int(NERO_CDECL*)(uint16_t* majorHigh, uint16_t* majorLow,
                                                uint16_t* minorHigh, uint16_t* minorLow,
                                                void* reserved);
using FnNeroSetExpectedAPIVersion = int(NERO_CDECL*)(uint32_t fourDigitVersion);
using FnNeroSetExpectedAPIVersionEx = int(NERO_CDECL*)(uint16_t majorHigh, uint16_t majorLow,
                                                        uint16_t minorHigh, uint16_t minorLow,
                                                        void* reserved);
using FnNeroInit = int(NERO_CDECL*)(LibSettingsRecord* settings, const char* reserved);
using FnNeroDone = int(NERO_CDECL*)();
// Old libraries (before 5.5.5.5) return a DriveInfoOldList here.
using FnNeroGetAvailableDrives = void*(NERO_CDECL*)();
using FnNeroGetAvailableDrivesEx = DriveInfoList*(NERO_CDECL*)(uint32_t mediaMask, void* reserved);
// Old libraries (before 5.5.5.5) take a DriveInfoOld here.
using FnNeroOpenDevice = DeviceHandle(NERO_CDECL*)(const void* drive);
using FnNeroCloseDevice = void(NERO_CDECL*)(DeviceHandle device);
using FnNeroGetCDInfo = DiscInfo*(NERO_CDECL*)(DeviceHandle device, uint32_t flags);
using FnNeroBurn = int(NERO_CDECL*)(DeviceHandle device, int compileType, void* writeDescription,
                                     uint32_t burnFlags, uint32_t speedKBs,
                                     LibProgressRecord* progress);
using FnNeroCreateIsoItemOfSize = void*(NERO_CDECL*)(size_t size);
// The second argument is the volume name, or an IsoTrackArgs record when ISO
// flag 0x80 is set.
using FnNeroCreateIsoTrackEx = IsoTrack*(NERO_CDECL*)(IsoItem* root, const char* name,
                                                      uint32_t isoFlags);
using FnNeroFreeIsoTrack = void(NERO_CDECL*)(IsoTrack* track);
using FnNeroEjectLoadCD = int(NERO_CDECL*)(DeviceHandle device, int eject);
using FnNeroGetCDRWErasingTime = int(NERO_CDECL*)(DeviceHandle device, int mode);
using FnNeroEraseCDRW = int(NERO_CDECL*)(DeviceHandle device, int mode);
using FnNeroGetTypeNameOfMedia = char*(NERO_CDECL*)(uint32_t mediaMask, const char* delimiter);
using FnNeroGetLocalizedWaitCDTexts = char*(NERO_CDECL*)(int waitType);

}  // namespace bb::neroapi
