// Erasing the rewritable disc of a simulated recorder.
#pragma once

#include "recorder/library/Devices.h"

namespace bb::recorder::library {

// Seconds for the mode (0 full, 1 quick), or kErase* (negative). A negative
// configured estimate is the recorder's answer whatever the disc.
[[nodiscard]] int ErasingTime(const Device& device, int mode);

// Blocks for the time-scaled estimate, then empties the disc. 0, or -1 when
// there is nothing to erase or the recorder fails to erase ("erase fails").
[[nodiscard]] int EraseRewritable(const Device& device, int mode);

}  // namespace bb::recorder::library
