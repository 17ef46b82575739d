// The Win32 icon button: the subclassed button window (owner drawing through
// the reflected WM_DRAWITEM, hover tracking, cursor, tooltip, the link) and
// the GDI of the painting steps.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "controls/IconButton.h"
#include "controls/IconButtonWindow.h"
#include "platform/DialogHostWin32.h"

namespace bb::controls {
namespace {

constexpr UINT_PTR kSubclassId = 0x49424E;  // "IBN"
constexpr UINT kReflectedDrawItem = platform::kReflectedMessageBase + WM_DRAWITEM;
constexpr UINT kReflectedCommand = platform::kReflectedMessageBase + WM_COMMAND;
constexpr UINT kReflectedColour = platform::kReflectedMessageBase + WM_CTLCOLORBTN;

RECT ToRect(const ButtonRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// The size an icon resource was drawn for: the first image of its group.
// The artwork lists it first; the larger images are for higher DPI.
int DesignSizeOfIcon(HINSTANCE instance, UINT iconId) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(iconId), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (!found)
        return 0;
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
    if (!dir || SizeofResource(instance, found) < 6 + 14 || (dir[4] | dir[5] << 8) == 0)
        return 0;
    const int width = dir[6];
    return width == 0 ? 256 : width;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

class Win32IconButtonWindow final : public IconButtonWindow {
public:
    Win32IconButtonWindow(CIconButton& button, HWND control) : m_button(button), m_hwnd(control) {
        const OwnerDrawStyle made = MakeOwnerDrawn(unsigned(GetWindowLongA(m_hwnd, GWL_STYLE)));
        m_button.m_bIsDefault = made.isDefault ? 1 : 0;
        SetWindowLongA(m_hwnd, GWL_STYLE, LONG(made.style));
        SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_button.ResetColours();
        SetWindowSubclass(m_hwnd, &Win32IconButtonWindow::Proc, kSubclassId, DWORD_PTR(this));
        Repaint();
    }

    ~Win32IconButtonWindow() override {
        if (IsWindow(m_hwnd))
            RemoveWindowSubclass(m_hwnd, &Win32IconButtonWindow::Proc, kSubclassId);
        if (m_tooltip && IsWindow(m_tooltip))
            DestroyWindow(m_tooltip);
    }

    void* Handle() const override { return m_hwnd; }
    void* Tooltip() const override { return m_tooltip; }

    void Repaint() override {
        if (IsWindow(m_hwnd))
            InvalidateRect(m_hwnd, nullptr, FALSE);
    }

    void Resize(int width, int height) override {
        SetWindowPos(m_hwnd, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    }

    void SetTipText(const char* text, bool activate) override {
        if (!m_tooltip && !CreateTooltip())
            return;
        TOOLINFOA tool = Tool();
        if (!m_hasTool) {
            // The tool covers the button as it is now; a later resize keeps it.
            GetClientRect(m_hwnd, &tool.rect);
            tool.lpszText = const_cast<char*>(text);
            m_hasTool = SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, LPARAM(&tool)) != FALSE;
        }
        tool.lpszText = const_cast<char*>(text);
        SendMessageA(m_tooltip, TTM_UPDATETIPTEXTA, 0, LPARAM(&tool));
        SendMessageA(m_tooltip, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
    }

private:
    TOOLINFOA Tool() const {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = m_hwnd;
        tool.uId = 1;
        return tool;
    }

    bool CreateTooltip() {
        m_tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, nullptr, nullptr);
        if (!m_tooltip)
            return false;
        SendMessageA(m_tooltip, TTM_ACTIVATE, FALSE, 0);
        SendMessageA(m_tooltip, TTM_SETMAXTIPWIDTH, 0, 400);
        return true;
    }

    void Paint(const DRAWITEMSTRUCT& item) {
        m_button.m_bPressed = (item.itemState & ODS_SELECTED) ? 1 : 0;
        m_button.m_bFocused = (item.itemState & ODS_FOCUS) ? 1 : 0;
        m_button.m_bDisabled = (item.itemState & ODS_DISABLED) ? 1 : 0;
        HDC dc = item.hDC;
        SetBkMode(dc, TRANSPARENT);
        const ButtonRect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
        m_button.PaintBackground(dc, rect);
        m_button.PaintEdge(dc, rect);

        char text[256] = {};
        GetWindowTextA(m_hwnd, text, sizeof text);
        const bool hasCaption = text[0] != '\0';
        ButtonRect caption = rect;
        const bool pressed = m_button.m_bPressed != 0;
        if (m_button.HasIcon()) {
            const ImagePlacement placed =
                PlaceImage(rect, m_button.m_nIconWidth, m_button.m_nIconHeight, hasCaption, m_button.m_nMarginX,
                           pressed, m_button.m_nPressedDX, m_button.m_nPressedDY);
            caption = placed.caption;
            m_button.PaintIcon(dc, placed.image);
        } else if (m_button.HasBitmap()) {
            const ImagePlacement placed =
                PlaceImage(rect, m_button.m_nBitmapWidth, m_button.m_nBitmapHeight, hasCaption,
                           m_button.m_nMarginX, pressed, m_button.m_nPressedDX, m_button.m_nPressedDY);
            caption = placed.caption;
            SetBkColor(dc, RGB(255, 255, 255));
            m_button.PaintBitmap(dc, placed.image);
        }
        if (hasCaption)
            m_button.PaintCaption(dc, caption, text);
    }

    void OnMouseMove(WPARAM flags, LPARAM position) {
        POINT point{short(LOWORD(position)), short(HIWORD(position))};
        ClientToScreen(m_hwnd, &point);
        const bool over = WindowFromPoint(point) == m_hwnd;
        if (m_button.OnMouseOver((flags & MK_LBUTTON) != 0, over)) {
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof track;
            track.dwFlags = TME_LEAVE;
            track.hwndTrack = m_hwnd;
            _TrackMouseEvent(&track);
        }
    }

    void OnDisabled() {
        HWND parent = GetParent(m_hwnd);
        if (parent) {
            HWND next = GetNextDlgTabItem(parent, m_hwnd, FALSE);
            if (next && next != m_hwnd)
                SendMessageA(parent, WM_NEXTDLGCTL, WPARAM(next), TRUE);
            else
                SetFocus(parent);
        }
        m_button.LeaveHot();
    }

    void OpenLink() {
        SHELLEXECUTEINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.hwnd = GetParent(m_hwnd);
        info.lpVerb = "open";
        info.lpFile = m_button.LinkTarget();
        info.nShow = SW_SHOWMAXIMIZED;
        ShellExecuteExA(&info);
    }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_MOUSEMOVE: {
            const LRESULT result = DefSubclassProc(m_hwnd, message, wParam, lParam);
            OnMouseMove(wParam, lParam);
            return result;
        }
        case WM_MOUSELEAVE:
            m_button.LeaveHot();
            return 0;
        case WM_KILLFOCUS:
        case WM_CANCELMODE: {
            const LRESULT result = DefSubclassProc(m_hwnd, message, wParam, lParam);
            m_button.LeaveHot();
            return result;
        }
        case WM_ACTIVATE: {
            const LRESULT result = DefSubclassProc(m_hwnd, message, wParam, lParam);
            if (LOWORD(wParam) == WA_INACTIVE)
                m_button.LeaveHot();
            return result;
        }
        case WM_ENABLE: {
            const LRESULT result = DefSubclassProc(m_hwnd, message, wParam, lParam);
            if (!wParam)
                OnDisabled();
            return result;
        }
        case WM_SETCURSOR:
            if (m_button.m_hHoverCursor) {
                SetCursor(static_cast<HCURSOR>(m_button.m_hHoverCursor));
                return TRUE;
            }
            break;
        case WM_SYSCOLORCHANGE: {
            const LRESULT result = DefSubclassProc(m_hwnd, message, wParam, lParam);
            m_button.ResetColours();
            Repaint();
            return result;
        }
        case WM_GETDLGCODE:
            return LRESULT(
                DialogCodeFor(unsigned(DefSubclassProc(m_hwnd, message, wParam, lParam)), m_button.m_bIsDefault != 0));
        case BM_SETSTYLE: {
            const OwnerDrawStyle made = RestyleOwnerDrawn(unsigned(wParam), m_button.m_bIsDefault != 0);
            m_button.m_bIsDefault = made.isDefault ? 1 : 0;
            return DefSubclassProc(m_hwnd, message, WPARAM(made.style), lParam);
        }
        case BM_SETCHECK:
        case BM_GETCHECK:
            return 0;
        case WM_LBUTTONDBLCLK:
            // A quick second click is a second click.
            return DefSubclassProc(m_hwnd, WM_LBUTTONDOWN, wParam, lParam);
        case kReflectedDrawItem:
            Paint(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case kReflectedCommand:
            SetFocus(m_hwnd);
            if (m_button.LinkTarget()[0] != '\0')
                OpenLink();
            return 0;
        case kReflectedColour:
            return LRESULT(GetStockObject(NULL_BRUSH));
        case WM_NCDESTROY:
            RemoveWindowSubclass(m_hwnd, &Win32IconButtonWindow::Proc, kSubclassId);
            break;
        default:
            break;
        }
        return DefSubclassProc(m_hwnd, message, wParam, lParam);
    }

    static LRESULT CALLBACK Proc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
        return reinterpret_cast<Win32IconButtonWindow*>(self)->Handle(message, wParam, lParam);
    }

