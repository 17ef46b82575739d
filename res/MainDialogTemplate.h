// The main window's dialog template (IDD_MAIN) and menu (IDR_MAIN_MENU):
// the script's tables with the language texts, tooltips and icons the window
// gives its controls and menu items at start-up.
#pragma once

#include "res/DialogTemplate.h"

namespace bb::res {

const DialogTemplate& MainDialog();
const MenuTemplate& MainMenu();

}  // namespace bb::res
