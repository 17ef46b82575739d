#include "platform/WindowsVersion.h"

namespace platform {

WindowsVersion QueryWindowsVersion() { return WindowsVersion{}; }

}  // namespace platform
