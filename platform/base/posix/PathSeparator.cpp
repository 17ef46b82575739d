#include "platform/Paths.h"

#include "platform/Files.h"

namespace platform {
const char kPathSeparator = '/';
const LineEnding kTextFileEnding = LineEnding::Lf;
}  // namespace platform
