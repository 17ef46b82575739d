// The log written to a file: by Save Log, before a shutdown and after a
// successful command-line run. The file's wording is a language template
// that takes five texts: the time (ctime form), the volume label, the
// program version, the log with LF line ends, and the time again.
#pragma once

#include <string>

namespace bb::recording {

enum class LogFileKind {
    Shutdown = 1,     // saved just before the system is shut down
    CommandLine = 2,  // saved after a successful command-line run (/L)
    Saved = 3,        // saved by the user with Save Log
};

// The language text of the kind's template (560, 562, 564).
[[nodiscard]] int LogFileTemplateId(LogFileKind kind);

// `log` with every CR removed, so that CR LF line ends become LF.
[[nodiscard]] std::string WithoutCarriageReturns(const std::string& log);

// The volume label made fit to name a file on every system: each character
// that a Windows file name cannot hold (\ / : * ? " < > | and control
// characters) becomes "_", a device name (CON, NUL, COM1...) gets a "_"
// before it, and an empty label gives "NO_NAME". A refused label can hold
// any of them, and a file that cannot be created is skipped without a word.
[[nodiscard]] std::string LogFileBaseName(const std::string& volume);

// The desktop log "<desktop><separator><volume>.log", the label made safe
// by LogFileBaseName.
[[nodiscard]] std::string DesktopLogPath(const std::string& desktop, const std::string& volume,
                                         char separator);

// The file's content: the template formatted with the five texts. The log
// is an argument, never part of the template, so a "%" in it stays as it is.
[[nodiscard]] std::string LogFileContent(const std::string& tmpl, const std::string& timeText,
                                         const std::string& volume, const std::string& version,
                                         const std::string& log);

}  // namespace bb::recording
