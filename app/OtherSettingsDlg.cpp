#include "app/OtherSettingsDlg.h"

#include "app/SettingsDialogTexts.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/OtherSettings.h"

namespace {
constexpr int kLimitEdits[] = {IDC_OS_LIMIT_CD, IDC_OS_LIMIT_DVD, IDC_OS_LIMIT_CD_RED, IDC_OS_LIMIT_DVD_RED};
}  // namespace

COtherSettingsDlg::COtherSettingsDlg(COtherSettings& values, CDialog* parent)
    : CDialog(IDD_OTHER_SETTINGS, parent), m_values(values) {
    MapCommand(IDC_OS_RESET, [this] {
        m_values.ResetLimits();
        UpdateData(FALSE);
    });
    // Leaving a limit edit takes every control's value; a field that holds
    // no integer brings up the framework's request for one.
    for (int id : kLimitEdits)
        MapNotify(id, EN_KILLFOCUS, [this] { (void)UpdateData(TRUE); });
}

void COtherSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_OS_BURN_PROOF, m_values.m_bBurnProof);
    DDX_Check(pDX, IDC_OS_NO_EJECT, m_values.m_bNoEject);
    DDX_Check(pDX, IDC_OS_SIMULATE, m_values.m_bSimulate);
    DDX_Check(pDX, IDC_OS_VERIFY, m_values.m_bVerify);
    DDX_Check(pDX, IDC_OS_NO_OVERWRITE_ASK, m_values.m_bNoOverwriteQuestion);
    DDX_Check(pDX, IDC_OS_DVDROM_BOOKTYPE, m_values.m_bDvdRomBooktype);
    DDX_Check(pDX, IDC_OS_FORCE_SHUTDOWN, m_values.m_bForceShutdown);
    DDX_Check(pDX, IDC_OS_LABEL16, m_values.m_bLabel16);
    DDX_Check(pDX, IDC_OS_IGNORE_SIZE, m_values.m_bIgnoreSourceSize);
    DDX_Text(pDX, IDC_OS_LIMIT_CD, m_values.m_nLimitCd);
    DDX_Text(pDX, IDC_OS_LIMIT_DVD, m_values.m_nLimitDvd);
    DDX_Text(pDX, IDC_OS_LIMIT_CD_RED, m_values.m_nLimitCdRed);
    DDX_Text(pDX, IDC_OS_LIMIT_DVD_RED, m_values.m_nLimitDvdRed);
}

BOOL COtherSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_buttons.Attach(*this, {IDOK, IDCANCEL, IDC_OS_RESET});
    app::ApplyDialogTexts(*this, m_values.Texts(), kTxtOtherSettingsTitle,
                          {{IDC_OS_BURN_PROOF, kTxtBurnProofBox},
                           {IDC_OS_SIMULATE, kTxtSimulateBox},
                           {IDC_OS_NO_EJECT, kTxtNoEjectBox},
                           {IDC_OS_VERIFY, kTxtVerifyBox},
                           {IDC_OS_NO_OVERWRITE_ASK, kTxtNoOverwriteQuestionBox},
                           {IDC_OS_DVDROM_BOOKTYPE, kTxtDvdRomBooktypeBox},
                           {IDCANCEL, kTxtCancelButton},
                           {IDC_OS_MORE_GROUP, kTxtMoreSettingsGroup},
                           {IDC_OS_FORCE_SHUTDOWN, kTxtForceShutdownBox},
                           {IDC_OS_LABEL16, kTxtLabel16Box},
                           {IDC_OS_IGNORE_SIZE, kTxtIgnoreSourceSizeBox},
                           {IDC_OS_LIMITS_GROUP, kTxtLimitsGroup},
                           {IDC_OS_RESET, kTxtResetButton},
                           {IDC_OS_YELLOW_GROUP, kTxtYellowLimitGroup},
                           {IDC_OS_RED_GROUP, kTxtRedLimitGroup}});
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
