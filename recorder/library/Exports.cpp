// The exported C interface. Each function catches everything: no C++
// exception may reach a caller that knows nothing of C++.
#include "recorder/library/NeroApiExports.h"

#include "neroapi/NeroFunctions.h"
#include "recorder/library/BurnJob.h"
#include "recorder/library/Devices.h"
#include "recorder/library/DiscState.h"
#include "recorder/library/EraseJob.h"
#include "recorder/library/ErrorLog.h"
#include "recorder/library/LibIsoTrack.h"
#include "recorder/library/LibraryMemory.h"
#include "recorder/library/LibrarySession.h"
#include "recorder/library/Media.h"
#include "recorder/library/Recorders.h"
#include "recorder/library/VersionPolicy.h"

#include <cstring>
#include <type_traits>

using namespace rec::lib;

// The program calls through these pointer types; a mismatch would corrupt
// its stack, so it must not compile.
static_assert(std::is_same_v<decltype(&NeroFreeMem), nero::FnNeroFreeMem>);
static_assert(std::is_same_v<decltype(&NeroGetErrorLog), nero::FnNeroGetErrorLog>);
static_assert(std::is_same_v<decltype(&NeroClearErrors), nero::FnNeroClearErrors>);
static_assert(std::is_same_v<decltype(&NeroGetAPIVersion), nero::FnNeroGetAPIVersion>);
static_assert(std::is_same_v<decltype(&NeroGetAPIVersionEx), nero::FnNeroGetAPIVersionEx>);
static_assert(std::is_same_v<decltype(&NeroSetExpectedAPIVersion), nero::FnNeroSetExpectedAPIVersion>);
static_assert(std::is_same_v<decltype(&NeroSetExpectedAPIVersionEx), nero::FnNeroSetExpectedAPIVersionEx>);
static_assert(std::is_same_v<decltype(&NeroInit), nero::FnNeroInit>);
static_assert(std::is_same_v<decltype(&NeroDone), nero::FnNeroDone>);
static_assert(std::is_same_v<decltype(&NeroGetAvailableDrives), nero::FnNeroGetAvailableDrives>);
static_assert(std::is_same_v<decltype(&NeroGetAvailableDrivesEx), nero::FnNeroGetAvailableDrivesEx>);
static_assert(std::is_same_v<decltype(&NeroOpenDevice), nero::FnNeroOpenDevice>);
static_assert(std::is_same_v<decltype(&NeroCloseDevice), nero::FnNeroCloseDevice>);
static_assert(std::is_same_v<decltype(&NeroGetCDInfo), nero::FnNeroGetCDInfo>);
static_assert(std::is_same_v<decltype(&NeroBurn), nero::FnNeroBurn>);
static_assert(std::is_same_v<decltype(&NeroCreateIsoItemOfSize), nero::FnNeroCreateIsoItemOfSize>);
static_assert(std::is_same_v<decltype(&NeroCreateIsoTrackEx), nero::FnNeroCreateIsoTrackEx>);
static_assert(std::is_same_v<decltype(&NeroFreeIsoTrack), nero::FnNeroFreeIsoTrack>);
static_assert(std::is_same_v<decltype(&NeroEjectLoadCD), nero::FnNeroEjectLoadCD>);
static_assert(std::is_same_v<decltype(&NeroGetCDRWErasingTime), nero::FnNeroGetCDRWErasingTime>);
static_assert(std::is_same_v<decltype(&NeroEraseCDRW), nero::FnNeroEraseCDRW>);
static_assert(std::is_same_v<decltype(&NeroGetTypeNameOfMedia), nero::FnNeroGetTypeNameOfMedia>);
static_assert(std::is_same_v<decltype(&NeroGetLocalizedWaitCDTexts), nero::FnNeroGetLocalizedWaitCDTexts>);

namespace {

// Runs `body`; an escaping exception becomes `failure` and a line in the
// error log.
template <typename Result, typename Body>
Result Guarded(const char* function, Result failure, Body body) noexcept {
    try {
        return body();
    } catch (const std::exception& error) {
        try {
            AddError(std::string(function) + ": internal error: " + error.what());
        } catch (...) {
        }
    } catch (...) {
        try {
            AddError(std::string(function) + ": internal error");
        } catch (...) {
        }
    }
    return failure;
}

template <typename Body>
void GuardedVoid(const char* function, Body body) noexcept {
    Guarded(function, 0, [&] {
        body();
        return 0;
    });
}

}  // namespace

