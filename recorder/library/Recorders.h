// The recorders the library offers: the Image Recorder, always first, then
// the optical drives of the machine and the pseudo-drives, then the simulated
// recorders of the configuration file.
#pragma once

#include "neroapi/NeroRecords.h"
#include "recorder/library/RecorderConfig.h"

#include <optional>
#include <string>
#include <vector>

namespace bb::recorder::library {

constexpr const char* kImageRecorderName = "Image Recorder";

struct Recorder {
    bool isImageRecorder = false;
    RecorderConfig config;  // name, kind, capabilities, media and speeds of every kind
    std::string driveAddress;  // an optical drive's (or pseudo-drive's); empty for the others
    std::string driveModel;

    bool IsOptical() const { return !driveAddress.empty(); }
};

// Reads the configuration again; its warnings go to the error log once each.
std::vector<Recorder> CurrentRecorders();
std::optional<Recorder> FindRecorder(const std::string& name);

// The recorder as a drive record. The write speeds are the DVD ones when the
// asked mask has a DVD bit, else the CD ones.
void FillDriveInfo(const Recorder& recorder, uint32_t askedMask, neroapi::DriveInfo& drive);

// The recorders whose media mask shares a bit with `mask`, in a library
// block; null when memory is short.
neroapi::DriveInfoList* BuildDriveList(uint32_t mask);

// Base rate of 1x for the medium class of a mask (DVD when it has a DVD bit).
uint32_t BaseRateFor(const Recorder& recorder, uint32_t mask);

}  // namespace bb::recorder::library
