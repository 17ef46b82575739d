// What the size meter shows and what the Burn button's size gate decides:
// the two limits and the value, in megabytes. The meter control paints it.
#pragma once

#include <cstdint>

namespace bb::controls {

struct SizeMeterModel {
    int yellowLimitMb = 0;
    int redLimitMb = 0;
    int valueMb = 0;
};

// Bytes as whole megabytes, rounded half up.
[[nodiscard]] inline int RoundedMegabytes(double bytes) {
    return static_cast<int>(bytes / (1024.0 * 1024.0) + 0.5);
}

// Burn is refused only above the red limit (exactly at it is fine), and
// never when the user chose to ignore the source size.
[[nodiscard]] inline bool IsOverRedLimit(double bytes, int redLimitMb, bool ignoreSourceSize) {
    return !ignoreSourceSize && double(redLimitMb) < bytes / (1024.0 * 1024.0);
}

}  // namespace bb::controls
