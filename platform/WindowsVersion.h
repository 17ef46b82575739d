// The running Windows version as GetVersionExA reports it.
#pragma once

#include <cstdint>

namespace bb::platform {

struct WindowsVersion {
    bool read = false;        // false: GetVersionExA failed, or not Windows at all
    uint32_t platformId = 0;  // 1 = 9x family (VER_PLATFORM_WIN32_WINDOWS), 2 = NT family
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
};

enum class WindowsFamily { None, Win9x, NT };

// On Windows asks GetVersionExA with the 148-byte record; elsewhere answers
// "not read". Note that Windows 8.1 and later report 6.2 to programs without
// a compatibility manifest.
WindowsVersion QueryWindowsVersion();

WindowsFamily FamilyOf(const WindowsVersion& version);

}  // namespace bb::platform
