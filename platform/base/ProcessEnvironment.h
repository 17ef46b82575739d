// A variable of this process's environment as the system holds it now: on
// Windows that includes what SetEnvironmentVariable changed after start-up,
// which the C runtime's getenv does not see.
#pragma once

#include <optional>
#include <string>

namespace bb::platform {

// The variable's value; nothing when it is not set or empty.
[[nodiscard]] std::optional<std::string> EnvironmentValue(const char* name);

}  // namespace bb::platform
