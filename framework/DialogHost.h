// What a dialog needs from the window system, by control id. One host serves
// one dialog window: the Win32 host wraps a real dialog made from a resource
// template, the headless host keeps an in-memory model of the same controls.
//
// Threads: the thread that runs RunModal is the dialog's UI thread. Every
// call below may also come from a worker thread (a job reporting progress,
// appending to the log, asking a question); the host makes that safe. A worker
// that sets a control waits until the UI thread has taken the change, so the
// UI thread must not block waiting for such a worker.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "framework/DialogMessage.h"

namespace bb::framework {

class CDialog;

}  // namespace bb::framework

namespace bb::framework {

class DialogHost {
public:
    virtual ~DialogHost() = default;

    // --- lifetime and messages ---------------------------------------------
    // Creates the window from the dialog's template, initialises it, and runs
    // messages on the calling thread until EndDialog; returns its result.
    virtual int RunModal(CDialog& dialog) = 0;
    // Ends the modal loop with `result`. Any thread.
    virtual void EndDialog(int result) = 0;
    // True while the window exists: from its initialisation until the modal
    // loop has ended and destroyed it (an ended dialog is still open inside
    // the handler that ended it).
    [[nodiscard]] virtual bool IsOpen() const = 0;
    // Runs `work` on the UI thread, in message order. Any thread.
    virtual void Post(std::function<void()> work) = 0;
    // Whether the calling thread has a message waiting (peeks, removes nothing).
    [[nodiscard]] virtual bool HasPendingMessage() = 0;
    // Handles one message of the calling thread (waiting for one if none is
    // there). False when the thread is to quit.
    [[nodiscard]] virtual bool PumpMessage() = 0;
    // HWND on Win32, null on headless hosts: the owner to give the file and
    // folder pickers (platform/FilePickerService.h) and other system dialogs.
    [[nodiscard]] virtual void* NativeHandle() const = 0;
    [[nodiscard]] virtual void* ItemNativeHandle(int id) const = 0;

    // --- texts, state --------------------------------------------------------
    [[nodiscard]] virtual std::string GetItemText(int id) = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual void EnableItem(int id, bool enable) = 0;
    [[nodiscard]] virtual bool IsItemEnabled(int id) = 0;
    // Whether the window has a control with this id.
    [[nodiscard]] virtual bool HasItem(int id) const = 0;
    virtual void SetFocusItem(int id) = 0;
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    virtual void SetCheck(int id, int state) = 0;
    [[nodiscard]] virtual int GetCheck(int id) = 0;
    // Radio groups are named by their first control: index of the checked
    // radio of the group, -1 when none is checked.
    [[nodiscard]] virtual int GetRadioIndex(int firstId) = 0;
    // Checks the radio at `index` of the group, unchecks the others (-1: none).
    virtual void SetRadioIndex(int firstId, int index) = 0;

    // --- combo boxes (drop-down lists) -----------------------------------------
    virtual void ComboResetContent(int id) = 0;
    // Index of the new item (appended; the lists are not sorted).
    virtual int ComboAddString(int id, const std::string& text) = 0;
    virtual bool ComboSetItemData(int id, int index, uintptr_t data) = 0;
    [[nodiscard]] virtual uintptr_t ComboGetItemData(int id, int index) = 0;
    // Selects `index` (-1 clears the selection); returns CB_ERR when out of range.
    virtual int ComboSetCurSel(int id, int index) = 0;
    [[nodiscard]] virtual int ComboGetCurSel(int id) = 0;
    [[nodiscard]] virtual int ComboGetCount(int id) = 0;
    [[nodiscard]] virtual std::string ComboGetText(int id, int index) = 0;
    // Selects the first item after `startAfter` (-1: from the top, wrapping
    // round) whose text begins with `prefix`, ignoring case. Its index or CB_ERR.
    virtual int ComboSelectString(int id, int startAfter, const std::string& prefix) = 0;

    // --- progress bars -------------------------------------------------------
    virtual void ProgressSetRange(int id, int low, int high) = 0;
    virtual void ProgressSetPos(int id, int pos) = 0;
    [[nodiscard]] virtual int ProgressGetPos(int id) = 0;
    [[nodiscard]] virtual std::pair<int, int> ProgressGetRange(int id) = 0;

    // --- multi-line edits (lines separated by CR LF) ---------------------------
    // Adds `line` (after a CR LF unless the edit is empty) and scrolls the new
    // end into view. Like the edit control's EM_REPLACESEL it honours the text
    // limit: what does not fit is cut off.
    virtual void EditAppendLine(int id, const std::string& line) = 0;
    // The most characters the edit holds (EM_SETLIMITTEXT); an edit control
    // starts at about 30,000. 0: as many as the system allows.
    virtual void EditSetLimitText(int id, unsigned limit) = 0;
    [[nodiscard]] virtual int EditGetLineCount(int id) = 0;
    virtual void EditLineScroll(int id, int lines) = 0;
    // Index of the first visible line.
    [[nodiscard]] virtual int EditGetFirstVisibleLine(int id) = 0;

    // --- menu bar ----------------------------------------------------------------
    virtual void MenuSetTextByCommand(int command, const std::string& text) = 0;
    // The pop-up at `position` of the menu bar.
    virtual void MenuSetTextByPosition(int position, const std::string& text) = 0;
    virtual void MenuEnableByCommand(int command, bool enable) = 0;
    virtual void MenuEnableByPosition(int position, bool enable) = 0;
    [[nodiscard]] virtual std::string MenuGetTextByCommand(int command) = 0;
    [[nodiscard]] virtual std::string MenuGetTextByPosition(int position) = 0;
    [[nodiscard]] virtual bool MenuIsEnabledByCommand(int command) = 0;
    [[nodiscard]] virtual bool MenuIsEnabledByPosition(int position) = 0;
    virtual void DrawMenuBar() = 0;
    // Appends a separator and an item with this command id to the system menu.
    virtual void SystemMenuAppend(int command, const std::string& text) = 0;

    // --- window ------------------------------------------------------------------
    virtual void SetTitle(const std::string& title) = 0;
    [[nodiscard]] virtual std::string GetTitle() = 0;
    // SW_SHOWNORMAL, SW_MINIMIZE, SW_HIDE, ...
    virtual void ShowWindow(int showCommand) = 0;
    // SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_HIDE.
    [[nodiscard]] virtual int GetShowState() = 0;
    // Large and small window icon from an icon resource of the program.
    virtual void SetIcon(int iconResourceId) = 0;
    // The default beep of a refused action (MessageBeep(MB_OK)).
    virtual void Beep() = 0;
    // A message box owned by the dialog; IDOK, IDYES, IDNO, ...
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
    // OnTimer(id) every `intervalMs` on the UI thread until KillTimer.
    virtual bool SetTimer(int id, unsigned intervalMs) = 0;
    virtual void KillTimer(int id) = 0;
    // Whether the key is held down right now (VK_MENU, VK_F4, ...).
    [[nodiscard]] virtual bool IsKeyDown(int virtualKey) = 0;
};

// Makes the host for a dialog about to run. `owner` is the host of the owner
// window (null for a top-level dialog).
using DialogHostFactory = std::function<std::unique_ptr<DialogHost>(CDialog& dialog, DialogHost* owner)>;

// The front end (or a test) installs the factory once; returns the one it replaces.
DialogHostFactory SetDialogHostFactory(DialogHostFactory factory);
// Null when no factory is installed.
std::unique_ptr<DialogHost> CreateDialogHost(CDialog& dialog, DialogHost* owner);

}  // namespace bb::framework
