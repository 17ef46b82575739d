#include "app/OtherSettingsDlg.h"

#include "app/SettingsDialogTexts.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/OtherSettings.h"

namespace bb::app {

namespace {
constexpr int kLimitEdits[] = {IDC_OS_LIMIT_CD, IDC_OS_LIMIT_DVD, IDC_OS_LIMIT_CD_RED, IDC_OS_LIMIT_DVD_RED};
}  // namespace

COtherSettingsDlg::COtherSettingsDlg(settings::COtherSettings& values, framework::CDialog* parent)
    : framework::CDialog(IDD_OTHER_SETTINGS, parent), m_values(values) {
    MapCommand(IDC_OS_RESET, [this] {
        m_values.ResetLimits();
        UpdateData(FALSE);
    });
    // Leaving a limit edit takes every control's value; a field that holds
    // no integer brings up the framework's request for one.
    for (int id : kLimitEdits)
        MapNotify(id, EN_KILLFOCUS, [this] { (void)UpdateData(TRUE); });
}

void COtherSettingsDlg::DoDataExchange(framework::CDataExchange* pDX) {
    framework::CDialog::DoDataExchange(pDX);
    framework::DDX_Check(pDX, IDC_OS_BURN_PROOF, m_values.m_bBurnProof);
    framework::DDX_Check(pDX, IDC_OS_NO_EJECT, m_values.m_bNoEject);
    framework::DDX_Check(pDX, IDC_OS_SIMULATE, m_values.m_bSimulate);
    framework::DDX_Check(pDX, IDC_OS_VERIFY, m_values.m_bVerify);
    framework::DDX_Check(pDX, IDC_OS_NO_OVERWRITE_ASK, m_values.m_bNoOverwriteQuestion);
    framework::DDX_Check(pDX, IDC_OS_DVDROM_BOOKTYPE, m_values.m_bDvdRomBooktype);
    framework::DDX_Check(pDX, IDC_OS_FORCE_SHUTDOWN, m_values.m_bForceShutdown);
    framework::DDX_Check(pDX, IDC_OS_LABEL16, m_values.m_bLabel16);
    framework::DDX_Check(pDX, IDC_OS_IGNORE_SIZE, m_values.m_bIgnoreSourceSize);
    framework::DDX_Text(pDX, IDC_OS_LIMIT_CD, m_values.m_nLimitCd);
    framework::DDX_Text(pDX, IDC_OS_LIMIT_DVD, m_values.m_nLimitDvd);
    framework::DDX_Text(pDX, IDC_OS_LIMIT_CD_RED, m_values.m_nLimitCdRed);
    framework::DDX_Text(pDX, IDC_OS_LIMIT_DVD_RED, m_values.m_nLimitDvdRed);
}

BOOL COtherSettingsDlg::OnInitDialog() {
    framework::CDialog::OnInitDialog();
    m_buttons.Attach(*this, {IDOK, IDCANCEL, IDC_OS_RESET});
    app::ApplyDialogTexts(*this, m_values.Texts(), res::kTxtOtherSettingsTitle,
                          {{IDC_OS_BURN_PROOF, res::kTxtBurnProofBox},
                           {IDC_OS_SIMULATE, res::kTxtSimulateBox},
                           {IDC_OS_NO_EJECT, res::kTxtNoEjectBox},
                           {IDC_OS_VERIFY, res::kTxtVerifyBox},
                           {IDC_OS_NO_OVERWRITE_ASK, res::kTxtNoOverwriteQuestionBox},
                           {IDC_OS_DVDROM_BOOKTYPE, res::kTxtDvdRomBooktypeBox},
                           {IDCANCEL, res::kTxtCancelButton},
                           {IDC_OS_MORE_GROUP, res::kTxtMoreSettingsGroup},
                           {IDC_OS_FORCE_SHUTDOWN, res::kTxtForceShutdownBox},
                           {IDC_OS_LABEL16, res::kTxtLabel16Box},
                           {IDC_OS_IGNORE_SIZE, res::kTxtIgnoreSourceSizeBox},
                           {IDC_OS_LIMITS_GROUP, res::kTxtLimitsGroup},
                           {IDC_OS_RESET, res::kTxtResetButton},
                           {IDC_OS_YELLOW_GROUP, res::kTxtYellowLimitGroup},
                           {IDC_OS_RED_GROUP, res::kTxtRedLimitGroup}});
    return TRUE;
}

void COtherSettingsDlg::OnOK() {
    // A limit that is not an integer keeps the window open, and the settings
    // are not marked for saving: a following Cancel writes no file.
    if (!UpdateData(TRUE))
        return;
    m_values.m_bChanged = true;
    EndDialog(IDOK);
}

}  // namespace bb::app
