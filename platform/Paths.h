// The platform's path separator and joining of path parts (in bb_platform_base,
// which the recording library links too).
#pragma once

#include <string>

namespace bb::platform {

// '\\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

// `folder` and `name` with one separator between them; `name` alone when
// `folder` is empty.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace bb::platform
