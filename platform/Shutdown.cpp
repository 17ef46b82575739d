#include "platform/Shutdown.h"

#include <cstdio>

namespace bb::platform {

std::string DescribeEndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege) {
    char call[64];
    std::snprintf(call, sizeof call, "ExitWindowsEx(0x%X, 0x%X)", static_cast<unsigned>(flags),
                  static_cast<unsigned>(reserved));
    return enablePrivilege ? std::string("enable SeShutdownPrivilege; ") + call : std::string(call);
}

}  // namespace bb::platform
