#include "app/DialogButtons.h"

#include "framework/CDialog.h"

namespace app {

void DialogButtons::Attach(CDialog& dialog, std::initializer_list<int> ids) {
    for (int id : ids) {
        CThemedIconButton& button = (*this)[id];
        button.Attach(&dialog, id);
        button.SetTheme(&m_theme);
    }
}

CThemedIconButton& DialogButtons::operator[](int id) {
    std::unique_ptr<CThemedIconButton>& button = m_buttons[id];
    if (!button)
        button = std::make_unique<CThemedIconButton>();
    return *button;
}

}  // namespace app
