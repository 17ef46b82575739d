#include "recorder/library/Recorders.h"

#include "recorder/library/ErrorLog.h"
#include "recorder/library/LibraryMemory.h"
#include "recorder/library/Media.h"
#include "recorder/library/optical/OpticalDrives.h"

#include <cmath>
#include <cstring>
#include <mutex>
#include <set>

namespace bb::recorder::library {
namespace {

Recorder ImageRecorder() {
    Recorder recorder;
    recorder.isImageRecorder = true;
    RecorderConfig& c = recorder.config;
    c.name = kImageRecorderName;
    c.deviceKind = 1;
    c.capabilities = 0x1;
    c.mediaMask = neroapi::kMediaMaskDvd | neroapi::kMediaMaskCd;
    c.dvdBaseRate = 1385;
    c.dvdSpeeds = {1, 2, 4, 6, 8, 12, 16};
    c.cdBaseRate = 150;
    c.cdSpeeds = {1, 2, 4, 8, 16, 24, 32, 40, 48, 52};
    c.tray = TrayContent::Empty;
    c.eraseSecondsFull = c.eraseSecondsQuick = -1;
    return recorder;
}

Recorder OpticalRecorder(const optical::DriveSummary& drive) {
    Recorder recorder;
    recorder.driveAddress = drive.address;
    recorder.driveModel = drive.model;
    RecorderConfig& c = recorder.config;
    c.name = drive.name;
    c.mediaMask = drive.mediaMask;
    if (!drive.dvdSpeeds.empty()) {
        c.dvdSpeeds = drive.dvdSpeeds;
    }
    if (!drive.cdSpeeds.empty()) {
        c.cdSpeeds = drive.cdSpeeds;
    }
    return recorder;
}

void ReportOnce(const std::vector<std::string>& warnings) {
    static std::mutex mutex;
    static std::set<std::string> reported;
    std::lock_guard lock(mutex);
    for (const std::string& warning : warnings) {
        if (reported.insert(warning).second) {
            AddError(warning);
        }
    }
}

void CopyName(char* field, size_t width, const std::string& text) {
    const size_t length = std::min(text.size(), width - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

void FillSpeeds(neroapi::SpeedInfo& block, uint32_t baseRate, const std::vector<double>& multiples) {
    block.baseRate = baseRate;
    block.count = static_cast<uint32_t>(std::min<size_t>(multiples.size(), neroapi::kMaxSpeeds));
    for (uint32_t i = 0; i < block.count; ++i) {
        block.rates[i] = static_cast<uint32_t>(std::lround(multiples[i] * baseRate));
        block.multiples[i] = static_cast<uint32_t>(multiples[i]);
    }
}

}  // namespace

std::vector<Recorder> CurrentRecorders() {
    std::vector<Recorder> recorders{ImageRecorder()};
    for (const optical::DriveSummary& drive : optical::ListDrives()) {
        recorders.push_back(OpticalRecorder(drive));
    }
    ConfigReadResult config = ReadRecorderConfig();
    ReportOnce(config.warnings);
    for (RecorderConfig& entry : config.recorders) {
        Recorder simulated;
        simulated.config = std::move(entry);
        recorders.push_back(std::move(simulated));
    }
    return recorders;
}

std::optional<Recorder> FindRecorder(const std::string& name) {
    for (Recorder& recorder : CurrentRecorders()) {
        if (recorder.config.name == name) {
            return std::move(recorder);
        }
    }
    return std::nullopt;
}

uint32_t BaseRateFor(const Recorder& recorder, uint32_t mask) {
    return HasDvdBits(mask) ? recorder.config.dvdBaseRate : recorder.config.cdBaseRate;
}

void FillDriveInfo(const Recorder& recorder, uint32_t askedMask, neroapi::DriveInfo& drive) {
    const RecorderConfig& c = recorder.config;
    std::memset(&drive, 0, sizeof drive);
    CopyName(drive.deviceName, sizeof drive.deviceName, c.name);
    CopyName(drive.secondName, sizeof drive.secondName,
             recorder.isImageRecorder ? "IMAGE" : recorder.IsOptical() ? "DRIVE" : "SIM");
    drive.deviceKind = c.deviceKind;
    drive.oneChar = '?';  // no drive letter: none of our recorders is a volume
    drive.capabilities = c.capabilities;
    const bool dvd = HasDvdBits(askedMask) && HasDvdBits(c.mediaMask);
    const uint32_t baseRate = dvd ? c.dvdBaseRate : c.cdBaseRate;
    const std::vector<double>& speeds = dvd ? c.dvdSpeeds : c.cdSpeeds;
    // Reading is as fast as the fastest writing on our recorders.
    FillSpeeds(drive.firstSpeeds, baseRate, speeds);
    FillSpeeds(drive.writeSpeeds, baseRate, speeds);
    CopyName(drive.thirdName, sizeof drive.thirdName,
             recorder.isImageRecorder ? "Brenvik image writer"
             : recorder.IsOptical()   ? recorder.driveModel
                                      : "Brenvik simulated recorder");
    drive.mediaMask = c.mediaMask;
}

neroapi::DriveInfoList* BuildDriveList(uint32_t mask) {
    std::vector<Recorder> chosen;
    for (Recorder& recorder : CurrentRecorders()) {
        if ((recorder.config.mediaMask & mask) != 0) {
            chosen.push_back(std::move(recorder));
        }
    }
    auto* list = static_cast<neroapi::DriveInfoList*>(
        AllocateBlock(neroapi::DriveInfoListSize(static_cast<uint32_t>(chosen.size()))));
    if (list == nullptr) {
        return nullptr;
    }
    list->count = static_cast<uint32_t>(chosen.size());
    for (size_t i = 0; i < chosen.size(); ++i) {
        FillDriveInfo(chosen[i], mask, list->drives[i]);
    }
    return list;
}

}  // namespace bb::recorder::library
