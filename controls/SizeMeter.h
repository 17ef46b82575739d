// The strip under the DVD root field that shows how large the root is next
// to the yellow and red limits of the media class: a scale, a bar green up to
// the yellow limit, yellow up to the red one and red beyond, and labels in MB.
// The arithmetic is controls/SizeMeterLayout.h; the platform builds the strip
// off-screen from the parts bitmap and copies it in one piece.
//
// UI thread only.
#pragma once

#include <memory>

#include "framework/CDialog.h"

namespace bb::controls {
class SizeMeterWindow;
}

namespace bb::controls {

class CSizeMeter : public framework::CDlgItem {
public:
    CSizeMeter();
    ~CSizeMeter();
    CSizeMeter(const CSizeMeter&) = delete;
    CSizeMeter& operator=(const CSizeMeter&) = delete;

    // Makes control `id` of the open `dialog` the meter (it paints itself from
    // then on). Attaching again to the same window changes nothing.
    void Attach(framework::CDialog* dialog, int id);
    // The window whose rectangle sets the strip's width.
    void SetOwner(framework::CDialog* owner) { m_pOwner = owner; }
    // Releases the images, computes the strip width from the owner's and the
    // control's rectangles, loads the parts bitmap and makes the strip image
    // (the control takes the strip's size). 0, or 1 when the bitmap could not
    // be loaded (no images then).
    int LoadStrip(UINT bitmapId);
    // No repaint of their own: SetSize follows.
    void SetYellowLimit(int mb) { m_nYellow = mb; }
    void SetRedLimit(int mb) { m_nRed = mb; }
    // Stores the size and repaints; 0 or less shows the bare scale.
    void SetSize(int mb);

    framework::CDialog* m_pOwner = nullptr;
    int m_nWidth = -1;
    int m_nYellow = 0;
    int m_nRed = 0;
    int m_nSize = -1;

private:
    std::unique_ptr<controls::SizeMeterWindow> m_pWindow;
};

}  // namespace bb::controls
