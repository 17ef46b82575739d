// Drives BrenvikBurn.exe from outside for the Windows batch and window
// checks: finds windows by title, types into controls, clicks buttons,
// answers the Save As dialog and message boxes, and reads control texts.
//   BatchDriver wait <title part> <seconds>         a visible window appears
//   BatchDriver gone <title part>   <seconds>       no such window is left
//   BatchDriver iconic <title part>                 exit 0 when it is minimised
//   BatchDriver type <title part>   <id> <text>     sets the text, then the focus leaves it
//   BatchDriver click <title part>   <id>           a click on the button (posted)
//   BatchDriver text <title part>   <id>            prints the control's text
//   BatchDriver save-as <path> <seconds>            answers the Save As dialog with path
//   BatchDriver box <caption> <button id> <seconds> prints the box's text, then clicks the button
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace bb::app {

namespace {

struct Search {
    const char* prefix;
    bool exact;
    HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(hwnd) && !IsIconic(hwnd))
        return TRUE;
    char title[256] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    // The main window's title carries the percentage in front during a job.
    const bool match = search->exact ? std::strcmp(title, search->prefix) == 0
                                     : std::strstr(title, search->prefix) != nullptr;
    if (match) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND Find(const char* title, bool exact = false) {
    Search search{title, exact, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitFor(const char* title, int seconds, bool exact = false) {
    const DWORD until = GetTickCount() + DWORD(seconds) * 1000;
    for (;;) {
        if (HWND hwnd = Find(title, exact))
            return hwnd;
        if (GetTickCount() > until)
            return nullptr;
        Sleep(100);
    }
}

std::string TextOf(HWND hwnd) {
    const LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(size_t(length) + 1, '\0');
    SendMessageA(hwnd, WM_GETTEXT, WPARAM(text.size()), LPARAM(&text[0]));
    text.resize(std::strlen(text.c_str()));
    return text;
}

int Missing(const char* what) {
    std::printf("no window \"%s\"\n", what);
    return 1;
}

}  // namespace

int Main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "wait" && argc >= 4)
        return WaitFor(argv[2], std::atoi(argv[3])) ? 0 : Missing(argv[2]);
    if (command == "gone" && argc >= 4) {
        const DWORD until = GetTickCount() + DWORD(std::atoi(argv[3])) * 1000;
        while (Find(argv[2])) {
            if (GetTickCount() > until) {
                std::printf("window \"%s\" is still there\n", argv[2]);
                return 1;
            }
            Sleep(100);
        }
        return 0;
    }
    if (command == "iconic" && argc >= 3) {
        HWND hwnd = Find(argv[2]);
        return hwnd ? (IsIconic(hwnd) ? 0 : 1) : Missing(argv[2]);
    }
    if ((command == "type" && argc >= 5) || (command == "click" && argc >= 4) || (command == "text" && argc >= 4)) {
        HWND hwnd = Find(argv[2]);
        if (!hwnd)
            return Missing(argv[2]);
        const int id = std::atoi(argv[3]);
        HWND item = GetDlgItem(hwnd, id);
        if (!item) {
            std::printf("no control %d\n", id);
            return 1;
        }
        if (command == "type") {
            SendMessageA(item, WM_SETTEXT, 0, LPARAM(argv[4]));
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), LPARAM(item));
        } else if (command == "click") {
            // Posted: the handler may run a whole job before it returns.
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(item));
        } else {
            std::printf("%s\n", TextOf(item).c_str());
        }
        return 0;
    }
    if (command == "save-as" && argc >= 4) {
        HWND dialog = WaitFor("Save As", std::atoi(argv[3]), true);
        if (!dialog)
            return Missing("Save As");
        Sleep(500);  // let the dialog finish its own start-up
        HWND name = GetDlgItem(dialog, 1148);
        if (!name)
            return Missing("Save As file name box");
        SendMessageA(name, WM_SETTEXT, 0, LPARAM(argv[2]));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
        return 0;
    }
    if (command == "box" && argc >= 5) {
        HWND box = WaitFor(argv[2], std::atoi(argv[4]), true);
        if (!box)
            return Missing(argv[2]);
        // The box's text is its static control (id 0xFFFF).
        if (HWND text = GetDlgItem(box, 0xFFFF))
            std::printf("%s\n", TextOf(text).c_str());
        const int button = std::atoi(argv[3]);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(box, button)));
        return 0;
    }
    std::printf("usage: see the top of BatchDriver.cpp\n");
    return 2;
}

}  // namespace bb::app

int main(int argc, char** argv) { return bb::app::Main(argc, argv); }
