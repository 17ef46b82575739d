// Operations of the main window whose work is not built yet. Each is called
// at its place in the window's sequences so the order stays right; none of
// them does anything yet, and nothing relies on a result from them.
#include "app/BurnDlg.h"

// The help file of the current language.
void CBurnDlg::OpenHelp() {}
