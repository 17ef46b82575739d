#include "platform/WindowsVersion.h"

namespace bb::platform {

WindowsFamily FamilyOf(const WindowsVersion& version) {
    if (!version.read)
        return WindowsFamily::None;
    switch (version.platformId) {
    case 1: return WindowsFamily::Win9x;
    case 2: return WindowsFamily::NT;
    default: return WindowsFamily::None;
    }
}

}  // namespace bb::platform
