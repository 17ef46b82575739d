// One headless dialog window: a thread-safe model of its controls, plus the
// test's hands (click, type, select, press a key, close, drop files).
//
// The hands act like the user: they run the dialog's handlers on the UI thread
// (called from another thread while the modal loop runs, they post the action
// and wait for it). A click on a disabled control does nothing and says so.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/CString.h"
#include "framework/DialogHost.h"
#include "platform/headless/HeadlessTemplate.h"

namespace bb::framework { class CDialog; }

namespace bb::platform {

class HeadlessUi;

// What a multi-line edit holds until the program raises its limit: Wine's
// edit control starts at 30,000 characters (Windows documents 32,767); the
// smaller one keeps a program that forgets to raise it from passing here.
constexpr size_t kEditTextLimit = 30000;

class HeadlessDialogHost final : public framework::DialogHost {
public:
    HeadlessDialogHost(HeadlessUi& ui, framework::CDialog& dialog);
    ~HeadlessDialogHost() override;

    // --- the test's hands ------------------------------------------------------------
    // A button, check box (toggles), radio (selects) or menu-less command; false
    // when the control is disabled or the dialog is closed.
    bool Click(int id);
    // A command of the menu bar; false when the item or its pop-up is disabled.
    bool ChooseMenu(int command);
    bool SysCommand(int command);
    // Replaces an edit's text (EN_CHANGE), then, if `leave`, moves the focus
    // away from it (EN_KILLFOCUS).
    bool Type(int id, const std::string& text, bool leave = false);
    bool LeaveEdit(int id);
    // Selects an item of a combo box as the user would (CBN_SELCHANGE).
    bool SelectCombo(int id, int index);
    // A key pressed while the dialog has the focus. True when the dialog's
    // filter swallowed it; otherwise Escape cancels, Return is OK, Alt+F4 closes.
    bool PressKey(int virtualKey, bool alt = false);
    // The close box (the system menu's Close, SC_CLOSE, does the same).
    void Close();
    void DropFiles(const std::vector<framework::CString>& paths);

    // --- what the user sees -------------------------------------------------------------
    [[nodiscard]] int TemplateId() const { return m_templateId; }
    [[nodiscard]] bool Ended() const;
    [[nodiscard]] int Result() const;
    // The multi-line edit's lines.
    [[nodiscard]] std::vector<std::string> Lines(int id);
    [[nodiscard]] std::vector<std::pair<std::string, uintptr_t>> ComboItems(int id);
    [[nodiscard]] int FocusedItem() const;
    [[nodiscard]] bool HasTimer(int id) const;

    // Runs OnInitDialog and the test's script for this template.
    void Initialise();
    // Without a modal loop (HeadlessUi::Open), a window that ended goes away
    // once the handler that ended it has returned, as the loop would do.
    void DestroyIfEndedOutsideLoop();
    // A timer of this window is due (UI thread).
    void DeliverTimer(int id);

    // --- framework::DialogHost -------------------------------------------------------------------
    int RunModal(framework::CDialog& dialog) override;
    void EndDialog(int result) override;
    [[nodiscard]] bool IsOpen() const override;
    void Post(std::function<void()> work) override;
    [[nodiscard]] bool HasPendingMessage() override;
    [[nodiscard]] bool PumpMessage() override;
    [[nodiscard]] void* NativeHandle() const override { return nullptr; }
    [[nodiscard]] void* ItemNativeHandle(int) const override { return nullptr; }

    [[nodiscard]] std::string GetItemText(int id) override;
    void SetItemText(int id, const std::string& text) override;
    void EnableItem(int id, bool enable) override;
    [[nodiscard]] bool IsItemEnabled(int id) override;
    [[nodiscard]] bool HasItem(int id) const override;
    void SetFocusItem(int id) override;
    void SetCheck(int id, int state) override;
    [[nodiscard]] int GetCheck(int id) override;
    [[nodiscard]] int GetRadioIndex(int firstId) override;
    void SetRadioIndex(int firstId, int index) override;

