#include "platform/base/ProcessEnvironment.h"

#include <windows.h>

#include <vector>

namespace bb::platform {

std::optional<std::string> EnvironmentValue(const char* name) {
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size <= 1)
        return std::nullopt;
    std::vector<char> value(size);
    const DWORD length = GetEnvironmentVariableA(name, value.data(), size);
    if (length == 0 || length >= size)
        return std::nullopt;
    return std::string(value.data(), length);
}

}  // namespace bb::platform