    CIconButton& m_button;
    HWND m_hwnd;
    HWND m_tooltip = nullptr;
    bool m_hasTool = false;
};

}  // namespace

std::unique_ptr<IconButtonWindow> AttachIconButtonWindow(CIconButton& button, void* control) {
    HWND hwnd = static_cast<HWND>(control);
    if (!hwnd || !IsWindow(hwnd))
        return nullptr;
    return std::make_unique<Win32IconButtonWindow>(button, hwnd);
}

void ReleaseCursor(void* cursor) {
    if (cursor)
        DestroyCursor(static_cast<HCURSOR>(cursor));
}

}  // namespace bb::controls

namespace bb::controls {

using controls::ButtonRect;

void CIconButton::ReleaseImages() {
    if (m_hBtnIcon)
        DestroyIcon(static_cast<HICON>(m_hBtnIcon));
    if (m_hBtnBitmap)
        DeleteObject(static_cast<HBITMAP>(m_hBtnBitmap));
    if (m_hBtnMask)
        DeleteObject(static_cast<HBITMAP>(m_hBtnMask));
    m_hBtnIcon = m_hBtnBitmap = m_hBtnMask = nullptr;
    m_nIconWidth = m_nIconHeight = m_nBitmapWidth = m_nBitmapHeight = 0;
}

void CIconButton::ResetColours() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    m_crHotBack = m_crNormalBack = m_crFocusBack = face;
    m_crHotText = m_crNormalText = m_crFocusText = text;
}

