// Results of the program's jobs beside the recording library's own burn
// results (0 success, 1-5 its failures, 3 a failed reallocation among them).
#pragma once

namespace bbres {

inline constexpr int kResultOk = 0;
inline constexpr int kResultJobFailed = -1;
inline constexpr int kResultNoDvdRoot = -9;
inline constexpr int kResultLabelRejected = 42;
// The burn the library gave up because it could not reallocate the files.
inline constexpr int kResultReallocFailed = 3;
// The command-line run ended before any burn.
inline constexpr int kResultNoBurnRan = 99;

}  // namespace bbres
