// The stand-by notice on the Win32 host, from the program's own template,
// and the shutdown request under this Windows version, with a fake in place
// of the system's shutdown so that nothing is really ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/BurnDlg.h"
#include "app/ShutdownDlg.h"
#include "platform/DialogHostWin32.h"
#include "platform/Shutdown.h"
#include "res/resource.h"
#include "tests/win32/support/WindowTesting.h"

namespace bb::app {
namespace {

class FakeShutdown final : public platform::Shutdown {
public:
    std::string StartHidden(const std::string& commandLine) override {
        calls.push_back("start " + commandLine);
        return {};
    }
    std::string EndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege) override {
        calls.push_back(platform::DescribeEndSession(flags, reserved, enablePrivilege));
        return {};
    }
    std::vector<std::string> calls;
};

class ShutdownWin32Test : public ::testing::Test {
protected:
    void SetUp() override { m_previous = platform::InstallWin32DialogHosts(); }
    void TearDown() override { framework::SetDialogHostFactory(std::move(m_previous)); }
    framework::DialogHostFactory m_previous;
};

TEST_F(ShutdownWin32Test, NoticeIgnoresTheDialogKeysAndClosesItselfAfterItsDelay) {
    CShutdownDlg notice(nullptr);
    notice.m_nDelay = 1;
    notice.m_strText = "Please stand by";
    std::string shown;
    LONG style = 0;
    std::atomic<bool> probed{false};
    std::thread probe([&] {
        for (int i = 0; i < 200 && !(notice.Host() && notice.Host()->NativeHandle()); ++i)
            Sleep(10);
        HWND hwnd = notice.Host() ? static_cast<HWND>(notice.Host()->NativeHandle()) : nullptr;
        if (hwnd == nullptr) return;
        HWND item = GetDlgItem(hwnd, IDC_SHUTDOWN_TEXT);
        shown = wintest::TextOf(item);
        style = GetWindowLongA(hwnd, GWL_STYLE);
        PostMessageA(item ? item : hwnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(item ? item : hwnd, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        probed = true;
    });
    const auto start = std::chrono::steady_clock::now();
    const int result = notice.DoModal();
    const auto took = std::chrono::steady_clock::now() - start;
    probe.join();

    ASSERT_TRUE(probed.load());
    EXPECT_EQ(result, 0);
    EXPECT_GE(took, std::chrono::milliseconds(900)) << "Escape, Return, OK and Cancel did not close it early";
    EXPECT_LT(took, std::chrono::seconds(10));
    EXPECT_EQ(shown, "Please stand by");
    EXPECT_NE(style & WS_CAPTION, WS_CAPTION) << "no title bar";
}

TEST_F(ShutdownWin32Test, ShutdownAsksForTheMethodOfThisWindowsVersion) {
    FakeShutdown fake;
    platform::SetSystemShutdown(&fake);
    CBurnDlg dialog;
    dialog.ShutdownWindows();
    platform::SetSystemShutdown(nullptr);

    // Wine reports an NT version of 5 or later: 2000, XP and later are
    // switched off, with the privilege enabled.
    ASSERT_EQ(fake.calls.size(), 1u);
    EXPECT_EQ(fake.calls[0], "enable SeShutdownPrivilege; ExitWindowsEx(0x8, 0x0)")
        << "kind " << CBurnDlg::GetWindowsKind();
}

}  // namespace
}  // namespace bb::app
