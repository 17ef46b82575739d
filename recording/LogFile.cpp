#include "recording/LogFile.h"

#include "framework/CheckedFormat.h"
#include "res/TextIds.h"

namespace recording {

int LogFileTemplateId(LogFileKind kind) {
    switch (kind) {
        case LogFileKind::Shutdown: return kTxtLogFileShutdown;
        case LogFileKind::CommandLine: return kTxtLogFileCommandLine;
        case LogFileKind::Saved: return kTxtLogFileSaved;
    }
    return kTxtLogFileSaved;
}

std::string WithoutCarriageReturns(const std::string& log) {
    std::string text;
    text.reserve(log.size());
    for (char c : log)
        if (c != '\r')
            text += c;
    return text;
}

std::string DesktopLogPath(const std::string& desktop, const std::string& volume, char separator) {
    return desktop + separator + volume + ".log";
}

std::string LogFileContent(const std::string& tmpl, const std::string& timeText, const std::string& volume,
                           const std::string& version, const std::string& log) {
    return bbfmt::Format(tmpl, {timeText, volume, version, log, timeText});
}

}  // namespace recording
