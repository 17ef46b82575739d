// Settings > Audio: the enabling rule, Wav (open-file dialog) and Play, OK
// and Cancel, and the job sound from the values the dialog leaves.
#include <string>
#include <vector>

#include "SettingsWindowFixture.h"
#include "res/TextIds.h"
#include "settings/AudioSettings.h"

namespace bb::app::test {
namespace {

class AudioDialogTest : public SettingsWindowTest {};

constexpr int kAudioOnly[] = {IDC_AUDIO_SUCCESS_PATH, IDC_AUDIO_ERROR_PATH,  IDC_AUDIO_SUCCESS_WAV,
                              IDC_AUDIO_ERROR_WAV,    IDC_AUDIO_SUCCESS_PLAY, IDC_AUDIO_ERROR_PLAY};
constexpr int kAlwaysOn[] = {IDC_AUDIO_ENABLE, IDC_AUDIO_SUCCESS_LABEL, IDC_AUDIO_ERROR_LABEL, IDOK, IDCANCEL};

TEST_F(AudioDialogTest, TheSwitchEnablesTheEditsAndTheirButtons) {
    CopyEnglish();
    auto& h = Start();
    RunFromMenu(h, ID_SETTINGS_AUDIO, IDD_AUDIO, [&](platform::HeadlessDialogHost& d) {
        for (int enabled : {0, 1, 0}) {
            EXPECT_EQ(d.GetCheck(IDC_AUDIO_ENABLE), enabled);
            for (int id : kAudioOnly)
                EXPECT_EQ(d.IsItemEnabled(id), enabled == 1) << id << " audio " << enabled;
            for (int id : kAlwaysOn)
                EXPECT_TRUE(d.IsItemEnabled(id)) << id;
            d.Click(IDC_AUDIO_ENABLE);
        }
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(m_dlg->m_pAudioDlg->IsAudioEnabled(), 1) << "the switch was taken when clicked";
    EXPECT_FALSE(IniWritten());
}

TEST_F(AudioDialogTest, WavPicksPlayTriesOkSavesCancelKeepsAPick) {
    const struct {
        const char* name;
        const char* picked;  // null: the picker is cancelled
        const char* typedError;
        int button;
        const char* success;  // afterwards
        const char* error;
        bool saved;
    } cases[] = {
        {"pick then OK", "/snd/done.wav", "/snd/err.wav", IDOK, "/snd/done.wav", "/snd/err.wav", true},
        {"pick then Cancel keeps the pick", "/snd/done.wav", "/snd/err.wav", IDCANCEL, "/snd/done.wav", "", false},
        {"picker cancelled", nullptr, "/snd/err.wav", IDOK, "/old/ok.wav", "/snd/err.wav", true},
    };
    CopyEnglish();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(IniPath());
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
            ASSERT_TRUE(d.Type(IDC_AUDIO_ERROR_PATH, c.typedError));
            d.Click(c.button);
        });
        const auto request = m_pickers.Requests().back();
        EXPECT_EQ(request.kind, platform::ScriptedFilePickers::Request::Kind::Open);
        EXPECT_EQ(request.initialName, "*.wav");
        constexpr char kFilter[] = "WAV Audio (*.wav)\0*.wav\0All Files (*.*)\0*.*\0";
        EXPECT_EQ(request.filter, std::string(kFilter, sizeof kFilter));
        EXPECT_EQ(m_dlg->m_pAudioDlg->GetSuccessWave(), c.success);
        EXPECT_EQ(m_dlg->m_pAudioDlg->GetErrorWave(), c.error);
        EXPECT_EQ(IniWritten(), c.saved);
        if (c.saved) {
            EXPECT_EQ(Ini().at("SuccessWave"), c.success);
            EXPECT_EQ(Ini().at("ErrorWave"), c.error);
            EXPECT_EQ(Ini().at("EnableAudio"), "1");
        }
        m_dlg.reset();
    }
}

TEST_F(AudioDialogTest, PlayUsesTheStoredPathWhenLongerThanFourCharacters) {
    const struct {
        const char* stored;
        const char* typed;
        std::vector<std::string> played;
    } cases[] = {
        {"a.wa", "", {}},
        {"a.mp3", "", {"a.mp3"}},  // tried whatever its extension
        {"/s/ok.wav", "/typed.wav", {"/s/ok.wav"}},
        {"/does/not/exist.wav", "", {"/does/not/exist.wav"}},  // silent; no error shown
    };
    CopyEnglish();
    auto& h = Start();
    m_dlg->m_pAudioDlg->SetAudioEnabled(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        m_sound.played.clear();
        m_ui.ClearBoxes();
        m_dlg->m_pAudioDlg->SetErrorWave(c.stored);
        RunFromMenu(h, ID_SETTINGS_AUDIO, IDD_AUDIO, [&](platform::HeadlessDialogHost& d) {
            if (*c.typed) d.Type(IDC_AUDIO_ERROR_PATH, c.typed);
            ASSERT_TRUE(d.Click(IDC_AUDIO_ERROR_PLAY));
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(m_sound.played, c.played);
        EXPECT_TRUE(m_ui.Boxes().empty());
    }
}

}  // namespace
}  // namespace bb::app::test
