// The minimised main window draws its icon: centred in the client area over
// the icon background, and the same icon is the drag icon. Windows kept
// minimised windows on the desktop as icons; this paints them.
#pragma once

namespace bb::platform {

// Subclasses `window` (an HWND) for as long as it lives.
void PaintIconWhenMinimised(void* window, int iconResourceId);

}  // namespace bb::platform
