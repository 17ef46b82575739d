// The application object: runs the main window as a modal dialog and ends
// the process when it closes.
#pragma once

#include <functional>

#include "framework/CWinApp.h"

class CDialog;

namespace app {
class WindowEvents;
}  // namespace app

class CBurnApp : public CWinApp {
public:
    CBurnApp();
    BOOL InitInstance() override;

    // Handed to the main window before it opens: called by the command-line
    // worker with its result (a console front end ends the program there).
    std::function<void(CDialog& window, int result)> m_onCommandLineDone;
    // Handed to the main window before it opens: sees its log and progress.
    app::WindowEvents* m_pEvents = nullptr;
};
