// The dialog base class of the program's windows. A dialog reaches its
// controls only by id through its DialogHost, so the same class runs on the
// Win32 host (a real dialog from a resource template) and on the headless
// host (tests and the console front end).
//
// Threads: the handlers (OnInitDialog, OnCommand, ...) run on the dialog's UI
// thread. The control operations may be called from worker threads too; see
// framework/DialogHost.h.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "framework/CString.h"
#include "framework/DataExchange.h"
#include "framework/DialogHost.h"
#include "framework/DialogMessage.h"
#include "framework/WinDefs.h"

// <windows.h> maps these names to its ANSI functions; the dialog's methods
// keep the plain names. (Include <windows.h> before framework headers.)
#undef MessageBox
#undef GetDlgItemText
#undef SetDlgItemText
#undef GetWindowText
#undef SetWindowText

namespace bb::framework {

class CDialog;

// A control of a dialog, by id. Bound by DDX_Control or made on the spot
// (GetCombo(id)); copies refer to the same control.
class CDlgItem {
public:
    CDlgItem() = default;
    CDlgItem(CDialog* dialog, int id) : m_pDialog(dialog), m_nID(id) {}
    void Bind(CDialog* dialog, int id) {
        m_pDialog = dialog;
        m_nID = id;
    }
    [[nodiscard]] int GetDlgCtrlID() const { return m_nID; }
    [[nodiscard]] CDialog* GetDialog() const { return m_pDialog; }
    void SetWindowText(const char* text);
    [[nodiscard]] CString GetWindowText() const;
    void EnableWindow(BOOL enable = TRUE);
    [[nodiscard]] BOOL IsWindowEnabled() const;
    // The control's window (HWND on Win32; null on headless hosts).
    [[nodiscard]] void* NativeHandle() const;

protected:
    [[nodiscard]] framework::DialogHost* Host() const;

    CDialog* m_pDialog = nullptr;
    int m_nID = 0;
};

class CComboBox : public CDlgItem {
public:
    using CDlgItem::CDlgItem;
    void ResetContent();
    int AddString(const char* text);
    int SetItemData(int index, uintptr_t data);  // CB_ERR when out of range
    [[nodiscard]] uintptr_t GetItemData(int index) const;
    int SetCurSel(int index);
    [[nodiscard]] int GetCurSel() const;
    [[nodiscard]] int GetCount() const;
    [[nodiscard]] CString GetLBText(int index) const;
    // Case-insensitive prefix search after `startAfter` (-1: all); selects it.
    int SelectString(int startAfter, const char* prefix);
};

class CProgressCtrl : public CDlgItem {
public:
    using CDlgItem::CDlgItem;
    void SetRange32(int low, int high);
    void SetPos(int pos);
    [[nodiscard]] int GetPos() const;
};

// A multi-line edit used as a log.
class CEdit : public CDlgItem {
public:
    using CDlgItem::CDlgItem;
    // Adds a line (CR LF before it unless the edit is empty), shows the end.
    void AppendLine(const char* line);
    // The most characters the edit holds; 0: as many as the system allows.
    void SetLimitText(unsigned limit);
    [[nodiscard]] int GetLineCount() const;
    void LineScroll(int lines);
    [[nodiscard]] int GetFirstVisibleLine() const;
};

void DDX_Control(CDataExchange* pDX, int id, CDlgItem& item);

class CDialog {
public:
    explicit CDialog(int templateId, CDialog* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    [[nodiscard]] int GetTemplateId() const { return m_nTemplateId; }

    // Creates the window on a new host and runs it until EndDialog; returns
    // the EndDialog result, or -1 when no host could be made.
    virtual int DoModal();
    // Any thread.
    void EndDialog(int result);
    // FALSE when a control's value did not validate (the dialog stays open),
    // and when the dialog has no open window (the members stay as they are).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // --- controls by id ----------------------------------------------------------
    [[nodiscard]] CString GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const char* text);
    void EnableWindow(int id, BOOL enable = TRUE);
    [[nodiscard]] BOOL IsWindowEnabled(int id) const;
    void GotoDlgCtrl(int id);
    void CheckDlgButton(int id, int state);
    [[nodiscard]] int IsDlgButtonChecked(int id) const;
    [[nodiscard]] int GetRadioIndex(int firstId) const;
    void SetRadioIndex(int firstId, int index);
    [[nodiscard]] CComboBox GetCombo(int id) { return CComboBox(this, id); }
    [[nodiscard]] CProgressCtrl GetProgress(int id) { return CProgressCtrl(this, id); }
    [[nodiscard]] CEdit GetEdit(int id) { return CEdit(this, id); }

