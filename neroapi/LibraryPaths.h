// How the library's folder, file name and the PATH list are spelled on each
// platform. Windows: "\" and ";", NeroAPI.dll; POSIX: "/" and ":",
// libNeroAPI.so. The loader takes the style as a service so the Windows rules
// are testable on every build.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/HostSystem.h"

namespace bb::neroapi {

struct PathStyle {
    char folderSeparator;
    char listSeparator;       // between entries of PATH
    bool caseInsensitive;     // how entries of PATH compare with the folder
    const char* libraryFileName;
};

constexpr PathStyle kWindowsPaths{'\\', ';', true, "NeroAPI.dll"};
constexpr PathStyle kPosixPaths{'/', ':', false, "libNeroAPI.so"};

constexpr PathStyle kHostPaths = platform::kWindowsHost ? kWindowsPaths : kPosixPaths;

// folder + separator + name; the folder is taken as it is (a trailing
// separator is not removed here).
[[nodiscard]] std::string JoinFolder(std::string_view folder, std::string_view name,
                                     const PathStyle& style);

}  // namespace bb::neroapi
