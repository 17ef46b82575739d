// The Win32 link label: subclasses the static control, paints its text in
// the label's colour and font, shows the hand cursor and a tooltip with the
// target, and watches with a timer for the mouse leaving.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "controls/LinkLabel.h"
#include "controls/LinkLabelWindow.h"

namespace bb::controls {
namespace {

constexpr UINT_PTR kSubclassId = 0x4C4E4B;  // "LNK"
constexpr int kHandCursorResource = 106;

HFONT CurrentFontOf(HWND control) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    return font;
}

// The hand of the system's help program: a copy of its cursor 106. Null when
// the program or its cursor is missing.
HCURSOR LoadHelpProgramHand() {
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::string path = std::string(folder) + "\\winhlp32.exe";
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return nullptr;
    HCURSOR copy = nullptr;
    if (HCURSOR cursor = LoadCursorA(module, MAKEINTRESOURCEA(kHandCursorResource)))
        copy = CopyCursor(cursor);
    FreeLibrary(module);
    return copy;
}

class Win32LinkLabelWindow final : public LinkLabelWindow {
public:
    Win32LinkLabelWindow(CLinkLabel& label, HWND control) : m_label(label), m_hwnd(control) {
        // Clicks are reported to the dialog only with the notify style.
        SetWindowLongPtrA(m_hwnd, GWL_STYLE, GetWindowLongPtrA(m_hwnd, GWL_STYLE) | SS_NOTIFY);
        LOGFONTA font{};
        GetObjectA(CurrentFontOf(m_hwnd), sizeof font, &font);
        m_fontPlain = CreateFontIndirectA(&font);
        font.lfUnderline = TRUE;
        m_fontUnderlined = CreateFontIndirectA(&font);
        FitToText();
        m_hHandCursor = LoadHelpProgramHand();
        m_ownsCursor = m_hHandCursor != nullptr;
        if (!m_hHandCursor)
            m_hHandCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
        CreateTooltip();
        SetWindowSubclass(m_hwnd, &Win32LinkLabelWindow::Proc, kSubclassId, DWORD_PTR(this));
    }

    ~Win32LinkLabelWindow() override {
        if (IsWindow(m_hwnd)) {
            KillTimer(m_hwnd, UINT_PTR(m_label.m_nHoverTimer));
            RemoveWindowSubclass(m_hwnd, &Win32LinkLabelWindow::Proc, kSubclassId);
        }
        if (m_tooltip && IsWindow(m_tooltip))
            DestroyWindow(m_tooltip);
        DeleteObject(m_fontPlain);
        DeleteObject(m_fontUnderlined);
        if (m_ownsCursor)
            DestroyCursor(m_hHandCursor);
    }

    void FitToText() override {
        if (!m_label.m_bFitToText || !IsWindow(m_hwnd))
            return;
        char text[512] = {};
        GetWindowTextA(m_hwnd, text, sizeof text);
        HDC dc = GetDC(m_hwnd);
        HGDIOBJ old = SelectObject(dc, m_fontUnderlined);
        RECT measured{0, 0, 0, 0};
        DrawTextA(dc, text, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(m_hwnd, dc);

        RECT window, client;
        GetWindowRect(m_hwnd, &window);
        GetClientRect(m_hwnd, &client);
        MapWindowPoints(nullptr, GetParent(m_hwnd), reinterpret_cast<POINT*>(&window), 2);
        const LinkRect fitted = FitLinkToText(
            {int(window.left), int(window.top), int(window.right), int(window.bottom)}, int(measured.right),
            int(measured.bottom), int((window.right - window.left) - client.right),
            int((window.bottom - window.top) - client.bottom), unsigned(GetWindowLongPtrA(m_hwnd, GWL_STYLE)));
        SetWindowPos(m_hwnd, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                     fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateTooltipRect();
    }

    void SetTooltipText(const std::string& text) override {
        if (!m_tooltip)
            return;
        TOOLINFOA tool = Tool();
        tool.lpszText = const_cast<char*>(text.c_str());
        SendMessageA(m_tooltip, TTM_UPDATETIPTEXTA, 0, LPARAM(&tool));
    }

    void Repaint() override {
        if (IsWindow(m_hwnd))
            InvalidateRect(m_hwnd, nullptr, TRUE);
    }

    void Beep() override { MessageBeep(MB_ICONEXCLAMATION); }

private:
    TOOLINFOA Tool() const {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = m_hwnd;
        tool.uId = 1;
        GetClientRect(m_hwnd, &tool.rect);
        return tool;
    }

    void CreateTooltip() {
        m_tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, GetParent(m_hwnd), nullptr, nullptr, nullptr);
        if (!m_tooltip)
            return;
        TOOLINFOA tool = Tool();
        tool.lpszText = const_cast<char*>(m_label.Target().c_str());
        SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, LPARAM(&tool));
    }