    void ComboResetContent(int id) override;
    int ComboAddString(int id, const std::string& text) override;
    bool ComboSetItemData(int id, int index, uintptr_t data) override;
    [[nodiscard]] uintptr_t ComboGetItemData(int id, int index) override;
    int ComboSetCurSel(int id, int index) override;
    [[nodiscard]] int ComboGetCurSel(int id) override;
    [[nodiscard]] int ComboGetCount(int id) override;
    [[nodiscard]] std::string ComboGetText(int id, int index) override;
    int ComboSelectString(int id, int startAfter, const std::string& prefix) override;

    void ProgressSetRange(int id, int low, int high) override;
    void ProgressSetPos(int id, int pos) override;
    [[nodiscard]] int ProgressGetPos(int id) override;
    [[nodiscard]] std::pair<int, int> ProgressGetRange(int id) override;

    void EditAppendLine(int id, const std::string& line) override;
    void EditSetLimitText(int id, unsigned limit) override;
    [[nodiscard]] int EditGetLineCount(int id) override;
    void EditLineScroll(int id, int lines) override;
    [[nodiscard]] int EditGetFirstVisibleLine(int id) override;

    void MenuSetTextByCommand(int command, const std::string& text) override;
    void MenuSetTextByPosition(int position, const std::string& text) override;
    void MenuEnableByCommand(int command, bool enable) override;
    void MenuEnableByPosition(int position, bool enable) override;
    [[nodiscard]] std::string MenuGetTextByCommand(int command) override;
    [[nodiscard]] std::string MenuGetTextByPosition(int position) override;
    [[nodiscard]] bool MenuIsEnabledByCommand(int command) override;
    [[nodiscard]] bool MenuIsEnabledByPosition(int position) override;
    void DrawMenuBar() override {}
    void SystemMenuAppend(int command, const std::string& text) override;

    void SetTitle(const std::string& title) override;
    [[nodiscard]] std::string GetTitle() override;
    void ShowWindow(int showCommand) override;
    [[nodiscard]] int GetShowState() override;
    void SetIcon(int iconResourceId) override;
    void Beep() override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    bool SetTimer(int id, unsigned intervalMs) override;
    void KillTimer(int id) override;
    [[nodiscard]] bool IsKeyDown(int virtualKey) override;

    // The system menu's own items (command, text), for tests.
    [[nodiscard]] std::vector<std::pair<int, std::string>> SystemMenuItems() const;
    [[nodiscard]] int Icon() const;
    // How often the window beeped at a refused action.
    [[nodiscard]] int Beeps() const;

private:
    struct Control {
        HeadlessKind kind = HeadlessKind::Other;
        std::string text;
        bool enabled = true;
        bool group = false;
        int check = 0;
        std::vector<std::pair<std::string, uintptr_t>> items;
        int curSel = -1;
        int low = 0, high = 100, pos = 0;
        int firstVisible = 0;
        size_t textLimit = kEditTextLimit;
    };
    struct MenuItem {
        int command = 0;
        std::string text;
        bool enabled = true;
    };

    Control& At(int id);  // m_mutex held; creates an unknown id on first use
    std::vector<int> RadioGroupIds(int firstId);  // m_mutex held
    void SetTextLocked(int id, std::string text);  // m_mutex held
    MenuItem& MenuCommand(int command);  // m_mutex held; created on first use
    MenuItem& MenuPopup(int position);   // m_mutex held; created on first use
    // Runs `action` as the UI thread would: at once on the UI thread, posted
    // and waited for from any other thread while the loop runs.
    void OnUi(const std::function<void()>& action);

    HeadlessUi& m_ui;
    framework::CDialog& m_dialog;
    const int m_templateId;

    mutable std::mutex m_mutex;
    std::map<int, Control> m_controls;
    std::vector<int> m_order;  // tab order: the template's, then first use
    std::string m_title;
    int m_showState = 1;  // SW_SHOWNORMAL
    int m_icon = 0;
    int m_focus = 0;
    std::vector<MenuItem> m_popups;     // the menu bar, by position
    std::vector<MenuItem> m_menuItems;  // the commands of its pop-ups
    std::vector<std::pair<int, std::string>> m_systemMenu;
    std::set<int> m_timers;
    std::set<int> m_keysDown;
    bool m_modal = false;
    bool m_open = false;  // the window exists: from initialisation until it is destroyed
    bool m_ended = false;
    int m_result = 0;
    int m_beeps = 0;
};

}  // namespace bb::platform
