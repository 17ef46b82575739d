// NeroBurn: one compilation written to an image file (Image Recorder) or to
// the disc of a simulated recorder, with every callback on the caller's
// thread.
#pragma once

#include "neroapi/NeroRecords.h"
#include "recorder/library/Devices.h"

namespace bb::recorder::library {

// Result: kBurn* of NeroApiExports.h. Every failure leaves a line in the
// error log.
[[nodiscard]] int RunBurnJob(Device& device, int compileType, void* writeDescription,
                             uint32_t burnFlags, uint32_t speedKBs,
                             const neroapi::LibProgressRecord* progress);

}  // namespace bb::recorder::library
