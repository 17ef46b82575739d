#include "framework/CWinApp.h"

#include <atomic>

namespace bb::framework {

namespace {
std::atomic<CWinApp*> g_app{nullptr};
}  // namespace

CWinApp::CWinApp(const char* appName) : m_strAppName(appName) {
    g_app.store(this);
}

CWinApp::~CWinApp() {
    CWinApp* self = this;
    g_app.compare_exchange_strong(self, nullptr);
}

int CWinApp::Start(const CString& commandLineTail, const CString& modulePath) {
    m_strCmdLine = commandLineTail;
    m_strModulePath = modulePath;
    // A dialog program does its whole work inside InitInstance; there is no
    // application message loop afterwards, whatever it returns.
    (void)InitInstance();
    return m_nExitCode;
}

CWinApp* AfxGetApp() {
    return g_app.load();
}

}  // namespace bb::framework
