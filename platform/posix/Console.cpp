#include "platform/Console.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace platform {

bool IsTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

std::string RunningExecutablePath(const std::string& argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self.string();
    return std::filesystem::absolute(argv0, ec).string();
}

}  // namespace platform
