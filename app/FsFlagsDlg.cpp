#include "app/FsFlagsDlg.h"

#include "app/SettingsDialogTexts.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/FsFlagsSettings.h"

namespace bb::app {

CFsFlagsDlg::CFsFlagsDlg(settings::CFsFlagsSettings& values, framework::CDialog* parent)
    : framework::CDialog(IDD_FSFLAGS, parent), m_values(values) {
    MapCommand(IDC_FS_PRESET_DVD, [this] {
        m_values.ApplyDvdPreset();
        UpdateData(FALSE);
    });
    MapCommand(IDC_FS_PRESET_CD, [this] {
        m_values.ApplyCdPreset();
        UpdateData(FALSE);
    });
}

void CFsFlagsDlg::DoDataExchange(framework::CDataExchange* pDX) {
    framework::CDialog::DoDataExchange(pDX);
    framework::DDX_Check(pDX, IDC_FS_UDF, m_values.m_bUdf);
    framework::DDX_Check(pDX, IDC_FS_JOLIET, m_values.m_bJoliet);
    framework::DDX_Check(pDX, IDC_FS_ISO9660, m_values.m_bIso9660);
    framework::DDX_Check(pDX, IDC_FS_MODE2, m_values.m_bMode2);
}

BOOL CFsFlagsDlg::OnInitDialog() {
    framework::CDialog::OnInitDialog();
    m_buttons.Attach(*this, {IDOK, IDCANCEL});
    app::ApplyDialogTexts(*this, m_values.Texts(), res::kTxtFsFlagsTitle,
                          {{IDC_FS_UDF, res::kTxtUdfBox},
                           {IDC_FS_JOLIET, res::kTxtJolietBox},
                           {IDC_FS_ISO9660, res::kTxtIso9660Box},
                           {IDC_FS_MODE2, res::kTxtMode2Box},
                           {IDCANCEL, res::kTxtCancelButton}});
    return TRUE;
}

void CFsFlagsDlg::OnOK() {
    m_values.m_bChanged = 1;
    framework::CDialog::OnOK();
}

}  // namespace bb::app
