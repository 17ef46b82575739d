// The look at the disc before a burn: is it a rewritable disc that already
// holds data, and so has to be erased first?
#pragma once

#include "neroapi/NeroRecords.h"

namespace bb::recording {

// The media check's results.
constexpr int kMediaBurnNow = 0;
constexpr int kMediaEraseFirst = 1;
constexpr int kMediaStop = -1;

// " DVD-RW", " DVD+RW" or " CD-RW" for a rewritable disc that holds data
// (each with its leading blank, as the log line wants it); null for a blank
// disc or one that is not rewritable. DVD media types are looked at first,
// so a CD-RW is recognised by its medium kind whatever the job's class.
[[nodiscard]] const char* RewritableKindWord(const neroapi::DiscInfo& disc);

}  // namespace bb::recording
