// Another program's dialog seen from outside, as a user meets it: its
// controls' texts and states, its log, the boxes and windows it opens.
// Header-only helpers of the window walk (MainWindowWalk.cpp).
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bb::app::test {

inline std::string TextOf(HWND hwnd) {
    if (!hwnd) return {};
    const LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(size_t(length > 0 ? length : 0) + 1, '\0');
    const LRESULT copied = SendMessageA(hwnd, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data()));
    text.resize(size_t(copied > 0 ? copied : 0));
    return text;
}

inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

struct WindowSearch {
    DWORD pid;
    HWND except;
    HWND found = nullptr;
};

inline BOOL CALLBACK VisitOtherWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && hwnd != search->except && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the program other than `main` (a message
// box, a picker, a settings window), waited for up to `ms`; null if none.
inline HWND OtherWindow(HWND main, DWORD ms) {
    WindowSearch search{0, main};
    GetWindowThreadProcessId(main, &search.pid);
    const DWORD until = GetTickCount() + ms;
    for (;;) {
        search.found = nullptr;
        EnumWindows(VisitOtherWindow, LPARAM(&search));
        if (search.found || GetTickCount() >= until) return search.found;
        Sleep(50);
    }
}

// Waits until `hwnd` is gone (closed by its program), up to `ms`.
inline bool WaitGone(HWND hwnd, DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    while (IsWindow(hwnd) && IsWindowVisible(hwnd)) {
        if (GetTickCount() >= until) return false;
        Sleep(50);
    }
    return true;
}

// A message box as shown: its text, caption, and its buttons and default
// button as the box type's bits (the icon's handle belongs to the program
// and cannot be compared from here).
struct SeenBox {
    std::string caption, text;
    unsigned type = 0;
};

// The button that Enter presses: the one drawn as the default push button.
inline int DefaultButton(HWND box) {
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        HWND button = GetDlgItem(box, id);
        if (button && (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return id;
    }
    return IDOK;
}

inline SeenBox ReadBox(HWND box) {
    SeenBox seen;
    seen.caption = TextOf(box);
    seen.text = TextOf(GetDlgItem(box, 0xFFFF));
    const bool yes = GetDlgItem(box, IDYES) != nullptr, no = GetDlgItem(box, IDNO) != nullptr;
    seen.type = yes && no ? MB_YESNO : MB_OK;
    if (yes && no && DefaultButton(box) == IDNO) seen.type |= MB_DEFBUTTON2;
    return seen;
}

// Enter on the box: its default button.
inline void PressDefault(HWND box) {
    const int id = DefaultButton(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(box, id)));
}

inline void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

// Without the line ends' carriage returns, which boxes and edits differ in.
inline std::string Plain(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

struct MainSearch {
    const char* titlePart;
    int logId;
    HWND found = nullptr;
};

inline BOOL CALLBACK VisitMain(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<MainSearch*>(param);
    if (IsWindowVisible(hwnd) && GetDlgItem(hwnd, search->logId) &&
        TextOf(hwnd).find(search->titlePart) != std::string::npos) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The main window by a part of its title (a job puts its progress in front)
// and its log control.
inline HWND FindMain(const char* titlePart, int logId) {
    MainSearch search{titlePart, logId};
    EnumWindows(VisitMain, LPARAM(&search));
    return search.found;
}

}  // namespace bb::app::test
