// Windows of the program as a user meets them, for the Windows tests: found,
// read and pressed from a second thread of the test or, by the window driver
// of the Wine scripts, from another process.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "res/resource.h"

namespace wintest {

// Wine shows the Unix root as drive Z:.
inline std::string WinPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

#ifdef BB_PROGRAM_DIR
inline std::string ProgramFolder() { return WinPath(BB_PROGRAM_DIR); }
#endif

// Asked of the window itself, with a timeout: GetWindowText does not ask a
// window of another process, and an edit's text is only known to the edit.
inline std::string TextOf(HWND hwnd) {
    if (!hwnd) return {};
    DWORD_PTR length = 0, copied = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length);
    std::string text(size_t(length) + 1, '\0');
    SendMessageTimeoutA(hwnd, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data()), SMTO_NORMAL, 5000, &copied);
    text.resize(std::strlen(text.c_str()));
    return text;
}

// A top-level window's title as Windows keeps it: asks no other process,
// so a busy program cannot hold the caller up.
inline std::string TitleOf(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

inline bool IsOwn(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid == GetCurrentProcessId();
}

// A click as the button reports it to its dialog (posted: the handler may
// run a whole job or ask before it returns).
inline void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

// The first shown (visible or minimised) top-level window that `match`
// accepts, waited for up to `ms`; null if none.
inline HWND WaitTop(const std::function<bool(HWND)>& match, DWORD ms = 0) {
    const DWORD until = GetTickCount() + ms;
    for (;;) {
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
            if ((IsWindowVisible(w) || IsIconic(w)) && match(w)) return w;
        if (GetTickCount() >= until) return nullptr;
        Sleep(50);
    }
}

// Waits until `hwnd` is closed or hidden, up to `ms`.
inline bool WaitGone(HWND hwnd, DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    while (IsWindow(hwnd) && IsWindowVisible(hwnd)) {
        if (GetTickCount() >= until) return false;
        Sleep(50);
    }
    return true;
}

}  // namespace wintest
