// What the window answers and logs when the recording library calls back:
// the requests it answers without asking anyone, the log lines it rewrites,
// and the image file selection.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bb::recording {

// The answer to a request the window gives without showing anything; nothing
// for the requests it shows something for (15 wait for a disc, 20 image
// file, 22 overwrite a rewritable disc).
[[nodiscard]] std::optional<int> FixedRequestAnswer(int request);

// Answers of request 20 (image file) and 22 (overwrite).
constexpr int kAnswerImageChosen = 1;
constexpr int kAnswerImageCancelled = 0;
constexpr int kAnswerOverwrite = 5;
constexpr int kAnswerKeep = 0;


struct LibraryLogLine {
    std::string line;           // as it goes into the log, "===> " first
    bool reallocFailed = false;  // the library gave up reallocating the DVD-Video files
};

// A line of the library's log. A "Required file..." line is replaced by
// `requiredFileText` (the language's own words).
[[nodiscard]] LibraryLogLine ToLogLine(std::string_view text, const std::string& requiredFileText);

// "=> " and the phase text.
[[nodiscard]] std::string ToPhaseLine(std::string_view text);

// The save dialog of the image file: "<label>.nrg" suggested, three types.
[[nodiscard]] std::string ImageFileSuggestion(const std::string& volumeLabel);
// Description and pattern pairs, each zero-terminated, ended by an empty one.
[[nodiscard]] const char* ImageFileFilter();
// OFN_OVERWRITEPROMPT: the dialog asks before an existing file is replaced.
constexpr unsigned kImageFileDialogFlags = 0x2;

// Copies `path` into the library's buffer of `capacity` bytes (at most
// capacity - 1 characters and the terminator).
void CopyImagePath(char* buffer, size_t capacity, const std::string& path);

}  // namespace bb::recording
