// A dialog template as the headless host needs it: which control each id is,
// its caption and starting state, the radio groups (WS_GROUP) and the menu.
// The resource layer describes its templates as data; the front end turns
// those into these so the headless window starts like the Win32 one.
#pragma once

#include <string>
#include <vector>

namespace bb::platform {

enum class HeadlessKind {
    Other,
    Static,
    Edit,
    MultiLineEdit,
    PushButton,
    CheckBox,
    RadioButton,
    ComboBox,
    ProgressBar,
    GroupBox,
};

struct HeadlessControlTemplate {
    int id = 0;
    HeadlessKind kind = HeadlessKind::Other;
    std::string caption;
    bool disabled = false;
    bool group = false;  // starts a group (the first radio of a radio group)
};

struct HeadlessMenuItemTemplate {
    int command = 0;  // 0: separator
    std::string caption;
};

struct HeadlessDialogTemplate {
    int id = 0;
    std::string caption;
    std::vector<HeadlessControlTemplate> controls;  // in tab order
    // A menu bar with one pop-up, when the caption is not empty.
    std::string menuPopupCaption;
    std::vector<HeadlessMenuItemTemplate> menuItems;
};

}  // namespace bb::platform
