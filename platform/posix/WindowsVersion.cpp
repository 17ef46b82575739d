#include "platform/WindowsVersion.h"

namespace bb::platform {

WindowsVersion QueryWindowsVersion() { return WindowsVersion{}; }

}  // namespace bb::platform
