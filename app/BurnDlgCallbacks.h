// The recording library's callbacks of the main window.
#pragma once

#include "recording/RecorderList.h"

class CBurnDlg;

namespace app {

// Every callback of the two library records, with the dialog as user data.
recording::LibraryCallbacks LibraryCallbacksOf(CBurnDlg& dialog);

}  // namespace app
