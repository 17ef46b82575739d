#include "platform/Console.h"

#include <io.h>
#include <windows.h>

#include <filesystem>
#include <system_error>

namespace platform {

bool IsTerminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}

std::string RunningExecutablePath(const std::string& argv0) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return std::string(path, length);
    std::error_code ec;
    return std::filesystem::absolute(argv0, ec).string();
}

}  // namespace platform
