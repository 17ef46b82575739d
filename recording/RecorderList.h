// The recorder context's arithmetic: which drives of the library's list are
// offered, how their write speeds read, which speed is selected, how the
// library's start-up result is logged, and the two records handed to the
// library at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "neroapi/NeroRecords.h"

namespace bb::recording {

// A drive is offered when it can write (device kind 1), the library allows
// it (capability bit 0x1) and it supports at least one medium of `mediaMask`.
[[nodiscard]] bool IsListedRecorder(const neroapi::DriveInfo& drive, uint32_t mediaMask);

// The drive's name: its field up to the first NUL, or all of it when the
// library left no terminator.
[[nodiscard]] std::string DeviceName(const neroapi::DriveInfo& drive);

// How many write speeds of the record can be offered: its count, at most the
// record's 64, and none when the record gives no base rate to read them by.
[[nodiscard]] int UsableSpeedCount(const neroapi::SpeedInfo& speeds);

// "4.0x (5540 kB/s)": an entry of the speed list.
[[nodiscard]] std::string SpeedListText(uint32_t rateKBs, uint32_t baseRateKBs);
// "4.0x (5540kB/s)": the speed as the burn job logs it.
[[nodiscard]] std::string BurnSpeedText(uint32_t rateKBs, uint32_t baseRateKBs);

// The index to select in a speed list of `count` entries: the saved one when
// it is in the list, otherwise the last.
[[nodiscard]] int SpeedIndexToSelect(int savedIndex, int count);

// The log text of NeroInit's result: 0 ready, 1 failed, anything else
// unexpected.
[[nodiscard]] int InitResultTextId(int result);

// The callbacks a window hands to the library, each receiving `user`.
struct LibraryCallbacks {
    neroapi::IdleCallback idle = nullptr;
    neroapi::UserDialogCallback userDialog = nullptr;
    neroapi::ProgressCallback progress = nullptr;
    neroapi::AbortedCallback aborted = nullptr;
    neroapi::AddLogLineCallback addLogLine = nullptr;
    neroapi::SetPhaseCallback setPhase = nullptr;
    void* user = nullptr;
};

// The window's four 128-byte texts; the settings record points at them, so
// they must live as long as the records.
struct LibraryTextBuffers {
    char (&languageFile)[128];
    char (&software)[128];
    char (&vendor)[128];
    char (&libraryFilesFolder)[128];
};

// Fills the settings record of NeroInit and the progress record of the jobs.
void FillLibraryRecords(neroapi::LibSettingsRecord& settings, neroapi::LibProgressRecord& progress,
                        const LibraryTextBuffers& texts, const LibraryCallbacks& callbacks);

}  // namespace bb::recording
