#include "framework/DataExchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "framework/CDialog.h"
#include "framework/CWinApp.h"

namespace bb::framework {

void CDataExchange::Fail(int controlId) {
    m_failedId = controlId;
    m_pDlgWnd->GotoDlgCtrl(controlId);
}

bool ParseDialogInt(const char* text, int& value) {
    const char* p = text ? text : "";
    while (*p == ' ' || *p == '\t') ++p;
    const char* digits = p + ((*p == '+' || *p == '-') ? 1 : 0);
    if (*digits < '0' || *digits > '9') return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(p, &end, 10);
    if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return false;
    value = int(parsed);
    return true;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    if (pDX->Failed()) return;
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->GetDlgItemText(id);
    } else {
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
    }
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    if (pDX->Failed()) return;
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemText(id, std::to_string(value).c_str());
        return;
    }
    int parsed = 0;
    if (ParseDialogInt(pDX->m_pDlgWnd->GetDlgItemText(id), parsed)) {
        value = parsed;
        return;
    }
    const CWinApp* app = AfxGetApp();
    pDX->m_pDlgWnd->MessageBox("Please enter an integer.", app ? app->m_strAppName.c_str() : "",
                               MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail(id);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    if (pDX->Failed()) return;
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->IsDlgButtonChecked(id);
    } else {
        pDX->m_pDlgWnd->CheckDlgButton(id, value);
    }
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
    if (pDX->Failed()) return;
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->GetRadioIndex(firstId);
    } else {
        pDX->m_pDlgWnd->SetRadioIndex(firstId, value);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& value) {
    if (pDX->Failed()) return;
    CComboBox combo = pDX->m_pDlgWnd->GetCombo(id);
    if (pDX->m_bSaveAndValidate) {
        value = combo.GetCurSel();
    } else {
        combo.SetCurSel(value);
    }
}

void DDX_Control(CDataExchange* pDX, int id, CDlgItem& item) {
    item.Bind(pDX->m_pDlgWnd, id);
}

}  // namespace bb::framework
