// The main window on the Win32 host: CBurnDlg runs modally on this thread
// from the program's own template; a second thread waits for the window,
// reads it back as a user would see it and leaves through Quit.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/BurnDlg.h"
#include "neroapi/NeroApiLib.h"
#include "platform/DialogHostWin32.h"
#include "platform/Registry.h"
#include "res/MainDialogTemplate.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/BuiltinTexts.h"
#include "settings/LanguageTable.h"
#include "tests/win32/app/window/ControlPlacement.h"

namespace bb::app {

namespace {

constexpr const char* kTitle = "Brenvik Burn 1.2.1";

// The registry as the program reads it, holding only where the recording
// library of this build is, so that the window opens without touching the
// prefix's registry that other tests use.
class LibraryRegistry final : public platform::Registry {
public:
    std::optional<std::string> ReadString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& value, size_t) override {
        if (root == platform::RegistryRoot::LocalMachine && key == neroapi::kSharedKey &&
            value == neroapi::kSharedValue)
            return Folder();
        return std::nullopt;
    }
    bool WriteString(platform::RegistryRoot, const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    bool DeleteValue(platform::RegistryRoot, const std::string&, const std::string&) override { return true; }

    // The build's program folder as Wine shows it: drive Z: is the Unix root.
    static std::string Folder() {
        std::string path = std::string("Z:") + BB_PROGRAM_DIR;
        for (char& c : path)
            if (c == '/') c = '\\';
        return path;
    }
};

struct Seen {
    bool opened = false;
    std::string instead;  // the windows shown when the main window never came
    bool visibleAtStart = false;
    std::string title;
    std::map<int, std::string> texts;
    std::string popup;
    std::map<int, std::string> menuItems;
    std::map<int, int> checks;  // check boxes and radios
    std::map<int, std::string> misplaced;  // control id: what is wrong with where it is
    size_t placed = 0;                     // controls looked at
    size_t logLimit = 0;  // characters the log edit takes
};

std::string TextOf(HWND hwnd) {
    char buffer[1024] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

BOOL CALLBACK DescribeWindow(HWND hwnd, LPARAM out) {
    if (IsWindowVisible(hwnd)) {
        std::string& text = *reinterpret_cast<std::string*>(out);
        // Appended piece by piece: i686 g++ 12 warns (-Wrestrict, falsely)
        // about "literal" + string.
        text += '[';
        text += TextOf(hwnd);
        text += ']';
        for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            text += ' ';
            text += TextOf(child);
        }
    }
    return TRUE;
}

// Waits for this process's main window, reads it, then clicks Quit. When the
// window does not come (a message box in its way, say), says what is shown
// and makes the UI thread quit, so the test fails instead of hanging.
void Inspect(Seen& seen, DWORD uiThread) {
    HWND hwnd = nullptr;
    for (int i = 0; i < 1000 && !hwnd; ++i) {
        HWND found = FindWindowA(nullptr, kTitle);
        DWORD pid = 0;
        if (found) GetWindowThreadProcessId(found, &pid);
        // Visible once OnInitDialog has returned.
        if (found && pid == GetCurrentProcessId() && IsWindowVisible(found))
            hwnd = found;
        else
            Sleep(10);
    }
    if (!hwnd) {
        EnumThreadWindows(uiThread, DescribeWindow, LPARAM(&seen.instead));
        for (int i = 0; i < 50; ++i) {
            PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
            Sleep(100);
        }
        return;
    }
    seen.opened = true;
    seen.visibleAtStart = IsWindowVisible(hwnd);
    seen.title = TextOf(hwnd);
    const app::test::BaseUnits base = app::test::BaseUnitsOf(hwnd, res::MainDialog());
    for (const res::ControlTemplate& c : res::MainDialog().controls) {
        ++seen.placed;
        if (std::string wrong = app::test::MisplacementOf(hwnd, base, c); !wrong.empty())
            seen.misplaced[c.id] = c.idName + (": " + wrong);
        HWND item = GetDlgItem(hwnd, c.id);
        if (!item) continue;
        seen.texts[c.id] = TextOf(item);
        if (c.kind == res::ControlKind::CheckBox || c.kind == res::ControlKind::RadioButton)
            seen.checks[c.id] = int(SendMessageA(item, BM_GETCHECK, 0, 0));
    }
    seen.logLimit = size_t(SendMessageA(GetDlgItem(hwnd, IDC_LOG), EM_GETLIMITTEXT, 0, 0));
    HMENU bar = GetMenu(hwnd);
    char text[128] = {};
    GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    seen.popup = text;
    for (const res::MenuItemTemplate& item : res::MainMenu().items) {
        if (item.command == 0) continue;
        text[0] = 0;
        GetMenuStringA(bar, UINT(item.command), text, sizeof text, MF_BYCOMMAND);
        seen.menuItems[item.command] = text;
    }
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_QUIT, BN_CLICKED), LPARAM(GetDlgItem(hwnd, IDC_QUIT)));
}

