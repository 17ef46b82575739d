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
#include "recorder/library/optical/OpticalDrives.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace bb::recorder::library {

using namespace bb::recorder::library;

// The program calls through these pointer types; a mismatch would corrupt
// its stack, so it must not compile.
static_assert(std::is_same_v<decltype(&NeroFreeMem), neroapi::FnNeroFreeMem>);
static_assert(std::is_same_v<decltype(&NeroGetErrorLog), neroapi::FnNeroGetErrorLog>);
static_assert(std::is_same_v<decltype(&NeroClearErrors), neroapi::FnNeroClearErrors>);
static_assert(std::is_same_v<decltype(&NeroGetAPIVersion), neroapi::FnNeroGetAPIVersion>);
static_assert(std::is_same_v<decltype(&NeroGetAPIVersionEx), neroapi::FnNeroGetAPIVersionEx>);
static_assert(std::is_same_v<decltype(&NeroSetExpectedAPIVersion), neroapi::FnNeroSetExpectedAPIVersion>);
static_assert(std::is_same_v<decltype(&NeroSetExpectedAPIVersionEx), neroapi::FnNeroSetExpectedAPIVersionEx>);
static_assert(std::is_same_v<decltype(&NeroInit), neroapi::FnNeroInit>);
static_assert(std::is_same_v<decltype(&NeroDone), neroapi::FnNeroDone>);
static_assert(std::is_same_v<decltype(&NeroGetAvailableDrives), neroapi::FnNeroGetAvailableDrives>);
static_assert(std::is_same_v<decltype(&NeroGetAvailableDrivesEx), neroapi::FnNeroGetAvailableDrivesEx>);
static_assert(std::is_same_v<decltype(&NeroOpenDevice), neroapi::FnNeroOpenDevice>);
static_assert(std::is_same_v<decltype(&NeroCloseDevice), neroapi::FnNeroCloseDevice>);
static_assert(std::is_same_v<decltype(&NeroGetCDInfo), neroapi::FnNeroGetCDInfo>);
static_assert(std::is_same_v<decltype(&NeroBurn), neroapi::FnNeroBurn>);
static_assert(std::is_same_v<decltype(&NeroCreateIsoItemOfSize), neroapi::FnNeroCreateIsoItemOfSize>);
static_assert(std::is_same_v<decltype(&NeroCreateIsoTrackEx), neroapi::FnNeroCreateIsoTrackEx>);
static_assert(std::is_same_v<decltype(&NeroFreeIsoTrack), neroapi::FnNeroFreeIsoTrack>);
static_assert(std::is_same_v<decltype(&NeroEjectLoadCD), neroapi::FnNeroEjectLoadCD>);
static_assert(std::is_same_v<decltype(&NeroGetCDRWErasingTime), neroapi::FnNeroGetCDRWErasingTime>);
static_assert(std::is_same_v<decltype(&NeroEraseCDRW), neroapi::FnNeroEraseCDRW>);
static_assert(std::is_same_v<decltype(&NeroGetTypeNameOfMedia), neroapi::FnNeroGetTypeNameOfMedia>);
static_assert(std::is_same_v<decltype(&NeroGetLocalizedWaitCDTexts), neroapi::FnNeroGetLocalizedWaitCDTexts>);

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

// The disc in an optical drive; null (and a line in the error log) when
// there is none or it cannot be read.
neroapi::DiscInfo* OpticalDiscInfo(const Recorder& recorder) {
    const optical::MediaResult media = optical::ReadMedia(recorder.driveAddress, recorder.config.name);
    if (media.failure.problem != optical::Problem::None) {
        AddError(media.failure.line);
        return nullptr;
    }
    const auto profile = optical::MediumOfProfile(media.info.profile);
    const auto medium = profile ? FindMedium(profile->name) : std::nullopt;
    if (media.info.status == optical::DiscStatus::Empty || media.info.status == optical::DiscStatus::Unknown) {
        return nullptr;
    }
    auto* info = static_cast<neroapi::DiscInfo*>(AllocateBlock(sizeof(neroapi::DiscInfo)));
    if (info == nullptr) {
        return nullptr;
    }
    const bool holdsData = media.info.status == optical::DiscStatus::Full ||
                           media.info.status == optical::DiscStatus::Appendable;
    info->value0 = static_cast<uint32_t>(std::min<uint64_t>(media.info.capacitySectors, UINT32_MAX));
    info->value4 = static_cast<uint32_t>(std::min<uint64_t>(media.info.usedSectors, UINT32_MAX));
    info->mediumKind = medium ? medium->kind : 0;
    info->mediaMask = medium ? medium->mask : 0;
    info->hasData = holdsData ? 1 : 0;
    return info;
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
    return neroapi::kApiVersionFourDigit;
}

