#include "platform/WindowsVersion.h"

#include <windows.h>

namespace bb::platform {

static_assert(sizeof(OSVERSIONINFOA) == 148, "GetVersionExA record of Windows 95 and NT 4");

WindowsVersion QueryWindowsVersion() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    WindowsVersion version;
    // Deprecated in newer SDKs, but the only call that also answers on 9x.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info))
        return version;
#pragma GCC diagnostic pop
    version.read = true;
    version.platformId = info.dwPlatformId;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    return version;
}

}  // namespace bb::platform
