#include "compilation/FolderSize.h"

#include <cstdint>

#include "compilation/CompilationHost.h"
#include "compilation/DvdRootScan.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace compilation {
namespace {

uint64_t FolderBytes(platform::Files& files, const std::string& folder, LogSink* log) {
    const auto entries = files.List(folder, "*");
    if (!entries) {
        if (log)
            log->AppendLog(kUnreadableFolderLine + folder);
        return 0;
    }
    uint64_t total = 0;
    for (const platform::FolderEntry& e : *entries)
        total += e.isFolder ? FolderBytes(files, platform::JoinPath(folder, e.name), log) : e.size;
    return total;
}

}  // namespace

double GetFolderSize(platform::Files& files, const std::string& path, LogSink* log) {
    std::string folder = path;
    while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    if (!files.IsFolder(folder))
        return 0;
    return static_cast<double>(FolderBytes(files, folder, log));
}

double GetFolderSize(const std::string& path, LogSink* log) {
    return GetFolderSize(platform::SystemFiles(), path, log);
}

}  // namespace compilation
