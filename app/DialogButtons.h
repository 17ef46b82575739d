// The push buttons of a settings dialog or the About box as themed icon
// buttons: the dialog's own theme access, one button per id, each attached
// and given the theme when the dialog initialises.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>

#include "controls/ThemeLib.h"
#include "controls/ThemedIconButton.h"

class CDialog;

namespace app {

class DialogButtons {
public:
    // Attaches the buttons `ids` of the open `dialog` and gives them the theme.
    void Attach(CDialog& dialog, std::initializer_list<int> ids);
    // The button of that id (made on first use).
    CThemedIconButton& operator[](int id);

private:
    // Declared first so that it outlives the buttons.
    ThemeLib m_theme;
    std::map<int, std::unique_ptr<CThemedIconButton>> m_buttons;
};

}  // namespace app
