// Whole-file byte I/O and line splitting shared by both Files services.
// stdio takes the path as single-byte text on both platforms (the ANSI code
// page on Windows), like the A functions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace bb::platform {

std::optional<std::string> ReadWholeFile(const std::string& path);
[[nodiscard]] bool WriteWholeFile(const std::string& path, const std::string& bytes);

// Lines of `content` split at LF, a CR before the LF dropped; no empty last
// line for content that ends in a line break.
std::vector<std::string> SplitLines(const std::string& content);
// `text` with each "\n" written as `ending` (a "\r\n" already there is kept
// as one line end).
std::string WithLineEnding(const std::string& text, LineEnding ending);

}  // namespace bb::platform
