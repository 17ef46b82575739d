// A dialog template and a menu as data: what each control is, where it sits,
// its template caption and state, and which language text, tooltip and icon
// the window gives it at start-up.
//
// The tables of every dialog and menu in BrenvikBurn.rc are generated from
// the script at build time (tools/rc2template), so the Win32 window and the
// headless model are made from the one description.
#pragma once

#include <cstddef>
#include <span>

namespace bb::res {

enum class ControlKind {
    GroupBox,
    Label,
    DropDownList,
    RadioButton,
    CheckBox,
    Edit,          // single-line, editable
    ReadOnlyEdit,  // single-line, read-only
    LogEdit,       // multi-line, read-only, vertical scroll bar
    PushButton,
    ProgressBar,
    BitmapStatic,
};

struct ControlTemplate {
    int id;
    const char* idName;   // the symbol the .rc uses
    ControlKind kind;
    const char* caption;  // template caption ("" for none)
    int x, y, cx, cy;     // dialog units
    bool disabled;        // WS_DISABLED in the template
    bool group;           // WS_GROUP: first radio of a group, or first control after one
    int textId;           // language text replacing the caption; 0 = none
    int tooltipId;        // language text of the tooltip; 0 = none
    int iconId;           // icon resource of an icon button; 0 = none
};

struct MenuItemTemplate {
    int command;          // 0: separator
    const char* caption;
    int textId;
};

struct DialogTemplate {
    int id;
    const char* caption;
    const char* fontFace;
    int fontPoints;
    int cx, cy;           // dialog units
    int menuId;
    std::span<const ControlTemplate> controls;
};

struct MenuTemplate {
    int id;
    const char* popupCaption;  // the one pop-up of the menu bar, at position 0
    int popupTextId;
    std::span<const MenuItemTemplate> items;
};

// Every dialog and menu of the resource script, as the script has them
// (no language texts, tooltips or icons). Generated.
std::span<const DialogTemplate> RcDialogs();
std::span<const MenuTemplate> RcMenus();

// The dialog or menu of the script with this id, or null.
const DialogTemplate* FindDialog(int id);
const MenuTemplate* FindMenu(int id);

// The control with this id, or null.
const ControlTemplate* FindControl(const DialogTemplate& dialog, int id);

// The ids of the radio group that starts at `firstId` (the radio buttons that
// follow it up to the next control that is not a radio or starts a group).
// Empty when `firstId` does not start a radio group.
std::span<const ControlTemplate> RadioGroup(const DialogTemplate& dialog, int firstId);

}  // namespace bb::res
