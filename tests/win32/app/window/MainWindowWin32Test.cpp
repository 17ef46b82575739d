// The main window on the Win32 host: CBurnDlg runs modally on this thread
// from the program's own template; a second thread reads it back as a user
// sees it and leaves through Quit.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>

#include "app/BurnDlg.h"
#include "neroapi/NeroApiLib.h"
#include "platform/DialogHostWin32.h"
#include "platform/Registry.h"
#include "res/MainDialogTemplate.h"
#include "res/TextIds.h"
#include "settings/LanguageTable.h"
#include "tests/support/Sandbox.h"
#include "tests/win32/support/WindowTesting.h"

namespace {

using wintest::TextOf;

// The registry as the program reads it, holding only where the recording
// library of this build is: the window opens without the prefix's registry,
// which other tests change.
class LibraryRegistry final : public platform::Registry {
public:
    std::optional<std::string> ReadString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& value, size_t) override {
        if (root == platform::RegistryRoot::LocalMachine && key == NeroApiLib::kSharedKey &&
            value == NeroApiLib::kSharedValue)
            return wintest::ProgramFolder();
        return std::nullopt;
    }
    bool WriteString(platform::RegistryRoot, const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    bool DeleteValue(platform::RegistryRoot, const std::string&, const std::string&) override { return true; }
};

// Runs `modal` (a window's DoModal) on this thread while a second thread
// waits for this process's window titled `title`, hands it to `user` and then
// clicks its Quit button. When the window does not come (a box in its way,
// say) the UI thread is told to quit, so that the test fails instead of
// hanging. Whether the window came; `result` gets what `modal` returned.
bool RunWithUser(const std::string& title, const std::function<int()>& modal,
                 const std::function<void(HWND)>& user, int* result = nullptr) {
    const DWORD uiThread = GetCurrentThreadId();
    bool opened = false;
    std::thread other([&] {
        HWND main = wintest::WaitTop(
            [&](HWND w) { return wintest::IsOwn(w) && IsWindowVisible(w) && wintest::TitleOf(w) == title; }, 10000);
        if (!main) {
            for (int i = 0; i < 50; ++i, Sleep(100)) PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
            return;
        }
        opened = true;
        user(main);
        wintest::Press(main, IDC_QUIT);
    });
    const int returned = modal();
    other.join();
    if (result) *result = returned;
    return opened;
}

// "" when the control sits where the template puts it once the window has
// set itself up, else what is wrong. Windows maps a control's position and
// its size each on their own; a bitmap static takes the size of its bitmap,
// and a drop-down list's template height is that of its opened list.
std::string MisplacementOf(HWND dialog, const bbres::ControlTemplate& c) {
    HWND item = GetDlgItem(dialog, c.id);
    if (!item) return "missing";
    RECT at = {c.x, c.y, 0, 0}, size = {0, 0, c.cx, c.cy}, got;
    MapDialogRect(dialog, &at);
    MapDialogRect(dialog, &size);
    GetWindowRect(item, &got);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&got), 2);
    const bool bitmap = c.kind == bbres::ControlKind::BitmapStatic;
    const bool list = c.kind == bbres::ControlKind::DropDownList;
    if (got.left == at.left && got.top == at.top && (bitmap || got.right - got.left == size.right) &&
        (bitmap || list || got.bottom - got.top == size.bottom) && IsWindowVisible(item))
        return "";
    return "at " + std::to_string(got.left) + "," + std::to_string(got.top) + " size " +
           std::to_string(got.right - got.left) + "x" + std::to_string(got.bottom - got.top) + ", template " +
           std::to_string(at.left) + "," + std::to_string(at.top) + " size " + std::to_string(size.right) + "x" +
           std::to_string(size.bottom) + (IsWindowVisible(item) ? "" : ", hidden");
}

