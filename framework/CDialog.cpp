#include "framework/CDialog.h"

#include "framework/CWinApp.h"
#include "framework/MessageBoxType.h"

// --- controls by id ---------------------------------------------------------

namespace bb::framework {

framework::DialogHost* CDlgItem::Host() const {
    return m_pDialog ? m_pDialog->Host() : nullptr;
}

void CDlgItem::SetWindowText(const char* text) {
    if (m_pDialog) m_pDialog->SetDlgItemText(m_nID, text);
}

CString CDlgItem::GetWindowText() const {
    return m_pDialog ? m_pDialog->GetDlgItemText(m_nID) : CString();
}

void CDlgItem::EnableWindow(BOOL enable) {
    if (m_pDialog) m_pDialog->EnableWindow(m_nID, enable);
}

BOOL CDlgItem::IsWindowEnabled() const {
    return m_pDialog ? m_pDialog->IsWindowEnabled(m_nID) : FALSE;
}

void* CDlgItem::NativeHandle() const {
    framework::DialogHost* host = Host();
    return host ? host->ItemNativeHandle(m_nID) : nullptr;
}

void CComboBox::ResetContent() {
    if (auto* h = Host()) h->ComboResetContent(m_nID);
}

int CComboBox::AddString(const char* text) {
    auto* h = Host();
    return h ? h->ComboAddString(m_nID, text ? text : "") : CB_ERR;
}

int CComboBox::SetItemData(int index, uintptr_t data) {
    auto* h = Host();
    return h && h->ComboSetItemData(m_nID, index, data) ? 0 : CB_ERR;
}

uintptr_t CComboBox::GetItemData(int index) const {
    auto* h = Host();
    return h ? h->ComboGetItemData(m_nID, index) : 0;
}

int CComboBox::SetCurSel(int index) {
    auto* h = Host();
    return h ? h->ComboSetCurSel(m_nID, index) : CB_ERR;
}

int CComboBox::GetCurSel() const {
    auto* h = Host();
    return h ? h->ComboGetCurSel(m_nID) : CB_ERR;
}

int CComboBox::GetCount() const {
    auto* h = Host();
    return h ? h->ComboGetCount(m_nID) : 0;
}

CString CComboBox::GetLBText(int index) const {
    auto* h = Host();
    return h ? CString(h->ComboGetText(m_nID, index)) : CString();
}

int CComboBox::SelectString(int startAfter, const char* prefix) {
    auto* h = Host();
    return h ? h->ComboSelectString(m_nID, startAfter, prefix ? prefix : "") : CB_ERR;
}

void CProgressCtrl::SetRange32(int low, int high) {
    if (auto* h = Host()) h->ProgressSetRange(m_nID, low, high);
}

void CProgressCtrl::SetPos(int pos) {
    if (auto* h = Host()) h->ProgressSetPos(m_nID, pos);
}

int CProgressCtrl::GetPos() const {
    auto* h = Host();
    return h ? h->ProgressGetPos(m_nID) : 0;
}

void CEdit::AppendLine(const char* line) {
    if (auto* h = Host()) h->EditAppendLine(m_nID, line ? line : "");
}

void CEdit::SetLimitText(unsigned limit) {
    if (auto* h = Host()) h->EditSetLimitText(m_nID, limit);
}

int CEdit::GetLineCount() const {
    auto* h = Host();
    return h ? h->EditGetLineCount(m_nID) : 1;
}

void CEdit::LineScroll(int lines) {
    if (auto* h = Host()) h->EditLineScroll(m_nID, lines);
}

int CEdit::GetFirstVisibleLine() const {
    auto* h = Host();
    return h ? h->EditGetFirstVisibleLine(m_nID) : 0;
}

// --- the dialog -----------------------------------------------------------------

CDialog::CDialog(int templateId, CDialog* parent) : m_pParentWnd(parent), m_nTemplateId(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    framework::DialogHost* owner = nullptr;
    if (m_pParentWnd) {
        owner = m_pParentWnd->Host();
    } else if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd && app->m_pMainWnd != this) {
        owner = app->m_pMainWnd->Host();
    }
    m_host = framework::CreateDialogHost(*this, owner);
    if (!m_host) return -1;
    return m_host->RunModal(*this);
}

void CDialog::AttachHost(std::unique_ptr<framework::DialogHost> host) {
    m_host = std::move(host);
}

BOOL CDialog::IsOpen() const {
    return m_host && m_host->IsOpen();
}

