// The native side of a CIconButton (controls/IconButton.h): the subclassed
// button window with its owner drawing, mouse tracking, cursor and tooltip.
// Hosts without native windows get none.
#pragma once

#include <memory>

namespace bb::controls {

class CIconButton;

}  // namespace bb::controls

namespace bb::controls {

class IconButtonWindow {
public:
    virtual ~IconButtonWindow() = default;
    [[nodiscard]] virtual void* Handle() const = 0;
    virtual void Repaint() = 0;
    // Resized without moving, redrawing or activating it.
    virtual void Resize(int width, int height) = 0;
    virtual void SetTipText(const char* text, bool activate) = 0;
    [[nodiscard]] virtual void* Tooltip() const = 0;
};

// Takes over the button whose native handle is `control` (an HWND); null
// when there is none.
std::unique_ptr<IconButtonWindow> AttachIconButtonWindow(CIconButton& button, void* control);
void ReleaseCursor(void* cursor);

}  // namespace bb::controls
