// The settings dialogs as the user drives them from the Settings menu, the
// language each opens in, and Save Settings.
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/LanguageDlg.h"
#include "platform/Sound.h"
#include "res/HeadlessDialogs.h"
#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/OtherSettings.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {

namespace {

namespace fs = std::filesystem;

class RecordingSound final : public platform::Sound {
public:
    bool PlayFileAsync(const std::string& path) override {
        played.push_back(path);
        return true;
    }
    std::vector<std::string> played;
};

class SettingsWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        for (int id : {IDD_FSFLAGS, IDD_OTHER_SETTINGS, IDD_LANGUAGE, IDD_AUDIO})
            m_ui.AddTemplate(res::HeadlessDialog(id));
        platform::SetSystemSound(&m_sound);
    }
    void TearDown() override {
        WindowTest::TearDown();
        platform::SetSystemSound(nullptr);
    }

    bool IniWritten() const { return fs::exists(m_dir / "Brenvik.ini"); }
    // Brenvik.ini's "Key: value" lines.
    std::map<std::string, std::string> Ini() const {
        std::map<std::string, std::string> keys;
        std::ifstream in(m_dir / "Brenvik.ini", std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const size_t colon = line.find(": ");
            if (!line.empty() && line[0] != '#' && colon != std::string::npos)
                keys[line.substr(0, colon)] = line.substr(colon + 2);
        }
        return keys;
    }
    // A settings dialog run from the Settings menu; `script` acts in it.
    void RunFromMenu(platform::HeadlessDialogHost& main, int command, int templateId,
                     platform::HeadlessUi::Script script) {
        bool opened = false;
        m_ui.WhenOpened(templateId, [&](platform::HeadlessDialogHost& h) {
            opened = true;
            script(h);
        });
        ASSERT_TRUE(main.ChooseMenu(command));
        ASSERT_TRUE(opened) << "dialog " << templateId << " did not open";
    }

    RecordingSound m_sound;
};

// Settings > Filesystem Flags and Settings > Audio as the user drives them,
// and the language each settings dialog opens in.
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
    const struct { const char* stored; const char* typed; std::vector<std::string> played; } cases[] = {
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
    const struct { int command, templateId, titleText; const char* ok; } dialogs[] = {
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

// Settings > Other Settings: each option into the file, the limit edits
// (leaving one, bad input, OK, Cancel), Reset, and what the main window
// does after the dialog closes.
class OtherSettingsDialogTest : public SettingsWindowTest {};

// Each box checked from the defaults and OK: the flags in the file, and the
// box shown checked again when the dialog opens next.
TEST_F(OtherSettingsDialogTest, EachBoxReachesItsFlag) {
    const struct { int box; const char* burnFlags; const char* moreFlags; } cases[] = {
        {IDC_OS_BURN_PROOF, "8000", "0"},  // the one box on by default: now off
        {IDC_OS_SIMULATE, "8042", "0"},        {IDC_OS_NO_EJECT, "8240", "0"},
        {IDC_OS_VERIFY, "8440", "0"},          {IDC_OS_DVDROM_BOOKTYPE, "4040", "0"},
        {IDC_OS_NO_OVERWRITE_ASK, "80008040", "0"},
        {IDC_OS_FORCE_SHUTDOWN, "8040", "1"},  {IDC_OS_LABEL16, "8040", "2"},
        {IDC_OS_IGNORE_SIZE, "8040", "4"},
    };
    for (const auto& c : cases) {
        fs::remove(m_dir / "Brenvik.ini");
        auto& h = Start();
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            ASSERT_TRUE(d.Click(c.box));
            ASSERT_TRUE(d.Click(IDOK));
        });
        EXPECT_EQ(Ini().at("BurnFlags") + "|" + Ini().at("MoreFlags"), std::string(c.burnFlags) + "|" + c.moreFlags)
            << c.box;
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            EXPECT_EQ(d.GetCheck(c.box), c.box == IDC_OS_BURN_PROOF ? 0 : 1) << c.box;
            d.Click(IDCANCEL);
        });
    }
}

