// No native controls here: a link label keeps its state and opens its target
// without a window part.
#include "controls/LinkLabelWindow.h"

namespace bb::controls {

std::unique_ptr<LinkLabelWindow> AttachLinkLabelWindow(CLinkLabel&, void*) {
    return nullptr;
}

}  // namespace bb::controls
