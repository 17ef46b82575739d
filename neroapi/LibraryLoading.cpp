// Finding and loading the recording library.
#include <optional>
#include <string>

#include "neroapi/LoadedLibrary.h"
#include "neroapi/NeroApiLib.h"
#include "platform/Environment.h"
#include "platform/ModuleLoader.h"
#include "platform/Registry.h"

namespace bb::neroapi {
namespace {

using platform::RegistryRoot;

// The registry query's buffer: 255 bytes, terminator included.
constexpr size_t kValueCapacity = 255;

bool EndsWith(std::string_view text, char c) { return !text.empty() && text.back() == c; }

bool SameFolderText(std::string_view a, std::string_view b, bool caseInsensitive) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (caseInsensitive) {
            if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
            if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) return false;
    }
    return true;
}

std::string_view WithoutTrailingSeparator(std::string_view text, char separator) {
    if (EndsWith(text, separator)) text.remove_suffix(1);
    return text;
}

// The library's full path in `folder`; empty for an empty folder, which
// would otherwise name the root of the current drive ("\NeroAPI.dll"), a
// place no registry value gave.
std::string LibraryIn(const std::string& folder, const PathStyle& style) {
    if (folder.empty()) return {};
    return JoinFolder(folder, style.libraryFileName, style);
}

struct Located {
    std::string folder;    // as the registry gave it; empty when none
    std::string libraryPath;  // empty when no usable folder was found
};

Located LocateLibrary(const detail::ResolvedServices& services) {
    const PathStyle& style = services.paths;
    Located found;
    std::optional<std::string> shared =
        services.registry.ReadString(RegistryRoot::LocalMachine, kSharedKey, kSharedValue, kValueCapacity);
    if (shared) {
        found.folder = *shared;
        if (shared->size() <= kMaxFolderLength) {
            std::string folder = *shared;
            if (EndsWith(folder, style.folderSeparator)) {
                folder.pop_back();
                StoreFolder(folder);
            }
            found.libraryPath = LibraryIn(folder, style);
        }
    }
    // A value that was read, even one too long to use, ends the search; an
    // empty one counts as none. The decision rests on this call's reading, so
    // a reload never skips the second source because of an earlier load.
    if (!found.folder.empty()) return found;

    std::optional<std::string> appPath =
        services.registry.ReadString(RegistryRoot::LocalMachine, kAppPathsKey, kAppPathsValue, kValueCapacity);
    if (appPath) {
        found.folder = *appPath;
        if (appPath->size() <= kMaxFolderLength) {
            found.libraryPath = LibraryIn(*appPath, style);
        }
        StoreFolder(*appPath);
    }
    return found;
}

void PutFolderOnPath(const detail::ResolvedServices& services, const std::string& folder) {
    if (folder.empty()) return;
    std::optional<std::string> path = services.environment.Get("PATH");
    if (!path) {
        // No PATH at all: the folder alone makes one.
        (void)services.environment.Set("PATH", folder);
        return;
    }
    if (IsFolderInPath(*path, folder, services.paths)) return;
    (void)services.environment.Set("PATH", folder + services.paths.listSeparator + *path);
}

}  // namespace

bool IsFolderInPath(std::string_view pathList, std::string_view folder, const PathStyle& style) {
    const std::string_view wanted = WithoutTrailingSeparator(folder, style.folderSeparator);
    while (!pathList.empty()) {
        const size_t end = pathList.find(style.listSeparator);
        std::string_view entry = pathList.substr(0, end);
        pathList = end == std::string_view::npos ? std::string_view{} : pathList.substr(end + 1);
        entry = WithoutTrailingSeparator(entry, style.folderSeparator);
        if (!entry.empty() && SameFolderText(entry, wanted, style.caseInsensitive)) return true;
    }
    return false;
}

void StoreFolder(const std::string& folder) {
    (void)detail::CurrentServices().registry.WriteString(RegistryRoot::LocalMachine, kSharedKey,
                                                          kSharedValue, folder);
}

void Unload() { detail::ReplaceModule(nullptr); }

bool Load() {
    Unload();
    const detail::ResolvedServices services = detail::CurrentServices();
    const Located found = LocateLibrary(services);
    if (!found.folder.empty()) detail::SetFolder(found.folder);
    PutFolderOnPath(services, found.folder);
    if (found.libraryPath.empty()) return false;

    std::unique_ptr<platform::Module> module = services.loader.Load(found.libraryPath);
    if (!module) return false;
    detail::ReplaceModule(std::move(module));

    if (NeroSetExpectedAPIVersionEx(kExpectedVersion.majorHigh, kExpectedVersion.majorLow,
                                    kExpectedVersion.minorHigh, kExpectedVersion.minorLow,
                                    nullptr) == 0) {
        Unload();
        return false;
    }
    return true;
}

}  // namespace bb::neroapi
