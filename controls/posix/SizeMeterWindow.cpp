// No native controls here: the meter keeps its values and draws nothing.
#include "controls/SizeMeterWindow.h"

namespace controls {

std::unique_ptr<SizeMeterWindow> AttachSizeMeterWindow(CSizeMeter&, void*) {
    return nullptr;
}

}  // namespace controls
