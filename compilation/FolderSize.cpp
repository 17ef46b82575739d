#include "compilation/FolderSize.h"

#include <cstdint>

#include "compilation/CompilationHost.h"
#include "compilation/DvdRootScan.h"
#include "compilation/FolderTrail.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace bb::compilation {
namespace {

uint64_t FolderBytes(platform::Files& files, const std::string& folder, LogSink* log, FolderTrail& trail) {
    const FolderTrail::Inside inside(trail, files, folder);
    const auto entries = files.List(folder, "*");
    if (!entries) {
        if (log)
            log->AppendLog(kUnreadableFolderLine + folder);
        return 0;
    }
    uint64_t total = 0;
    for (const platform::FolderEntry& e : *entries) {
        if (!e.isFolder) {
            total += e.size;
            continue;
        }
        const std::string path = platform::JoinPath(folder, e.name);
        if (trail.Holds(files, path)) {
            if (log)
                log->AppendLog(kFolderLoopLine + path);
            continue;
        }
        total += FolderBytes(files, path, log, trail);
    }
    return total;
}

}  // namespace

double GetFolderSize(platform::Files& files, const std::string& path, LogSink* log) {
    std::string folder = path;
    while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    if (!files.IsFolder(folder))
        return 0;
    FolderTrail trail;
    return static_cast<double>(FolderBytes(files, folder, log, trail));
}

double GetFolderSize(const std::string& path, LogSink* log) {
    return GetFolderSize(platform::SystemFiles(), path, log);
}

}  // namespace bb::compilation
