#include "recording/MediaCheck.h"

namespace recording {

const char* RewritableKindWord(const nero::DiscInfo& disc) {
    if (disc.hasData == 0)
        return nullptr;
    if (disc.mediaMask == nero::kMediaDvdMinusRw)
        return " DVD-RW";
    if (disc.mediaMask == nero::kMediaDvdPlusRw)
        return " DVD+RW";
    if (disc.mediumKind == nero::kMediumKindCdRw)
        return " CD-RW";
    return nullptr;
}

}  // namespace recording
