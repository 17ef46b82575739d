#include "app/ShutdownDlg.h"

#include "framework/WorkerThread.h"
#include "res/HeadlessDialogs.h"
#include "res/resource.h"

namespace bb::app {

CShutdownDlg::CShutdownDlg(framework::CDialog* parent) : framework::CDialog(IDD_SHUTDOWN, parent) {}

CShutdownDlg::~CShutdownDlg() {
    // DoModal waits for the thread; this covers a window opened otherwise.
    m_eventStop.SetEvent();
    if (m_threadEnded)
        (void)m_threadEnded->Lock();
}

void CShutdownDlg::DoDataExchange(framework::CDataExchange* pDX) {
    framework::CDialog::DoDataExchange(pDX);
    framework::DDX_Text(pDX, IDC_SHUTDOWN_TEXT, m_strText);
}

BOOL CShutdownDlg::OnInitDialog() {
    framework::CDialog::OnInitDialog();
    auto ended = std::make_shared<framework::CEvent>(false, true);
    const uint32_t delayMs = m_nDelay > 0 ? uint32_t(m_nDelay) * 1000u : 0u;
    // The thread ends the window only while it is open; the window's owner
    // waits for the thread before the window object goes away.
    const bool started = framework::StartWorkerThread([this, ended, delayMs] {
        (void)m_eventStop.Lock(delayMs);
        if (IsOpen())
            EndDialog(0);
        ended->SetEvent();
    });
    if (started)
        m_threadEnded = ended;
    else
        EndDialog(0);
    return TRUE;
}

BOOL CShutdownDlg::PreTranslateMessage(const framework::DialogMessage& message) {
    if (message.IsKeyDown(VK_RETURN) || message.IsKeyDown(VK_ESCAPE))
        return TRUE;
    return framework::CDialog::PreTranslateMessage(message);
}

int CShutdownDlg::DoModal() {
    const int result = framework::CDialog::DoModal();
    m_eventStop.SetEvent();
    if (m_threadEnded) {
        (void)m_threadEnded->Lock();
        m_threadEnded.reset();
    }
    return result;
}

}  // namespace bb::app

namespace bb::app {

platform::HeadlessDialogTemplate HeadlessShutdownDialog() {
    return res::HeadlessDialog(IDD_SHUTDOWN);
}

}  // namespace bb::app
