// The application object: runs the main window as a modal dialog and ends
// the process when it closes.
#pragma once

#include <functional>
#include <mutex>

#include "framework/CWinApp.h"

namespace bb::framework { class CDialog; }

namespace bb::app {

class CBurnDlg;
class WindowEvents;

class CBurnApp : public framework::CWinApp {
public:
    CBurnApp();
    BOOL InitInstance() override;

    // Handed to the main window before it opens: called by the command-line
    // worker with its result (a console front end ends the program there).
    std::function<void(framework::CDialog& window, int result)> m_onCommandLineDone;
    // Handed to the main window before it opens: sees its log and progress.
    app::WindowEvents* m_pEvents = nullptr;
    // How long the command-line worker waits before it reads the command
    // line: a second, so that the window is on the screen before a run
    // fills it in. A console front end has no window to wait for.
    int m_nCommandLineDelayMs = 1000;

    // Stops the main window's running job, if the window is open. Any thread.
    void AbortJob();

private:
    std::mutex m_windowMutex;
    CBurnDlg* m_pWindow = nullptr;  // the open main window; guarded by m_windowMutex
    bool m_bAbortBeforeOpen = false;  // guarded by m_windowMutex
};

}  // namespace bb::app
