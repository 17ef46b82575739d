// The main window's construction, data exchange, keys, commands, message
// boxes and exit.
#include "app/BurnDlg.h"

#include "res/ProgramIdentity.h"
#include "app/WindowEvents.h"
#include "app/WindowJobHost.h"
#include "controls/PathUtil.h"
#include "framework/CheckedFormat.h"
#include "framework/WorkerThread.h"
#include "res/resource.h"
#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"

namespace bb::app {

// The language table starts without a file; OnInitDialog points it at the
// real one. The job engine reads its texts from it.
CBurnDlg::CBurnDlg(framework::CDialog* parent)
    : framework::CDialog(IDD_MAIN, parent),
      m_pLanguage(std::make_unique<settings::LanguageTable>(std::string())),
      m_pJobHost(std::make_unique<app::WindowJobHost>(*this)),
      m_jobs(*m_pJobHost, *m_pLanguage) {
    m_hIcon = IDI_MAIN;
    m_pPath = std::make_unique<controls::CPathUtil>();
    m_pFsFlagsDlg = std::make_unique<settings::CFsFlagsSettings>(*m_pLanguage);
    m_pOtherDlg = std::make_unique<settings::COtherSettings>(*m_pLanguage);
    m_pAudioDlg = std::make_unique<settings::CAudioSettings>(*m_pLanguage);
    MapJobCommands();
    MapLogAndLabelCommands();
    MapAboutAndHelpCommands();
    MapSettingsCommands();
}

CBurnDlg::~CBurnDlg() {
    // The job threads use the window's members to the end.
    m_eventClosing.SetEvent();
    (void)framework::WaitForWorkerThreads(INFINITE);
    m_pJobHost->WindowGone();
    // A window that was never closed (a test, a failed start) still gives
    // the recorder context back.
    if (m_jobs.Session().Started())
        TeardownRecorder();
    framework::SetProblemReporter({});
}

void CBurnDlg::DoDataExchange(framework::CDataExchange* pDX) {
    // Putting a text into an edit makes Windows report the edit as changed;
    // a handler of that report that exchanges the data itself would read the
    // controls not yet filled and put those stale values into the members.
    // Reports that arrive during the exchange are therefore dropped.
    ++m_nExchanging;
    struct Done {
        std::atomic<int>& depth;
        ~Done() { --depth; }
    } done{m_nExchanging};
    framework::CDialog::DoDataExchange(pDX);
    framework::DDX_Control(pDX, IDC_RECORDER_LIST, m_cbRecorders);
    framework::DDX_Control(pDX, IDC_SPEED_LIST, m_cbSpeeds);
    framework::DDX_Control(pDX, IDC_PROGRESS, m_progress);
    framework::DDX_Control(pDX, IDC_LOG, m_editLog);
    framework::DDX_Text(pDX, IDC_SOURCE_DIR, m_strSourceDir);
    framework::DDX_Text(pDX, IDC_STATUS, m_strStatus);
    framework::DDX_Radio(pDX, IDC_FULL_ERASE, m_nEraseMode);
    framework::DDX_Text(pDX, IDC_VOLUME, m_strVolume);
    framework::DDX_Check(pDX, IDC_REALLOCATE, m_bReallocate);
    framework::DDX_CBIndex(pDX, IDC_SPEED_LIST, m_nSpeed);
    framework::DDX_Check(pDX, IDC_SHUTDOWN, m_bShutdown);
    framework::DDX_Radio(pDX, IDC_MEDIA_DVD, m_nMediaType);
    framework::DDX_Check(pDX, IDC_VERIFY, m_bVerify);
}

BOOL CBurnDlg::PreTranslateMessage(const framework::DialogMessage& message) {
    // The window closes only through Quit, the close box or the system menu:
    // Escape and Alt+F4 are swallowed.
    if (message.kind == framework::DialogMessage::Kind::KeyDown && message.key == VK_ESCAPE)
        return TRUE;
    if (IsKeyDown(VK_MENU) && IsKeyDown(VK_F4))
        return TRUE;
    return framework::CDialog::PreTranslateMessage(message);
}

BOOL CBurnDlg::OnCommand(int id, int notifyCode) {
    if (m_nExchanging.load() > 0)
        return TRUE;
    if (id == ID_HELP_COMMAND) {
        OpenHelp();
        return TRUE;
    }
    return framework::CDialog::OnCommand(id, notifyCode);
}

int CBurnDlg::ShowMessage(const char* text, const char* caption, unsigned type) {
    ShowWindow(SW_SHOWNORMAL);
    return MessageBox(text, caption, type);
}

void CBurnDlg::OnCancel() {
    TeardownRecorder();
    for (int i = 0; i < m_argc; ++i)
        m_argv[size_t(i)].Empty();
    m_argc = 0;
    framework::CDialog::OnCancel();
}

framework::CString CBurnDlg::Text(int id) const {
    return framework::CString(m_pLanguage->GetText(id));
}

void CBurnDlg::AppendLog(const char* text) {
    const char* line = text ? text : "";
    m_editLog.AppendLine(line);
    if (m_pEvents != nullptr)
        m_pEvents->OnLogLine(line);
}

void CBurnDlg::ShowStatus(const framework::CString& text) {
    m_strStatus = text;
    SetDlgItemText(IDC_STATUS, text);
}

void CBurnDlg::AppendLogId(int textId) {
    AppendLog(Text(textId));
}

void CBurnDlg::ResetProgressDisplay() {
    m_pJobHost->ResetProgress();
    ShowIdleProgressLabels();
}

void CBurnDlg::ShowIdleProgressLabels() {
    SetDlgItemText(IDC_PERCENT, "0 %");
    SetDlgItemText(IDC_TIME_REMAINING, "--:--");
    SetDlgItemText(IDC_TIME_TOTAL, "--:--");
}

void CBurnDlg::SetProgramTitle() {
    framework::CString title;
    title.Format(res::kTitleFormat, res::kProgramName, res::kProgramVersion);
    SetWindowText(title);
}

}  // namespace bb::app
