// Save Settings writes Brenvik.ini from the window and the holders; a second
// start of the window shows every value the first one saved.
#include <string>

#include "SettingsWindowFixture.h"
#include "res/TextIds.h"
#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/OtherSettings.h"

namespace bb::app::test {
namespace {

class SaveSettingsTest : public SettingsWindowTest {};

TEST_F(SaveSettingsTest, ASecondStartShowsEveryValueTheFirstSaved) {
    CopyLanguages();
    WriteTwoRecorders();
    WriteFile("Brenvik.ini", "Language: deutsch.lng\n");
    const std::string root = (m_dir / "my 100% root").string();
    fs::create_directories(root);
    {
        auto& h = Start();
        ASSERT_TRUE(h.Click(IDC_MEDIA_CD));
        const auto recorders = h.ComboItems(IDC_RECORDER_LIST);
        int two = -1;
        for (size_t i = 0; i < recorders.size(); ++i)
            if (recorders[i].first.find("Two") != std::string::npos) two = int(i);
        ASSERT_GE(two, 0) << "no simulated recorder in the list";
        ASSERT_TRUE(h.SelectCombo(IDC_RECORDER_LIST, two));
        ASSERT_GE(h.ComboGetCount(IDC_SPEED_LIST), 1);
        ASSERT_TRUE(h.SelectCombo(IDC_SPEED_LIST, 0));
        ASSERT_TRUE(h.Click(IDC_REALLOCATE));  // off: FSFlags loses 0x40
        ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, root, /*leave=*/true));
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

        ASSERT_TRUE(h.ChooseMenu(ID_SETTINGS_SAVE));
        EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf("deutsch.lng", res::kTxtSettingsSaved));
        const auto ini = Ini();
        EXPECT_EQ(ini.at("Device"), recorders[size_t(two)].first);
        EXPECT_EQ(ini.at("MediaType"), "1");
        EXPECT_EQ(ini.at("FSFlags"), "3");
        EXPECT_EQ(ini.at("BurnFlags"), "80004642");
        EXPECT_EQ(ini.at("MoreFlags"), "7");
        EXPECT_EQ(ini.at("Speed"), "0");
        EXPECT_EQ(ini.at("Language"), "deutsch.lng");
        EXPECT_EQ(ini.at("SuccessWave"), "/s/%d ok.wav");
        EXPECT_EQ(ini.at("EnableAudio"), "1");
        EXPECT_EQ(ini.at("LimitDVDRed"), "-4");
        EXPECT_EQ(ini.at("DefaultSourceDir"), root);
        h.Close();
    }
    m_dlg.reset();

    auto& h = Start();
    EXPECT_EQ(h.GetRadioIndex(IDC_MEDIA_DVD), 1) << "CD";
    const int recorder = h.ComboGetCurSel(IDC_RECORDER_LIST);
    ASSERT_GE(recorder, 0);
    EXPECT_NE(h.ComboGetText(IDC_RECORDER_LIST, recorder).find("Two"), std::string::npos);
    EXPECT_EQ(h.ComboGetCurSel(IDC_SPEED_LIST), 0);
    EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), 0);
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), 1) << "BurnFlags 0x400";
    EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), root);
    EXPECT_EQ(h.GetItemText(IDC_BURN_GROUP), TextOf("deutsch.lng", res::kTxtBurnGroup)) << "German texts";
    EXPECT_EQ(m_dlg->m_pFsFlagsDlg->GetFlags(), 0x03);
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetBurnFlags(), 0x80004642u);
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetMoreFlags(), 0x7u);
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetLimitCd(), 1);
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetLimitDvd(), 2);
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetLimitCdRed(), 3);
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetLimitDvdRed(), -4);
    EXPECT_EQ(m_dlg->m_pAudioDlg->GetSuccessWave(), "/s/%d ok.wav");
    EXPECT_EQ(m_dlg->m_pAudioDlg->GetErrorWave(), "/s/bad.WAV");
    EXPECT_EQ(m_dlg->m_pAudioDlg->IsAudioEnabled(), 1);
    // The label option: 16 characters at most.
    EXPECT_EQ(m_dlg->m_pOtherDlg->m_bLabel16, 1);
}

TEST_F(SaveSettingsTest, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    CopyEnglish();
    auto& h = Start();
    // A folder where the file should be: it can be neither written nor replaced.
    fs::create_directories(IniPath());
    ASSERT_TRUE(h.ChooseMenu(ID_SETTINGS_SAVE));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf("english.lng", res::kTxtSettingsNotSaved));
    EXPECT_TRUE(fs::is_directory(IniPath()));
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetBurnFlags(), 0x8040u) << "the settings in memory stay";
}

TEST_F(SaveSettingsTest, NothingWritesTheFileAtExit) {
    CopyEnglish();
    auto& h = Start();
    ASSERT_TRUE(h.Click(IDC_QUIT));
    EXPECT_FALSE(IniWritten());
}

}  // namespace
}  // namespace bb::app::test
