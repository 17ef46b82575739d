#include "recording/LibraryRequests.h"

#include <cstring>

#include "neroapi/NeroRecords.h"

namespace bb::recording {

namespace {
constexpr std::string_view kRequiredFile = "Required file";
constexpr std::string_view kReallocFailed = neroapi::kReallocFailedLine;
}  // namespace

std::optional<int> FixedRequestAnswer(int request) {
    switch (request) {
    case 2:
    case 7:
    case 12: return 5;
    case 6: return 3;
    case 13: return 1;
    case 15:
    case 20:
    case 22: return std::nullopt;
    default: return 0;
    }
}

LibraryLogLine ToLogLine(std::string_view text, const std::string& requiredFileText) {
    const bool required = text.substr(0, kRequiredFile.size()) == kRequiredFile;
    const std::string line = required ? requiredFileText : std::string(text);
    return {"===> " + line, line == kReallocFailed};
}

std::string ToPhaseLine(std::string_view text) {
    return "=> " + std::string(text);
}

std::string ImageFileSuggestion(const std::string& volumeLabel) {
    return volumeLabel + ".nrg";
}

const char* ImageFileFilter() {
    return "Nero Image (*.nrg)\0*.nrg\0Iso Image (*.iso)\0*.iso\0All Files (*.*)\0*.*\0";
}

void CopyImagePath(char* buffer, size_t capacity, const std::string& path) {
    if (buffer == nullptr || capacity == 0)
        return;
    const size_t n = path.size() < capacity - 1 ? path.size() : capacity - 1;
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
}

}  // namespace bb::recording