TEST(MainWindowWin32, OpensWithEnglishTextsChecksAndMenuInPlaceAndQuits) {
    platform::InstallWin32DialogHosts();
    bbtest::Sandbox folder;
    // The Windows copy beside the program (Windows-1252, CR LF).
    ASSERT_TRUE(CopyFileA((wintest::ProgramFolder() + "\\english.lng").c_str(), folder.At("english.lng").c_str(),
                          FALSE));
    LibraryRegistry registry;
    NeroApiLib::Services services;
    services.registry = &registry;
    NeroApiLib::ScopedServices library(services);

    std::map<int, std::string> texts, misplaced, menu;
    std::map<int, int> checks;
    std::string title;
    size_t placed = 0, logLimit = 0;
    CBurnDlg dlg;
    dlg.m_strProgramDir = folder.At("BrenvikBurn.exe").c_str();
    int result = 0;
    const bool opened = RunWithUser(
        "Brenvik Burn 1.2.1", [&] { return dlg.DoModal(); },
        [&](HWND hwnd) {
            title = TextOf(hwnd);
            for (const bbres::ControlTemplate& c : bbres::MainDialog().controls) {
                ++placed;
                if (std::string wrong = MisplacementOf(hwnd, c); !wrong.empty()) misplaced[c.id] = c.idName + (": " + wrong);
                HWND item = GetDlgItem(hwnd, c.id);
                texts[c.id] = TextOf(item);
                if (c.kind == bbres::ControlKind::CheckBox || c.kind == bbres::ControlKind::RadioButton)
                    checks[c.id] = int(SendMessageA(item, BM_GETCHECK, 0, 0));
            }
            logLimit = size_t(SendMessageA(GetDlgItem(hwnd, IDC_LOG), EM_GETLIMITTEXT, 0, 0));
            char text[128] = {};
            GetMenuStringA(GetMenu(hwnd), 0, text, sizeof text, MF_BYPOSITION);
            menu[0] = text;
            for (const bbres::MenuItemTemplate& item : bbres::MainMenu().items) {
                if (item.command == 0) continue;  // a separator
                text[0] = 0;
                GetMenuStringA(GetMenu(hwnd), UINT(item.command), text, sizeof text, MF_BYCOMMAND);
                menu[item.command] = text;
            }
        },
        &result);
    ASSERT_TRUE(opened) << "no main window";
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(title, "Brenvik Burn 1.2.1");

    const LanguageTable english(folder.At("english.lng"));
    for (const bbres::ControlTemplate& c : bbres::MainDialog().controls)
        if (c.textId != 0) {
            EXPECT_EQ(texts[c.id], english.GetText(c.textId)) << c.idName;
        }
    EXPECT_EQ(menu[0], english.GetText(kTxtSettingsMenu));
    for (const bbres::MenuItemTemplate& item : bbres::MainMenu().items)
        if (item.command != 0) {
            EXPECT_EQ(menu[item.command], english.GetText(item.textId)) << item.caption;
        }
    // The defaults without a settings file: DVD, quick erase, reallocation on.
    const std::map<int, int> defaults = {
        {IDC_MEDIA_DVD, BST_CHECKED},   {IDC_MEDIA_CD, BST_UNCHECKED}, {IDC_FULL_ERASE, BST_UNCHECKED},
        {IDC_QUICK_ERASE, BST_CHECKED}, {IDC_REALLOCATE, BST_CHECKED}, {IDC_VERIFY, BST_UNCHECKED},
        {IDC_SHUTDOWN, BST_UNCHECKED},
    };
    EXPECT_EQ(checks, defaults) << texts[IDC_LOG];
    // A long session's log fits: the edit's default of about 30,000
    // characters is raised.
    EXPECT_GE(logLimit, size_t(0x7FFFFFFE));
    // Every control of the template, the unnamed label included.
    EXPECT_GT(placed, 40u) << "the template's table lost its controls";
    for (const auto& [id, wrong] : misplaced) ADD_FAILURE() << wrong;
}

}  // namespace
