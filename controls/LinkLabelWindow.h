// The native side of a CLinkLabel (controls/LinkLabel.h): fonts, painting in
// the link's colours, the hand cursor, the tooltip and the hover timer. On
// Windows it subclasses the static control; hosts without native windows get
// no window part.
#pragma once

#include <memory>
#include <string>

namespace bb::controls {

class CLinkLabel;

}  // namespace bb::controls

namespace bb::controls {

class LinkLabelWindow {
public:
    virtual ~LinkLabelWindow() = default;
    // Fits the control to its text (when the label asks for it).
    virtual void FitToText() = 0;
    virtual void SetTooltipText(const std::string& text) = 0;
    virtual void Repaint() = 0;
    // The exclamation beep of a failed open.
    virtual void Beep() = 0;
};

// Takes over the control whose native handle is `control` (an HWND); null
// when there is no native window to take over.
std::unique_ptr<LinkLabelWindow> AttachLinkLabelWindow(CLinkLabel& label, void* control);

}  // namespace bb::controls
