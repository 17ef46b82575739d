#include "app/BurnApp.h"

#include "app/BurnDlg.h"
#include "res/ProgramIdentity.h"

namespace bb::app {

namespace {
// The module file name is read into a 500-byte buffer, terminator included.
constexpr int kModulePathMax = 499;
}  // namespace

CBurnApp::CBurnApp() : framework::CWinApp(res::kProgramName) {}

BOOL CBurnApp::InitInstance() {
    // The Win32 host registers the common control classes and the dialog
    // template brings the 3-D look; there is nothing to switch on here.
    CBurnDlg dlg;
    m_pMainWnd = &dlg;
    {
        std::lock_guard<std::mutex> lock(m_windowMutex);
        m_pWindow = &dlg;
        if (m_bAbortBeforeOpen)
            dlg.AbortJob();
    }
    dlg.m_strCommandLine = m_strCmdLine;
    dlg.m_onCommandLineDone = m_onCommandLineDone;
    dlg.m_pEvents = m_pEvents;
    dlg.m_nCommandLineDelayMs = m_nCommandLineDelayMs;
    dlg.m_strProgramDir = m_strModulePath.Left(kModulePathMax);
    dlg.DoModal();
    {
        std::lock_guard<std::mutex> lock(m_windowMutex);
        m_pWindow = nullptr;
    }
    m_pMainWnd = nullptr;
    // Returning FALSE ends the program: there is no message loop after the
    // dialog.
    return FALSE;
}

void CBurnApp::AbortJob() {
    std::lock_guard<std::mutex> lock(m_windowMutex);
    if (m_pWindow != nullptr)
        m_pWindow->AbortJob();
    else
        m_bAbortBeforeOpen = true;  // the job the window is about to start stops at once
}

}  // namespace bb::app
