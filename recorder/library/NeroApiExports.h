// Public interface of our recording library (NeroAPI.dll / libNeroAPI.so).
//
// Programs load the library at run time, look each entry point up by its
// undecorated name and call it with the C calling convention; the pointer
// types are those of neroapi/NeroFunctions.h. The library announces
// interface version 6.6.0.1.
//
// Memory: every text, list and record that a function below returns belongs
// to the caller, who releases it with NeroFreeMem. ISO tracks are the one
// exception: they are released with NeroFreeIsoTrack (or their own Destroy).
//
// Threads: calls may come from any thread. A blocking call (NeroBurn,
// NeroEraseCDRW) runs on the caller's thread and makes every callback on that
// thread; it returns only when the job is over.
//
// Errors: no function throws. Whatever went wrong since the last
// NeroClearErrors is collected, one line per problem, and returned by
// NeroGetErrorLog.
//
// Recorders: the "Image Recorder" is always present and writes image files.
// Simulated recorders come from a configuration file (see
// NeroAPI-drives.sample.ini): the file named by the environment variable
// BB_NEROAPI_CONFIG, else "NeroAPI-drives.ini" in the library's own folder.
// The file is read again at every drive query and every NeroOpenDevice.
#pragma once

#include "neroapi/NeroRecords.h"
#include "platform/base/SharedLibraryExport.h"

#define NEROAPI_EXPORT BB_SHARED_LIBRARY_EXPORT

namespace bb::neroapi {

// Interface version announced by NeroGetAPIVersionEx / NeroGetAPIVersion.
constexpr uint16_t kApiVersion[4] = {6, 6, 0, 1};
constexpr uint32_t kApiVersionFourDigit = 6601;

// Results of NeroGetCDRWErasingTime besides seconds.
constexpr int kEraseNoDisc = -1;          // no disc in the recorder, or a recorder that cannot erase
constexpr int kEraseNotRewritable = -2;   // the disc is not rewritable
constexpr int kEraseRecorderError = -3;   // the recorder reports a failure

// Wait types carried by user-dialog request 15 (the data pointer holds the
// number itself) and understood by NeroGetLocalizedWaitCDTexts.
constexpr int kWaitInsertDisc = 0;
constexpr int kWaitInsertBlankDisc = 1;
constexpr int kWaitInsertRewritable = 2;
constexpr int kWaitInsertBiggerDisc = 3;
constexpr int kWaitWrongMedium = 4;

// Answer of the program to request 22 that allows overwriting.
constexpr int kAnswerOverwrite = 5;
// Answer of the program to request 20 that accepts the file name.
constexpr int kAnswerOk = 1;

// Text types of the add-log-line callback.
constexpr int kLogInfo = 0;
constexpr int kLogWarning = 1;
constexpr int kLogError = 2;

// Medium kinds in DiscInfo::mediumKind (3 is the CD-RW every program knows).
constexpr uint32_t kMediumKindCdR = 1;
constexpr uint32_t kMediumKindDvdMinusR = 10;
constexpr uint32_t kMediumKindDvdMinusRw = 11;
constexpr uint32_t kMediumKindDvdPlusR = 12;
constexpr uint32_t kMediumKindDvdPlusRw = 13;
constexpr uint32_t kMediumKindDvdRam = 14;

}  // namespace bb::neroapi

