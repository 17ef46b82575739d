#include "platform/win32/MinimisedPaint.h"

#include <windows.h>
#include <commctrl.h>

namespace bb::platform {
namespace {

constexpr UINT_PTR kSubclassId = 0x4D49;  // "MI"

LRESULT CALLBACK MinimisedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    HICON icon = reinterpret_cast<HICON>(data);
    switch (message) {
    case WM_PAINT:
        if (IsIconic(hwnd)) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            SendMessageA(hwnd, WM_ICONERASEBKGND, WPARAM(dc), 0);
            RECT client;
            GetClientRect(hwnd, &client);
            const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
            const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
            DrawIcon(dc, x, y, icon);
            EndPaint(hwnd, &ps);
            return 0;
        }
        break;
    case WM_QUERYDRAGICON:
        return LRESULT(icon);
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, MinimisedProc, kSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void PaintIconWhenMinimised(void* window, int iconResourceId) {
    HWND hwnd = static_cast<HWND>(window);
    if (!hwnd)
        return;
    // A shared icon: the system releases it, not the window.
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconResourceId), IMAGE_ICON,
                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED);
    if (icon)
        SetWindowSubclass(hwnd, MinimisedProc, kSubclassId, DWORD_PTR(icon));
}

}  // namespace bb::platform
