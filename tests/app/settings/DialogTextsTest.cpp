// Each settings dialog opens with the texts of the current language file;
// controls without a language text keep the template's caption.
#include <string>
#include <utility>
#include <vector>

#include "SettingsWindowFixture.h"
#include "res/TextIds.h"

namespace uitest {
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
        {ID_SETTINGS_FSFLAGS, IDD_FSFLAGS, kTxtFsFlagsTitle,
         {{IDC_FS_UDF, kTxtUdfBox}, {IDC_FS_JOLIET, kTxtJolietBox}, {IDC_FS_ISO9660, kTxtIso9660Box},
          {IDC_FS_MODE2, kTxtMode2Box}, {IDCANCEL, kTxtCancelButton}},
         {{IDC_FS_PRESET_DVD, "&DVD"}, {IDC_FS_PRESET_CD, "&cDVD"}, {IDOK, "&OK"}}},
        {ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, kTxtOtherSettingsTitle,
         {{IDC_OS_BURN_PROOF, kTxtBurnProofBox},       {IDC_OS_SIMULATE, kTxtSimulateBox},
          {IDC_OS_NO_EJECT, kTxtNoEjectBox},           {IDC_OS_VERIFY, kTxtVerifyBox},
          {IDC_OS_NO_OVERWRITE_ASK, kTxtNoOverwriteQuestionBox},
          {IDC_OS_DVDROM_BOOKTYPE, kTxtDvdRomBooktypeBox}, {IDCANCEL, kTxtCancelButton},
          {IDC_OS_MORE_GROUP, kTxtMoreSettingsGroup},  {IDC_OS_FORCE_SHUTDOWN, kTxtForceShutdownBox},
          {IDC_OS_LABEL16, kTxtLabel16Box},            {IDC_OS_IGNORE_SIZE, kTxtIgnoreSourceSizeBox},
          {IDC_OS_LIMITS_GROUP, kTxtLimitsGroup},      {IDC_OS_RESET, kTxtResetButton},
          {IDC_OS_YELLOW_GROUP, kTxtYellowLimitGroup}, {IDC_OS_RED_GROUP, kTxtRedLimitGroup}},
         {{IDOK, "OK"}}},
        {ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, kTxtLanguageTitle,
         {{IDC_LANG_GROUP, kTxtChooseLanguageGroup}, {IDCANCEL, kTxtCancelButton}},
         {{IDOK, "OK"}}},
        {ID_SETTINGS_AUDIO, IDD_AUDIO, kTxtAudioTitle,
         {{IDC_AUDIO_GROUP, kTxtAudio}, {IDC_AUDIO_ENABLE, kTxtEnableAudioBox},
          {IDC_AUDIO_SUCCESS_LABEL, kTxtSuccessWaveLabel}, {IDC_AUDIO_ERROR_LABEL, kTxtErrorWaveLabel},
          {IDC_AUDIO_SUCCESS_WAV, kTxtWavButton}, {IDC_AUDIO_ERROR_WAV, kTxtWavButton},
          {IDCANCEL, kTxtCancelButton}},
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
        dlg_.reset();
    }
}

}  // namespace
}  // namespace uitest
