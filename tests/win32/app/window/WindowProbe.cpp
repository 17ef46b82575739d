// A small console helper that drives a program's window from outside, for
// the screenshot script:
//   WindowProbe wait <title> <seconds>   exit 0 once a visible window has the title
//   WindowProbe layout <title>           exit 0 when every control of the main
//                                        window's template is where the template puts it
//   WindowProbe quit <title>             clicks the window's Quit button (IDCANCEL)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "res/MainDialogTemplate.h"
#include "tests/win32/app/window/ControlPlacement.h"

namespace {

HWND Find(const char* title) {
    HWND hwnd = FindWindowA(nullptr, title);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
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
        const uitest::BaseUnits base = uitest::BaseUnitsOf(hwnd, bbres::MainDialog());
        RECT client;
        GetClientRect(hwnd, &client);
        int wrong = 0, placed = 0;
        if (client.right != MulDiv(bbres::MainDialog().cx, base.x, 4) ||
            client.bottom != MulDiv(bbres::MainDialog().cy, base.y, 8)) {
            std::printf("window: client %ldx%ld, template %dx%d\n", long(client.right), long(client.bottom),
                        MulDiv(bbres::MainDialog().cx, base.x, 4), MulDiv(bbres::MainDialog().cy, base.y, 8));
            ++wrong;
        }
        for (const bbres::ControlTemplate& c : bbres::MainDialog().controls) {
            ++placed;
            const std::string fault = uitest::MisplacementOf(hwnd, base, c);
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
    std::printf("usage: WindowProbe wait <title> <seconds> | layout <title> | quit <title>\n");
    return 2;
}
