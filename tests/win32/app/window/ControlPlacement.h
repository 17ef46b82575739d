// Whether a control of the main window sits where its template puts it: the
// template's dialog units converted with the dialog's base units (x * base
// width / 4, y * base height / 8; position and size each on their own, as
// Windows maps them). A bitmap static takes the size of its bitmap, and a
// drop-down list's template height is that of its opened list, so only their
// position (and the list's width) count.
#pragma once

#include <windows.h>

#include <string>

#include "res/DialogTemplate.h"

namespace bb::app::test {

struct BaseUnits {
    int x = 0, y = 0;
};

// The dialog's base units. MapDialogRect answers only in the dialog's own
// process; elsewhere they come from the template's font, as the dialog
// manager computes them (average width of the alphabet, line height).
inline BaseUnits BaseUnitsOf(HWND dialog, const res::DialogTemplate& t) {
    RECT r = {0, 0, 4, 8};
    if (MapDialogRect(dialog, &r) && r.right != 4) return {r.right, r.bottom};
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontA(-MulDiv(t.fontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                             FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, t.fontFace);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SIZE alphabet = {};
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &alphabet);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return {(alphabet.cx / 26 + 1) / 2, int(metrics.tmHeight)};
}

// "" when the control is in place, else what is wrong.
inline std::string MisplacementOf(HWND dialog, BaseUnits base, const res::ControlTemplate& c) {
    HWND item = GetDlgItem(dialog, c.id);
    if (!item) return "missing";
    const RECT want = {MulDiv(c.x, base.x, 4), MulDiv(c.y, base.y, 8), MulDiv(c.cx, base.x, 4),
                       MulDiv(c.cy, base.y, 8)};  // left, top, width, height
    RECT got;
    GetWindowRect(item, &got);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&got), 2);
    const bool bitmap = c.kind == res::ControlKind::BitmapStatic;
    const bool list = c.kind == res::ControlKind::DropDownList;
    const bool inPlace = got.left == want.left && got.top == want.top &&
                         (bitmap || got.right - got.left == want.right) &&
                         (bitmap || list || got.bottom - got.top == want.bottom);
    if (inPlace && IsWindowVisible(item)) return "";
    return "at " + std::to_string(got.left) + "," + std::to_string(got.top) + " size " +
           std::to_string(got.right - got.left) + "x" + std::to_string(got.bottom - got.top) + ", template " +
           std::to_string(want.left) + "," + std::to_string(want.top) + " size " + std::to_string(want.right) +
           "x" + std::to_string(want.bottom) + (IsWindowVisible(item) ? "" : ", hidden");
}

}  // namespace bb::app::test
