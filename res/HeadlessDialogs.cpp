#include "res/HeadlessDialogs.h"

#include <cstdio>
#include <cstdlib>

#include "res/resource.h"

namespace bb::res {
namespace {

platform::HeadlessKind KindOf(ControlKind kind) {
    using K = ControlKind;
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

platform::HeadlessDialogTemplate HeadlessDialogOf(const DialogTemplate& dialog) {
    platform::HeadlessDialogTemplate t;
    t.id = dialog.id;
    t.caption = dialog.caption;
    for (const ControlTemplate& c : dialog.controls) {
        if (c.id == IDC_STATIC)
            continue;  // never addressed by id
        // A bitmap static's template text names its bitmap; it shows none.
        const char* caption = c.kind == ControlKind::BitmapStatic ? "" : c.caption;
        t.controls.push_back({c.id, KindOf(c.kind), caption, c.disabled, c.group});
    }
    if (const MenuTemplate* menu = dialog.menuId ? FindMenu(dialog.menuId) : nullptr) {
        t.menuPopupCaption = menu->popupCaption;
        for (const MenuItemTemplate& item : menu->items)
            t.menuItems.push_back({item.command, item.caption});
    }
    return t;
}

platform::HeadlessDialogTemplate HeadlessDialog(int id) {
    const DialogTemplate* dialog = FindDialog(id);
    if (!dialog) {
        std::fprintf(stderr, "the resource script has no dialog %d\n", id);
        std::abort();
    }
    return HeadlessDialogOf(*dialog);
}

}  // namespace bb::res