int CIconButton::LoadIconImage(UINT iconId) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ReleaseImages();
    // At its own size, scaled with the screen's DPI (the .ico holds the
    // larger images).
    const int design = controls::DesignSizeOfIcon(instance, iconId);
    const int size = design > 0 ? MulDiv(design, controls::ScreenDpi(), 96) : 0;
    HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, 0));
    if (icon) {
        ICONINFO info{};
        if (!GetIconInfo(icon, &info)) {
            DestroyIcon(icon);
            return 1;
        }
        // The hot spot of an icon marks its centre.
        m_nIconWidth = int(info.xHotspot) * 2;
        m_nIconHeight = int(info.yHotspot) * 2;
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        m_hBtnIcon = icon;
    }
    Repaint();
    return 0;
}

int CIconButton::LoadBitmapImage(UINT bitmapId, COLORREF transparent) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ReleaseImages();
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
    if (!bitmap) {
        Repaint();
        return 0;
    }
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info)) {
        DeleteObject(bitmap);
        return 1;
    }
    const int width = info.bmWidth, height = info.bmHeight;
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    HDC screen = GetDC(nullptr);
    HDC colourDc = CreateCompatibleDC(screen);
    HDC maskDc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!mask || !colourDc || !maskDc) {
        if (mask)
            DeleteObject(mask);
        if (colourDc)
            DeleteDC(colourDc);
        if (maskDc)
            DeleteDC(maskDc);
        DeleteObject(bitmap);
        return 2;
    }
    HGDIOBJ oldColour = SelectObject(colourDc, bitmap);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    // 1 in the mask wherever the bitmap has the transparent colour...
    SetBkColor(colourDc, transparent);
    BitBlt(maskDc, 0, 0, width, height, colourDc, 0, 0, SRCCOPY);
    // ...and those pixels black in the bitmap (bitmap AND NOT mask).
    SetBkColor(colourDc, RGB(255, 255, 255));
    SetTextColor(colourDc, RGB(0, 0, 0));
    BitBlt(colourDc, 0, 0, width, height, maskDc, 0, 0, 0x00220326);
    SelectObject(colourDc, oldColour);
    SelectObject(maskDc, oldMask);
    DeleteDC(colourDc);
    DeleteDC(maskDc);
    m_hBtnBitmap = bitmap;
    m_hBtnMask = mask;
    m_nBitmapWidth = width;
    m_nBitmapHeight = height;
    m_crTransparent = transparent;
    Repaint();
    return 0;
}

