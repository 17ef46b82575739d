#include "platform/Paths.h"

#include "platform/Files.h"

namespace bb::platform {
const char kPathSeparator = '/';
const LineEnding kTextFileEnding = LineEnding::Lf;
}  // namespace bb::platform
