// Win32 host of a dialog. The dialog's UI thread is the thread that runs
// RunModal. Calls from other threads reach the controls through window
// messages: the plain control messages (text, check, combo, progress) are
// sent to the control directly, which Windows marshals to the UI thread;
// composite operations (appending to the log, menus, timers, focus, show
// state) are sent to the dialog as one private message so they run on the UI
// thread in one piece.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "platform/DialogHostWin32.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "framework/CDialog.h"

namespace bb::platform {

namespace {

// Private messages of the dialog window.
constexpr UINT kInvokeMessage = WM_APP + 0x100;  // lParam: std::function<void()>*
constexpr UINT kPostedMessage = WM_APP + 0x101;  // run the next posted work

std::string TextOf(HWND window) {
    if (!window) return {};
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::string text(size_t(length) + 1, '\0');
    const LRESULT copied = SendMessageA(window, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data()));
    text.resize(size_t(copied > 0 ? copied : 0));
    return text;
}

bool IsRadio(HWND control) {
    return control && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

framework::DialogMessage::Kind KindOf(UINT message) {
    switch (message) {
    case WM_KEYDOWN: return framework::DialogMessage::Kind::KeyDown;
    case WM_KEYUP: return framework::DialogMessage::Kind::KeyUp;
    case WM_SYSKEYDOWN: return framework::DialogMessage::Kind::SysKeyDown;
    case WM_SYSKEYUP: return framework::DialogMessage::Kind::SysKeyUp;
    case WM_CHAR:
    case WM_SYSCHAR: return framework::DialogMessage::Kind::Char;
    default: return framework::DialogMessage::Kind::Other;
    }
}

class Win32DialogHost final : public framework::DialogHost {
public:
    Win32DialogHost(framework::CDialog& dialog, framework::DialogHost* owner) : m_dialog(dialog), m_owner(owner) {}

    ~Win32DialogHost() override {
        if (HWND hwnd = m_hwnd.exchange(nullptr)) DestroyWindow(hwnd);
    }

    // --- lifetime and messages -----------------------------------------------------

    int RunModal(framework::CDialog&) override {
        m_uiThread = GetCurrentThreadId();
        m_ended = false;
        HWND owner = m_owner ? static_cast<HWND>(m_owner->NativeHandle()) : nullptr;
        HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_dialog.GetTemplateId()),
                                       owner, &Win32DialogHost::DialogProc, LPARAM(this));
        if (!hwnd) return -1;
        if (owner) EnableWindow(owner, FALSE);
        if (!m_ended && !IsWindowVisible(hwnd)) ::ShowWindow(hwnd, SW_SHOW);

        MSG msg;
        while (!m_ended) {
            const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == -1) break;
            if (got == 0) {
                // Leave the quit for the loops further out.
                PostQuitMessage(int(msg.wParam));
                break;
            }
            Dispatch(msg);
        }
        // Give the owner back its input before this window goes, so that
        // Windows activates the owner and not some other program.
        if (owner) {
            EnableWindow(owner, TRUE);
            SetActiveWindow(owner);
        }
        m_hwnd = nullptr;
        DestroyWindow(hwnd);
        return m_result;
    }

    void EndDialog(int result) override {
        m_result = result;
        m_ended = true;
        if (HWND hwnd = m_hwnd.load()) PostMessageA(hwnd, WM_NULL, 0, 0);
    }

    bool IsOpen() const override { return m_hwnd.load() != nullptr; }

    void Post(std::function<void()> work) override {
        HWND hwnd = m_hwnd.load();
        if (!hwnd) return;
        {
            std::lock_guard<std::mutex> lock(m_postMutex);
            m_posted.push_back(std::move(work));
        }
        PostMessageA(hwnd, kPostedMessage, 0, 0);
    }

    bool HasPendingMessage() override {
        MSG msg;
        return PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
    }

    bool PumpMessage() override {
        MSG msg;
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            return false;
        }
        if (OnUiThread()) {
            Dispatch(msg);
        } else {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return true;
    }

    void* NativeHandle() const override { return m_hwnd.load(); }
    void* ItemNativeHandle(int id) const override { return Item(id); }

    // --- texts and states --------------------------------------------------------------

    std::string GetItemText(int id) override { return TextOf(Item(id)); }
    void SetItemText(int id, const std::string& text) override {
        if (HWND item = Item(id)) SendMessageA(item, WM_SETTEXT, 0, LPARAM(text.c_str()));
    }
    void EnableItem(int id, bool enable) override {
        if (HWND item = Item(id)) EnableWindow(item, enable);
    }
    bool IsItemEnabled(int id) override {
        HWND item = Item(id);
        return item && IsWindowEnabled(item);
    }
    bool HasItem(int id) const override { return Item(id) != nullptr; }
    void SetFocusItem(int id) override {
        Invoke([&] {
            if (HWND item = Item(id)) SendMessageA(m_hwnd.load(), WM_NEXTDLGCTL, WPARAM(item), TRUE);
        });
    }
    void SetCheck(int id, int state) override { Send(id, BM_SETCHECK, WPARAM(state), 0); }
    int GetCheck(int id) override { return int(Send(id, BM_GETCHECK, 0, 0)); }

    // A radio group runs from its first radio through the radios after it in
    // tab order, up to the next control that starts a group.
    std::vector<HWND> RadioGroup(int firstId) const {
        std::vector<HWND> group;
        HWND control = Item(firstId);
        while (control && IsRadio(control)) {
            group.push_back(control);
            control = GetWindow(control, GW_HWNDNEXT);
            if (control && (GetWindowLongA(control, GWL_STYLE) & WS_GROUP)) break;
        }
        return group;
    }
    int GetRadioIndex(int firstId) override {
        const std::vector<HWND> group = RadioGroup(firstId);
        for (size_t i = 0; i < group.size(); ++i) {
            if (SendMessageA(group[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return int(i);
        }
        return -1;
    }
    void SetRadioIndex(int firstId, int index) override {
        const std::vector<HWND> group = RadioGroup(firstId);
        for (size_t i = 0; i < group.size(); ++i) {
            SendMessageA(group[i], BM_SETCHECK, int(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }

    // --- combo boxes --------------------------------------------------------------------

    void ComboResetContent(int id) override { Send(id, CB_RESETCONTENT, 0, 0); }
    int ComboAddString(int id, const std::string& text) override {
        return int(Send(id, CB_ADDSTRING, 0, LPARAM(text.c_str()), CB_ERR));
    }
    bool ComboSetItemData(int id, int index, uintptr_t data) override {
        return Send(id, CB_SETITEMDATA, WPARAM(index), LPARAM(data), CB_ERR) != CB_ERR;
    }
    uintptr_t ComboGetItemData(int id, int index) override {
        return uintptr_t(Send(id, CB_GETITEMDATA, WPARAM(index), 0, CB_ERR));
    }
    int ComboSetCurSel(int id, int index) override { return int(Send(id, CB_SETCURSEL, WPARAM(index), 0, CB_ERR)); }
    int ComboGetCurSel(int id) override { return int(Send(id, CB_GETCURSEL, 0, 0, CB_ERR)); }
    int ComboGetCount(int id) override { return int(Send(id, CB_GETCOUNT, 0, 0)); }
    std::string ComboGetText(int id, int index) override {
        const LRESULT length = Send(id, CB_GETLBTEXTLEN, WPARAM(index), 0, CB_ERR);
        if (length == CB_ERR) return {};
        std::string text(size_t(length) + 1, '\0');
        const LRESULT copied = Send(id, CB_GETLBTEXT, WPARAM(index), LPARAM(text.data()), CB_ERR);
        text.resize(size_t(copied > 0 ? copied : 0));
        return text;
    }
    int ComboSelectString(int id, int startAfter, const std::string& prefix) override {
        return int(Send(id, CB_SELECTSTRING, WPARAM(startAfter), LPARAM(prefix.c_str()), CB_ERR));
    }

    // --- progress bars ------------------------------------------------------------------

    void ProgressSetRange(int id, int low, int high) override { Send(id, PBM_SETRANGE32, WPARAM(low), LPARAM(high)); }
    void ProgressSetPos(int id, int pos) override { Send(id, PBM_SETPOS, WPARAM(pos), 0); }
    int ProgressGetPos(int id) override { return int(Send(id, PBM_GETPOS, 0, 0)); }
    std::pair<int, int> ProgressGetRange(int id) override {
        PBRANGE range{};
        Send(id, PBM_GETRANGE, TRUE, LPARAM(&range));
        return {range.iLow, range.iHigh};
    }

    // --- multi-line edits ---------------------------------------------------------------

    void EditAppendLine(int id, const std::string& line) override {
        Invoke([&] {
            HWND edit = Item(id);
            if (!edit) return;
            const LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
            const std::string added = (length > 0 ? "\r\n" : "") + line;
            SendMessageA(edit, EM_SETSEL, WPARAM(length), LPARAM(length));
            SendMessageA(edit, EM_REPLACESEL, FALSE, LPARAM(added.c_str()));
            const LRESULT lines = SendMessageA(edit, EM_GETLINECOUNT, 0, 0);
            SendMessageA(edit, EM_LINESCROLL, 0, lines);
        });
    }
    void EditSetLimitText(int id, unsigned limit) override { Send(id, EM_SETLIMITTEXT, WPARAM(limit), 0); }
    int EditGetLineCount(int id) override { return int(Send(id, EM_GETLINECOUNT, 0, 0, 1)); }
    void EditLineScroll(int id, int lines) override { Send(id, EM_LINESCROLL, 0, LPARAM(lines)); }
    int EditGetFirstVisibleLine(int id) override { return int(Send(id, EM_GETFIRSTVISIBLELINE, 0, 0)); }

    // --- menu bar -------------------------------------------------------------------------

    void MenuSetTextByCommand(int command, const std::string& text) override {
        Invoke([&] { SetMenuText(UINT(command), FALSE, text); });
    }
    void MenuSetTextByPosition(int position, const std::string& text) override {
        Invoke([&] { SetMenuText(UINT(position), TRUE, text); });
    }
    void MenuEnableByCommand(int command, bool enable) override {
        Invoke([&] { EnableMenuEntry(UINT(command), MF_BYCOMMAND, enable); });
    }
    void MenuEnableByPosition(int position, bool enable) override {
        Invoke([&] { EnableMenuEntry(UINT(position), MF_BYPOSITION, enable); });
    }
    std::string MenuGetTextByCommand(int command) override { return MenuText(UINT(command), MF_BYCOMMAND); }
    std::string MenuGetTextByPosition(int position) override { return MenuText(UINT(position), MF_BYPOSITION); }
    bool MenuIsEnabledByCommand(int command) override { return MenuEnabled(UINT(command), MF_BYCOMMAND); }
    bool MenuIsEnabledByPosition(int position) override { return MenuEnabled(UINT(position), MF_BYPOSITION); }
    void DrawMenuBar() override {
        Invoke([&] {
            if (HWND hwnd = m_hwnd.load()) ::DrawMenuBar(hwnd);
        });
    }
    void SystemMenuAppend(int command, const std::string& text) override {
        Invoke([&] {
            HWND hwnd = m_hwnd.load();
            HMENU menu = hwnd ? GetSystemMenu(hwnd, FALSE) : nullptr;
            if (!menu) return;
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(menu, MF_STRING, UINT_PTR(command), text.c_str());
        });
    }

    // --- window -----------------------------------------------------------------------------

    void SetTitle(const std::string& title) override {
        if (HWND hwnd = m_hwnd.load()) SendMessageA(hwnd, WM_SETTEXT, 0, LPARAM(title.c_str()));
    }
    std::string GetTitle() override { return TextOf(m_hwnd.load()); }
    void ShowWindow(int showCommand) override {
        Invoke([&] {
            if (HWND hwnd = m_hwnd.load()) ::ShowWindow(hwnd, showCommand);
        });
    }
    int GetShowState() override {
        HWND hwnd = m_hwnd.load();
        if (!hwnd || !IsWindowVisible(hwnd)) return SW_HIDE;
        return IsIconic(hwnd) ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    }
    void SetIcon(int iconResourceId) override {
        Invoke([&] {
            HWND hwnd = m_hwnd.load();
            HINSTANCE instance = GetModuleHandleA(nullptr);
            if (!hwnd) return;
            HANDLE big = LoadImageA(instance, MAKEINTRESOURCEA(iconResourceId), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED);
            HANDLE small = LoadImageA(instance, MAKEINTRESOURCEA(iconResourceId), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
            if (big) SendMessageA(hwnd, WM_SETICON, ICON_BIG, LPARAM(big));
            if (small) SendMessageA(hwnd, WM_SETICON, ICON_SMALL, LPARAM(small));
        });
    }
    void Beep() override { MessageBeep(MB_OK); }
    // Runs on the calling thread; a box asked from a worker is still owned
    // by the dialog, which it disables while it is up.
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) override {
        return MessageBoxA(m_hwnd.load(), text.c_str(), caption.c_str(), type);
    }
    bool SetTimer(int id, unsigned intervalMs) override {
        bool set = false;
        Invoke([&] {
            HWND hwnd = m_hwnd.load();
            set = hwnd && ::SetTimer(hwnd, UINT_PTR(id), intervalMs, nullptr) != 0;
        });
        return set;
    }
    void KillTimer(int id) override {
        Invoke([&] {
            if (HWND hwnd = m_hwnd.load()) ::KillTimer(hwnd, UINT_PTR(id));
        });
    }
    bool IsKeyDown(int virtualKey) override {
        // While a key message is being filtered, its own key and Alt state
        // count as held, whatever the keyboard state says now.
        if (OnUiThread() && m_translating) {
            if (m_translating->key == virtualKey && m_translating->kind != framework::DialogMessage::Kind::Other) return true;
            if (virtualKey == VK_MENU && m_translating->altDown) return true;
        }
        const SHORT state = OnUiThread() ? GetKeyState(virtualKey) : GetAsyncKeyState(virtualKey);
        return (state & 0x8000) != 0;
    }

private:
    HWND Item(int id) const {
        HWND hwnd = m_hwnd.load();
        return hwnd ? GetDlgItem(hwnd, id) : nullptr;
    }

    LRESULT Send(int id, UINT message, WPARAM wParam, LPARAM lParam, LRESULT missing = 0) const {
        HWND item = Item(id);
        return item ? SendMessageA(item, message, wParam, lParam) : missing;
    }

    bool OnUiThread() const { return GetCurrentThreadId() == m_uiThread; }

    void Invoke(const std::function<void()>& action) {
        HWND hwnd = m_hwnd.load();
        if (!hwnd) return;
        if (OnUiThread()) {
            action();
        } else {
            SendMessageA(hwnd, kInvokeMessage, 0, LPARAM(&action));
        }
    }

    void SetMenuText(UINT item, BOOL byPosition, const std::string& text) {
        HWND hwnd = m_hwnd.load();
        HMENU menu = hwnd ? GetMenu(hwnd) : nullptr;
        if (!menu) return;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(text.c_str());
        SetMenuItemInfoA(menu, item, byPosition, &info);
    }

    void EnableMenuEntry(UINT item, UINT how, bool enable) {
        HWND hwnd = m_hwnd.load();
        HMENU menu = hwnd ? GetMenu(hwnd) : nullptr;
        if (menu) EnableMenuItem(menu, item, how | (enable ? MF_ENABLED : MF_GRAYED));
    }

    std::string MenuText(UINT item, UINT how) const {
        HWND hwnd = m_hwnd.load();
        HMENU menu = hwnd ? GetMenu(hwnd) : nullptr;
        if (!menu) return {};
        char text[256] = {};
        GetMenuStringA(menu, item, text, sizeof text, how);
        return text;
    }

    bool MenuEnabled(UINT item, UINT how) const {
        HWND hwnd = m_hwnd.load();
        HMENU menu = hwnd ? GetMenu(hwnd) : nullptr;
        if (!menu) return false;
        const UINT state = GetMenuState(menu, item, how);
        return state != UINT(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
    }

    // One message of the UI thread: the dialog's filter first, then the
    // dialog manager's keyboard handling, then the window itself.
    void Dispatch(MSG& msg) {
        HWND hwnd = m_hwnd.load();
        if (hwnd && (msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd))) {
            framework::DialogMessage message;
            message.kind = KindOf(msg.message);
            message.nativeMessage = msg.message;
            if (message.kind != framework::DialogMessage::Kind::Other) {
                message.key = int(msg.wParam);
                message.altDown = (msg.lParam & (1 << 29)) != 0 || (GetKeyState(VK_MENU) & 0x8000) != 0;
            }
            message.controlId = msg.hwnd == hwnd ? 0 : GetDlgCtrlID(msg.hwnd);
            m_translating = &message;
            const BOOL swallowed = m_dialog.HostPreTranslate(message);
            m_translating = nullptr;
            if (swallowed || IsDialogMessageA(hwnd, &msg)) return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    void RunNextPosted() {
        std::function<void()> work;
        {
            std::lock_guard<std::mutex> lock(m_postMutex);
            if (m_posted.empty()) return;
            work = std::move(m_posted.front());
            m_posted.pop_front();
        }
        work();
    }

    void DropFiles(HDROP drop) {
        std::vector<framework::CString> paths;
        const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            char path[MAX_PATH] = {};
            DragQueryFileA(drop, i, path, sizeof path);
            paths.emplace_back(path);
        }
        DragFinish(drop);
        m_dialog.HostDropFiles(paths);
    }

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<Win32DialogHost*>(lParam);
            SetWindowLongPtrA(hwnd, DWLP_USER, LONG_PTR(self));
            self->m_hwnd = hwnd;
            return self->m_dialog.HostInitDialog();
        }
        auto* self = reinterpret_cast<Win32DialogHost*>(GetWindowLongPtrA(hwnd, DWLP_USER));
        if (!self) return FALSE;
        switch (message) {
        case WM_COMMAND:
            if (lParam && HIWORD(wParam) == BN_CLICKED)
                SendMessageA(reinterpret_cast<HWND>(lParam), kReflectedMessageBase + WM_COMMAND, wParam, lParam);
            self->m_dialog.HostCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DRAWITEM: {
            // Owner-drawn buttons paint themselves.
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (!item || item->CtlType != ODT_BUTTON || !item->hwndItem) return FALSE;
            return SendMessageA(item->hwndItem, kReflectedMessageBase + WM_DRAWITEM, wParam, lParam) ? TRUE : FALSE;
        }
        case WM_CTLCOLORBTN:
            return INT_PTR(SendMessageA(reinterpret_cast<HWND>(lParam), kReflectedMessageBase + WM_CTLCOLORBTN,
                                        wParam, lParam));
        case WM_CLOSE:
            // The close box and the system menu's Close (SC_CLOSE) arrive
            // here; the dialog decides whether it may close.
            self->m_dialog.HostClose();
            return TRUE;
        case WM_TIMER:
            self->m_dialog.HostTimer(int(wParam));
            return TRUE;
        case WM_DROPFILES:
            self->DropFiles(reinterpret_cast<HDROP>(wParam));
            return TRUE;
        case WM_SYSCOMMAND:
            // The program's own system-menu items sit below the system's
            // commands (SC_SIZE and up).
            if ((wParam & 0xFFF0) < SC_SIZE) return self->m_dialog.HostSysCommand(int(wParam & 0xFFF0));
            return FALSE;
        case kInvokeMessage:
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
            return TRUE;
        case kPostedMessage:
            self->RunNextPosted();
            return TRUE;
        default:
            return FALSE;
        }
    }

    framework::CDialog& m_dialog;
    framework::DialogHost* const m_owner;
    std::atomic<HWND> m_hwnd{nullptr};
    std::atomic<DWORD> m_uiThread{0};
    std::atomic<bool> m_ended{false};
    std::atomic<int> m_result{0};
    std::mutex m_postMutex;
    std::deque<std::function<void()>> m_posted;
    const framework::DialogMessage* m_translating = nullptr;  // UI thread only
};

}  // namespace

std::unique_ptr<framework::DialogHost> CreateWin32DialogHost(framework::CDialog& dialog, framework::DialogHost* owner) {
    return std::make_unique<Win32DialogHost>(dialog, owner);
}

framework::DialogHostFactory InstallWin32DialogHosts() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    return framework::SetDialogHostFactory(&CreateWin32DialogHost);
}

}  // namespace bb::platform
