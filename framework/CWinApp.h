// The application object. The front end (WinMain or the console main) hands
// over the command-line tail and the executable's path and calls Start; the
// program's InitInstance does the rest, usually running its main dialog.
#pragma once

#include "framework/CString.h"
#include "framework/WinDefs.h"

namespace bb::framework {

class CDialog;

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }

    // Sets the members below, then runs InitInstance. Returns m_nExitCode.
    int Start(const CString& commandLineTail, const CString& modulePath);

    CDialog* m_pMainWnd = nullptr;
    CString m_strCmdLine;     // the command line without the program name
    CString m_strModulePath;  // full path of the executable
    CString m_strAppName;     // caption of the framework's own message boxes
    int m_nExitCode = 0;      // process exit status, set by the program
};

// The one application object, or null when none exists.
CWinApp* AfxGetApp();

}  // namespace bb::framework
