// What the compilation units need from the main window: its log, its status
// line and its message boxes. The window implements these; tests record.
#pragma once

#include <string>

namespace bb::compilation {

class LogSink {
public:
    virtual ~LogSink() = default;
    // One line (or several, separated by CR LF) at the end of the log.
    virtual void AppendLog(const std::string& line) = 0;
    // The language text `id` as one line.
    virtual void AppendLogId(int id) = 0;
};

class StatusLine {
public:
    virtual ~StatusLine() = default;
    // Puts `text` into the status line and shows it at once.
    virtual void ShowStatus(const std::string& text) = 0;
};

}  // namespace bb::compilation
