// The push buttons of a settings dialog or the About box as themed icon
// buttons: the dialog's own theme access, one button per id, each attached
// and given the theme when the dialog initialises.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>

#include "controls/ThemeLib.h"
#include "controls/ThemedIconButton.h"

namespace bb::framework { class CDialog; }

namespace bb::app {

class DialogButtons {
public:
    // Attaches the buttons `ids` of the open `dialog` and gives them the theme.
    void Attach(framework::CDialog& dialog, std::initializer_list<int> ids);
    // The button of that id (made on first use).
    controls::CThemedIconButton& operator[](int id);

private:
    // Declared first so that it outlives the buttons.
    controls::ThemeLib m_theme;
    std::map<int, std::unique_ptr<controls::CThemedIconButton>> m_buttons;
};

}  // namespace bb::app
