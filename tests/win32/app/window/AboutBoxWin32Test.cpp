// The About box on the Win32 host, from the program's own template: its links
// are subclassed statics that report clicks, fit their text, take the hand
// cursor, turn hot and underlined under the mouse and cool down when it has
// left, and a failed open says why. Checks run on the box's own thread, where
// the cursor and the control's messages belong.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "platform/DialogHostWin32.h"
#include "platform/Shell.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"
#include "tests/win32/support/WindowTesting.h"

namespace {

std::string EnglishFile() { return wintest::ProgramFolder() + "\\english.lng"; }

// A shell that opens nothing: a link click ends in the error box.
class RefusingShell final : public platform::Shell {
public:
    RefusingShell() { platform::SetSystemShell(this); }
    ~RefusingShell() override { platform::SetSystemShell(nullptr); }
    intptr_t Open(const std::string& target, int) override {
        opened.push_back(target);
        return 31;
    }
    bool OpenQuietly(const std::string&, int) override { return false; }
    unsigned Run(const std::string&, int) override { return 2; }
    std::vector<std::string> opened;
};

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
void ExpectLinkBehaves(ProbedAboutDlg& box, CLinkLabel& link, int id, const char* name) {
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

std::string* g_errorBoxText = nullptr;

// Finds the open message box about the link, keeps its text and closes it.
void CALLBACK ReadAndCloseErrorBox(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        char text[512] = {};
        HWND body = GetDlgItem(w, 0xFFFF);
        if (body && GetWindowTextA(body, text, sizeof text) > 0 &&
            std::string(text).find("hyperlink") != std::string::npos) {
            *g_errorBoxText = text;
            PostMessageA(w, WM_COMMAND, IDOK, 0);
            return;
        }
    }
}

class AboutBoxWin32Test : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::InstallWin32DialogHosts(); }
};

// The title and version line are checked on the running program
// (about-help.sh), in English and German.
TEST_F(AboutBoxWin32Test, LinksAreSubclassedFittedAndShowTheHand) {
    LanguageTable language(EnglishFile());
    ProbedAboutDlg box(language, NeroApiLib::ApiVersion{6, 6, 0, 1});
    bool probed = false;
    box.probe = [&](ProbedAboutDlg& b) {
        ExpectLinkBehaves(b, b.m_linkMail, IDC_ABOUT_MAIL, "mail link");
        ExpectLinkBehaves(b, b.m_linkHome, IDC_ABOUT_HOMEPAGE, "home page link");
        probed = true;
    };
    ASSERT_EQ(box.DoModal(), IDOK);
    EXPECT_TRUE(probed);
}

TEST_F(AboutBoxWin32Test, ALinkThatCannotOpenShowsTheShellsReason) {
    RefusingShell shell;
    LanguageTable language(EnglishFile());
    ProbedAboutDlg box(language, std::nullopt);
    std::string boxText;
    box.probe = [&](ProbedAboutDlg& b) {
        HWND dialog = static_cast<HWND>(b.Host()->NativeHandle());
        // The error box is modal: a timer of this thread reads and closes it.
        g_errorBoxText = &boxText;
        SetTimer(nullptr, 0, 300, &ReadAndCloseErrorBox);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_HOMEPAGE, STN_CLICKED),
                     LPARAM(GetDlgItem(dialog, IDC_ABOUT_HOMEPAGE)));
    };
    ASSERT_EQ(box.DoModal(), IDOK);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "https://www.brenvik.example/burn/");
    // A static's text shows line breaks as they are; the box's body has them.
    EXPECT_EQ(boxText,
              "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
}

}  // namespace