extern "C" {

void NERO_CDECL NeroFreeMem(void* memory) {
    FreeBlock(memory);
}

char* NERO_CDECL NeroGetErrorLog() {
    return Guarded("NeroGetErrorLog", static_cast<char*>(nullptr), []() -> char* {
        const std::string text = ErrorText();
        return text.empty() ? nullptr : CopyToBlock(text);
    });
}

void NERO_CDECL NeroClearErrors() {
    GuardedVoid("NeroClearErrors", [] { ClearErrors(); });
}

uint32_t NERO_CDECL NeroGetAPIVersion() {
    return nero::kApiVersionFourDigit;
}

int NERO_CDECL NeroGetAPIVersionEx(uint16_t* majorHigh, uint16_t* majorLow, uint16_t* minorHigh,
                                   uint16_t* minorLow, void*) {
    uint16_t* parts[4] = {majorHigh, majorLow, minorHigh, minorLow};
    for (int i = 0; i < 4; ++i) {
        if (parts[i] != nullptr) {
            *parts[i] = nero::kApiVersion[i];
        }
    }
    return 1;
}

int NERO_CDECL NeroSetExpectedAPIVersion(uint32_t fourDigitVersion) {
    return IsServableVersion(fourDigitVersion) ? 1 : 0;
}

int NERO_CDECL NeroSetExpectedAPIVersionEx(uint16_t majorHigh, uint16_t majorLow, uint16_t minorHigh,
                                           uint16_t minorLow, void*) {
    return IsServableVersion(majorHigh, majorLow, minorHigh, minorLow) ? 1 : 0;
}

int NERO_CDECL NeroInit(nero::LibSettingsRecord* settings, const char*) {
    return Guarded("NeroInit", 1, [&] {
        if (settings == nullptr) {
            AddError("NeroInit was called without a settings record");
            return 1;
        }
        StartSession(*settings);
        return 0;
    });
}

int NERO_CDECL NeroDone() {
    return Guarded("NeroDone", 1, [] {
        EndSession();
        return 0;
    });
}

void* NERO_CDECL NeroGetAvailableDrives() {
    return Guarded("NeroGetAvailableDrives", static_cast<void*>(nullptr),
                   [] { return static_cast<void*>(BuildDriveList(0xFFFFFFFFu)); });
}

nero::DriveInfoList* NERO_CDECL NeroGetAvailableDrivesEx(uint32_t mediaMask, void*) {
    return Guarded("NeroGetAvailableDrivesEx", static_cast<nero::DriveInfoList*>(nullptr),
                   [&] { return BuildDriveList(mediaMask); });
}

nero::DeviceHandle NERO_CDECL NeroOpenDevice(const void* drive) {
    return Guarded("NeroOpenDevice", static_cast<nero::DeviceHandle>(nullptr), [&]() -> nero::DeviceHandle {
        const auto* info = static_cast<const nero::DriveInfo*>(drive);
        if (info == nullptr || std::memchr(info->deviceName, '\0', sizeof info->deviceName) == nullptr) {
            AddError("NeroOpenDevice was given no drive record, or one without a terminated name");
            return nullptr;
        }
        auto recorder = FindRecorder(info->deviceName);
        if (!recorder) {
            AddError(std::string("No recorder is named \"") + info->deviceName + "\"");
            return nullptr;
        }
        return OpenDevice(std::move(*recorder));
    });
}

void NERO_CDECL NeroCloseDevice(nero::DeviceHandle device) {
    GuardedVoid("NeroCloseDevice", [&] { CloseDevice(device); });
}

nero::DiscInfo* NERO_CDECL NeroGetCDInfo(nero::DeviceHandle device, uint32_t) {
    return Guarded("NeroGetCDInfo", static_cast<nero::DiscInfo*>(nullptr), [&]() -> nero::DiscInfo* {
        const Device* opened = FindDevice(device);
        if (opened == nullptr || opened->recorder.isImageRecorder) {
            return nullptr;
        }
        const DiscState state = LoadDiscState(opened->recorder.config);
        const auto medium = FindMedium(state.medium);
        if (state.tray == TrayContent::Empty || !medium) {
            return nullptr;
        }
        auto* info = static_cast<nero::DiscInfo*>(AllocateBlock(sizeof(nero::DiscInfo)));
        if (info == nullptr) {
            return nullptr;
        }
        const RecorderConfig& config = opened->recorder.config;
        const uint64_t capacity = config.capacitySectors != 0 ? config.capacitySectors : medium->capacitySectors;
        info->value0 = static_cast<uint32_t>(capacity);
        info->value4 = state.tray == TrayContent::Data ? static_cast<uint32_t>(capacity) : 0;
        info->mediumKind = medium->kind;
        info->mediaMask = medium->mask;
        info->hasData = state.tray == TrayContent::Data ? 1 : 0;
        return info;
    });
}

int NERO_CDECL NeroBurn(nero::DeviceHandle device, int compileType, void* writeDescription,
                        uint32_t burnFlags, uint32_t speedKBs, nero::LibProgressRecord* progress) {
    return Guarded("NeroBurn", nero::kBurnFailed, [&] {
        Device* opened = FindDevice(device);
        if (opened == nullptr) {
            AddError("NeroBurn was given a device handle that is not open");
            return nero::kBurnFailed;
        }
        return RunBurnJob(*opened, compileType, writeDescription, burnFlags, speedKBs, progress);
    });
}

void* NERO_CDECL NeroCreateIsoItemOfSize(size_t size) {
    return AllocateBlock(size);
}

nero::IsoTrack* NERO_CDECL NeroCreateIsoTrackEx(nero::IsoItem* root, const char* name, uint32_t isoFlags) {
    return Guarded("NeroCreateIsoTrackEx", static_cast<nero::IsoTrack*>(nullptr), [&]() -> nero::IsoTrack* {
        TreeCopy copy = CopyItemTree(root);
        if (!copy.ok) {
            AddError("The ISO track was not made: " + copy.error);
            return nullptr;
        }
        // With flag 0x80 the second argument is an argument record, not a label.
        std::string label;
        if ((isoFlags & nero::kIsoArgsRecord) == 0 && name != nullptr) {
            label = name;
        }
        return new LibIsoTrack(std::move(copy.root), std::move(label), isoFlags);
    });
}

void NERO_CDECL NeroFreeIsoTrack(nero::IsoTrack* track) {
    GuardedVoid("NeroFreeIsoTrack", [&] {
        if (LibIsoTrack* ours = FindTrack(track)) {
            ours->Destroy(1);
        }
    });
}

int NERO_CDECL NeroEjectLoadCD(nero::DeviceHandle device, int) {
    // Our recorders have no tray to move; the disc stays as it is.
    return Guarded("NeroEjectLoadCD", -1, [&] { return FindDevice(device) != nullptr ? 0 : -1; });
}

int NERO_CDECL NeroGetCDRWErasingTime(nero::DeviceHandle device, int mode) {
    return Guarded("NeroGetCDRWErasingTime", nero::kEraseNoDisc, [&] {
        const Device* opened = FindDevice(device);
        return opened != nullptr ? ErasingTime(*opened, mode) : nero::kEraseNoDisc;
    });
}

int NERO_CDECL NeroEraseCDRW(nero::DeviceHandle device, int mode) {
    return Guarded("NeroEraseCDRW", -1, [&] {
        const Device* opened = FindDevice(device);
        return opened != nullptr ? EraseRewritable(*opened, mode) : -1;
    });
}

char* NERO_CDECL NeroGetTypeNameOfMedia(uint32_t mediaMask, const char* delimiter) {
    return Guarded("NeroGetTypeNameOfMedia", static_cast<char*>(nullptr), [&] {
        return CopyToBlock(MediaTypeNames(mediaMask, delimiter != nullptr ? delimiter : ", "));
    });
}

char* NERO_CDECL NeroGetLocalizedWaitCDTexts(int waitType) {
    return Guarded("NeroGetLocalizedWaitCDTexts", static_cast<char*>(nullptr), [&]() -> char* {
        const std::string text = WaitText(waitType);
        return text.empty() ? nullptr : CopyToBlock(text);
    });
}

}  // extern "C"
