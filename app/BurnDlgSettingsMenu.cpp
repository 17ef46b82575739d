// The Settings menu of the main window: the four settings dialogs and Save
// Settings. Each dialog edits the holder the window keeps for it; the file
// is written after a dialog only when it was closed with OK.
#include "app/BurnDlg.h"

#include "app/AudioDlg.h"
#include "app/FsFlagsDlg.h"
#include "app/LanguageDlg.h"
#include "app/OtherSettingsDlg.h"
#include "platform/Paths.h"
#include "res/resource.h"
#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"
#include "settings/StartupChoices.h"

namespace bb::app {

namespace {

// The holder's "changed" flag, set by the dialog's OK: true once, cleared here.
template <typename Flag>
bool TakeChanged(Flag& changed) {
    const bool was = changed != 0;
    changed = 0;
    return was;
}

}  // namespace

void CBurnDlg::MapSettingsCommands() {
    MapCommand(ID_SETTINGS_FSFLAGS, [this] { OnFsFlags(); });
    MapCommand(ID_SETTINGS_SAVE, [this] { SaveSettings(); });
    MapCommand(ID_SETTINGS_OTHER, [this] { OnOtherSettings(); });
    MapCommand(ID_SETTINGS_LANGUAGE, [this] { OnLanguage(); });
    MapCommand(ID_SETTINGS_AUDIO, [this] { OnAudio(); });
}

void CBurnDlg::OnFsFlags() {
    CFsFlagsDlg dialog(*m_pFsFlagsDlg, this);
    dialog.DoModal();
    if (TakeChanged(m_pFsFlagsDlg->m_bChanged))
        SaveSettings();
}

void CBurnDlg::OnOtherSettings() {
    COtherSettingsDlg dialog(*m_pOtherDlg, this);
    dialog.DoModal();
    // The volume label's limit (16 or 32 characters) may have changed.
    UpdateLabelLength();
    if (TakeChanged(m_pOtherDlg->m_bChanged))
        SaveSettings();
    m_bVerify = settings::VerifyBoxFromBurnFlags(m_pOtherDlg->GetBurnFlags()) ? 1 : 0;
    UpdateData(FALSE);
    CheckSourceSize();
}

void CBurnDlg::OnLanguage() {
    CLanguageDlg dialog(*m_pLanguage, this);
    dialog.SetFolder(m_strProgramDir);
    dialog.SetFile(m_strLanguageFile);
    dialog.DoModal();
    m_strLanguageFile = dialog.GetFile();
    m_pLanguage->SetFile(platform::JoinPath(m_strProgramDir.str(), m_strLanguageFile.str()));
    ApplyLanguageTexts();
    if (TakeChanged(dialog.m_bChanged))
        SaveSettings();
}

void CBurnDlg::OnAudio() {
    CAudioDlg dialog(*m_pAudioDlg, this);
    dialog.DoModal();
    if (TakeChanged(m_pAudioDlg->m_bChanged))
        SaveSettings();
}

}  // namespace bb::app