// Which texts are integers is ParseDialogInt's table (DataExchangeTest).
TEST_F(OtherSettingsDialogTest, LimitEditsTakeOverClampNothingAndRefuseNonNumbers) {
    const struct {
        const char* name;
        const char* typed;  // into the yellow DVD limit
        bool leave;         // focus moved on before the button
        int button;         // IDOK or IDCANCEL
        int limit;          // the yellow DVD limit afterwards
        bool closed;        // by that button
        bool saved;
        bool askedForInteger;
    } cases[] = {
        {"left then Cancel", "5000", true, IDCANCEL, 5000, true, false, false},
        {"not left, Cancel", "5000", false, IDCANCEL, 4482, true, false, false},
        {"blanks around", "  77 ", false, IDOK, 77, true, true, false},
        {"letters", "12ab", false, IDOK, 4482, false, false, true},
        {"letters left", "abc", true, IDCANCEL, 4482, true, false, true},
    };
    for (const auto& c : cases) {
        fs::remove(m_dir / "Brenvik.ini");
        m_ui.ClearBoxes();
        auto& h = Start();
        bool closed = false;
        RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
            EXPECT_EQ(d.GetItemText(IDC_OS_LIMIT_DVD), "4482");
            ASSERT_TRUE(d.Type(IDC_OS_LIMIT_DVD, c.typed, c.leave));
            d.Click(c.button);
            closed = d.Ended();
            if (!closed) d.Click(IDCANCEL);  // the user gives up
        });
        EXPECT_EQ(closed, c.closed) << c.name;
        EXPECT_EQ(m_dlg->m_pOtherDlg->GetLimitDvd(), c.limit) << c.name;
        EXPECT_EQ(IniWritten(), c.saved) << c.name;
        if (c.saved) {
            EXPECT_EQ(Ini().at("LimitDVD"), std::to_string(c.limit)) << c.name;
        }
        bool asked = false;
        for (const auto& box : m_ui.Boxes()) asked = asked || box.templateId == IDD_OTHER_SETTINGS;
        EXPECT_EQ(asked, c.askedForInteger) << c.name;
    }
}

TEST_F(OtherSettingsDialogTest, ResetRestoresTheLimitsAtOnceAndTheBoxesFromTheHolder) {
    WriteFile("Brenvik.ini", "LimitCD: 1\nLimitDVD: 2\nLimitCDRed: 3\nLimitDVDRed: 4\n");
    auto& h = Start();
    RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
        EXPECT_EQ(d.GetItemText(IDC_OS_LIMIT_CD_RED), "3");
        ASSERT_TRUE(d.Click(IDC_OS_SIMULATE));  // not taken yet
        ASSERT_TRUE(d.Click(IDC_OS_RESET));
        EXPECT_EQ(d.GetItemText(IDC_OS_LIMIT_CD) + " " + d.GetItemText(IDC_OS_LIMIT_DVD) + " " +
                      d.GetItemText(IDC_OS_LIMIT_CD_RED) + " " + d.GetItemText(IDC_OS_LIMIT_DVD_RED),
                  "650 4482 700 8106");
        EXPECT_EQ(d.GetCheck(IDC_OS_SIMULATE), 0) << "refilled from the holder";
        d.Click(IDCANCEL);
    });
    auto& other = *m_dlg->m_pOtherDlg;
    EXPECT_EQ(std::vector<int>({other.GetLimitCd(), other.GetLimitDvd(), other.GetLimitCdRed(), other.GetLimitDvdRed()}),
              std::vector<int>({650, 4482, 700, 8106}));
    EXPECT_EQ(Ini().at("LimitCD"), "1") << "Cancel writes no file";
}

// The Verify box after Cancel and OK is walked in the running program
// (settings-dialogs.sh).
TEST_F(OtherSettingsDialogTest, AfterClosingTheWindowFollowsTheLabelLimit) {
    auto& h = Start();
    ASSERT_TRUE(h.Type(IDC_VOLUME, "ABCDEFGHIJ"));
    const std::string lengthBefore = h.GetItemText(IDC_LABEL_LENGTH);
    RunFromMenu(h, ID_SETTINGS_OTHER, IDD_OTHER_SETTINGS, [&](platform::HeadlessDialogHost& d) {
        for (int id : {IDC_OS_LABEL16, IDOK}) d.Click(id);
    });
    EXPECT_NE(h.GetItemText(IDC_LABEL_LENGTH), lengthBefore) << "16 instead of 32 characters";
}

// Settings > Language: the list of language files, the selection of the
// current one, and broken files chosen. (The switch of the running window's
// texts is driven on the Win32 window.)
class LanguageDialogTest : public SettingsWindowTest {
protected:
    // Chooses `file` in the dialog (by its text) and presses `button`.
    void Choose(platform::HeadlessDialogHost& h, const std::string& file, int button) {
        RunFromMenu(h, ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
            const auto items = d.ComboItems(IDC_LANG_LIST);
            for (size_t i = 0; i < items.size(); ++i)
                if (items[i].first == file) {
                    ASSERT_TRUE(d.SelectCombo(IDC_LANG_LIST, int(i)));
                }
            d.Click(button);
        });
    }
};

