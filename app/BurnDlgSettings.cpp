// The main window's side of the settings file: its own fields and the three
// holders travel to and from Brenvik.ini together.
#include "app/BurnDlg.h"

#include <ctime>

#include "res/TextIds.h"

#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/OtherSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransfer.h"

namespace bb::app {

framework::CString CBurnDlg::SettingsFilePath() const {
    return framework::CString(settings::SettingsFilePath(m_strProgramDir.str()));
}

int CBurnDlg::LoadSettings() {
    settings::MainWindowSettings window{m_strDevice.str(), m_nMediaType, m_bReallocate, m_nSpeed,
                              m_strLanguageFile.str(), m_strSourceDir.str()};
    const settings::SettingsHolders holders{window, *m_pFsFlagsDlg, *m_pOtherDlg, *m_pAudioDlg};
    // Starting from what the holders hold keeps every key the file lacks.
    settings::BurnSettings settings = settings::CollectSettings(holders);
    if (settings::LoadSettings(SettingsFilePath().str(), settings) < 0)
        return -1;
    settings::DistributeSettings(settings, holders);
    m_strDevice = window.device;
    m_nMediaType = window.mediaType;
    m_bReallocate = window.reallocate;
    m_nSpeed = window.speed;
    m_strLanguageFile = window.languageFile;
    m_strSourceDir = window.sourceDir;
    UpdateData(FALSE);
    return 0;
}

void CBurnDlg::SaveSettings() {
    UpdateData(TRUE);
    const int selected = m_cbRecorders.GetCurSel();
    settings::MainWindowSettings window{selected >= 0 ? m_cbRecorders.GetLBText(selected).str() : std::string(),
                              m_nMediaType, m_bReallocate, m_nSpeed, m_strLanguageFile.str(),
                              m_strSourceDir.str()};
    const settings::SettingsHolders holders{window, *m_pFsFlagsDlg, *m_pOtherDlg, *m_pAudioDlg};
    // The new file replaces the old one only once it is complete.
    const bool saved = settings::SaveSettings(SettingsFilePath().str(), settings::CollectSettings(holders), *m_pLanguage,
                                      std::time(nullptr));
    m_strStatus = Text(saved ? res::kTxtSettingsSaved : res::kTxtSettingsNotSaved);
    UpdateData(FALSE);
}

}  // namespace bb::app