void CDialog::EndDialog(int result) {
    if (m_host) m_host->EndDialog(result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    // Without a window there are no controls to exchange with; pulling from
    // a closed one would blank the members that hold the settings.
    if (!IsOpen()) return FALSE;
    CDataExchange dx(this, saveAndValidate != FALSE);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

CString CDialog::GetDlgItemText(int id) const {
    return m_host ? CString(m_host->GetItemText(id)) : CString();
}

void CDialog::SetDlgItemText(int id, const char* text) {
    if (m_host) m_host->SetItemText(id, text ? text : "");
}

void CDialog::EnableWindow(int id, BOOL enable) {
    if (m_host) m_host->EnableItem(id, enable != FALSE);
}

BOOL CDialog::IsWindowEnabled(int id) const {
    return m_host && m_host->IsItemEnabled(id) ? TRUE : FALSE;
}

void CDialog::GotoDlgCtrl(int id) {
    if (m_host) m_host->SetFocusItem(id);
}

void CDialog::CheckDlgButton(int id, int state) {
    if (m_host) m_host->SetCheck(id, state);
}

int CDialog::IsDlgButtonChecked(int id) const {
    return m_host ? m_host->GetCheck(id) : BST_UNCHECKED;
}

int CDialog::GetRadioIndex(int firstId) const {
    return m_host ? m_host->GetRadioIndex(firstId) : -1;
}

void CDialog::SetRadioIndex(int firstId, int index) {
    if (m_host) m_host->SetRadioIndex(firstId, index);
}

void CDialog::SetMenuItemText(int command, const char* text) {
    if (m_host) m_host->MenuSetTextByCommand(command, text ? text : "");
}

void CDialog::SetMenuPopupText(int position, const char* text) {
    if (m_host) m_host->MenuSetTextByPosition(position, text ? text : "");
}

void CDialog::EnableMenuItem(int command, BOOL enable) {
    if (m_host) m_host->MenuEnableByCommand(command, enable != FALSE);
}

void CDialog::EnableMenuPopup(int position, BOOL enable) {
    if (m_host) m_host->MenuEnableByPosition(position, enable != FALSE);
}

void CDialog::DrawMenuBar() {
    if (m_host) m_host->DrawMenuBar();
}

void CDialog::AppendSystemMenuItem(int command, const char* text) {
    if (m_host) m_host->SystemMenuAppend(command, text ? text : "");
}

void CDialog::SetWindowText(const char* title) {
    if (m_host) m_host->SetTitle(title ? title : "");
}

CString CDialog::GetWindowText() const {
    return m_host ? CString(m_host->GetTitle()) : CString();
}

void CDialog::ShowWindow(int showCommand) {
    if (m_host) m_host->ShowWindow(showCommand);
}

BOOL CDialog::IsIconic() const {
    return m_host && m_host->GetShowState() == SW_SHOWMINIMIZED ? TRUE : FALSE;
}

void CDialog::SetIcon(int iconResourceId) {
    if (m_host) m_host->SetIcon(iconResourceId);
}

int CDialog::MessageBox(const char* text, const char* caption, unsigned type) {
    if (!m_host) return framework::DefaultMessageBoxButton(type);
    return m_host->ShowMessageBox(text ? text : "", caption ? caption : "", type);
}

BOOL CDialog::SetTimer(int id, unsigned intervalMs) {
    return m_host && m_host->SetTimer(id, intervalMs) ? TRUE : FALSE;
}

void CDialog::KillTimer(int id) {
    if (m_host) m_host->KillTimer(id);
}

BOOL CDialog::IsKeyDown(int virtualKey) const {
    return m_host && m_host->IsKeyDown(virtualKey) ? TRUE : FALSE;
}

BOOL CDialog::HasPendingMessage() {
    return m_host && m_host->HasPendingMessage() ? TRUE : FALSE;
}

BOOL CDialog::PumpMessage() {
    return !m_host || m_host->PumpMessage() ? TRUE : FALSE;
}

void CDialog::PostToUi(std::function<void()> work) {
    if (m_host) m_host->Post(std::move(work));
}

// --- handlers -------------------------------------------------------------------

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(int id, int notifyCode) {
    if (auto it = m_handlers.find({id, notifyCode}); it != m_handlers.end()) {
        it->second();
        return TRUE;
    }
    if (notifyCode == BN_CLICKED) {
        for (const Range& range : m_ranges) {
            if (id >= range.first && id <= range.last) {
                range.handler(id);
                return TRUE;
            }
        }
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(const DialogMessage&) {
    return FALSE;
}

void CDialog::OnTimer(int) {}

void CDialog::OnDropFiles(const std::vector<CString>&) {}

BOOL CDialog::OnSysCommand(int) {
    return FALSE;
}

void CDialog::OnClose() {
    // A dialog that has greyed its Cancel button (a job that must not be
    // left running) cannot be closed past it.
    if (m_host && m_host->HasItem(IDCANCEL) && !m_host->IsItemEnabled(IDCANCEL)) {
        m_host->Beep();
        return;
    }
    OnCommand(IDCANCEL, BN_CLICKED);
}

void CDialog::MapNotify(int id, int notifyCode, std::function<void()> handler) {
    m_handlers[{id, notifyCode}] = std::move(handler);
}

void CDialog::MapCommandRange(int firstId, int lastId, std::function<void(int id)> handler) {
    m_ranges.push_back({firstId, lastId, std::move(handler)});
}

}  // namespace bb::framework
