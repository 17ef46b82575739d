#include "recording/RecorderList.h"

#include <cstdio>
#include <cstring>

#include "res/TextIds.h"

namespace bb::recording {

namespace {

constexpr uint32_t kWritingRecorder = 1;
constexpr uint32_t kAllowedByLibrary = 0x1;

std::string FormatSpeed(const char* format, uint32_t rate, uint32_t base) {
    char text[64];
    // Fixed formats of the program, never a language text.
    std::snprintf(text, sizeof text, format, double(rate) / double(base), unsigned(rate));
    return text;
}

void CopyText(char (&buffer)[128], const char* text) {
    std::memset(buffer, 0, sizeof buffer);
    std::strncpy(buffer, text, sizeof buffer - 1);
}

}  // namespace

bool IsListedRecorder(const neroapi::DriveInfo& drive, uint32_t mediaMask) {
    return drive.deviceKind == kWritingRecorder && (drive.capabilities & kAllowedByLibrary) != 0 &&
           (drive.mediaMask & mediaMask) != 0;
}

std::string DeviceName(const neroapi::DriveInfo& drive) {
    return std::string(drive.deviceName, strnlen(drive.deviceName, sizeof drive.deviceName));
}

int UsableSpeedCount(const neroapi::SpeedInfo& speeds) {
    if (speeds.count == 0 || int(speeds.baseRate) <= 0)
        return 0;
    return int(speeds.count > neroapi::kMaxSpeeds ? neroapi::kMaxSpeeds : speeds.count);
}

std::string SpeedListText(uint32_t rateKBs, uint32_t baseRateKBs) {
    return FormatSpeed("%.1fx (%u kB/s)", rateKBs, baseRateKBs);
}

std::string BurnSpeedText(uint32_t rateKBs, uint32_t baseRateKBs) {
    return FormatSpeed("%.1fx (%ukB/s)", rateKBs, baseRateKBs);
}

int SpeedIndexToSelect(int savedIndex, int count) {
    if (savedIndex >= 0 && savedIndex < count)
        return savedIndex;
    return count - 1;
}

int InitResultTextId(int result) {
    switch (result) {
    case 0: return res::kTxtInitOk;
    case 1: return res::kTxtInitFailed;
    default: return res::kTxtInitUnexpected;
    }
}

void FillLibraryRecords(neroapi::LibSettingsRecord& settings, neroapi::LibProgressRecord& progress,
                        const LibraryTextBuffers& texts, const LibraryCallbacks& callbacks) {
    CopyText(texts.languageFile, "Nero.txt");
    CopyText(texts.software, "Nero - Burning Rom");
    CopyText(texts.vendor, "ahead");
    CopyText(texts.libraryFilesFolder, "NeroFiles");

    settings = neroapi::LibSettingsRecord{};
    settings.libraryFilesFolder = texts.libraryFilesFolder;
    settings.vendor = texts.vendor;
    settings.software = texts.software;
    settings.languageFile = texts.languageFile;
    settings.idle = callbacks.idle;
    settings.idleUser = callbacks.user;
    settings.userDialog = callbacks.userDialog;
    settings.userDialogUser = callbacks.user;

    progress = neroapi::LibProgressRecord{};
    progress.progress = callbacks.progress;
    progress.aborted = callbacks.aborted;
    progress.addLogLine = callbacks.addLogLine;
    progress.setPhase = callbacks.setPhase;
    progress.user = callbacks.user;
}

}  // namespace bb::recording
