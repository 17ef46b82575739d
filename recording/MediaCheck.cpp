#include "recording/MediaCheck.h"

namespace bb::recording {

const char* RewritableKindWord(const neroapi::DiscInfo& disc) {
    if (disc.hasData == 0)
        return nullptr;
    if (disc.mediaMask == neroapi::kMediaDvdMinusRw)
        return " DVD-RW";
    if (disc.mediaMask == neroapi::kMediaDvdPlusRw)
        return " DVD+RW";
    if (disc.mediumKind == neroapi::kMediumKindCdRw)
        return " CD-RW";
    return nullptr;
}

}  // namespace bb::recording