int CIconButton::SetHoverCursor(UINT cursorId, BOOL redraw) {
    controls::ReleaseCursor(m_hHoverCursor);
    m_hHoverCursor = nullptr;
    if (cursorId == 0)
        return 0;
    m_hHoverCursor =
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(cursorId), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR);
    if (!m_hHoverCursor)
        return 1;
    if (redraw)
        Repaint();
    return 0;
}

void CIconButton::PaintBackground(void* dc, const ButtonRect& rect) {
    const controls::ButtonColours pair = controls::ColoursFor(PaintState());
    const COLORREF back = pair == controls::ButtonColours::Hot       ? m_crHotBack
                          : pair == controls::ButtonColours::Focused ? m_crFocusBack
                                                                      : m_crNormalBack;
    HBRUSH brush = CreateSolidBrush(back);
    const RECT r = controls::ToRect(rect);
    FillRect(static_cast<HDC>(dc), &r, brush);
    DeleteObject(brush);
}

void CIconButton::PaintEdge(void* dc, const ButtonRect& rect) {
    const controls::FlatEdge edge = controls::EdgeFor(m_bFlat != 0, m_bDrawFlatEdge != 0, PaintState());
    if (edge == controls::FlatEdge::None)
        return;
    RECT r = controls::ToRect(rect);
    DrawEdge(static_cast<HDC>(dc), &r, edge == controls::FlatEdge::Sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
             BF_RECT);
}

void CIconButton::PaintIcon(void* dc, const ButtonRect& image) {
    DrawStateA(static_cast<HDC>(dc), nullptr, nullptr, LPARAM(m_hBtnIcon), 0, image.left, image.top, image.Width(),
               image.Height(), DST_ICON | (m_bDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void CIconButton::PaintBitmap(void* dc, const ButtonRect& image) {
    HDC target = static_cast<HDC>(dc);
    HDC source = CreateCompatibleDC(target);
    if (!source)
        return;
    HGDIOBJ old = SelectObject(source, m_hBtnMask);
    BitBlt(target, image.left, image.top, image.Width(), image.Height(), source, 0, 0, SRCAND);
    SelectObject(source, m_hBtnBitmap);
    BitBlt(target, image.left, image.top, image.Width(), image.Height(), source, 0, 0, SRCPAINT);
    SelectObject(source, old);
    DeleteDC(source);
}

void CIconButton::PaintCaption(void* dc, const ButtonRect& caption, const char* text) {
    HDC target = static_cast<HDC>(dc);
    HWND hwnd = static_cast<HWND>(NativeHandle());
    HFONT font = hwnd ? reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)) : nullptr;
    HGDIOBJ oldFont = font ? SelectObject(target, font) : nullptr;
    constexpr UINT kFormat = DT_WORDBREAK | DT_CENTER;
    RECT measured = controls::ToRect(caption);
    DrawTextA(target, text, -1, &measured, kFormat | DT_CALCRECT);
    const int width = measured.right - measured.left, height = measured.bottom - measured.top;
    const controls::ButtonPoint at =
        controls::PlaceCaption(caption, width, height, m_bPressed != 0, m_nPressedDX, m_nPressedDY);
    RECT block{at.x, at.y, at.x + width, at.y + height};
    if (m_bDisabled) {
        RECT shifted{block.left + 1, block.top + 1, block.right + 1, block.bottom + 1};
        SetTextColor(target, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(target, text, -1, &shifted, kFormat);
        SetTextColor(target, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(target, text, -1, &block, kFormat);
    } else {
        const controls::ButtonColours pair = controls::ColoursFor(PaintState());
        SetTextColor(target, pair == controls::ButtonColours::Hot       ? m_crHotText
                             : pair == controls::ButtonColours::Focused ? m_crFocusText
                                                                         : m_crNormalText);
        DrawTextA(target, text, -1, &block, kFormat);
    }
    if (oldFont)
        SelectObject(target, oldFont);
}

}  // namespace bb::controls