namespace bb::recorder::library {

extern "C" {

// Releases a block returned by any function of this library. Null is ignored.
NEROAPI_EXPORT void NERO_CDECL NeroFreeMem(void* memory);

// Everything that went wrong since the last NeroClearErrors, one line each
// ending in '\n'; null when nothing did. Free with NeroFreeMem.
NEROAPI_EXPORT char* NERO_CDECL NeroGetErrorLog();
NEROAPI_EXPORT void NERO_CDECL NeroClearErrors();

// 6601.
NEROAPI_EXPORT uint32_t NERO_CDECL NeroGetAPIVersion();
// Writes 6, 6, 0, 1 through the non-null pointers; the fifth argument is
// ignored. Result 1.
NEROAPI_EXPORT int NERO_CDECL NeroGetAPIVersionEx(uint16_t* majorHigh, uint16_t* majorLow,
                                                  uint16_t* minorHigh, uint16_t* minorLow,
                                                  void* reserved);
// Non-zero when the library serves a program written for that version:
// 5.5.9.16 (current drive and track layouts) up to 6.6.0.1. The four-digit
// form accepts 5599 to 6601 (its digits are capped at 9).
NEROAPI_EXPORT int NERO_CDECL NeroSetExpectedAPIVersion(uint32_t fourDigitVersion);
NEROAPI_EXPORT int NERO_CDECL NeroSetExpectedAPIVersionEx(uint16_t majorHigh, uint16_t majorLow,
                                                          uint16_t minorHigh, uint16_t minorLow,
                                                          void* reserved);

// Keeps the idle and user-dialog callbacks of the record (copied; the record
// need not outlive the call). Result 0; 1 for a null record.
NEROAPI_EXPORT int NERO_CDECL NeroInit(neroapi::LibSettingsRecord* settings, const char* reserved);
// Forgets the callbacks. Result 0.
NEROAPI_EXPORT int NERO_CDECL NeroDone();

// Every recorder, in the current layout. Free with NeroFreeMem.
NEROAPI_EXPORT void* NERO_CDECL NeroGetAvailableDrives();
// The recorders whose media mask shares a bit with `mediaMask`; a list with
// count 0 when none does. The write speeds follow the media class asked:
// DVD rates when the mask has a DVD bit, CD rates otherwise. Free with
// NeroFreeMem.
NEROAPI_EXPORT neroapi::DriveInfoList* NERO_CDECL NeroGetAvailableDrivesEx(uint32_t mediaMask,
                                                                        void* reserved);

// Opens the recorder named by the record's device name (a DriveInfo of a
// drive list). Null when no recorder has that name. Close with
// NeroCloseDevice.
NEROAPI_EXPORT neroapi::DeviceHandle NERO_CDECL NeroOpenDevice(const void* drive);
NEROAPI_EXPORT void NERO_CDECL NeroCloseDevice(neroapi::DeviceHandle device);

// The disc in the recorder: mediumKind (kMediumKind*, 3 for a CD-RW),
// mediaMask (0x1004 DVD-RW, 0x4008 DVD+RW, 0x4 DVD-R, 0x8 DVD+R, 0x10
// DVD-RAM, 0x1 CD-R and CD-RW), hasData, value0 = capacity in 2048-byte
// sectors, value4 = sectors in use. Null for an empty tray and for the image
// recorder. The flags are ignored. Free with NeroFreeMem.
NEROAPI_EXPORT neroapi::DiscInfo* NERO_CDECL NeroGetCDInfo(neroapi::DeviceHandle device, uint32_t flags);

// Writes the ISO track of `writeDescription` (a WriteDescription, compile
// type 0) with the burn flags (0x2 simulate: the whole job without writing;
// 0x400 verify after writing; others are logged), at `speedKBs` (0: the
// fastest). Blocks; every callback of `progress` and of NeroInit's record is
// made on the calling thread. The image recorder asks for the file name with
// request 20; a name ending in ".nrg" gets the image followed by the vendor's
// footer. Results: kBurn* above.
NEROAPI_EXPORT int NERO_CDECL NeroBurn(neroapi::DeviceHandle device, int compileType,
                                       void* writeDescription, uint32_t burnFlags,
                                       uint32_t speedKBs, neroapi::LibProgressRecord* progress);

// A zeroed block of `size` bytes; the library's allocator. Free with
// NeroFreeMem.
NEROAPI_EXPORT void* NERO_CDECL NeroCreateIsoItemOfSize(size_t size);

// Copies the item tree (the item and its `next` chain are the top level) into
// a new ISO track; the caller's items are only read. `name` is the volume
// label, or an IsoTrackArgs record when isoFlags has 0x80 (then the label is
// empty). Null, with a line in the error log, for a null root, a cycle, or a
// text field not terminated within its width. Release with NeroFreeIsoTrack.
NEROAPI_EXPORT neroapi::IsoTrack* NERO_CDECL NeroCreateIsoTrackEx(neroapi::IsoItem* root,
                                                               const char* name,
                                                               uint32_t isoFlags);
NEROAPI_EXPORT void NERO_CDECL NeroFreeIsoTrack(neroapi::IsoTrack* track);

// Opens (eject 1) or closes the tray. Result 0; -1 for an unknown handle.
NEROAPI_EXPORT int NERO_CDECL NeroEjectLoadCD(neroapi::DeviceHandle device, int eject);

// Seconds a full (0) or quick (1) erase takes, or kErase* (negative).
NEROAPI_EXPORT int NERO_CDECL NeroGetCDRWErasingTime(neroapi::DeviceHandle device, int mode);
// Erases the rewritable disc; blocks for the estimated time and makes no
// callbacks. Result 0; -1 when there is nothing to erase or the erase failed
// (the error log says why).
NEROAPI_EXPORT int NERO_CDECL NeroEraseCDRW(neroapi::DeviceHandle device, int mode);

// Names of the media in the mask ("CD-R/RW", "DVD-R", "DVD-RW", "DVD+R",
// "DVD+RW", "DVD-RAM", "DVD+R DL"), joined by `delimiter` (", " when null);
// an empty text for a mask without known media. Free with NeroFreeMem.
NEROAPI_EXPORT char* NERO_CDECL NeroGetTypeNameOfMedia(uint32_t mediaMask, const char* delimiter);
// The text of a wait type of request 15 (kWait*); null for an unknown type.
// Free with NeroFreeMem.
NEROAPI_EXPORT char* NERO_CDECL NeroGetLocalizedWaitCDTexts(int waitType);

}  // extern "C"

}  // namespace bb::recorder::library
