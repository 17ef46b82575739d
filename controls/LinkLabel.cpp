#include "controls/LinkLabel.h"

#include "controls/LinkLabelWindow.h"
#include "controls/LinkOpening.h"

namespace bb::controls {

LinkRect FitLinkToText(const LinkRect& window, int textWidth, int textHeight, int frameWidth, int frameHeight,
                       unsigned style) {
    const int width = textWidth + frameWidth;
    const int height = textHeight + frameHeight;
    LinkRect fitted = window;
    if (style & kStaticCentreImage) {
        fitted.top = window.top + ((window.bottom - window.top) - height) / 2;
    }
    fitted.bottom = fitted.top + height;
    if (style & kStaticCentre) {
        fitted.left = window.left + ((window.right - window.left) - width) / 2;
        fitted.right = fitted.left + width;
    } else if (style & kStaticRight) {
        fitted.left = window.right - width;
    } else {
        fitted.right = window.left + width;
    }
    return fitted;
}

}  // namespace bb::controls

namespace bb::controls {

CLinkLabel::CLinkLabel() = default;
CLinkLabel::~CLinkLabel() = default;

void CLinkLabel::Attach(framework::CDialog* dialog, int id) {
    Bind(dialog, id);
    m_bAttached = true;
    const framework::CString text = GetWindowText();
    if (m_strTarget.IsEmpty())
        m_strTarget = text;
    else if (text.IsEmpty())
        SetWindowText(m_strTarget);
    m_pWindow = controls::AttachLinkLabelWindow(*this, NativeHandle());
}

void CLinkLabel::SetTarget(const char* target) {
    m_strTarget = target ? target : "";
    if (m_pWindow) {
        m_pWindow->FitToText();
        m_pWindow->SetTooltipText(m_strTarget.str());
    }
}

void CLinkLabel::MarkOpened(BOOL opened) {
    m_bWasOpened = opened ? 1 : 0;
    if (m_pWindow)
        m_pWindow->Repaint();
}

void CLinkLabel::OnClicked() {
    m_bHot = 0;
    const intptr_t result = OpenTarget(m_strTarget, 5);
    if (result > 32) {
        MarkOpened(TRUE);
        return;
    }
    m_bWasOpened = 0;
    if (m_pWindow)
        m_pWindow->Beep();
    ShowOpenError(int(result));
}

intptr_t CLinkLabel::OpenTarget(const char* target, int showCmd) {
    return controls::OpenLinkTarget(target ? target : "", showCmd);
}

void CLinkLabel::ShowOpenError(int code) {
    const std::string message = controls::OpenErrorMessage(code);
    if (m_pDialog != nullptr)
        m_pDialog->MessageBox(message.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

COLORREF CLinkLabel::TextColour() const {
    if (m_bHot)
        return m_crHot;
    return m_bWasOpened ? m_crVisitedLink : m_crNormal;
}

bool CLinkLabel::ShowsUnderline() const {
    return m_nUnderlineMode == 1 || (m_nUnderlineMode == -1 && m_bHot);
}

bool CLinkLabel::OnMouseOver() {
    if (m_bHot)
        return false;
    m_bHot = 1;
    return true;
}

bool CLinkLabel::OnHoverTick(bool mouseInside) {
    if (!m_bHot || mouseInside)
        return false;
    m_bHot = 0;
    return true;
}

}  // namespace bb::controls
