// The main window on the Win32 host: CBurnDlg runs modally on this thread
// from the program's own template.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "app/BurnDlg.h"
#include "neroapi/NeroApiLib.h"
#include "platform/DialogHostWin32.h"
#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "res/MainDialogTemplate.h"
#include "tests/support/Sandbox.h"
#include "tests/win32/support/WindowTesting.h"

namespace bb::app {
namespace {

// "" when the control sits where the template puts it once the window has
// set itself up, else what is wrong. Windows maps a control's position and
// its size each on their own; a bitmap static takes the size of its bitmap,
// and a drop-down list's template height is that of its opened list.
std::string MisplacementOf(HWND dialog, const res::ControlTemplate& c) {
    HWND item = GetDlgItem(dialog, c.id);
    if (!item) return "missing";
    RECT at = {c.x, c.y, 0, 0}, size = {0, 0, c.cx, c.cy}, got;
    MapDialogRect(dialog, &at);
    MapDialogRect(dialog, &size);
    GetWindowRect(item, &got);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&got), 2);
    const bool bitmap = c.kind == res::ControlKind::BitmapStatic;
    const bool list = c.kind == res::ControlKind::DropDownList;
    if (got.left == at.left && got.top == at.top && (bitmap || got.right - got.left == size.right) &&
        (bitmap || list || got.bottom - got.top == size.bottom) && IsWindowVisible(item))
        return "";
    auto place = [](long x, long y, long w, long h) {
        return std::to_string(x) + "," + std::to_string(y) + " size " + std::to_string(w) + "x" + std::to_string(h);
    };
    return "at " + place(got.left, got.top, got.right - got.left, got.bottom - got.top) + ", template " +
           place(at.left, at.top, size.right, size.bottom) + (IsWindowVisible(item) ? "" : ", hidden");
}

// The texts, boxes and menu the window shows are checked on the headless host
// and, in the running program, by the Wine scripts.
TEST(MainWindowWin32, ControlsSitWhereTheTemplatePutsThemAndQuitEnds) {
    platform::InstallWin32DialogHosts();
    bb::test::Sandbox folder;
    // The Windows copy beside the program (Windows-1252, CR LF).
    ASSERT_TRUE(CopyFileA((wintest::ProgramFolder() + "\\english.lng").c_str(), folder.At("english.lng").c_str(),
                          FALSE));
    // The registry holds only where the recording library of this build is:
    // the window opens without the prefix's registry, which other tests change.
    platform::FileRegistry registry(platform::SystemFiles(), folder.At("registry.ini"),
                                    {{platform::RegistryRoot::LocalMachine, neroapi::kSharedKey,
                                      neroapi::kSharedValue, wintest::ProgramFolder()}});
    neroapi::Services services;
    services.registry = &registry;
    neroapi::ScopedServices library(services);

    CBurnDlg dlg;
    dlg.m_strProgramDir = folder.At("BrenvikBurn.exe").c_str();
    // A second thread looks at the window once it is up and leaves through
    // Quit. When the window does not come (a box in its way, say) it tells
    // the UI thread to quit, so that the test fails instead of hanging.
    std::vector<std::string> misplaced;
    size_t placed = 0, logLimit = 0;
    HWND main = nullptr;
    const DWORD uiThread = GetCurrentThreadId();
    std::thread user([&] {
        main = wintest::WaitTop(
            [](HWND w) { return wintest::IsOwn(w) && IsWindowVisible(w) && wintest::TitleOf(w) == "Brenvik Burn 1.2.1"; },
            10000);
        if (!main) {
            for (int i = 0; i < 50; ++i, Sleep(100)) PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
            return;
        }
        for (const res::ControlTemplate& c : res::MainDialog().controls) {
            ++placed;
            if (std::string wrong = MisplacementOf(main, c); !wrong.empty()) misplaced.push_back(c.idName + (": " + wrong));
        }
        logLimit = size_t(SendMessageA(GetDlgItem(main, IDC_LOG), EM_GETLIMITTEXT, 0, 0));
        wintest::Press(main, IDC_QUIT);
    });
    const int result = dlg.DoModal();
    user.join();
    ASSERT_NE(main, nullptr) << "no main window";
    EXPECT_EQ(result, IDCANCEL);
    // Every control of the template, the unnamed label included.
    EXPECT_GT(placed, 40u) << "the template's table lost its controls";
    for (const std::string& wrong : misplaced) ADD_FAILURE() << wrong;
    // A long session's log fits: the edit's default of about 30,000
    // characters is raised.
    EXPECT_GE(logLimit, size_t(0x7FFFFFFE));
}

}  // namespace
}  // namespace bb::app
