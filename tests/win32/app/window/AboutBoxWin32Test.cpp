// The About box on the Win32 host, from the program's own template: its links
// are subclassed statics that report clicks, fit their text, take the hand
// cursor, turn hot and underlined under the mouse and cool down when it has
// left. What a link that cannot open says is checked on the headless host.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/AboutDlg.h"
#include "platform/DialogHostWin32.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"
#include "tests/win32/support/WindowTesting.h"

namespace bb::app {
namespace {

std::string EnglishFile() { return wintest::ProgramFolder() + "\\english.lng"; }

class ProbedAboutDlg : public CAboutDlg {
public:
    using CAboutDlg::CAboutDlg;
    std::function<void(ProbedAboutDlg&)> probe;

protected:
    BOOL OnInitDialog() override {
        const BOOL result = CAboutDlg::OnInitDialog();
        PostToUi([this] {
            probe(*this);
            EndDialog(IDOK);
        });
        return result;
    }
};

bool FontIsUnderlined(HWND control) {
    LOGFONTA font{};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    return handle && GetObjectA(handle, sizeof font, &font) && font.lfUnderline;
}

// Runs the message loop of this thread for `ms` milliseconds.
void PumpFor(DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    MSG msg;
    while (GetTickCount() < until) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

// On the box's own thread, where the cursor and the control's messages belong.
void ExpectLinkBehaves(ProbedAboutDlg& box, controls::CLinkLabel& link, int id, const char* name) {
    HWND dialog = static_cast<HWND>(box.Host()->NativeHandle());
    HWND control = GetDlgItem(dialog, id);
    EXPECT_NE(GetWindowLongPtrA(control, GWL_STYLE) & SS_NOTIFY, 0) << name;
    RECT rect, units{0, 0, 161, 10};
    GetWindowRect(control, &rect);
    MapDialogRect(dialog, &units);
    EXPECT_GT(rect.right - rect.left, 0) << name;
    EXPECT_LT(rect.right - rect.left, units.right) << name << ": fitted to its text";

    const HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    SetCursor(arrow);
    SendMessageA(control, WM_SETCURSOR, WPARAM(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), nullptr) << name;
    EXPECT_NE(GetCursor(), arrow) << name << ": the hand, not the arrow";

    // The mouse comes over the link, then is far away when the timer looks.
    SetCursorPos(0, 0);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(link.m_bHot && FontIsUnderlined(control)) << name << ": hot and underlined under the mouse";
    PumpFor(400);
    EXPECT_TRUE(!link.m_bHot && !FontIsUnderlined(control)) << name << ": the hover timer saw the mouse leave";
}

class AboutBoxWin32Test : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::InstallWin32DialogHosts(); }
};

// The title and version line are checked on the running program
// (about-help.sh), in English and German.
TEST_F(AboutBoxWin32Test, LinksAreSubclassedFittedAndShowTheHand) {
    settings::LanguageTable language(EnglishFile());
    ProbedAboutDlg box(language, neroapi::ApiVersion{6, 6, 0, 1});
    bool probed = false;
    box.probe = [&](ProbedAboutDlg& b) {
        ExpectLinkBehaves(b, b.m_linkMail, IDC_ABOUT_MAIL, "mail link");
        ExpectLinkBehaves(b, b.m_linkHome, IDC_ABOUT_HOMEPAGE, "home page link");
        probed = true;
    };
    ASSERT_EQ(box.DoModal(), IDOK);
    EXPECT_TRUE(probed);
}

}  // namespace
}  // namespace bb::app
