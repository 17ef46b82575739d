// The dialogs and menus of a resource script, as far as the program's
// templates need them: each control's id, window class, kind, caption,
// styles and dialog-unit rectangle, and each menu's one pop-up.
#pragma once

#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bb::tools::rc2template {

struct RcControl {
    std::string id;           // the symbol (or number) the script gives
    std::string windowClass;  // "Button", "Static", "Edit", ...
    std::string kind;         // the res::ControlKind it makes: "GroupBox", "Label", ...
    std::string caption;      // "" for none
    std::set<std::string> styles;  // after the statement's defaults and NOT
    int x = 0, y = 0, cx = 0, cy = 0;

    [[nodiscard]] bool Has(const std::string& style) const { return styles.count(style) != 0; }
};

struct RcDialog {
    std::string id;
    int cx = 0, cy = 0;
    std::string caption;
    std::string fontFace;
    int fontPoints = 0;
    std::string menu;  // "" without a menu
    std::vector<RcControl> controls;  // in script (tab) order
};

struct RcMenuItem {
    std::string command;  // "" for a separator
    std::string caption;
};

struct RcMenu {
    std::string id;
    std::string popupCaption;
    std::vector<RcMenuItem> items;
};

struct RcScript {
    std::vector<std::string> includes;  // #include files with their quotes: "x.h", <windows.h>
    std::vector<RcDialog> dialogs;
    std::vector<RcMenu> menus;
};

// A line the parser cannot take; what() names the line number and the fault.
struct RcError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the whole script. Other resources (icons, version information, ...)
// are skipped; anything inside a dialog or menu that the parser does not know
// is an error, so no control can go missing from the tables.
RcScript ParseRcScript(std::string_view text);

}  // namespace bb::tools::rc2template
