#include "platform/base/ProcessEnvironment.h"

#include <cstdlib>

namespace bb::platform {

std::optional<std::string> EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return std::string(value);
}

}  // namespace bb::platform
