#include "controls/IconButton.h"

#include <cstring>

#include "controls/IconButtonWindow.h"

namespace bb::controls {

CIconButton::CIconButton() = default;

CIconButton::~CIconButton() {
    // The window part goes first: it may still paint with the images.
    m_pWindow.reset();
    ReleaseImages();
    controls::ReleaseCursor(m_hHoverCursor);
}

void CIconButton::Attach(framework::CDialog* dialog, int id) {
    void* control = dialog && dialog->Host() ? dialog->Host()->ItemNativeHandle(id) : nullptr;
    if (m_pWindow && m_pWindow->Handle() == control && control)
        return;
    Bind(dialog, id);
    m_pWindow = controls::AttachIconButtonWindow(*this, control);
}

void CIconButton::SetFlatLook(BOOL flat, BOOL redraw) {
    m_bFlat = flat ? 1 : 0;
    if (redraw)
        Repaint();
}

void CIconButton::FitToImage() {
    int width = 0, height = 0;
    if (m_hBtnIcon) {
        width = m_nIconWidth;
        height = m_nIconHeight;
    } else if (m_hBtnBitmap) {
        width = m_nBitmapWidth;
        height = m_nBitmapHeight;
    } else {
        return;
    }
    m_nMarginX = 0;
    if (m_pWindow)
        m_pWindow->Resize(width, height);
}

void CIconButton::SetTipText(const char* text, BOOL activate) {
    if (!text || !m_pWindow)
        return;
    m_pWindow->SetTipText(text, activate != FALSE);
}

void* CIconButton::TooltipHandle() const {
    return m_pWindow ? m_pWindow->Tooltip() : nullptr;
}

void CIconButton::SetLinkTarget(const char* link) {
    if (!link) {
        m_szLink[0] = '\0';
        return;
    }
    std::strncpy(m_szLink, link, 260);
    m_szLink[260] = '\0';
}

controls::ButtonPaintState CIconButton::PaintState() const {
    return {m_bHot != 0, m_bPressed != 0, m_bFocused != 0, m_bDisabled != 0, m_bIsDefault != 0};
}

bool CIconButton::LeaveHot() {
    if (!m_bFlat || !m_bHot)
        return false;
    m_bHot = 0;
    Repaint();
    return true;
}

bool CIconButton::OnMouseOver(bool leftButtonHeld, bool overButton) {
    switch (controls::HoverStepFor(leftButtonHeld, m_bHot != 0, overButton)) {
    case controls::HoverStep::Enter:
        m_bHot = 1;
        Repaint();
        return true;
    case controls::HoverStep::Leave:
        LeaveHot();
        return false;
    case controls::HoverStep::Nothing:
        break;
    }
    return false;
}

void CIconButton::Repaint() {
    if (m_pWindow)
        m_pWindow->Repaint();
}

}  // namespace bb::controls