class MainWindowWin32 : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::InstallWin32DialogHosts(); }

    void SetUp() override {
        neroapi::Services services;
        services.registry = &m_registry;
        m_library.emplace(services);
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        // One folder per test: Wine reuses process ids between test runs.
        m_folder = std::string(temp) + "bb-ui-win32-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(m_folder.c_str(), nullptr);
        DeleteFileA((m_folder + "\\english.lng").c_str());
    }
    void TearDown() override {
        m_library.reset();
        DeleteFileA((m_folder + "\\english.lng").c_str());
        RemoveDirectoryA(m_folder.c_str());
    }
    void CopyEnglish() {
        // The Windows copy beside the program (Windows-1252, CR LF).
        const std::string from = std::string("Z:") + BB_PROGRAM_DIR + "/english.lng";
        ASSERT_TRUE(CopyFileA(from.c_str(), (m_folder + "\\english.lng").c_str(), FALSE)) << from;
    }

    Seen Run(int& result) {
        Seen seen;
        CBurnDlg dlg;
        dlg.m_strProgramDir = (m_folder + "\\BrenvikBurn.exe").c_str();
        std::thread inspector(Inspect, std::ref(seen), GetCurrentThreadId());
        result = dlg.DoModal();
        inspector.join();
        return seen;
    }

    std::string m_folder;
    LibraryRegistry m_registry;
    std::optional<neroapi::ScopedServices> m_library;
};

TEST_F(MainWindowWin32, OpensWithEnglishTextsMenuAndTitleAndQuits) {
    CopyEnglish();
    int result = 0;
    const Seen seen = Run(result);
    ASSERT_TRUE(seen.opened) << "no window titled " << kTitle << "; shown: " << seen.instead;
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(seen.title, kTitle);

    const settings::LanguageTable english(m_folder + "\\english.lng");
    for (const res::ControlTemplate& c : res::MainDialog().controls) {
        if (c.textId == 0) continue;
        EXPECT_FALSE(english.GetText(c.textId).empty()) << c.idName;
        EXPECT_EQ(seen.texts.at(c.id), english.GetText(c.textId)) << c.idName;
    }
    EXPECT_EQ(seen.texts.at(IDC_CLEAR_LOG), "");
    EXPECT_EQ(seen.texts.at(IDC_VOLUME), "UNDEFINED");
    // The defaults without a settings file: DVD, quick erase, reallocation on.
    const std::map<int, int> checks = {
        {IDC_MEDIA_DVD, BST_CHECKED},    {IDC_MEDIA_CD, BST_UNCHECKED}, {IDC_FULL_ERASE, BST_UNCHECKED},
        {IDC_QUICK_ERASE, BST_CHECKED},  {IDC_REALLOCATE, BST_CHECKED}, {IDC_VERIFY, BST_UNCHECKED},
        {IDC_SHUTDOWN, BST_UNCHECKED},
    };
    EXPECT_EQ(seen.checks, checks) << seen.texts.at(IDC_LOG);
    EXPECT_EQ(seen.texts.at(IDC_PERCENT), "0 %");
    EXPECT_EQ(seen.texts.at(IDC_TIME_REMAINING), "--:--");
    EXPECT_EQ(seen.texts.at(IDC_STATUS), english.GetText(res::kTxtNameAndCredit));
    // A long session's log fits: the edit's default of about 30,000
    // characters is raised.
    EXPECT_GE(seen.logLimit, size_t(0x7FFFFFFE)) << seen.logLimit;
    // No settings file in the folder: the log names it.
    EXPECT_NE(seen.texts.at(IDC_LOG).find(m_folder + "\\Brenvik.ini"), std::string::npos) << seen.texts.at(IDC_LOG);

    EXPECT_EQ(seen.popup, english.GetText(res::kTxtSettingsMenu));
    for (const res::MenuItemTemplate& item : res::MainMenu().items)
        if (item.command != 0) {
            EXPECT_EQ(seen.menuItems.at(item.command), english.GetText(item.textId)) << item.caption;
        }
}

TEST_F(MainWindowWin32, ControlsSitWhereTheTemplatePutsThem) {
    CopyEnglish();
    int result = 0;
    const Seen seen = Run(result);
    ASSERT_TRUE(seen.opened) << seen.instead;
    // Every control of the template, the unnamed label included, where the
    // template puts it once the window has set itself up.
    EXPECT_GT(seen.placed, 40u) << "the template's table lost its controls";
    for (const auto& [id, wrong] : seen.misplaced) ADD_FAILURE() << wrong;
}

TEST_F(MainWindowWin32, WithoutLanguageFileOpensWithEmptyTextsAndTheBuiltIns) {
    int result = 0;
    const Seen seen = Run(result);
    ASSERT_TRUE(seen.opened) << seen.instead;
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(seen.title, kTitle);
    for (const res::ControlTemplate& c : res::MainDialog().controls)
        if (c.textId != 0) {
            EXPECT_EQ(seen.texts.at(c.id), "") << c.idName;
        }
    EXPECT_EQ(seen.popup, "");
    EXPECT_EQ(seen.texts.at(IDC_STATUS), settings::BuiltinText(res::kTxtNameAndCredit));
}

}  // namespace

}  // namespace bb::app
