// The owner-drawn push button of every dialog: an icon (or a bitmap with a
// transparent colour) beside or instead of its caption, a flat look with a
// thin raised edge while the mouse is over it and a sunken one while it is
// pressed, a tooltip, a hover cursor, and a link opened when it is clicked.
//
// The placement and state arithmetic is controls/IconButtonLayout.h; loading
// images and painting are the platform's (controls/win32/IconButton.cpp;
// hosts without native windows keep the state and draw nothing).
//
// UI thread only.
#pragma once

#include <memory>

#include "controls/IconButtonLayout.h"
#include "framework/CDialog.h"

namespace bb::controls {

// Colours as Windows writes them: 0x00BBGGRR.
typedef unsigned long COLORREF;

}  // namespace bb::controls

namespace bb::controls {
class IconButtonWindow;
}

namespace bb::controls {

class CIconButton : public framework::CDlgItem {
public:
    CIconButton();
    virtual ~CIconButton();
    CIconButton(const CIconButton&) = delete;
    CIconButton& operator=(const CIconButton&) = delete;

    // Makes control `id` of the open `dialog` this button: from now on it is
    // owner-drawn (a default push button remembers that it is the default).
    // Attaching again to the same window changes nothing.
    void Attach(framework::CDialog* dialog, int id);

    // The icon resource at its own size; releases any image held. 1 when the
    // icon's information cannot be read (no image then), else 0, also when
    // the resource is missing.
    int LoadIconImage(UINT iconId);
    // The bitmap resource with pixels of `transparent` left out; releases any
    // image held. 1 when its size cannot be read, 2 when the mask cannot be
    // built (no image in both cases), else 0, also when it is missing.
    int LoadBitmapImage(UINT bitmapId, COLORREF transparent);
    void SetFlatLook(BOOL flat, BOOL redraw);
    // No margin, and the button resized to the image (nothing without one).
    void FitToImage();
    // Cursor resource shown over the button; 0 for none. 1 when it could not
    // be loaded, else 0.
    int SetHoverCursor(UINT cursorId, BOOL redraw);
    // The tooltip's text; a null text does nothing. The tooltip is made on
    // first need and its tool covers the button as it is at that moment.
    void SetTipText(const char* text, BOOL activate);
    // Opened through the shell when the button is clicked; null clears it.
    void SetLinkTarget(const char* link);

    [[nodiscard]] controls::ButtonPaintState PaintState() const;
    [[nodiscard]] bool HasIcon() const { return m_hBtnIcon != nullptr; }
    [[nodiscard]] bool HasBitmap() const { return m_hBtnBitmap != nullptr; }
    [[nodiscard]] const char* LinkTarget() const { return m_szLink; }
    // The tooltip control (HWND on Win32), null until it is made.
    [[nodiscard]] void* TooltipHandle() const;

    // --- painting steps of one owner-draw request (dc: the request's HDC) ------
    virtual void PaintBackground(void* dc, const controls::ButtonRect& rect);
    virtual void PaintEdge(void* dc, const controls::ButtonRect& rect);
    virtual void PaintIcon(void* dc, const controls::ButtonRect& image);
    virtual void PaintBitmap(void* dc, const controls::ButtonRect& image);
    virtual void PaintCaption(void* dc, const controls::ButtonRect& caption, const char* text);

    // --- for the native window ---------------------------------------------------
    // Leaves the hot state (flat look only); true when it changed.
    bool LeaveHot();
    // A mouse move: true when the button has just become hot.
    bool OnMouseOver(bool leftButtonHeld, bool overButton);
    // The system colours back into the three colour pairs.
    void ResetColours();

    int m_bFlat = 1;
    int m_bHot = 0;
    int m_bPressed = 0;
    int m_bFocused = 0;
    int m_bDisabled = 0;
    int m_bIsDefault = 0;
    int m_bDrawFlatEdge = 1;
    int m_nMarginX = 3;
    int m_nPressedDX = 1;
    int m_nPressedDY = 1;
    // (background, text) for hot, normal and focused.
    COLORREF m_crHotBack = 0, m_crHotText = 0;
    COLORREF m_crNormalBack = 0, m_crNormalText = 0;
    COLORREF m_crFocusBack = 0, m_crFocusText = 0;
    void* m_hBtnIcon = nullptr;
    int m_nIconWidth = 0;
    int m_nIconHeight = 0;
    void* m_hBtnBitmap = nullptr;
    int m_nBitmapWidth = 0;
    int m_nBitmapHeight = 0;
    void* m_hBtnMask = nullptr;
    COLORREF m_crTransparent = 0;
    void* m_hHoverCursor = nullptr;
    char m_szLink[261] = {};

protected:
    // Releases the icon, bitmap and mask (the platform's handles).
    void ReleaseImages();
    void Repaint();

private:
    std::unique_ptr<controls::IconButtonWindow> m_pWindow;
};

}  // namespace bb::controls
