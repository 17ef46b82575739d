#include "app/DialogButtons.h"

#include "framework/CDialog.h"

namespace bb::app {

void DialogButtons::Attach(framework::CDialog& dialog, std::initializer_list<int> ids) {
    for (int id : ids) {
        controls::CThemedIconButton& button = (*this)[id];
        button.Attach(&dialog, id);
        button.SetTheme(&m_theme);
    }
}

controls::CThemedIconButton& DialogButtons::operator[](int id) {
    std::unique_ptr<controls::CThemedIconButton>& button = m_buttons[id];
    if (!button)
        button = std::make_unique<controls::CThemedIconButton>();
    return *button;
}

}  // namespace bb::app
