// A small console helper that drives a program's window from outside, for
// the screenshot script:
//   WindowProbe wait <title> <seconds>   exit 0 once a visible window has the title
//   WindowProbe layout <title>           exit 0 when every control of the main
//                                        window's template is where the template puts it
//   WindowProbe quit <title>             clicks the window's Quit button (IDCANCEL)
//   WindowProbe click <title> <id>       clicks control <id> of the window
//   WindowProbe about <seconds>          waits for the About box; prints its title,
//                                        version line and the screen rectangles of its links
//   WindowProbe titled <text> <seconds>  waits for a window whose title holds <text>; prints it
//   WindowProbe close <text>             closes the window whose title holds <text>
//   WindowProbe box <seconds>            waits for a message box; prints its text
//   WindowProbe ok                       presses OK of the About box or message box shown
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "res/MainDialogTemplate.h"
#include "tests/win32/app/window/ControlPlacement.h"

namespace bb::app {

namespace {

HWND Find(const char* title) {
    HWND hwnd = FindWindowA(nullptr, title);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

std::string TextOf(HWND hwnd) {
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The first visible top-level window that `match` accepts.
template <typename Match>
HWND FindTop(Match match) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (IsWindowVisible(w) && match(w)) return w;
    }
    return nullptr;
}

template <typename Match>
HWND WaitTop(Match match, int seconds) {
    const DWORD until = GetTickCount() + DWORD(seconds) * 1000;
    for (;;) {
        if (HWND w = FindTop(match)) return w;
        if (GetTickCount() > until) return nullptr;
        Sleep(100);
    }
}

// The About box is the window with the mail link; a message box has the
// text static 0xFFFF.
bool IsAboutBox(HWND w) { return GetDlgItem(w, 1072) != nullptr && GetDlgItem(w, 1073) != nullptr; }
bool IsMessageBox(HWND w) { return GetDlgItem(w, 0xFFFF) != nullptr && GetDlgItem(w, IDOK) != nullptr && !IsAboutBox(w); }

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

}  // namespace

int Main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "wait") == 0) {
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
    if (argc >= 3 && std::strcmp(argv[1], "layout") == 0) {
        HWND hwnd = Find(argv[2]);
        if (!hwnd) {
            std::printf("no window \"%s\"\n", argv[2]);
            return 1;
        }
        const app::test::BaseUnits base = app::test::BaseUnitsOf(hwnd, res::MainDialog());
        RECT client;
        GetClientRect(hwnd, &client);
        int wrong = 0, placed = 0;
        if (client.right != MulDiv(res::MainDialog().cx, base.x, 4) ||
            client.bottom != MulDiv(res::MainDialog().cy, base.y, 8)) {
            std::printf("window: client %ldx%ld, template %dx%d\n", long(client.right), long(client.bottom),
                        MulDiv(res::MainDialog().cx, base.x, 4), MulDiv(res::MainDialog().cy, base.y, 8));
            ++wrong;
        }
        for (const res::ControlTemplate& c : res::MainDialog().controls) {
            ++placed;
            const std::string fault = app::test::MisplacementOf(hwnd, base, c);
            if (!fault.empty()) {
                std::printf("%s: %s\n", c.idName, fault.c_str());
                ++wrong;
            }
        }
        std::printf("base units %dx%d; %d faults in %d controls and the window\n", base.x, base.y, wrong, placed);
        return wrong == 0 && placed > 0 ? 0 : 1;
    }
    if (argc >= 3 && std::strcmp(argv[1], "quit") == 0) {
        HWND hwnd = Find(argv[2]);
        if (!hwnd) {
            std::printf("no window \"%s\"\n", argv[2]);
            return 1;
        }
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(GetDlgItem(hwnd, IDCANCEL)));
        return 0;
    }
    if (argc >= 4 && std::strcmp(argv[1], "click") == 0) {
        HWND hwnd = Find(argv[2]);
        if (!hwnd) {
            std::printf("no window \"%s\"\n", argv[2]);
            return 1;
        }
        Click(hwnd, std::atoi(argv[3]));
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "about") == 0) {
        HWND box = WaitTop(IsAboutBox, std::atoi(argv[2]));
        if (!box) {
            std::printf("no About box\n");
            return 1;
        }
        std::printf("title: %s\nversion: %s\n", TextOf(box).c_str(), TextOf(GetDlgItem(box, 1013)).c_str());
        for (int id : {1072, 1073}) {
            RECT r;
            GetWindowRect(GetDlgItem(box, id), &r);
            std::printf("link %d: %ld %ld %ld %ld %s\n", id, long(r.left), long(r.top), long(r.right),
                        long(r.bottom), TextOf(GetDlgItem(box, id)).c_str());
        }
        return 0;
    }
    if (argc >= 4 && std::strcmp(argv[1], "titled") == 0) {
        const std::string part = argv[2];
        HWND w = WaitTop([&](HWND h) { return TextOf(h).find(part) != std::string::npos; }, std::atoi(argv[3]));
        if (!w) {
            std::printf("no window titled ...%s...\n", argv[2]);
            return 1;
        }
        std::printf("%s\n", TextOf(w).c_str());
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0) {
        const std::string part = argv[2];
        HWND w = FindTop([&](HWND h) { return TextOf(h).find(part) != std::string::npos; });
        if (!w) return 1;
        PostMessageA(w, WM_CLOSE, 0, 0);
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "box") == 0) {
        HWND box = WaitTop(IsMessageBox, std::atoi(argv[2]));
        if (!box) {
            std::printf("no message box\n");
            return 1;
        }
        std::printf("%s\n%s\n", TextOf(box).c_str(), TextOf(GetDlgItem(box, 0xFFFF)).c_str());
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "ok") == 0) {
        HWND box = FindTop([](HWND h) { return IsAboutBox(h) || IsMessageBox(h); });
        if (!box) return 1;
        Click(box, IDOK);
        return 0;
    }
    std::printf("usage: WindowProbe wait <title> <seconds> | layout <title> | quit <title> | click <title> <id>\n"
                "       | about <seconds> | titled <text> <seconds> | close <text> | box <seconds> | ok\n");
    return 2;
}

}  // namespace bb::app

int main(int argc, char** argv) { return bb::app::Main(argc, argv); }
