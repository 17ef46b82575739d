// Settings > Filesystem Flags and Settings > Audio as the user drives them,
// and the texts each settings dialog opens with.
#include <string>
#include <utility>
#include <vector>

#include "SettingsWindowFixture.h"
#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"

namespace uitest {
namespace {

class FsFlagsDialogTest : public SettingsWindowTest {};

TEST_F(FsFlagsDialogTest, PresetsBoxesOkAndCancel) {
    const struct {
        const char* name;
        int32_t before;
        std::vector<int> clicks;  // ending in IDOK or IDCANCEL
        int32_t after;
        const char* saved;  // FSFlags in the file (with the window's 0x40); null: no file
    } cases[] = {
        {"fresh OK", 0x18, {IDOK}, 0x18, "58"},
        {"DVD then Cancel keeps the preset", 0x1B, {IDC_FS_PRESET_DVD, IDCANCEL}, 0x18, nullptr},
        {"a box then Cancel", 0x18, {IDC_FS_JOLIET, IDCANCEL}, 0x18, nullptr},
        {"all four off then OK", 0x1B, {IDC_FS_UDF, IDC_FS_JOLIET, IDC_FS_ISO9660, IDC_FS_MODE2, IDOK}, 0, "40"},
        {"preset after a box", 0x18, {IDC_FS_JOLIET, IDC_FS_PRESET_CD, IDOK}, 0x1A, "5A"},
    };
    for (const auto& c : cases) {
        fs::remove(dir_ / "Brenvik.ini");
        auto& h = Start();
        dlg_->m_pFsFlagsDlg->SetFlags(c.before);
        std::vector<int> shown;
        RunFromMenu(h, ID_SETTINGS_FSFLAGS, IDD_FSFLAGS, [&](platform::HeadlessDialogHost& d) {
            for (int id : {IDC_FS_JOLIET, IDC_FS_MODE2, IDC_FS_ISO9660, IDC_FS_UDF}) shown.push_back(d.GetCheck(id));
            for (int id : c.clicks) ASSERT_TRUE(d.Click(id)) << id;
            EXPECT_TRUE(d.Ended());
        });
        EXPECT_EQ(shown, (std::vector<int>{c.before & 1, (c.before >> 1) & 1, (c.before >> 3) & 1, (c.before >> 4) & 1}))
            << "the boxes show the holder: " << c.name;
        EXPECT_EQ(dlg_->m_pFsFlagsDlg->GetFlags(), c.after) << c.name;
        EXPECT_EQ(dlg_->m_pFsFlagsDlg->m_bChanged, 0) << "cleared by the window: " << c.name;
        EXPECT_EQ(IniWritten(), c.saved != nullptr) << c.name;
        if (c.saved) {
            EXPECT_EQ(Ini().at("FSFlags"), c.saved) << c.name;
            EXPECT_EQ(h.GetItemText(IDC_STATUS), T(kTxtSettingsSaved)) << c.name;
        }
    }
}

class AudioDialogTest : public SettingsWindowTest {};

TEST_F(AudioDialogTest, TheSwitchEnablesTheEditsAndTheirButtons) {
    auto& h = Start();
    RunFromMenu(h, ID_SETTINGS_AUDIO, IDD_AUDIO, [&](platform::HeadlessDialogHost& d) {
        for (int enabled : {0, 1, 0}) {
            EXPECT_EQ(d.GetCheck(IDC_AUDIO_ENABLE), enabled);
            for (int id : {IDC_AUDIO_SUCCESS_PATH, IDC_AUDIO_ERROR_PATH, IDC_AUDIO_SUCCESS_WAV, IDC_AUDIO_ERROR_WAV,
                           IDC_AUDIO_SUCCESS_PLAY, IDC_AUDIO_ERROR_PLAY})
                EXPECT_EQ(d.IsItemEnabled(id), enabled == 1) << id << " audio " << enabled;
            for (int id : {IDC_AUDIO_ENABLE, IDC_AUDIO_SUCCESS_LABEL, IDC_AUDIO_ERROR_LABEL, IDOK, IDCANCEL})
                EXPECT_TRUE(d.IsItemEnabled(id)) << id;
            d.Click(IDC_AUDIO_ENABLE);
        }
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(dlg_->m_pAudioDlg->IsAudioEnabled(), 1) << "the switch was taken when clicked";
    EXPECT_FALSE(IniWritten());
}

TEST_F(AudioDialogTest, WavPicksOkSavesCancelKeepsAPick) {
    const struct {
        const char* name;
        const char* picked;  // null: the picker is cancelled
        int button;
        const char* success;  // afterwards
        const char* error;
    } cases[] = {
        {"pick then OK", "/snd/done.wav", IDOK, "/snd/done.wav", "/snd/err.wav"},
        {"pick then Cancel keeps the pick", "/snd/done.wav", IDCANCEL, "/snd/done.wav", ""},
        {"picker cancelled", nullptr, IDOK, "/old/ok.wav", "/snd/err.wav"},
    };
    for (const auto& c : cases) {
        fs::remove(dir_ / "Brenvik.ini");
        auto& h = Start();
        dlg_->m_pAudioDlg->SetSuccessWave("/old/ok.wav");
        dlg_->m_pAudioDlg->SetAudioEnabled(1);
        if (c.picked)
            pickers_.QueuePath(c.picked);
        else
            pickers_.QueueCancel();
        RunFromMenu(h, ID_SETTINGS_AUDIO, IDD_AUDIO, [&](platform::HeadlessDialogHost& d) {
            ASSERT_TRUE(d.Type(IDC_AUDIO_ERROR_PATH, "/typed/not/taken.wav"));
            ASSERT_TRUE(d.Click(IDC_AUDIO_SUCCESS_WAV));
            EXPECT_EQ(d.GetItemText(IDC_AUDIO_ERROR_PATH), "") << "members back into the edits";
            EXPECT_EQ(d.GetItemText(IDC_AUDIO_SUCCESS_PATH), c.picked ? c.picked : "/old/ok.wav");
            ASSERT_TRUE(d.Type(IDC_AUDIO_ERROR_PATH, "/snd/err.wav"));
            d.Click(c.button);
        });
        const auto request = pickers_.Requests().back();
        EXPECT_EQ(request.kind, platform::ScriptedFilePickers::Request::Kind::Open);
        EXPECT_EQ(request.initialName, "*.wav");
        constexpr char kFilter[] = "WAV Audio (*.wav)\0*.wav\0All Files (*.*)\0*.*\0";
        EXPECT_EQ(request.filter, std::string(kFilter, sizeof kFilter));
        EXPECT_EQ(dlg_->m_pAudioDlg->GetSuccessWave(), c.success) << c.name;
        EXPECT_EQ(dlg_->m_pAudioDlg->GetErrorWave(), c.error) << c.name;
        EXPECT_EQ(IniWritten(), c.button == IDOK) << c.name;
        if (c.button == IDOK) {
            const auto ini = Ini();
            EXPECT_EQ(ini.at("SuccessWave") + "|" + ini.at("ErrorWave") + "|" + ini.at("EnableAudio"),
                      std::string(c.success) + "|" + c.error + "|1")
                << c.name;
        }
    }
}

// Play tries the stored path (not the typed one) when it is longer than four
// characters, whatever its extension, and says nothing when it fails.
TEST_F(AudioDialogTest, PlayUsesTheStoredPathWhenLongerThanFourCharacters) {
    const struct {
        const char* stored;
        const char* typed;
        std::vector<std::string> played;
    } cases[] = {
        {"a.wa", "", {}},
        {"a.mp3", "", {"a.mp3"}},
        {"/s/ok.wav", "/typed.wav", {"/s/ok.wav"}},
        {"/does/not/exist.wav", "", {"/does/not/exist.wav"}},
    };
    auto& h = Start();
    dlg_->m_pAudioDlg->SetAudioEnabled(1);
    for (const auto& c : cases) {
        sound_.played.clear();
        dlg_->m_pAudioDlg->SetErrorWave(c.stored);
        RunFromMenu(h, ID_SETTINGS_AUDIO, IDD_AUDIO, [&](platform::HeadlessDialogHost& d) {
            if (*c.typed) d.Type(IDC_AUDIO_ERROR_PATH, c.typed);
            ASSERT_TRUE(d.Click(IDC_AUDIO_ERROR_PLAY));
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(sound_.played, c.played) << c.stored;
    }
    EXPECT_TRUE(ui_.Boxes().empty());
}

class DialogTextsTest : public SettingsWindowTest {};

// Each settings dialog opens with the texts of the current language file;
// controls without a language text keep the template's caption.
TEST_F(DialogTextsTest, EachDialogShowsTheLanguageFilesTexts) {
    const struct {
        int command, templateId, titleText;
        std::vector<std::pair<int, int>> texts;             // control, language text
        std::vector<std::pair<int, const char*>> captions;  // control, template caption
    } dialogs[] = {
        {ID_SETTINGS_FSFLAGS, IDD_FSFLAGS, kTxtFsFlagsTitle,
         {{IDC_FS_UDF, kTxtUdfBox}, {IDC_FS_JOLIET, kTxtJolietBox}, {IDC_FS_ISO9660, kTxtIso9660Box},
          {IDC_FS_MODE2, kTxtMode2Box}, {IDCANCEL, kTxtCancelButton}},
         {{IDC_FS_PRESET_DVD, "&DVD"}, {IDC_FS_PRESET_CD, "&cDVD"}, {IDOK, "&OK"}}},
        {ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, kTxtOtherSettingsTitle,
         {{IDC_OS_BURN_PROOF, kTxtBurnProofBox}, {IDC_OS_SIMULATE, kTxtSimulateBox},
          {IDC_OS_NO_EJECT, kTxtNoEjectBox}, {IDC_OS_VERIFY, kTxtVerifyBox},
          {IDC_OS_NO_OVERWRITE_ASK, kTxtNoOverwriteQuestionBox}, {IDC_OS_DVDROM_BOOKTYPE, kTxtDvdRomBooktypeBox},
          {IDCANCEL, kTxtCancelButton}, {IDC_OS_MORE_GROUP, kTxtMoreSettingsGroup},
          {IDC_OS_FORCE_SHUTDOWN, kTxtForceShutdownBox}, {IDC_OS_LABEL16, kTxtLabel16Box},
          {IDC_OS_IGNORE_SIZE, kTxtIgnoreSourceSizeBox}, {IDC_OS_LIMITS_GROUP, kTxtLimitsGroup},
          {IDC_OS_RESET, kTxtResetButton}, {IDC_OS_YELLOW_GROUP, kTxtYellowLimitGroup},
          {IDC_OS_RED_GROUP, kTxtRedLimitGroup}},
         {{IDOK, "OK"}}},
        {ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, kTxtLanguageTitle,
         {{IDC_LANG_GROUP, kTxtChooseLanguageGroup}, {IDCANCEL, kTxtCancelButton}},
         {{IDOK, "OK"}}},
        {ID_SETTINGS_AUDIO, IDD_AUDIO, kTxtAudioTitle,
         {{IDC_AUDIO_GROUP, kTxtAudio}, {IDC_AUDIO_ENABLE, kTxtEnableAudioBox},
          {IDC_AUDIO_SUCCESS_LABEL, kTxtSuccessWaveLabel}, {IDC_AUDIO_ERROR_LABEL, kTxtErrorWaveLabel},
          {IDC_AUDIO_SUCCESS_WAV, kTxtWavButton}, {IDC_AUDIO_ERROR_WAV, kTxtWavButton}, {IDCANCEL, kTxtCancelButton}},
         {{IDOK, "&OK"}, {IDC_AUDIO_SUCCESS_PLAY, "Play"}}},
    };
    CopyLanguage("deutsch.lng");
    for (const char* language : {"deutsch.lng", "english.lng"}) {
        auto& h = Start(std::string("Language: ") + language + "\n");
        for (const auto& d : dialogs) {
            RunFromMenu(h, d.command, d.templateId, [&](platform::HeadlessDialogHost& dialog) {
                EXPECT_EQ(dialog.GetTitle(), TextOf(language, d.titleText)) << language;
                for (const auto& [control, text] : d.texts) {
                    EXPECT_FALSE(TextOf(language, text).empty()) << text;
                    EXPECT_EQ(dialog.GetItemText(control), TextOf(language, text)) << language << " " << control;
                }
                for (const auto& [control, caption] : d.captions)
                    EXPECT_EQ(dialog.GetItemText(control), caption) << language << " " << control;
                dialog.Click(IDCANCEL);
            });
        }
    }
}

}  // namespace
}  // namespace uitest
