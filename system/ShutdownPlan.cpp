#include "system/ShutdownPlan.h"

namespace bb::system {

namespace {
constexpr uint32_t kPlatform9x = 1;
constexpr uint32_t kPlatformNt = 2;
constexpr uint32_t kExitPowerOff = 0x8;
constexpr uint32_t kExitLogOff = 0x0;
}  // namespace

int WindowsKindOf(bool versionRead, uint32_t platformId, uint32_t major, uint32_t minor) {
    if (!versionRead)
        return 0;
    if (platformId == kPlatform9x) {
        switch (minor) {
            case 10: return 1;
            case 0: return 2;
            case 90: return 3;
            default: return 0;
        }
    }
    if (platformId == kPlatformNt) {
        if (major == 3) return 4;
        if (major == 4) return 5;
        if (major == 5) return minor == 0 ? 6 : 7;
    }
    return 0;
}

ShutdownPlan PlanShutdown(int kind, uint32_t ntMajor, const std::optional<std::string>& windir) {
    ShutdownPlan plan;
    switch (kind) {
        case 1:
        case 2:
        case 3:
            if (windir) {
                plan.method = ShutdownPlan::Method::RunDll;
                plan.commandLine = *windir + "\\RUNDLL32.EXE user,ExitWindows";
            }
            return plan;
        case 5:
        case 6:
        case 7:
            plan.method = ShutdownPlan::Method::PowerOff;
            plan.flags = kExitPowerOff;
            return plan;
        default:
            if (kind == 0 && ntMajor >= 6) {
                plan.method = ShutdownPlan::Method::PowerOff;
                plan.flags = kExitPowerOff;
                return plan;
            }
            plan.method = ShutdownPlan::Method::ExitWindows;
            plan.flags = kExitLogOff;
            plan.reserved = 0xFFFFFFFF;
            return plan;
    }
}

}  // namespace bb::system
