#include "res/DialogTemplate.h"

#include "res/resource.h"

namespace bb::res {

const DialogTemplate* FindDialog(int id) {
    for (const DialogTemplate& d : RcDialogs())
        if (d.id == id)
            return &d;
    return nullptr;
}

const MenuTemplate* FindMenu(int id) {
    for (const MenuTemplate& m : RcMenus())
        if (m.id == id)
            return &m;
    return nullptr;
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& c : dialog.controls)
        if (c.id == id && id != IDC_STATIC)
            return &c;
    return nullptr;
}

std::span<const ControlTemplate> RadioGroup(const DialogTemplate& dialog, int firstId) {
    const auto& all = dialog.controls;
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].id != firstId)
            continue;
        if (all[i].kind != ControlKind::RadioButton || !all[i].group)
            return {};
        size_t end = i + 1;
        while (end < all.size() && all[end].kind == ControlKind::RadioButton && !all[end].group)
            ++end;
        return all.subspan(i, end - i);
    }
    return {};
}

}  // namespace bb::res
