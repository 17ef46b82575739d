// Whether a control of the main window sits where its template puts it:
// the template's dialog units mapped with the dialog's base units. Windows
// maps a control's position and its size each on their own. A bitmap static
// takes the size of its bitmap, and a drop-down list's template height is
// that of its opened list, so only their position (and the list's width) count.
#pragma once

#include <windows.h>

#include <string>

#include "res/DialogTemplate.h"

namespace uitest {

// "" when the control is in place, else what is wrong.
inline std::string MisplacementOf(HWND dialog, const bbres::ControlTemplate& c) {
    HWND item = GetDlgItem(dialog, c.id);
    if (!item) return "missing";
    RECT place = {c.x, c.y, 0, 0};
    RECT size = {0, 0, c.cx, c.cy};
    MapDialogRect(dialog, &place);
    MapDialogRect(dialog, &size);
    RECT got;
    GetWindowRect(item, &got);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&got), 2);
    const bool bitmap = c.kind == bbres::ControlKind::BitmapStatic;
    const bool list = c.kind == bbres::ControlKind::DropDownList;
    const bool right = got.left == place.left && got.top == place.top &&
                       (bitmap || got.right - got.left == size.right) &&
                       (bitmap || list || got.bottom - got.top == size.bottom);
    if (right && IsWindowVisible(item)) return "";
    return "at " + std::to_string(got.left) + "," + std::to_string(got.top) + " size " +
           std::to_string(got.right - got.left) + "x" + std::to_string(got.bottom - got.top) + ", template " +
           std::to_string(place.left) + "," + std::to_string(place.top) + " size " + std::to_string(size.right) +
           "x" + std::to_string(size.bottom) + (IsWindowVisible(item) ? "" : ", hidden");
}

}  // namespace uitest
