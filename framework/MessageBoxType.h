// What a message box type means apart from any window: its buttons in
// order and which of them is the default.
#pragma once

#include <vector>

namespace bb::framework {

// The result ids of the box's buttons, left to right (IDOK, IDCANCEL, IDYES...).
[[nodiscard]] std::vector<int> MessageBoxButtons(unsigned type);
// The default button's id (the first button unless MB_DEFBUTTON2/3 says otherwise).
[[nodiscard]] int DefaultMessageBoxButton(unsigned type);
// "OK", "Cancel", "Yes", "No", ...
[[nodiscard]] const char* MessageBoxButtonName(int id);

}  // namespace bb::framework
