#include "platform/Paths.h"

namespace platform {
const char kPathSeparator = '\\';
}  // namespace platform
