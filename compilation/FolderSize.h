// The total size of the files below a folder, which the size gate and the
// size meter compare with the limits.
#pragma once

#include <string>

namespace bb::platform {
class Files;
}

namespace bb::compilation {

class LogSink;

// Bytes in all files below `path`, recursively, every file counted with
// its full 64-bit size (the sum is exact up to 2^53 bytes). Trailing "\" and
// "/" of the path are ignored. A folder that exists but cannot be read is
// reported in `log` (when given) and adds nothing, and so is a link back to
// a folder that holds it, which is not followed; a path that is no folder
// gives 0.
double GetFolderSize(const std::string& path, LogSink* log);
double GetFolderSize(platform::Files& files, const std::string& path, LogSink* log);

}  // namespace bb::compilation