int NERO_CDECL NeroGetAPIVersionEx(uint16_t* majorHigh, uint16_t* majorLow, uint16_t* minorHigh,
                                   uint16_t* minorLow, void*) {
    uint16_t* parts[4] = {majorHigh, majorLow, minorHigh, minorLow};
    for (int i = 0; i < 4; ++i) {
        if (parts[i] != nullptr) {
            *parts[i] = neroapi::kApiVersion[i];
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

int NERO_CDECL NeroInit(neroapi::LibSettingsRecord* settings, const char*) {
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

neroapi::DriveInfoList* NERO_CDECL NeroGetAvailableDrivesEx(uint32_t mediaMask, void*) {
    return Guarded("NeroGetAvailableDrivesEx", static_cast<neroapi::DriveInfoList*>(nullptr),
                   [&] { return BuildDriveList(mediaMask); });
}

neroapi::DeviceHandle NERO_CDECL NeroOpenDevice(const void* drive) {
    return Guarded("NeroOpenDevice", static_cast<neroapi::DeviceHandle>(nullptr), [&]() -> neroapi::DeviceHandle {
        const auto* info = static_cast<const neroapi::DriveInfo*>(drive);
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

void NERO_CDECL NeroCloseDevice(neroapi::DeviceHandle device) {
    GuardedVoid("NeroCloseDevice", [&] { CloseDevice(device); });
}

neroapi::DiscInfo* NERO_CDECL NeroGetCDInfo(neroapi::DeviceHandle device, uint32_t) {
    return Guarded("NeroGetCDInfo", static_cast<neroapi::DiscInfo*>(nullptr), [&]() -> neroapi::DiscInfo* {
        const Device* opened = FindDevice(device);
        if (opened == nullptr || opened->recorder.isImageRecorder) {
            return nullptr;
        }
        if (opened->recorder.IsOptical()) {
            return OpticalDiscInfo(opened->recorder);
        }
        const DiscState state = LoadDiscState(opened->recorder.config);
        const auto medium = FindMedium(state.medium);
        if (state.tray == TrayContent::Empty || !medium) {
            return nullptr;
        }
        auto* info = static_cast<neroapi::DiscInfo*>(AllocateBlock(sizeof(neroapi::DiscInfo)));
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

int NERO_CDECL NeroBurn(neroapi::DeviceHandle device, int compileType, void* writeDescription,
                        uint32_t burnFlags, uint32_t speedKBs, neroapi::LibProgressRecord* progress) {
    return Guarded("NeroBurn", neroapi::kBurnFailed, [&] {
        Device* opened = FindDevice(device);
        if (opened == nullptr) {
            AddError("NeroBurn was given a device handle that is not open");
            return neroapi::kBurnFailed;
        }
        return RunBurnJob(*opened, compileType, writeDescription, burnFlags, speedKBs, progress);
    });
}

void* NERO_CDECL NeroCreateIsoItemOfSize(size_t size) {
    return AllocateBlock(size);
}

neroapi::IsoTrack* NERO_CDECL NeroCreateIsoTrackEx(neroapi::IsoItem* root, const char* name, uint32_t isoFlags) {
    return Guarded("NeroCreateIsoTrackEx", static_cast<neroapi::IsoTrack*>(nullptr), [&]() -> neroapi::IsoTrack* {
        TreeCopy copy = CopyItemTree(root);
        if (!copy.ok) {
            AddError("The ISO track was not made: " + copy.error);
            return nullptr;
        }
        // With flag 0x80 the second argument is an argument record, not a label.
        std::string label;
        if ((isoFlags & neroapi::kIsoArgsRecord) == 0 && name != nullptr) {
            label = name;
        }
        return new LibIsoTrack(std::move(copy.root), std::move(label), isoFlags);
    });
}

void NERO_CDECL NeroFreeIsoTrack(neroapi::IsoTrack* track) {
    GuardedVoid("NeroFreeIsoTrack", [&] {
        if (LibIsoTrack* ours = FindTrack(track)) {
            ours->Destroy(1);
        }
    });
}

int NERO_CDECL NeroEjectLoadCD(neroapi::DeviceHandle device, int) {
    // Our recorders have no tray to move; the disc stays as it is.
    return Guarded("NeroEjectLoadCD", -1, [&] { return FindDevice(device) != nullptr ? 0 : -1; });
}

int NERO_CDECL NeroGetCDRWErasingTime(neroapi::DeviceHandle device, int mode) {
    return Guarded("NeroGetCDRWErasingTime", neroapi::kEraseNoDisc, [&] {
        const Device* opened = FindDevice(device);
        return opened != nullptr ? ErasingTime(*opened, mode) : neroapi::kEraseNoDisc;
    });
}

int NERO_CDECL NeroEraseCDRW(neroapi::DeviceHandle device, int mode) {
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

}  // namespace bb::recorder::library
