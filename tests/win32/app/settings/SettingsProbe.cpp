// A console helper that drives the running BrenvikBurn.exe from outside, for
// settings-dialogs.sh. <window> is a window title, or "dialog" for the
// visible window that the main window owns (the settings dialog that is open).
//   SettingsProbe wait <window> <seconds>     exit 0 once the window is there
//   SettingsProbe gone <seconds>              exit 0 once no dialog is open
//   SettingsProbe idle <window>               returns once the window's thread takes
//                                             messages again (its handler has ended)
//   SettingsProbe command <window> <id>       a menu command or button (WM_COMMAND, posted)
//   SettingsProbe click <window> <id>         clicks a button or check box (BM_CLICK)
//   SettingsProbe settext <window> <id> <text>
//   SettingsProbe select <window> <id> <text> selects the combo box entry with that text
//   SettingsProbe text <window> <id>          prints a control's text ("title": the window's)
//   SettingsProbe checked <window> <id>       prints 1 or 0
//   SettingsProbe texts <window> <language file>
//                     exit 0 when every control of the main window that takes
//                     a language text shows that file's text (the menu bar's
//                     texts cannot be read from another process under Wine;
//                     the pictures show them)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "res/MainDialogTemplate.h"
#include "settings/LanguageTable.h"

namespace bb::app {

namespace {

constexpr const char* kMainTitle = "Brenvik Burn 1.2.1";

HWND MainWindow() {
    HWND hwnd = FindWindowA(nullptr, kMainTitle);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<OwnedSearch*>(param);
    if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == search->owner) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND OpenDialog() {
    OwnedSearch search{MainWindow(), nullptr};
    if (search.owner)
        EnumWindows(FindOwned, LPARAM(&search));
    return search.found;
}

HWND Find(const char* name) {
    if (std::strcmp(name, "dialog") == 0)
        return OpenDialog();
    if (std::strcmp(name, "main") == 0)
        return MainWindow();
    HWND hwnd = FindWindowA(nullptr, name);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

// Asked of the control itself: GetWindowText does not ask a window of
// another process, and an edit's text is only known to the edit.
std::string TextOf(HWND hwnd) {
    char buffer[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, LPARAM(buffer), SMTO_NORMAL, 5000, &copied);
    return buffer;
}

int Usage() {
    std::printf("usage: see the head of SettingsProbe.cpp\n");
    return 2;
}

// Every language text of the main window's controls, against the file.
int CompareTexts(HWND hwnd, const char* file) {
    const settings::LanguageTable texts(file);
    int wrong = 0, compared = 0;
    for (const res::ControlTemplate& c : res::MainDialog().controls) {
        if (c.textId == 0) continue;
        ++compared;
        const std::string shown = TextOf(GetDlgItem(hwnd, c.id));
        const std::string expected = texts.GetText(c.textId);
        if (shown != expected) {
            std::printf("%s: \"%s\", the file says \"%s\"\n", c.idName, shown.c_str(), expected.c_str());
            ++wrong;
        }
    }
    std::printf("%d of %d texts differ from %s\n", wrong, compared, file);
    return wrong == 0 && compared > 20 ? 0 : 1;
}

}  // namespace

int Main(int argc, char** argv) {
    if (argc < 3)
        return Usage();
    const std::string verb = argv[1];
    if (verb == "gone") {
        const DWORD until = GetTickCount() + DWORD(std::atoi(argv[2])) * 1000;
        while (OpenDialog()) {
            if (GetTickCount() > until) {
                std::printf("a dialog is still open\n");
                return 1;
            }
            Sleep(100);
        }
        return 0;
    }
    if (verb == "wait" && argc >= 4) {
        const DWORD until = GetTickCount() + DWORD(std::atoi(argv[3])) * 1000;
        while (!Find(argv[2])) {
            if (GetTickCount() > until) {
                std::printf("no window \"%s\"\n", argv[2]);
                return 1;
            }
            Sleep(100);
        }
        return 0;
    }
    HWND hwnd = Find(argv[2]);
    if (!hwnd) {
        std::printf("no window \"%s\"\n", argv[2]);
        return 1;
    }
    if (verb == "idle") {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) ? 0 : 1;
    }
    if (verb == "texts" && argc >= 4)
        return CompareTexts(hwnd, argv[3]);
    if (argc < 4)
        return Usage();
    const int id = std::atoi(argv[3]);
    HWND control = GetDlgItem(hwnd, id);
    if (verb == "command") {
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(control));
        return 0;
    }
    if (verb == "text") {
        std::printf("%s\n", TextOf(std::strcmp(argv[3], "title") == 0 ? hwnd : control).c_str());
        return 0;
    }
    if (!control) {
        std::printf("no control %d\n", id);
        return 1;
    }
    if (verb == "click") {
        // Sent, not posted: the click has happened when the probe ends. A
        // click that closes the dialog returns once the dialog has ended.
        DWORD_PTR result = 0;
        SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &result);
        return 0;
    }
    if (verb == "checked") {
        std::printf("%d\n", int(SendMessageA(control, BM_GETCHECK, 0, 0)));
        return 0;
    }
    if (verb == "settext" && argc >= 5) {
        SendMessageA(control, WM_SETTEXT, 0, LPARAM(argv[4]));
        return 0;
    }
    if (verb == "select" && argc >= 5) {
        const LRESULT index = SendMessageA(control, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(argv[4]));
        if (index == CB_ERR) {
            std::printf("no entry \"%s\"\n", argv[4]);
            return 1;
        }
        SendMessageA(control, CB_SETCURSEL, WPARAM(index), 0);
        return 0;
    }
    return Usage();
}

}  // namespace bb::app

int main(int argc, char** argv) { return bb::app::Main(argc, argv); }
