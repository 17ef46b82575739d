// Drive lists, opening a recorder and reading the disc.
#include <cstdio>
#include <string>

#include "neroapi/LoadedLibrary.h"
#include "neroapi/NeroApiLib.h"
#include "neroapi/NeroFunctions.h"

namespace bb::neroapi {
namespace {

using detail::Lookup;

// The folder part of each DVDR path is cut so the whole fits the 256-byte
// buffers of the original layout.
constexpr size_t kDvdrFolderLimit = 246;

// 5.5.6.4 must not find DVDR.DLL in its folder while it lists the drives:
// the file is moved aside for the length of the query and back afterwards.
// Failures to move are ignored, so the query is made either way.
class DvdrDllHidden {
public:
    DvdrDllHidden() {
        const PathStyle paths = detail::CurrentServices().paths;
        const std::string folder = detail::Folder().substr(0, kDvdrFolderLimit);
        m_shown = JoinFolder(folder, "DVDR.DLL", paths);
        m_hidden = JoinFolder(folder, "DVDR._DLL", paths);
        (void)std::rename(m_shown.c_str(), m_hidden.c_str());
    }
    ~DvdrDllHidden() { (void)std::rename(m_hidden.c_str(), m_shown.c_str()); }
    DvdrDllHidden(const DvdrDllHidden&) = delete;
    DvdrDllHidden& operator=(const DvdrDllHidden&) = delete;

private:
    std::string m_shown;
    std::string m_hidden;
};

}  // namespace

neroapi::DriveInfoList* NeroGetAvailableDrives() {
    auto f = Lookup<neroapi::FnNeroGetAvailableDrives>("NeroGetAvailableDrives");
    if (!f) return nullptr;
    void* list = f.call();
    if (!list || !UsesOldDriveLayout(NeroGetAPIVersion())) return static_cast<neroapi::DriveInfoList*>(list);
    neroapi::DriveInfoList* converted = ConvertDriveListFromOld(static_cast<neroapi::DriveInfoOldList*>(list));
    // The library's own list is no longer needed once converted.
    NeroFreeMem(list);
    return converted;
}

neroapi::DriveInfoList* NeroGetAvailableDrivesEx(uint32_t mediaMask, void* reserved) {
    auto f = Lookup<neroapi::FnNeroGetAvailableDrivesEx>("NeroGetAvailableDrivesEx");
    const uint32_t libraryMask = ConvertMediaMask(mediaMask, true);
    if (!f) {
        // Without the Ex form only the CD list can be had.
        return libraryMask == neroapi::kMediaMaskCd ? NeroGetAvailableDrives() : nullptr;
    }
    if (HidesDvdrDll(NeroGetAPIVersion())) {
        DvdrDllHidden hidden;
        return f.call(libraryMask, reserved);
    }
    return f.call(libraryMask, reserved);
}

neroapi::DeviceHandle NeroOpenDevice(const neroapi::DriveInfo* drive) {
    auto f = Lookup<neroapi::FnNeroOpenDevice>("NeroOpenDevice");
    if (!f) return nullptr;
    if (!UsesOldDriveLayout(NeroGetAPIVersion())) return f.call(drive);
    std::unique_ptr<neroapi::DriveInfoOld> old = ConvertDriveToOld(drive);
    if (!old) return nullptr;
    return f.call(old.get());
}

neroapi::DiscInfo* NeroGetCDInfo(neroapi::DeviceHandle device, uint32_t flags) {
    auto f = Lookup<neroapi::FnNeroGetCDInfo>("NeroGetCDInfo");
    if (!f) return nullptr;
    neroapi::DiscInfo* info = f.call(device, flags);
    if (info) info->mediaMask = ConvertMediaMask(info->mediaMask, false);
    return info;
}

}  // namespace bb::neroapi
