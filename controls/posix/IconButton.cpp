// No native controls here: an icon button keeps its state, has no images and
// draws nothing.
#include "controls/IconButton.h"
#include "controls/IconButtonWindow.h"

namespace bb::controls {

std::unique_ptr<IconButtonWindow> AttachIconButtonWindow(CIconButton&, void*) {
    return nullptr;
}

void ReleaseCursor(void*) {}

}  // namespace bb::controls

namespace bb::controls {

void CIconButton::ReleaseImages() {
    m_hBtnIcon = m_hBtnBitmap = m_hBtnMask = nullptr;
    m_nIconWidth = m_nIconHeight = m_nBitmapWidth = m_nBitmapHeight = 0;
}

// The classic button face and text.
void CIconButton::ResetColours() {
    m_crHotBack = m_crNormalBack = m_crFocusBack = 0xC0C0C0;
    m_crHotText = m_crNormalText = m_crFocusText = 0x000000;
}

int CIconButton::LoadIconImage(UINT) {
    ReleaseImages();
    return 0;
}

int CIconButton::LoadBitmapImage(UINT, COLORREF) {
    ReleaseImages();
    return 0;
}

int CIconButton::SetHoverCursor(UINT cursorId, BOOL) {
    m_hHoverCursor = nullptr;
    return cursorId == 0 ? 0 : 1;
}

void CIconButton::PaintBackground(void*, const controls::ButtonRect&) {}
void CIconButton::PaintEdge(void*, const controls::ButtonRect&) {}
void CIconButton::PaintIcon(void*, const controls::ButtonRect&) {}
void CIconButton::PaintBitmap(void*, const controls::ButtonRect&) {}
void CIconButton::PaintCaption(void*, const controls::ButtonRect&, const char*) {}

}  // namespace bb::controls