    void UpdateTooltipRect() {
        if (!m_tooltip)
            return;
        TOOLINFOA tool = Tool();
        SendMessageA(m_tooltip, TTM_NEWTOOLRECTA, 0, LPARAM(&tool));
    }

    void UseFont(HFONT font) { SendMessageA(m_hwnd, WM_SETFONT, WPARAM(font), TRUE); }

    void Paint() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hwnd, &ps);
        RECT client;
        GetClientRect(m_hwnd, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        char text[512] = {};
        GetWindowTextA(m_hwnd, text, sizeof text);
        const LONG_PTR style = GetWindowLongPtrA(m_hwnd, GWL_STYLE);
        UINT format = DT_SINGLELINE;
        if (style & SS_CENTER)
            format |= DT_CENTER;
        else if (style & SS_RIGHT)
            format |= DT_RIGHT;
        if (style & SS_CENTERIMAGE)
            format |= DT_VCENTER;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, COLORREF(m_label.TextColour()));
        HGDIOBJ old = SelectObject(dc, m_label.ShowsUnderline() ? m_fontUnderlined : m_fontPlain);
        DrawTextA(dc, text, -1, &client, format);
        SelectObject(dc, old);
        EndPaint(m_hwnd, &ps);
    }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_MOUSEMOVE:
            if (m_label.OnMouseOver()) {
                if (m_label.m_nUnderlineMode == -1)
                    UseFont(m_fontUnderlined);
                Repaint();
                SetTimer(m_hwnd, UINT_PTR(m_label.m_nHoverTimer), 100, nullptr);
            }
            break;
        case WM_TIMER:
            if (wParam == UINT_PTR(m_label.m_nHoverTimer)) {
                const DWORD position = GetMessagePos();
                POINT point{short(LOWORD(position)), short(HIWORD(position))};
                ScreenToClient(m_hwnd, &point);
                RECT client;
                GetClientRect(m_hwnd, &client);
                if (m_label.OnHoverTick(PtInRect(&client, point) != FALSE)) {
                    KillTimer(m_hwnd, wParam);
                    if (m_label.m_nUnderlineMode != 1)
                        UseFont(m_fontPlain);
                    Repaint();
                }
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (m_hHandCursor) {
                SetCursor(m_hHandCursor);
                return TRUE;
            }
            break;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(m_hwnd, &client);
            FillRect(HDC(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DESTROY:
            KillTimer(m_hwnd, UINT_PTR(m_label.m_nHoverTimer));
            RemoveWindowSubclass(m_hwnd, &Win32LinkLabelWindow::Proc, kSubclassId);
            break;
        default:
            break;
        }
        return DefSubclassProc(m_hwnd, message, wParam, lParam);
    }

    static LRESULT CALLBACK Proc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
        return reinterpret_cast<Win32LinkLabelWindow*>(self)->Handle(message, wParam, lParam);
    }

    CLinkLabel& m_label;
    HWND m_hwnd;
    HFONT m_fontPlain = nullptr;
    HFONT m_fontUnderlined = nullptr;
    HCURSOR m_hHandCursor = nullptr;
    bool m_ownsCursor = false;
    HWND m_tooltip = nullptr;
};

}  // namespace

std::unique_ptr<LinkLabelWindow> AttachLinkLabelWindow(CLinkLabel& label, void* control) {
    HWND hwnd = static_cast<HWND>(control);
    if (!hwnd || !IsWindow(hwnd))
        return nullptr;
    return std::make_unique<Win32LinkLabelWindow>(label, hwnd);
}

}  // namespace bb::controls
