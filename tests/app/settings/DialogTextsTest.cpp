// Each settings dialog opens with the texts of the current language file;
// controls without a language text keep the template's caption.
#include <string>
#include <utility>
#include <vector>

#include "SettingsWindowFixture.h"
#include "res/TextIds.h"

namespace bb::app::test {
namespace {

class DialogTextsTest : public SettingsWindowTest {};

TEST_F(DialogTextsTest, EachDialogShowsTheLanguageFilesTexts) {
    const struct {
        int command;
        int templateId;
        int titleText;
        std::vector<std::pair<int, int>> texts;  // control, language text
        std::vector<std::pair<int, const char*>> captions;  // control, template caption
    } dialogs[] = {
        {ID_SETTINGS_FSFLAGS, IDD_FSFLAGS, res::kTxtFsFlagsTitle,
         {{IDC_FS_UDF, res::kTxtUdfBox}, {IDC_FS_JOLIET, res::kTxtJolietBox}, {IDC_FS_ISO9660, res::kTxtIso9660Box},
          {IDC_FS_MODE2, res::kTxtMode2Box}, {IDCANCEL, res::kTxtCancelButton}},
         {{IDC_FS_PRESET_DVD, "&DVD"}, {IDC_FS_PRESET_CD, "&cDVD"}, {IDOK, "&OK"}}},
        {ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, res::kTxtOtherSettingsTitle,
         {{IDC_OS_BURN_PROOF, res::kTxtBurnProofBox},       {IDC_OS_SIMULATE, res::kTxtSimulateBox},
          {IDC_OS_NO_EJECT, res::kTxtNoEjectBox},           {IDC_OS_VERIFY, res::kTxtVerifyBox},
          {IDC_OS_NO_OVERWRITE_ASK, res::kTxtNoOverwriteQuestionBox},
          {IDC_OS_DVDROM_BOOKTYPE, res::kTxtDvdRomBooktypeBox}, {IDCANCEL, res::kTxtCancelButton},
          {IDC_OS_MORE_GROUP, res::kTxtMoreSettingsGroup},  {IDC_OS_FORCE_SHUTDOWN, res::kTxtForceShutdownBox},
          {IDC_OS_LABEL16, res::kTxtLabel16Box},            {IDC_OS_IGNORE_SIZE, res::kTxtIgnoreSourceSizeBox},
          {IDC_OS_LIMITS_GROUP, res::kTxtLimitsGroup},      {IDC_OS_RESET, res::kTxtResetButton},
          {IDC_OS_YELLOW_GROUP, res::kTxtYellowLimitGroup}, {IDC_OS_RED_GROUP, res::kTxtRedLimitGroup}},
         {{IDOK, "OK"}}},
        {ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, res::kTxtLanguageTitle,
         {{IDC_LANG_GROUP, res::kTxtChooseLanguageGroup}, {IDCANCEL, res::kTxtCancelButton}},
         {{IDOK, "OK"}}},
        {ID_SETTINGS_AUDIO, IDD_AUDIO, res::kTxtAudioTitle,
         {{IDC_AUDIO_GROUP, res::kTxtAudio}, {IDC_AUDIO_ENABLE, res::kTxtEnableAudioBox},
          {IDC_AUDIO_SUCCESS_LABEL, res::kTxtSuccessWaveLabel}, {IDC_AUDIO_ERROR_LABEL, res::kTxtErrorWaveLabel},
          {IDC_AUDIO_SUCCESS_WAV, res::kTxtWavButton}, {IDC_AUDIO_ERROR_WAV, res::kTxtWavButton},
          {IDCANCEL, res::kTxtCancelButton}},
         {{IDOK, "&OK"}, {IDC_AUDIO_SUCCESS_PLAY, ""}, {IDC_AUDIO_ERROR_PLAY, ""}}},
    };
    CopyLanguages();
    for (const char* language : {"deutsch.lng", "english.lng"}) {
        WriteFile("Brenvik.ini", std::string("Language: ") + language + "\n");
        auto& h = Start();
        for (const auto& d : dialogs) {
            SCOPED_TRACE(std::string(language) + " dialog " + std::to_string(d.templateId));
            RunFromMenu(h, d.command, d.templateId, [&](platform::HeadlessDialogHost& dialog) {
                EXPECT_EQ(dialog.GetTitle(), TextOf(language, d.titleText));
                for (const auto& [control, text] : d.texts) {
                    EXPECT_FALSE(TextOf(language, text).empty()) << text;
                    EXPECT_EQ(dialog.GetItemText(control), TextOf(language, text)) << control;
                }
                for (const auto& [control, caption] : d.captions)
                    EXPECT_EQ(dialog.GetItemText(control), caption) << control;
                dialog.Click(IDCANCEL);
            });
        }
        m_dlg.reset();
    }
}

}  // namespace
}  // namespace bb::app::test
