// The Win32 size meter: subclasses the bitmap static, builds the strip in a
// memory bitmap from the columns of the parts bitmap and copies it to the
// control in one piece, so repainting does not flicker.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "controls/SizeMeter.h"
#include "controls/SizeMeterLayout.h"
#include "controls/SizeMeterWindow.h"

namespace bb::controls {
namespace {

constexpr UINT_PTR kSubclassId = 0x4D5452;  // "MTR"

class Win32SizeMeterWindow final : public SizeMeterWindow {
public:
    Win32SizeMeterWindow(CSizeMeter& meter, HWND control) : m_meter(meter), m_hwnd(control) {
        SetWindowSubclass(m_hwnd, &Win32SizeMeterWindow::Proc, kSubclassId, DWORD_PTR(this));
    }

    ~Win32SizeMeterWindow() override {
        if (IsWindow(m_hwnd))
            RemoveWindowSubclass(m_hwnd, &Win32SizeMeterWindow::Proc, kSubclassId);
        ReleaseContexts();
        ReleaseImages();
        if (m_font)
            DeleteObject(m_font);
    }

    void* Handle() const override { return m_hwnd; }

    int LoadStrip(unsigned bitmapId, void* owner) override {
        ReleaseContexts();
        ReleaseImages();
        RECT ownerRect{}, controlRect{};
        if (owner)
            GetWindowRect(static_cast<HWND>(owner), &ownerRect);
        GetWindowRect(m_hwnd, &controlRect);
        m_meter.m_nWidth = MeterStripWidth(ownerRect.left, ownerRect.right, controlRect.left);
        m_parts = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (!m_parts)
            return 1;
        HDC screen = GetDC(nullptr);
        m_strip = CreateCompatibleBitmap(screen, m_meter.m_nWidth > 0 ? m_meter.m_nWidth : 1, kMeterHeight);
        ReleaseDC(nullptr, screen);
        if (!m_strip) {
            ReleaseImages();
            return 1;
        }
        // The template only places the strip's top-left corner; the control
        // takes the strip's size so the whole of it shows.
        SetWindowPos(m_hwnd, nullptr, 0, 0, m_meter.m_nWidth, kMeterHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Repaint();
        return 0;
    }

    void Repaint() override {
        if (IsWindow(m_hwnd))
            InvalidateRect(m_hwnd, nullptr, FALSE);
    }

private:
    void ReleaseImages() {
        if (m_strip)
            DeleteObject(m_strip);
        if (m_parts)
            DeleteObject(m_parts);
        m_strip = m_parts = nullptr;
    }

    void ReleaseContexts() {
        if (m_stripDc) {
            SelectObject(m_stripDc, m_oldStrip);
            DeleteDC(m_stripDc);
        }
        if (m_partsDc) {
            SelectObject(m_partsDc, m_oldParts);
            DeleteDC(m_partsDc);
        }
        m_stripDc = m_partsDc = nullptr;
    }

    void Label(const MeterLabel& label) {
        const std::string text = MeterLabelText(label.mb);
        TextOutA(m_stripDc, label.x, label.y, text.c_str(), int(text.size()));
    }

    void Paint(HDC target) {
        if (!m_strip || !m_parts)
            return;
        if (!m_stripDc) {
            m_stripDc = CreateCompatibleDC(target);
            m_partsDc = CreateCompatibleDC(target);
            m_oldStrip = SelectObject(m_stripDc, m_strip);
            m_oldParts = SelectObject(m_partsDc, m_parts);
            if (!m_font)
                m_font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nullptr);
            if (m_font)
                SelectObject(m_stripDc, m_font);
        }
        const int width = m_meter.m_nWidth;
        for (const MeterCopy& copy : MeterBackground(width))
            BitBlt(m_stripDc, copy.stripX, 0, copy.width, kMeterHeight, m_partsDc, copy.partX, 0, SRCCOPY);
        const MeterBar bar = MeterBarFor(width, m_meter.m_nYellow, m_meter.m_nRed, m_meter.m_nSize);
        for (const MeterRun& run : bar.runs)
            for (int x = run.from; x < run.to; ++x)
                BitBlt(m_stripDc, x, kBarTop, 1, kBarRows, m_partsDc, run.partColumn, kBarTop, SRCCOPY);
        for (const MeterLabel& label : bar.labels)
            Label(label);
        BitBlt(target, 0, 0, width, kMeterHeight, m_stripDc, 0, 0, SRCCOPY);
    }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(m_hwnd, &ps);
            Paint(dc);
            EndPaint(m_hwnd, &ps);
            return 0;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(m_hwnd, &Win32SizeMeterWindow::Proc, kSubclassId);
            break;
        default:
            break;
        }
        return DefSubclassProc(m_hwnd, message, wParam, lParam);
    }

    static LRESULT CALLBACK Proc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
        return reinterpret_cast<Win32SizeMeterWindow*>(self)->Handle(message, wParam, lParam);
    }

    CSizeMeter& m_meter;
    HWND m_hwnd;
    HBITMAP m_strip = nullptr;
    HBITMAP m_parts = nullptr;
    HDC m_stripDc = nullptr;
    HDC m_partsDc = nullptr;
    HGDIOBJ m_oldStrip = nullptr;
    HGDIOBJ m_oldParts = nullptr;
    HFONT m_font = nullptr;
};

}  // namespace

std::unique_ptr<SizeMeterWindow> AttachSizeMeterWindow(CSizeMeter& meter, void* control) {
    HWND hwnd = static_cast<HWND>(control);
    if (!hwnd || !IsWindow(hwnd))
        return nullptr;
    return std::make_unique<Win32SizeMeterWindow>(meter, hwnd);
}

}  // namespace bb::controls
