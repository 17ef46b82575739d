#include "app/MainDialogHeadless.h"

#include "res/MainDialogTemplate.h"
#include "res/resource.h"

namespace app {
namespace {

platform::HeadlessKind KindOf(bbres::ControlKind kind) {
    using K = bbres::ControlKind;
    using H = platform::HeadlessKind;
    switch (kind) {
    case K::GroupBox: return H::GroupBox;
    case K::Label: return H::Static;
    case K::BitmapStatic: return H::Static;
    case K::DropDownList: return H::ComboBox;
    case K::RadioButton: return H::RadioButton;
    case K::CheckBox: return H::CheckBox;
    case K::Edit: return H::Edit;
    case K::ReadOnlyEdit: return H::Edit;
    case K::LogEdit: return H::MultiLineEdit;
    case K::PushButton: return H::PushButton;
    case K::ProgressBar: return H::ProgressBar;
    }
    return H::Other;
}

}  // namespace

platform::HeadlessDialogTemplate HeadlessMainDialog() {
    const bbres::DialogTemplate& dialog = bbres::MainDialog();
    platform::HeadlessDialogTemplate t;
    t.id = dialog.id;
    t.caption = dialog.caption;
    for (const bbres::ControlTemplate& c : dialog.controls) {
        if (c.id == IDC_STATIC)
            continue;  // never addressed by id
        // A bitmap static's template text names its bitmap; it shows none.
        const char* caption = c.kind == bbres::ControlKind::BitmapStatic ? "" : c.caption;
        t.controls.push_back({c.id, KindOf(c.kind), caption, c.disabled, c.group});
    }
    const bbres::MenuTemplate& menu = bbres::MainMenu();
    t.menuPopupCaption = menu.popupCaption;
    for (const bbres::MenuItemTemplate& item : menu.items)
        t.menuItems.push_back({item.command, item.caption});
    return t;
}

}  // namespace app
