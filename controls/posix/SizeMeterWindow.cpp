// No native controls here: the meter keeps its values and draws nothing.
#include "controls/SizeMeterWindow.h"

namespace bb::controls {

std::unique_ptr<SizeMeterWindow> AttachSizeMeterWindow(CSizeMeter&, void*) {
    return nullptr;
}

}  // namespace bb::controls
