#include "recorder/library/EraseJob.h"

#include "recorder/library/DiscState.h"
#include "recorder/library/ErrorLog.h"
#include "recorder/library/Media.h"
#include "recorder/library/NeroApiExports.h"
#include "recorder/library/optical/OpticalDrives.h"

#include <chrono>
#include <thread>

namespace bb::recorder::library {

int ErasingTime(const Device& device, int mode) {
    if (device.recorder.isImageRecorder) {
        return neroapi::kEraseNoDisc;
    }
    if (device.recorder.IsOptical()) {
        return optical::EraseEstimate(device.recorder.driveAddress, device.recorder.config.name,
                                      mode == neroapi::kEraseQuick);
    }
    const RecorderConfig& config = device.recorder.config;
    const int configured = mode == neroapi::kEraseQuick ? config.eraseSecondsQuick : config.eraseSecondsFull;
    if (configured < 0) {
        return configured;
    }
    const DiscState state = LoadDiscState(config);
    if (state.tray == TrayContent::Empty) {
        return neroapi::kEraseNoDisc;
    }
    const auto medium = FindMedium(state.medium);
    if (!medium || !medium->rewritable) {
        return neroapi::kEraseNotRewritable;
    }
    return configured;
}

int EraseRewritable(const Device& device, int mode) {
    if (device.recorder.IsOptical()) {
        const optical::Verdict erased = optical::Erase(device.recorder.driveAddress, device.recorder.config.name,
                                                       mode == neroapi::kEraseQuick);
        if (erased.problem != optical::Problem::None) {
            AddError(erased.line);
            return -1;
        }
        return 0;
    }
    const int seconds = ErasingTime(device, mode);
    if (seconds < 0) {
        AddError("Nothing to erase in " + device.recorder.config.name + " (estimate " + std::to_string(seconds) + ")");
        return -1;
    }
    // No progress record here: the program counts the estimate down itself.
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds * device.recorder.config.timeScale));
    if (device.recorder.config.eraseFails || !EraseDisc(device.recorder.config)) {
        AddError("The disc in " + device.recorder.config.name + " could not be erased");
        return -1;
    }
    return 0;
}

}  // namespace bb::recorder::library
