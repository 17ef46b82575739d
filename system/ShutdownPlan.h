// How Windows is asked to shut down, by Windows family. Pure decisions; the
// platform's shutdown service carries them out (and on Linux only reports).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bb::system {

// The Windows kind of GetVersionExA: 1-3 the 9x family (98, 95, Me),
// 4-7 NT 3.x, NT 4, 2000, XP and relatives, 0 anything else.
int WindowsKindOf(bool versionRead, uint32_t platformId, uint32_t major, uint32_t minor);

struct ShutdownPlan {
    enum class Method {
        RunDll,          // 9x: start "<windir>\RUNDLL32.EXE user,ExitWindows" hidden
        PowerOff,        // NT: enable SeShutdownPrivilege, ExitWindowsEx(8, 0)
        ExitWindows,     // ExitWindowsEx(flags, reserved) without privilege
        Nothing,         // nothing can be done (9x without windir)
    };
    Method method = Method::Nothing;
    std::string commandLine;  // RunDll
    uint32_t flags = 0;       // ExitWindowsEx flags
    uint32_t reserved = 0;    // ExitWindowsEx second argument
};

// `ntMajor` is the NT major version when the family is NT (0 otherwise).
// Windows Vista and later (NT 6 and up) report kind 0, which the classic
// table would turn into a log-off; they are switched off like NT 4 to XP.
ShutdownPlan PlanShutdown(int kind, uint32_t ntMajor, const std::optional<std::string>& windir);

}  // namespace bb::system
