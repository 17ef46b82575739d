// A console helper that looks at the running program's own controls from
// outside, for controls-wine.sh:
//   ControlsProbe wait <title> <seconds>     exit 0 once a visible window has the title
//   ControlsProbe rect <title> <id>          the control's screen rectangle: left top right bottom
//   ControlsProbe tip <title> <id> <secs>    waits for the button's tooltip to show; prints its text
//   ControlsProbe notip <title> <id> <secs>  exit 0 when no tooltip of the button shows that long
//   ControlsProbe root <title> <path>        types a DVD root and leaves the field, as a user does
//   ControlsProbe meter <title> <yellow> <red> <size>
//                                            the strip's screen origin and width, and the bar runs
//                                            the arithmetic predicts: "x y width" then
//                                            "run <part> <from> <to>" lines in strip columns
//   ControlsProbe quit <title>               clicks Quit
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "controls/SizeMeterLayout.h"
#include "res/resource.h"

namespace bb::controls {

namespace {

HWND Find(const char* title) {
    HWND hwnd = FindWindowA(nullptr, title);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

HWND FindOrSay(const char* title) {
    HWND hwnd = Find(title);
    if (!hwnd)
        std::printf("no window \"%s\"\n", title);
    return hwnd;
}

RECT ScreenRect(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return r;
}

// The text of tool 1 of `tooltip`, read from the program's own memory: the
// request and its buffer must live in the process that owns the tooltip.
std::string ToolText(HWND tooltip, HWND button) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tooltip, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return "(cannot open the program)";
    constexpr SIZE_T kText = 512;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(TOOLINFOA) + kText, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    std::string text = "(no memory in the program)";
    if (remote) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = button;
        tool.uId = 1;
        tool.lpszText = remote + sizeof(TOOLINFOA);
        char zero[kText] = {};
        WriteProcessMemory(process, remote, &tool, sizeof tool, nullptr);
        WriteProcessMemory(process, remote + sizeof(TOOLINFOA), zero, kText, nullptr);
        SendMessageA(tooltip, TTM_GETTEXTA, kText, LPARAM(remote));
        char buffer[kText] = {};
        ReadProcessMemory(process, remote + sizeof(TOOLINFOA), buffer, kText - 1, nullptr);
        text = buffer;
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

// The visible tooltip window of the program that has the button's tool
// (each button has a tooltip of its own, owned by the dialog), or null.
HWND VisibleTooltipOf(HWND button) {
    DWORD program = 0;
    GetWindowThreadProcessId(button, &program);
    for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w;
         w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == program && IsWindowVisible(w) && !ToolText(w, button).empty())
            return w;
    }
    return nullptr;
}

}  // namespace

int Main(int argc, char** argv) {
    const std::string command = argc >= 2 ? argv[1] : "";
    if (command == "wait" && argc >= 4) {
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
    if (argc < 3)
        return 2;
    HWND window = FindOrSay(argv[2]);
    if (!window)
        return 1;
    if (command == "rect" && argc >= 4) {
        const RECT r = ScreenRect(GetDlgItem(window, std::atoi(argv[3])));
        std::printf("%ld %ld %ld %ld\n", long(r.left), long(r.top), long(r.right), long(r.bottom));
        return 0;
    }
    if ((command == "tip" || command == "notip") && argc >= 5) {
        HWND button = GetDlgItem(window, std::atoi(argv[3]));
        const DWORD until = GetTickCount() + DWORD(std::atoi(argv[4])) * 1000;
        HWND tip = nullptr;
        while (!(tip = VisibleTooltipOf(button)) && GetTickCount() < until)
            Sleep(100);
        if (command == "notip") {
            if (tip)
                std::printf("tooltip shown: %s\n", ToolText(tip, button).c_str());
            return tip ? 1 : 0;
        }
        if (!tip) {
            std::printf("no tooltip\n");
            return 1;
        }
        std::printf("%s\n", ToolText(tip, button).c_str());
        return 0;
    }
    if (command == "root" && argc >= 4) {
        HWND edit = GetDlgItem(window, IDC_SOURCE_DIR);
        SendMessageA(edit, WM_SETTEXT, 0, LPARAM(argv[3]));
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SOURCE_DIR, EN_KILLFOCUS), LPARAM(edit));
        return 0;
    }
    if (command == "meter" && argc >= 6) {
        const RECT r = ScreenRect(GetDlgItem(window, IDC_SIZE_METER));
        const RECT owner = ScreenRect(window);
        const int width = controls::MeterStripWidth(owner.left, owner.right, r.left);
        if (r.right - r.left != width || r.bottom - r.top != controls::kMeterHeight) {
            std::printf("the meter is %ldx%ld, its strip %dx%d\n", long(r.right - r.left), long(r.bottom - r.top),
                        width, controls::kMeterHeight);
            return 1;
        }
        std::printf("%ld %ld %d\n", long(r.left), long(r.top), width);
        const controls::MeterBar bar =
            controls::MeterBarFor(width, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
        for (const controls::MeterRun& run : bar.runs)
            std::printf("run %d %d %d\n", run.partColumn, run.from, run.to);
        return 0;
    }
    if (command == "quit") {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(GetDlgItem(window, IDCANCEL)));
        return 0;
    }
    std::printf("unknown command %s\n", command.c_str());
    return 2;
}

}  // namespace bb::controls

int main(int argc, char** argv) { return bb::controls::Main(argc, argv); }
