// Settings > Filesystem Flags and Settings > Audio as the user drives them,
// and the language each settings dialog opens in.
#include <string>
#include <vector>

#include "SettingsWindowFixture.h"
#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"

namespace bb::app::test {
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
        fs::remove(m_dir / "Brenvik.ini");
        auto& h = Start();
        m_dlg->m_pFsFlagsDlg->SetFlags(c.before);
        std::vector<int> shown;
        RunFromMenu(h, ID_SETTINGS_FSFLAGS, IDD_FSFLAGS, [&](platform::HeadlessDialogHost& d) {
            for (int id : {IDC_FS_JOLIET, IDC_FS_MODE2, IDC_FS_ISO9660, IDC_FS_UDF}) shown.push_back(d.GetCheck(id));
            for (int id : c.clicks) ASSERT_TRUE(d.Click(id)) << id;
            EXPECT_TRUE(d.Ended());
        });
        EXPECT_EQ(shown, (std::vector<int>{c.before & 1, (c.before >> 1) & 1, (c.before >> 3) & 1, (c.before >> 4) & 1}))
            << "the boxes show the holder: " << c.name;
        EXPECT_EQ(m_dlg->m_pFsFlagsDlg->GetFlags(), c.after) << c.name;
        EXPECT_EQ(m_dlg->m_pFsFlagsDlg->m_bChanged, 0) << "cleared by the window: " << c.name;
        EXPECT_EQ(IniWritten(), c.saved != nullptr) << c.name;
        if (c.saved) {
            EXPECT_EQ(Ini().at("FSFlags"), c.saved) << c.name;
            EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtSettingsSaved)) << c.name;
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
    EXPECT_EQ(m_dlg->m_pAudioDlg->IsAudioEnabled(), 1) << "the switch was taken when clicked";
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
        fs::remove(m_dir / "Brenvik.ini");
        auto& h = Start();
        m_dlg->m_pAudioDlg->SetSuccessWave("/old/ok.wav");
        m_dlg->m_pAudioDlg->SetAudioEnabled(1);
        if (c.picked)
            m_pickers.QueuePath(c.picked);
        else
            m_pickers.QueueCancel();
        RunFromMenu(h, ID_SETTINGS_AUDIO, IDD_AUDIO, [&](platform::HeadlessDialogHost& d) {
            ASSERT_TRUE(d.Type(IDC_AUDIO_ERROR_PATH, "/typed/not/taken.wav"));
            ASSERT_TRUE(d.Click(IDC_AUDIO_SUCCESS_WAV));
            EXPECT_EQ(d.GetItemText(IDC_AUDIO_ERROR_PATH), "") << "members back into the edits";
            EXPECT_EQ(d.GetItemText(IDC_AUDIO_SUCCESS_PATH), c.picked ? c.picked : "/old/ok.wav");
            ASSERT_TRUE(d.Type(IDC_AUDIO_ERROR_PATH, "/snd/err.wav"));
            d.Click(c.button);
        });
        const auto request = m_pickers.Requests().back();
        EXPECT_EQ(request.kind, platform::ScriptedFilePickers::Request::Kind::Open);
        EXPECT_EQ(request.initialName, "*.wav");
        constexpr char kFilter[] = "WAV Audio (*.wav)\0*.wav\0All Files (*.*)\0*.*\0";
        EXPECT_EQ(request.filter, std::string(kFilter, sizeof kFilter));
        EXPECT_EQ(m_dlg->m_pAudioDlg->GetSuccessWave(), c.success) << c.name;
        EXPECT_EQ(m_dlg->m_pAudioDlg->GetErrorWave(), c.error) << c.name;
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
    m_dlg->m_pAudioDlg->SetAudioEnabled(1);
    for (const auto& c : cases) {
        m_sound.played.clear();
        m_dlg->m_pAudioDlg->SetErrorWave(c.stored);
        RunFromMenu(h, ID_SETTINGS_AUDIO, IDD_AUDIO, [&](platform::HeadlessDialogHost& d) {
            if (*c.typed) d.Type(IDC_AUDIO_ERROR_PATH, c.typed);
            ASSERT_TRUE(d.Click(IDC_AUDIO_ERROR_PLAY));
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(m_sound.played, c.played) << c.stored;
    }
    EXPECT_TRUE(m_ui.Boxes().empty());
}

class DialogTextsTest : public SettingsWindowTest {};

// Each settings dialog opens in the current language: its title and its
// Cancel button show that file's texts, OK keeps the template's caption.
// (Which control takes which text is the dialogs' own table.)
TEST_F(DialogTextsTest, EachDialogOpensInTheCurrentLanguage) {
    const struct {
        int command, templateId, titleText;
        const char* ok;
    } dialogs[] = {
        {ID_SETTINGS_FSFLAGS, IDD_FSFLAGS, res::kTxtFsFlagsTitle, "&OK"},
        {ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, res::kTxtOtherSettingsTitle, "OK"},
        {ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, res::kTxtLanguageTitle, "OK"},
        {ID_SETTINGS_AUDIO, IDD_AUDIO, res::kTxtAudioTitle, "&OK"},
    };
    CopyLanguage("deutsch.lng");
    for (const char* language : {"deutsch.lng", "english.lng"}) {
        auto& h = Start(std::string("Language: ") + language + "\n");
        for (const auto& d : dialogs) {
            RunFromMenu(h, d.command, d.templateId, [&](platform::HeadlessDialogHost& dialog) {
                EXPECT_EQ(dialog.GetTitle() + "|" + dialog.GetItemText(IDCANCEL) + "|" + dialog.GetItemText(IDOK),
                          TextOf(language, d.titleText) + "|" + TextOf(language, res::kTxtCancelButton) + "|" + d.ok)
                    << language << " " << d.templateId;
                dialog.Click(IDCANCEL);
            });
        }
    }
    EXPECT_NE(TextOf("deutsch.lng", res::kTxtCancelButton), T(res::kTxtCancelButton));
}

}  // namespace
}  // namespace bb::app::test