    // --- menu bar --------------------------------------------------------------
    void SetMenuItemText(int command, const char* text);
    void SetMenuPopupText(int position, const char* text);
    void EnableMenuItem(int command, BOOL enable);
    void EnableMenuPopup(int position, BOOL enable);
    void DrawMenuBar();
    void AppendSystemMenuItem(int command, const char* text);

    // --- window ----------------------------------------------------------------
    void SetWindowText(const char* title);
    [[nodiscard]] CString GetWindowText() const;
    void ShowWindow(int showCommand);
    [[nodiscard]] BOOL IsIconic() const;
    void SetIcon(int iconResourceId);
    // A box owned by the dialog. Any thread. Without a window: the box's
    // default answer is shown nowhere and returned.
    int MessageBox(const char* text, const char* caption = nullptr, unsigned type = MB_OK);
    BOOL SetTimer(int id, unsigned intervalMs);
    void KillTimer(int id);
    [[nodiscard]] BOOL IsKeyDown(int virtualKey) const;

    // --- the calling thread's messages -------------------------------------------
    [[nodiscard]] BOOL HasPendingMessage();
    // One message; FALSE when the thread is to quit.
    [[nodiscard]] BOOL PumpMessage();
    // Runs `work` on the UI thread. Any thread; dropped when no window is open.
    void PostToUi(std::function<void()> work);

    // --- host side ---------------------------------------------------------------
    // Null before the first DoModal. The host stays after DoModal returns,
    // answering for a window that is gone.
    [[nodiscard]] framework::DialogHost* Host() const { return m_host.get(); }
    // Gives the dialog a host made by someone else (a test, a modeless use).
    void AttachHost(std::unique_ptr<framework::DialogHost> host);
    [[nodiscard]] BOOL IsOpen() const;
    // The host reports window events through these, on the UI thread.
    BOOL HostInitDialog() { return OnInitDialog(); }
    BOOL HostCommand(int id, int notifyCode) { return OnCommand(id, notifyCode); }
    BOOL HostPreTranslate(const DialogMessage& message) { return PreTranslateMessage(message); }
    void HostTimer(int id) { OnTimer(id); }
    void HostDropFiles(const std::vector<CString>& paths) { OnDropFiles(paths); }
    BOOL HostSysCommand(int id) { return OnSysCommand(id); }
    void HostClose() { OnClose(); }

    CDialog* m_pParentWnd;

protected:
    // Pushes the members into the controls (UpdateData(FALSE)); TRUE.
    virtual BOOL OnInitDialog();
    // Pulls and validates; closes with IDOK when that succeeded.
    virtual void OnOK();
    virtual void OnCancel();
    // Runs the handler registered for (id, notifyCode); IDOK and IDCANCEL
    // clicks go to OnOK and OnCancel. TRUE when handled.
    virtual BOOL OnCommand(int id, int notifyCode);
    virtual void DoDataExchange(CDataExchange* pDX);
    // TRUE swallows the message before the dialog sees it.
    virtual BOOL PreTranslateMessage(const DialogMessage& message);
    virtual void OnTimer(int id);
    virtual void OnDropFiles(const std::vector<CString>& paths);
    // System-menu commands of the program's own items. TRUE when handled.
    virtual BOOL OnSysCommand(int id);
    // The close box, Alt+F4 or the system menu's Close: a Cancel click, as
    // long as the dialog's Cancel button (IDCANCEL), if it has one, is
    // enabled; otherwise a beep and nothing else, as the dialog manager does.
    virtual void OnClose();

    // Handlers by control id and notification code (BN_CLICKED for buttons
    // and menu commands).
    void MapCommand(int id, std::function<void()> handler) { MapNotify(id, BN_CLICKED, std::move(handler)); }
    void MapNotify(int id, int notifyCode, std::function<void()> handler);
    void MapCommandRange(int firstId, int lastId, std::function<void(int id)> handler);

private:
    struct Range {
        int first;
        int last;
        std::function<void(int)> handler;
    };

    const int m_nTemplateId;
    std::unique_ptr<framework::DialogHost> m_host;
    std::map<std::pair<int, int>, std::function<void()>> m_handlers;
    std::vector<Range> m_ranges;
};

}  // namespace bb::framework
