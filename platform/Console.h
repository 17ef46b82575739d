// What the console front end asks of the system about itself.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Whether `stream` is a terminal a person types at and reads.
[[nodiscard]] bool IsTerminal(std::FILE* stream);

// Full path of the running executable; `argv0` made absolute when the
// system cannot tell.
[[nodiscard]] std::string RunningExecutablePath(const std::string& argv0);

}  // namespace platform
