#include "recording/LogFile.h"

#include <string_view>

#include "framework/CheckedFormat.h"
#include "res/TextIds.h"

namespace bb::recording {

int LogFileTemplateId(LogFileKind kind) {
    switch (kind) {
        case LogFileKind::Shutdown: return res::kTxtLogFileShutdown;
        case LogFileKind::CommandLine: return res::kTxtLogFileCommandLine;
        case LogFileKind::Saved: return res::kTxtLogFileSaved;
    }
    return res::kTxtLogFileSaved;
}

std::string WithoutCarriageReturns(const std::string& log) {
    std::string text;
    text.reserve(log.size());
    for (char c : log)
        if (c != '\r')
            text += c;
    return text;
}

namespace {

constexpr std::string_view kNotInFileNames = "\\/:*?\"<>|";

bool IsDeviceName(const std::string& name) {
    std::string upper;
    for (char c : name)
        upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL")
        return true;
    return upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

std::string LogFileBaseName(const std::string& volume) {
    if (volume.empty())
        return "NO_NAME";
    std::string name;
    name.reserve(volume.size() + 1);
    for (char c : volume) {
        const bool control = static_cast<unsigned char>(c) < 0x20;
        name += control || kNotInFileNames.find(c) != std::string_view::npos ? '_' : c;
    }
    return IsDeviceName(name) ? "_" + name : name;
}

std::string DesktopLogPath(const std::string& desktop, const std::string& volume, char separator) {
    return desktop + separator + LogFileBaseName(volume) + ".log";
}

std::string LogFileContent(const std::string& tmpl, const std::string& timeText, const std::string& volume,
                           const std::string& version, const std::string& log) {
    return framework::Format(tmpl, {timeText, volume, version, log, timeText});
}

}  // namespace bb::recording
