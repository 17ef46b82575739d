// Results of the program's jobs beside the recording library's own burn
// results (neroapi::kBurnOk and the failures after it in neroapi/NeroRecords.h).
#pragma once

namespace bb::res {

inline constexpr int kResultOk = 0;
inline constexpr int kResultJobFailed = -1;
inline constexpr int kResultNoDvdRoot = -9;
inline constexpr int kResultLabelRejected = 42;
// The command-line run ended before any burn.
inline constexpr int kResultNoBurnRan = 99;

}  // namespace bb::res
