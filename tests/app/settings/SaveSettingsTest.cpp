// Save Settings writes Brenvik.ini from the window and the holders; a second
// start of the window shows every value the first one saved. Nothing else
// writes the file.
#include <string>

#include "SettingsWindowFixture.h"
#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/OtherSettings.h"

namespace bb::app::test {
namespace {

class SaveSettingsTest : public SettingsWindowTest {};

TEST_F(SaveSettingsTest, ASecondStartShowsEveryValueTheFirstSaved) {
    CopyLanguage("deutsch.lng");
    WriteDrives("[BB Writer One]\ndisc = blank\nmedium = DVD-R\n[BB Writer Two]\ndisc = blank\nmedium = DVD-R\n");
    const std::string root = m_box.MakeFolder("my 100% root");
    auto& first = Start("Language: deutsch.lng\n");
    ASSERT_TRUE(first.Click(IDC_MEDIA_CD));
    const auto recorders = first.ComboItems(IDC_RECORDER_LIST);
    ASSERT_EQ(recorders.size(), 3u);
    ASSERT_EQ(recorders[2].first, "BB Writer Two");
    ASSERT_TRUE(first.SelectCombo(IDC_RECORDER_LIST, 2));
    ASSERT_TRUE(first.SelectCombo(IDC_SPEED_LIST, 0));
    ASSERT_TRUE(first.Click(IDC_REALLOCATE));  // off: FSFlags loses 0x40
    ASSERT_TRUE(first.Type(IDC_SOURCE_DIR, root, /*leave=*/true));
    m_dlg->m_pFsFlagsDlg->SetFlags(0x03);
    m_dlg->m_pOtherDlg->SetBurnFlags(0x80004642);
    m_dlg->m_pOtherDlg->SetMoreFlags(0x7);
    m_dlg->m_pOtherDlg->SetLimitCd(1);
    m_dlg->m_pOtherDlg->SetLimitDvd(2);
    m_dlg->m_pOtherDlg->SetLimitCdRed(3);
    m_dlg->m_pOtherDlg->SetLimitDvdRed(-4);
    m_dlg->m_pAudioDlg->SetSuccessWave("/s/%d ok.wav");
    m_dlg->m_pAudioDlg->SetErrorWave("/s/bad.WAV");
    m_dlg->m_pAudioDlg->SetAudioEnabled(1);
    ASSERT_TRUE(first.ChooseMenu(ID_SETTINGS_SAVE));
    EXPECT_EQ(first.GetItemText(IDC_STATUS), TextOf("deutsch.lng", res::kTxtSettingsSaved));
    EXPECT_EQ(Ini().at("Device"), "BB Writer Two");
    EXPECT_EQ(Ini().at("FSFlags"), "3");
    first.Close();

    auto& h = Start();
    EXPECT_EQ(h.GetRadioIndex(IDC_MEDIA_DVD), 1) << "CD";
    EXPECT_EQ(h.ComboGetCurSel(IDC_RECORDER_LIST), 2);
    EXPECT_EQ(h.ComboGetCurSel(IDC_SPEED_LIST), 0);
    EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), 0);
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), 1) << "BurnFlags 0x400";
    EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), root);
    EXPECT_EQ(h.GetItemText(IDC_BURN_GROUP), TextOf("deutsch.lng", res::kTxtBurnGroup)) << "German texts";
    EXPECT_EQ(m_dlg->m_pFsFlagsDlg->GetFlags(), 0x03);
    auto& other = *m_dlg->m_pOtherDlg;
    EXPECT_EQ(other.GetBurnFlags(), 0x80004642u);
    EXPECT_EQ(other.GetMoreFlags(), 0x7u);
    EXPECT_EQ(other.m_bLabel16, 1) << "the label option: 16 characters at most";
    EXPECT_EQ(std::vector<int>({other.GetLimitCd(), other.GetLimitDvd(), other.GetLimitCdRed(), other.GetLimitDvdRed()}),
              std::vector<int>({1, 2, 3, -4}));
    EXPECT_EQ(m_dlg->m_pAudioDlg->GetSuccessWave() + "|" + m_dlg->m_pAudioDlg->GetErrorWave(), "/s/%d ok.wav|/s/bad.WAV");
    EXPECT_EQ(m_dlg->m_pAudioDlg->IsAudioEnabled(), 1);

    // Leaving writes nothing.
    fs::remove(m_dir / "Brenvik.ini");
    ASSERT_TRUE(h.Click(IDC_QUIT));
    EXPECT_FALSE(IniWritten());
}

TEST_F(SaveSettingsTest, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    auto& h = Start();
    // A folder where the file should be: it can be neither written nor replaced.
    m_box.MakeFolder("Brenvik.ini");
    ASSERT_TRUE(h.ChooseMenu(ID_SETTINGS_SAVE));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtSettingsNotSaved));
    EXPECT_TRUE(fs::is_directory(m_dir / "Brenvik.ini"));
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetBurnFlags(), 0x8040u) << "the settings in memory stay";
}

}  // namespace
}  // namespace bb::app::test
