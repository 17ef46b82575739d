// Opened recorders. A handle is the address of a Device known to this
// registry, so a stale or foreign handle is refused instead of followed.
#pragma once

#include "neroapi/NeroRecords.h"
#include "recorder/library/Recorders.h"

namespace bb::recorder::library {

struct Device {
    Recorder recorder;
};

neroapi::DeviceHandle OpenDevice(Recorder recorder);
void CloseDevice(neroapi::DeviceHandle handle);
// The device of a handle; null for an unknown handle. Valid until closed.
Device* FindDevice(neroapi::DeviceHandle handle);

}  // namespace bb::recorder::library