TEST_F(LanguageDialogTest, ListOrderAndTheSelectionOfTheCurrentFile) {
    const struct {
        const char* name;
        std::vector<std::string> files;
        const char* current;
        std::vector<std::string> listed;
        int selected;
        const char* afterOk;
    } cases[] = {
        {"sorted", {"german.lng", "english.lng"}, "german.lng", {"english.lng", "german.lng"}, 1, "german.lng"},
        {"prefix in another case", {"german.lng", "english.lng"}, "ENG", {"english.lng", "german.lng"}, 0,
         "english.lng"},
        {"no match: the first", {"german.lng", "Zulu.lng", "english.lng"}, "french.lng",
         {"english.lng", "german.lng", "Zulu.lng"}, 0, "english.lng"},
        {"case-insensitive order", {"b.LNG", "A.lng", "c.lng"}, "c", {"A.lng", "b.LNG", "c.lng"}, 2, "c.lng"},
        {"no language file", {}, "mine.lng", {}, -1, "mine.lng"},
    };
    for (const auto& c : cases) {
        const std::string folder = "list" + std::to_string(&c - cases) + "/";
        m_box.MakeTree({folder + "folder.lng/", folder + "notes.txt"});  // neither is a language file
        for (const std::string& f : c.files) m_box.WriteFile(folder + f, "810: Language\n");
        settings::LanguageTable texts;
        CLanguageDlg dialog(texts);
        dialog.SetFolder(m_box.At(folder).c_str());
        dialog.SetFile(c.current);
        std::vector<std::string> listed;
        int selected = -2;
        m_ui.WhenOpened(IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
            for (const auto& item : d.ComboItems(IDC_LANG_LIST)) listed.push_back(item.first);
            selected = d.ComboGetCurSel(IDC_LANG_LIST);
            d.Click(IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK) << c.name;
        EXPECT_EQ(listed, c.listed) << c.name;
        EXPECT_EQ(selected, c.selected) << c.name;
        EXPECT_TRUE(dialog.m_bChanged) << c.name;
        EXPECT_EQ(dialog.GetFile(), c.afterOk) << c.name;
    }
}

// Cut off in the middle of the file and of a line; format conversions where
// the texts take none; a very long line: shown as they stand, nothing lost.
TEST_F(LanguageDialogTest, BrokenLanguageFilesNeitherCrashNorLoseSettings) {
    const std::string english = m_box.Read("english.lng");
    WriteFile("cut.lng", english.substr(0, english.size() / 2));
    WriteFile("percent.lng", "776: %s%s%n%d saved\n810: %s %n %x\n628: %s\n" + std::string(200000, 'x') + "\n");
    auto& h = Start("LimitDVD: 1234\n");
    for (const char* file : {"cut.lng", "percent.lng"}) {
        Choose(h, file, IDOK);
        EXPECT_EQ(Ini().at("Language"), file);
        EXPECT_EQ(Ini().at("LimitDVD"), "1234") << file;
        EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf(file, res::kTxtSettingsSaved)) << file;
    }
    RunFromMenu(h, ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
        EXPECT_EQ(d.GetTitle(), "%s %n %x");
        EXPECT_EQ(d.GetItemText(IDC_LANG_GROUP), "Sprache w\xC3\xA4hlen") << "no text: the template's caption";
        d.Click(IDCANCEL);
    });
}

// Save Settings writes Brenvik.ini from the window and the holders; a second
// start of the window shows every value the first one saved. Nothing else
// writes the file. (Each holder's values through the file are HoldersTest's
// and SettingsFileTest's; here one value each shows the window hands them on.)
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
    m_dlg->m_pAudioDlg->SetSuccessWave("/s/%d ok.wav");
    ASSERT_TRUE(first.ChooseMenu(ID_SETTINGS_SAVE));
    EXPECT_EQ(first.GetItemText(IDC_STATUS), TextOf("deutsch.lng", res::kTxtSettingsSaved));
    EXPECT_NE(m_box.Read("Brenvik.ini").find("Brenvik-Einstellungsdatei"), std::string::npos) << "the language's header";
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
    EXPECT_EQ(m_dlg->m_pOtherDlg->GetBurnFlags(), 0x80004642u);
    EXPECT_EQ(m_dlg->m_pAudioDlg->GetSuccessWave(), "/s/%d ok.wav");

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
