#include "app/FsFlagsDlg.h"

#include "app/SettingsDialogTexts.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/FsFlagsSettings.h"

CFsFlagsDlg::CFsFlagsDlg(CFsFlagsSettings& values, CDialog* parent)
    : CDialog(IDD_FSFLAGS, parent), m_values(values) {
    MapCommand(IDC_FS_PRESET_DVD, [this] {
        m_values.ApplyDvdPreset();
        UpdateData(FALSE);
    });
    MapCommand(IDC_FS_PRESET_CD, [this] {
        m_values.ApplyCdPreset();
        UpdateData(FALSE);
    });
}

void CFsFlagsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_FS_UDF, m_values.m_bUdf);
    DDX_Check(pDX, IDC_FS_JOLIET, m_values.m_bJoliet);
    DDX_Check(pDX, IDC_FS_ISO9660, m_values.m_bIso9660);
    DDX_Check(pDX, IDC_FS_MODE2, m_values.m_bMode2);
}

BOOL CFsFlagsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_buttons.Attach(*this, {IDOK, IDCANCEL});
    app::ApplyDialogTexts(*this, m_values.Texts(), kTxtFsFlagsTitle,
                          {{IDC_FS_UDF, kTxtUdfBox},
                           {IDC_FS_JOLIET, kTxtJolietBox},
                           {IDC_FS_ISO9660, kTxtIso9660Box},
                           {IDC_FS_MODE2, kTxtMode2Box},
                           {IDCANCEL, kTxtCancelButton}});
    return TRUE;
}

void CFsFlagsDlg::OnOK() {
    m_values.m_bChanged = 1;
    CDialog::OnOK();
}
