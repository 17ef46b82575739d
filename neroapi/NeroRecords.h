// Records exchanged in memory between the program and the recording library.
//
// These are memory layouts, shared by the program's binding (neroapi/) and by
// our recording library (recorder/). All multi-byte values are little-endian;
// text fields are single-byte characters, NUL-terminated within their width.
// Offsets are pinned for the 32-bit Windows build; a 64-bit native build
// keeps the same field order with natural pointer width.
//
// Keep this header free of anything but the records: the library includes it.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define NERO_CDECL __cdecl
#define BB_RECORDS_32BIT 1
#else
#define NERO_CDECL
#define BB_RECORDS_32BIT 0
#endif

namespace bb::neroapi {

// Media-type masks the program passes to the library (current form).
constexpr uint32_t kMediaMaskDvd = 0x4001C;
constexpr uint32_t kMediaMaskCd = 0x1;
// Media-type masks of single media, as the library reports them.
constexpr uint32_t kMediaCdR = 0x1;      // CD-R (and CD-RW with medium kind 3)
constexpr uint32_t kMediaDvdMinusR = 0x4;
constexpr uint32_t kMediaDvdMinusRw = 0x1004;
constexpr uint32_t kMediaDvdPlusRw = 0x4008;
constexpr uint32_t kMediaDvdPlusR = 0x8;
constexpr uint32_t kMediaDvdRam = 0x10;
constexpr uint32_t kMediaDvdDoubleLayer = 0x40000;

constexpr uint32_t kMaxSpeeds = 64;

// One block of speeds of a recorder, 648 bytes.
struct SpeedInfo {
    uint32_t count;             // number of speeds, at most 64
    uint32_t baseRate;          // kB/s of speed 1x
    uint32_t rates[kMaxSpeeds];      // kB/s; the first `count` are valid
    uint32_t multiples[kMaxSpeeds];  // multiples of the base rate
    uint8_t reserved[128];
};

// One recorder, current layout, 1720 bytes.
struct DriveInfo {
    char deviceName[64];
    char secondName[8];
    uint32_t value72;
    uint32_t value76;
    uint32_t deviceKind;        // 1: a recorder that can write
    char oneChar;
    uint8_t pad85[3];
    uint32_t capabilities;      // bit 0x1: the library allows the device
    SpeedInfo firstSpeeds;
    SpeedInfo writeSpeeds;
    uint32_t value1388;
    char thirdName[64];
    uint32_t value1456;
    uint32_t mediaMask;         // media types the recorder supports
    uint32_t value1464;
    uint8_t reserved[252];
};

// Returned by the drive-list functions: a count, then the records back to
// back (4 + 1720 x count bytes). Freed by the receiver with NeroFreeMem.
struct DriveInfoList {
    uint32_t count;
    DriveInfo drives[1];
};
inline size_t DriveInfoListSize(uint32_t count) {
    return offsetof(DriveInfoList, drives) + sizeof(DriveInfo) * count;
}

// One recorder in the layout of libraries before 5.5.5.5, 360 bytes.
struct DriveInfoOld {
    char deviceName[32];
    char secondName[8];
    uint32_t value40;
    uint32_t value44;
    uint32_t deviceKind;
    char oneChar;
    uint8_t pad53[3];
    uint32_t capabilities;
    uint32_t firstSpeedCount;        // at most 20
    uint32_t firstSpeeds[20];        // multiples
    uint32_t writeSpeedCount;        // at most 20
    uint32_t writeSpeeds[20];        // multiples
    uint32_t value228;
    char thirdName[32];
    uint32_t value264;
    uint8_t reserved[92];
};

struct DriveInfoOldList {
    uint32_t count;
    DriveInfoOld drives[1];
};

// Disc information returned by NeroGetCDInfo in library memory (freed with
// NeroFreeMem). The program reads three fields; the rest is the library's.
struct DiscInfo {
    uint32_t value0;
    uint32_t value4;
    uint32_t mediumKind;        // 3: CD-RW
    uint8_t library12[140];
    uint32_t mediaMask;         // media type of the inserted disc
    uint8_t library156[116];
    uint32_t hasData;           // non-zero when the disc already holds data
    uint8_t library276[236];
};
constexpr uint32_t kMediumKindCdRw = 3;

// One node of the compilation tree, 592 bytes. Built by the program, cleared
// to zero before use, only read by the library in NeroCreateIsoTrackEx.
struct IsoItem {
    char name[256];             // name on the disc
    uint32_t isFolder;          // 1 folder, 0 file
    uint32_t reference;         // always 0
    char sourcePath[256];       // file on the hard disk; empty for a folder
    IsoItem* firstChild;
    IsoItem* next;
    uint8_t zero[64];
};

// Argument record of NeroCreateIsoTrackEx when ISO flag 0x80 is set.
struct IsoTrackArgs {
    uint32_t fields[5];
};

// ISO track flags.
constexpr uint32_t kIsoJoliet = 0x0001;
constexpr uint32_t kIsoMode2 = 0x0002;
constexpr uint32_t kIsoIso9660 = 0x0008;
constexpr uint32_t kIsoUdf = 0x0010;
constexpr uint32_t kIsoRealloc = 0x0040;
constexpr uint32_t kIsoArgsRecord = 0x0080;
constexpr uint32_t kIsoDvdCompatible = 0x4000;

// The ISO track object made by the library. It begins with a pointer to a
// table of operations called by the library, so its layout is explicit:
// ordinary virtual functions in this order (no virtual destructor), which
// every compiler of a platform lays out the same way. Operation 0 destroys
// the object; flag bit 0x1 also frees its memory.
// Current layout: 30 operations (0..29); libraries before 5.5.9.16 use an
// old layout of 20 (old 13..19 are current 21..27).
class IsoTrack {
public:
    virtual void Destroy(uint32_t flags) = 0;                  // 0
    virtual intptr_t Op1(intptr_t a, intptr_t b) = 0;          // 1
    virtual intptr_t Op2(intptr_t a, intptr_t b) = 0;          // 2
    virtual intptr_t Op3(intptr_t a, intptr_t b) = 0;          // 3
    virtual intptr_t Op4(intptr_t a, intptr_t b) = 0;          // 4
    virtual intptr_t Op5() = 0;                                // 5
    virtual intptr_t Op6() = 0;                                // 6
    virtual intptr_t Op7(intptr_t a) = 0;                      // 7
    virtual intptr_t Op8() = 0;                                // 8
    virtual intptr_t Op9(intptr_t* out1, intptr_t* out2) = 0;  // 9
    virtual intptr_t Op10(intptr_t a, intptr_t b) = 0;         // 10
    virtual intptr_t Op11(intptr_t a, intptr_t b) = 0;         // 11
    virtual intptr_t Op12() = 0;                               // 12
    virtual intptr_t Op13(intptr_t a) = 0;                     // 13
    virtual intptr_t Op14(intptr_t a, intptr_t b) = 0;         // 14
    virtual intptr_t Op15(intptr_t a, intptr_t b) = 0;         // 15
    virtual intptr_t Op16(intptr_t a, intptr_t b) = 0;         // 16
    virtual intptr_t Op17(intptr_t a, intptr_t b) = 0;         // 17
    virtual intptr_t Op18(intptr_t a, intptr_t b) = 0;         // 18
    virtual intptr_t Op19(intptr_t a, intptr_t b) = 0;         // 19
    virtual intptr_t Op20() = 0;                               // 20
    virtual intptr_t Op21(intptr_t a, intptr_t b) = 0;         // 21
    virtual intptr_t Op22(intptr_t a, intptr_t b) = 0;         // 22
    virtual intptr_t Op23(intptr_t a, intptr_t b) = 0;         // 23
    virtual intptr_t Op24(intptr_t a, intptr_t b) = 0;         // 24
    virtual intptr_t Op25(intptr_t a, intptr_t b) = 0;         // 25
    virtual intptr_t Op26(intptr_t a, intptr_t b) = 0;         // 26
    virtual intptr_t Op27(intptr_t a, intptr_t b) = 0;         // 27
    virtual intptr_t Op28() = 0;                               // 28
    virtual void Op29(intptr_t* o1, intptr_t* o2, intptr_t* o3, intptr_t* o4,
                      intptr_t* o5, intptr_t* o6, intptr_t* o7, intptr_t* o8) = 0;  // 29
protected:
    ~IsoTrack() = default;  // destroyed only through Destroy
};

// The old layout of libraries before 5.5.9.16: operations 0..12 as above,
// then current 21..27 as 13..19.
class IsoTrackOld {
public:
    virtual void Destroy(uint32_t flags) = 0;                  // 0
    virtual intptr_t Op1(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op2(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op3(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op4(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op5() = 0;
    virtual intptr_t Op6() = 0;
    virtual intptr_t Op7(intptr_t a) = 0;
    virtual intptr_t Op8() = 0;
    virtual intptr_t Op9(intptr_t* out1, intptr_t* out2) = 0;
    virtual intptr_t Op10(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op11(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op12() = 0;
    virtual intptr_t Op13(intptr_t a, intptr_t b) = 0;         // current 21
    virtual intptr_t Op14(intptr_t a, intptr_t b) = 0;         // current 22
    virtual intptr_t Op15(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op16(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op17(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op18(intptr_t a, intptr_t b) = 0;
    virtual intptr_t Op19(intptr_t a, intptr_t b) = 0;         // current 27
protected:
    ~IsoTrackOld() = default;
};

// Write description record of NeroBurn for compile type 0, 956 bytes.
struct WriteDescription {
    uint32_t value0;
    uint32_t value4;
    IsoTrack* track;            // offset 8
    uint32_t value12;
    uint32_t value16;
    uint32_t value20;
    uint32_t mediaMask;         // offset 24
    uint8_t rest[956 - 28];
};

// Burn flags the program passes to NeroBurn.
constexpr uint32_t kBurnSimulate = 0x2;
constexpr uint32_t kBurnBurnProof = 0x40;
constexpr uint32_t kBurnNoEject = 0x200;
constexpr uint32_t kBurnVerify = 0x400;
constexpr uint32_t kBurnDvdRomBooktypeOn = 0x4000;
constexpr uint32_t kBurnDvdRomBooktypeOff = 0x8000;
constexpr uint32_t kBurnAlways = 0x190C;

// Callbacks; the library calls them with the C calling convention on the
// thread that made the blocking call. The user data comes first.
using IdleCallback = int(NERO_CDECL*)(void* user);
using UserDialogCallback = int(NERO_CDECL*)(void* user, int request, void* data);
using ProgressCallback = int(NERO_CDECL*)(void* user, uint32_t percent);
using AbortedCallback = int(NERO_CDECL*)(void* user);
using AddLogLineCallback = void(NERO_CDECL*)(void* user, int textType, const char* text);
using SetPhaseCallback = void(NERO_CDECL*)(void* user, const char* text);
using DisableAbortCallback = void(NERO_CDECL*)(void* user, int disable);
using SetMajorPhaseCallback = void(NERO_CDECL*)(void* user, int phase, void* reserved);
using SubTaskProgressCallback = int(NERO_CDECL*)(void* user, uint32_t percent);

// User-dialog requests the library makes.
// Results of NeroBurn.
constexpr int kBurnOk = 0;
constexpr int kBurnFailed = 1;            // bad arguments, unusable track, rehearsed failure
constexpr int kBurnAborted = 2;           // the user aborted, cancelled the file name or declined to overwrite
constexpr int kBurnDvdVideo = 3;          // "DVD-Video files reallocation failed"
constexpr int kBurnNoDisc = 4;            // no disc, wrong medium, disc not blank, disc too small
constexpr int kBurnWriteError = 5;        // writing failed (disk full, I/O error) or verify mismatch
constexpr int kBurnSourceUnreadable = 6;  // a source file is missing or unreadable
// The library's log line when it gave up reallocating the DVD-Video files
// (and the burn ends with kBurnDvdVideo); the program offers a burn without
// reallocation when it sees it.
constexpr const char* kReallocFailedLine = "DVD-Video files reallocation failed";

constexpr int kRequestWaitCd = 15;         // data: wait type for NeroGetLocalizedWaitCDTexts
constexpr int kRequestImageFileName = 20;  // data: char[260] receiving the chosen path
constexpr int kRequestOverwriteRw = 22;
constexpr int kImageFileNameCapacity = 260;

// Settings record of NeroInit: ten fields.
struct LibSettingsRecord {
    const char* libraryFilesFolder;  // "NeroFiles"
    const char* vendor;              // "ahead"
    const char* software;            // "Nero - Burning Rom"
    const char* languageFile;        // "Nero.txt"
    IdleCallback idle;
    void* idleUser;
    UserDialogCallback userDialog;
    void* userDialogUser;
    uintptr_t reserved1;
    uintptr_t reserved2;
};

// Progress record of NeroBurn and NeroEraseCDRW: eight fields.
struct LibProgressRecord {
    ProgressCallback progress;
    AbortedCallback aborted;
    AddLogLineCallback addLogLine;
    SetPhaseCallback setPhase;
    void* user;
    DisableAbortCallback disableAbort;
    SetMajorPhaseCallback setMajorPhase;
    SubTaskProgressCallback subTaskProgress;
};

// Handle of an opened recorder.
using DeviceHandle = void*;

// Erase modes of NeroGetCDRWErasingTime and NeroEraseCDRW.
constexpr int kEraseFull = 0;
constexpr int kEraseQuick = 1;

static_assert(sizeof(SpeedInfo) == 648);
static_assert(offsetof(SpeedInfo, rates) == 8);
static_assert(offsetof(SpeedInfo, multiples) == 264);
static_assert(offsetof(SpeedInfo, reserved) == 520);
static_assert(sizeof(DriveInfo) == 1720);
static_assert(offsetof(DriveInfo, secondName) == 64);
static_assert(offsetof(DriveInfo, value72) == 72);
static_assert(offsetof(DriveInfo, deviceKind) == 80);
static_assert(offsetof(DriveInfo, oneChar) == 84);
static_assert(offsetof(DriveInfo, capabilities) == 88);
static_assert(offsetof(DriveInfo, firstSpeeds) == 92);
static_assert(offsetof(DriveInfo, writeSpeeds) == 740);
static_assert(offsetof(DriveInfo, value1388) == 1388);
static_assert(offsetof(DriveInfo, thirdName) == 1392);
static_assert(offsetof(DriveInfo, value1456) == 1456);
static_assert(offsetof(DriveInfo, mediaMask) == 1460);
static_assert(offsetof(DriveInfo, value1464) == 1464);
static_assert(offsetof(DriveInfo, reserved) == 1468);
static_assert(offsetof(DriveInfoList, drives) == 4);
static_assert(sizeof(DriveInfoOld) == 360);
static_assert(offsetof(DriveInfoOld, secondName) == 32);
static_assert(offsetof(DriveInfoOld, value40) == 40);
static_assert(offsetof(DriveInfoOld, deviceKind) == 48);
static_assert(offsetof(DriveInfoOld, oneChar) == 52);
static_assert(offsetof(DriveInfoOld, capabilities) == 56);
static_assert(offsetof(DriveInfoOld, firstSpeedCount) == 60);
static_assert(offsetof(DriveInfoOld, firstSpeeds) == 64);
static_assert(offsetof(DriveInfoOld, writeSpeedCount) == 144);
static_assert(offsetof(DriveInfoOld, writeSpeeds) == 148);
static_assert(offsetof(DriveInfoOld, value228) == 228);
static_assert(offsetof(DriveInfoOld, thirdName) == 232);
static_assert(offsetof(DriveInfoOld, value264) == 264);
static_assert(offsetof(DriveInfoOld, reserved) == 268);
static_assert(offsetof(DiscInfo, mediumKind) == 8);
static_assert(offsetof(DiscInfo, mediaMask) == 152);
static_assert(offsetof(DiscInfo, hasData) == 272);
static_assert(sizeof(IsoTrackArgs) == 20);
static_assert(offsetof(IsoItem, isFolder) == 256);
static_assert(offsetof(IsoItem, reference) == 260);
static_assert(offsetof(IsoItem, sourcePath) == 264);
static_assert(offsetof(IsoItem, firstChild) == 520);
static_assert(offsetof(WriteDescription, track) == 8);
static_assert(offsetof(WriteDescription, mediaMask) == 24 + (sizeof(void*) - 4));
#if BB_RECORDS_32BIT
static_assert(offsetof(IsoItem, next) == 524);
static_assert(offsetof(IsoItem, zero) == 528);
static_assert(sizeof(IsoItem) == 592);
static_assert(sizeof(WriteDescription) == 956);
static_assert(offsetof(WriteDescription, mediaMask) == 24);
static_assert(sizeof(LibSettingsRecord) == 40);
static_assert(sizeof(LibProgressRecord) == 32);
#endif

}  // namespace bb::neroapi
