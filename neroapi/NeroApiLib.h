// The program's only door to the recording library.
//
// neroapi::Load finds the library's folder in the registry, puts it on
// PATH, loads the library by its full path and announces interface version
// 6.6.0.1; Unload lets it go. Every library function the program uses has a
// wrapper here bearing its name and taking its arguments. A wrapper looks the
// entry point up at each call, gives a fixed substitute result when no
// library is loaded or the entry point is missing, and hides the differences
// of older library versions (media masks, drive records, ISO track tables).
//
// Threads: Load and Unload run on the user-interface thread; the wrappers may
// be called from any thread. Each wrapper call holds its own reference to the
// loaded module, so an Unload during a blocking call (a burn on a worker)
// frees the library only when that call has returned.
//
// Memory: texts, lists and records returned by the wrappers belong to the
// library; hold them in LibraryMemory (neroapi/LibraryMemory.h), which
// releases them through NeroFreeMem.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "neroapi/ApiVersion.h"
#include "neroapi/DriveConversion.h"
#include "neroapi/IsoTrackAdapters.h"
#include "neroapi/LibraryPaths.h"
#include "neroapi/NeroRecords.h"

namespace bb::platform {
class Environment;
class ModuleLoader;
class Registry;
}  // namespace bb::platform

namespace bb::neroapi {

// Registry places of the library's folder (under HKEY_LOCAL_MACHINE).
inline constexpr const char* kSharedKey = "SOFTWARE\\ahead\\Shared";
inline constexpr const char* kSharedValue = "NeroAPI";
inline constexpr const char* kAppPathsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Nero.exe";
inline constexpr const char* kAppPathsValue = "Path";
// The longest folder that is used: longer ones leave no room for the
// library's file name in the 256-character path.
inline constexpr size_t kMaxFolderLength = 242;

// ---- Services -------------------------------------------------------------

// What the binding reaches outside the process. Null members mean the
// system's own (platform::SystemRegistry() and so on).
struct Services {
    platform::Registry* registry = nullptr;
    platform::ModuleLoader* loader = nullptr;
    platform::Environment* environment = nullptr;
    PathStyle paths = kHostPaths;
};

// Replaces the services; returns the ones in place before.
Services SetServices(const Services& services);

// Tests: services for the lifetime of the object; unloads the library and
// restores the previous services when it ends.
class ScopedServices {
public:
    explicit ScopedServices(const Services& services);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services m_previous;
};

// ---- Loading --------------------------------------------------------------

// True when the library is loaded and accepted version 6.6.0.1. Unloads what
// was loaded first.
[[nodiscard]] bool Load();
void Unload();
[[nodiscard]] bool IsLoaded();
// Writes the "NeroAPI" value of the first registry source; failures are silent.
void StoreFolder(const std::string& folder);
// The library's folder as the registry last gave it (trailing separator kept).
[[nodiscard]] std::string LibraryFolder();
// True when one entry of the list equals the folder, ignoring letter case
// (Windows) and one trailing separator on either side. Empty entries never
// match.
[[nodiscard]] bool IsFolderInPath(std::string_view pathList, std::string_view folder,
                                  const PathStyle& style = kHostPaths);

// ---- Version handling -----------------------------------------------------

// The NeroGetAPIVersionEx wrapper with the version as one record: non-zero
// when the version was read (then `out` holds it).
[[nodiscard]] int GetApiVersion(ApiVersion& out);
// The version of the loaded library, nothing when unread.
[[nodiscard]] VersionReading ReadApiVersion();
// The mask in the form of the loaded library's version, or back.
[[nodiscard]] uint32_t ConvertMediaMask(uint32_t mask, bool toLibrary);

// ---- Wrappers (same arguments as the library function) --------------------

void NeroFreeMem(void* memory);
[[nodiscard]] char* NeroGetErrorLog();
void NeroClearErrors();
[[nodiscard]] uint32_t NeroGetAPIVersion();
[[nodiscard]] int NeroGetAPIVersionEx(uint16_t* majorHigh, uint16_t* majorLow, uint16_t* minorHigh,
                                      uint16_t* minorLow, void* reserved);
[[nodiscard]] int NeroSetExpectedAPIVersion(uint32_t fourDigitVersion);
[[nodiscard]] int NeroSetExpectedAPIVersionEx(uint16_t majorHigh, uint16_t majorLow, uint16_t minorHigh,
                                              uint16_t minorLow, void* reserved);
[[nodiscard]] int NeroInit(neroapi::LibSettingsRecord* settings, const char* reserved);
[[nodiscard]] int NeroDone();
// Always the current layout, whatever the library's.
[[nodiscard]] neroapi::DriveInfoList* NeroGetAvailableDrives();
[[nodiscard]] neroapi::DriveInfoList* NeroGetAvailableDrivesEx(uint32_t mediaMask, void* reserved);
[[nodiscard]] neroapi::DeviceHandle NeroOpenDevice(const neroapi::DriveInfo* drive);
void NeroCloseDevice(neroapi::DeviceHandle device);
// The record's media mask comes back in the program's form.
[[nodiscard]] neroapi::DiscInfo* NeroGetCDInfo(neroapi::DeviceHandle device, uint32_t flags);
[[nodiscard]] int NeroBurn(neroapi::DeviceHandle device, int compileType, void* writeDescription,
                           uint32_t burnFlags, uint32_t speedKBs, neroapi::LibProgressRecord* progress);
[[nodiscard]] void* NeroCreateIsoItemOfSize(size_t size);
// On old libraries the track comes back wrapped (COldIsoTrackAsNew); release
// it with NeroFreeIsoTrack like any other.
[[nodiscard]] neroapi::IsoTrack* NeroCreateIsoTrackEx(neroapi::IsoItem* root, const char* name,
                                                   uint32_t isoFlags);
void NeroFreeIsoTrack(neroapi::IsoTrack* track);
[[nodiscard]] int NeroEjectLoadCD(neroapi::DeviceHandle device, int eject);
[[nodiscard]] int NeroGetCDRWErasingTime(neroapi::DeviceHandle device, int mode);
[[nodiscard]] int NeroEraseCDRW(neroapi::DeviceHandle device, int mode);
// Never null while the library can give 8 bytes: "CD-R/RW" when the library
// has no such function.
[[nodiscard]] char* NeroGetTypeNameOfMedia(uint32_t mediaMask, const char* delimiter);
[[nodiscard]] char* NeroGetLocalizedWaitCDTexts(int waitType);

}  // namespace bb::neroapi
