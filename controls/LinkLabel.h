// A static text control made a clickable link: link colours, underlined while
// the mouse is over it, a hand cursor and a tooltip with the target, and a
// click opens the target (controls/LinkOpening.h). The state and decisions
// live here; drawing, cursor, tooltip and the mouse watch are the native
// window's part (controls/LinkLabelWindow.h), which hosts without native
// windows do without.
//
// The dialog routes the control's click (BN_CLICKED, the static's
// STN_CLICKED) to OnClicked. UI thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/CDialog.h"
#include "framework/CString.h"

namespace bb::controls {

// Colours as Windows writes them: 0x00BBGGRR.
typedef unsigned long COLORREF;

}  // namespace bb::controls

namespace bb::controls {
class LinkLabelWindow;

// Size and place of a control fitted to its text, in its parent's client
// coordinates.
struct LinkRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const LinkRect&, const LinkRect&) = default;
};

// Static styles that decide how a fitted control moves.
inline constexpr unsigned kStaticCentre = 0x1;        // SS_CENTER
inline constexpr unsigned kStaticRight = 0x2;         // SS_RIGHT
inline constexpr unsigned kStaticNotify = 0x100;      // SS_NOTIFY
inline constexpr unsigned kStaticCentreImage = 0x200;  // SS_CENTERIMAGE

// The window rectangle `window` resized to text of `textWidth` x `textHeight`
// plus the frame (window size less client size). Vertically it keeps its
// centre with kStaticCentreImage, else its top; horizontally its centre with
// kStaticCentre, its right edge with kStaticRight, else its left edge.
[[nodiscard]] LinkRect FitLinkToText(const LinkRect& window, int textWidth, int textHeight, int frameWidth,
                                     int frameHeight, unsigned style);

}  // namespace bb::controls

namespace bb::controls {

class CLinkLabel : public framework::CDlgItem {
public:
    CLinkLabel();
    ~CLinkLabel();
    CLinkLabel(const CLinkLabel&) = delete;
    CLinkLabel& operator=(const CLinkLabel&) = delete;

    // Makes control `id` of the open `dialog` this link: an empty target
    // becomes the control's text, an empty text shows the target.
    void Attach(framework::CDialog* dialog, int id);
    // Stores the target; an attached control fits its text again and its
    // tooltip shows the new target.
    void SetTarget(const char* target);
    void MarkOpened(BOOL opened);
    // The click: opens the target; a failure beeps and says why.
    void OnClicked();
    // Above 32 when the target was opened, else the shell's error code.
    static intptr_t OpenTarget(const char* target, int showCmd);
    // The exclamation box "Unable to open hyperlink: ..." for `code`.
    void ShowOpenError(int code);

    // --- for the native window -------------------------------------------------
    // The colour the text is drawn in now.
    [[nodiscard]] COLORREF TextColour() const;
    [[nodiscard]] bool ShowsUnderline() const;
    // The mouse moved over the control: true when it just became hot (the
    // window starts its hover timer and switches fonts).
    bool OnMouseOver();
    // A hover-timer tick; true when the mouse has left and the link is no
    // longer hot (the window stops the timer and switches back).
    bool OnHoverTick(bool mouseInside);
    [[nodiscard]] const framework::CString& Target() const { return m_strTarget; }
    [[nodiscard]] bool IsAttached() const { return m_bAttached; }

    COLORREF m_crNormal = 0xEE0000;
    COLORREF m_crVisitedLink = 0x8B1A55;
    COLORREF m_crHot = 0x0000FF;
    int m_bHot = 0;
    int m_bWasOpened = 0;
    int m_nUnderlineMode = -1;  // -1 while hot, 1 always, 0 never
    int m_bFitToText = 1;
    framework::CString m_strTarget;
    int m_nHoverTimer = 100;

private:
    bool m_bAttached = false;
    std::unique_ptr<controls::LinkLabelWindow> m_pWindow;
};

}  // namespace bb::controls
