// The disc in a simulated recorder. It lives in two files: the disc image
// (what was burned) and a small state file beside it ("<image>.state") that
// says whether the tray holds a disc, of which medium, and whether it holds
// data. Both outlast the process, so the next process sees what this one
// burned or erased. Without a state file the recorder's configuration
// describes the disc.
#pragma once

#include "recorder/library/Media.h"
#include "recorder/library/RecorderConfig.h"

#include <string>

namespace bb::recorder::library {

struct DiscState {
    TrayContent tray = TrayContent::Empty;
    std::string medium = "DVD-R";
};

DiscState LoadDiscState(const RecorderConfig& recorder);
[[nodiscard]] bool SaveDiscState(const RecorderConfig& recorder, const DiscState& state);

// Empties the disc: its image is truncated and it is marked blank.
[[nodiscard]] bool EraseDisc(const RecorderConfig& recorder);

// Makes the folder of the disc image, so a configuration may name a
// subfolder that does not exist yet.
void CreateDiscFolder(const RecorderConfig& recorder);

std::string DiscStatePath(const RecorderConfig& recorder);

}  // namespace bb::recorder::library
