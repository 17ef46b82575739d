// The shutdown after burning: the stand-by notice, the log saved to the
// desktop, the system asked to go down, and the program closed.
#include "app/BurnDlg.h"

#include <optional>
#include <string>

#include "app/ShutdownDlg.h"
#include "platform/Environment.h"
#include "platform/Shutdown.h"
#include "platform/WindowsVersion.h"
#include "recording/LogFile.h"
#include "res/TextIds.h"
#include "system/ShutdownPlan.h"

namespace bb::app {

namespace {
constexpr int kNoticeSeconds = 5;
constexpr uint32_t kPlatformNt = 2;
}  // namespace

void CBurnDlg::RunShutdownSequence() {
    CShutdownDlg notice(nullptr);
    notice.m_nDelay = kNoticeSeconds;
    notice.m_strText = Text(res::kTxtShutdownNotice);
    notice.DoModal();
    WriteLogFile(int(recording::LogFileKind::Shutdown), nullptr);
    ShutdownWindows();
    OnCancel();
}

int CBurnDlg::GetWindowsKind() {
    const platform::WindowsVersion v = platform::QueryWindowsVersion();
    return system::WindowsKindOf(v.read, v.platformId, v.major, v.minor);
}

void CBurnDlg::ShutdownWindows() {
    const platform::WindowsVersion v = platform::QueryWindowsVersion();
    const int kind = system::WindowsKindOf(v.read, v.platformId, v.major, v.minor);
    const uint32_t ntMajor = v.read && v.platformId == kPlatformNt ? v.major : 0;
    const std::optional<std::string> windir = platform::SystemEnvironment().Get("windir");
    const system::ShutdownPlan plan = system::PlanShutdown(kind, ntMajor, windir);
    platform::Shutdown& system = platform::SystemShutdown();
    // What the system makes of the request is not reported.
    switch (plan.method) {
        case system::ShutdownPlan::Method::RunDll:
            (void)system.StartHidden(plan.commandLine);
            break;
        case system::ShutdownPlan::Method::PowerOff:
            (void)system.EndSession(plan.flags, plan.reserved, true);
            break;
        case system::ShutdownPlan::Method::ExitWindows:
            (void)system.EndSession(plan.flags, plan.reserved, false);
            break;
        case system::ShutdownPlan::Method::Nothing:
            break;
    }
}

}  // namespace bb::app
