// The main window's start-up: settings, language, defaults, texts, title.
#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "res/MainDialogTemplate.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/BuiltinTexts.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"

namespace bb::app::test {
namespace {

// This file's own suite over the shared fixture.
class MainWindowStartupTest : public MainWindowTest {};

TEST_F(MainWindowStartupTest, WithoutSettingsFileLogsItsPathAndKeepsDefaults) {
    CopyEnglish();
    auto& h = Start();

    const std::string ini = (m_dir / "Brenvik.ini").string();
    const std::vector<std::string> log = h.Lines(IDC_LOG);
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log[0].find(ini), std::string::npos) << log[0];
    // The rest of the line is the language text around the path.
    const std::string text710 = settings::LanguageTable((m_dir / "english.lng").string()).GetText(res::kTxtSettingsNotRead);
    EXPECT_EQ(log[0].substr(0, text710.find("%s")), text710.substr(0, text710.find("%s")));

    EXPECT_EQ(h.GetItemText(IDC_VOLUME), "UNDEFINED");
    EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), "");
    EXPECT_EQ(h.GetRadioIndex(IDC_FULL_ERASE), 1) << "quick erase";
    EXPECT_EQ(h.GetRadioIndex(IDC_MEDIA_DVD), 0) << "DVD";
    EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), BST_CHECKED);
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), BST_UNCHECKED);
    EXPECT_EQ(h.GetCheck(IDC_SHUTDOWN), BST_UNCHECKED);
    // No saved speed: the last of the image recorder's speeds.
    EXPECT_EQ(h.ComboGetCurSel(IDC_SPEED_LIST), h.ComboGetCount(IDC_SPEED_LIST) - 1);
    EXPECT_EQ(m_dlg->m_strLanguageFile, "english.lng");
    EXPECT_EQ(m_dlg->m_strProgramDir, Folder().c_str());
}

// Each row is a settings file and what start-up makes of it.
TEST_F(MainWindowStartupTest, SettingsFileDecidesLanguageMediaAndBoxes) {
    struct Case {
        const char* ini;
        const char* languageFile;
        int mediaType;
        int reallocate;
        int verify;
    } cases[] = {
        {"Language: de\r\n", "english.lng", 0, 1, 0},
        {"Language: \r\n", "english.lng", 0, 1, 0},
        {"Language: x.lng\r\n", "x.lng", 0, 1, 0},
        {"MediaType: 1\r\nFSFlags: 18\r\n", "english.lng", 1, 0, 0},
        {"BurnFlags: 8440\r\n", "english.lng", 0, 1, 1},
        {"# FSFlags: 0\nFSFlags: 58\nBurnFlags: 8040\n", "english.lng", 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        WriteFile("Brenvik.ini", c.ini);
        auto& h = Start();
        EXPECT_EQ(m_dlg->m_strLanguageFile, c.languageFile);
        EXPECT_EQ(h.GetRadioIndex(IDC_MEDIA_DVD), c.mediaType);
        EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), c.reallocate);
        EXPECT_EQ(h.GetCheck(IDC_VERIFY), c.verify);
        for (const std::string& line : h.Lines(IDC_LOG))
            EXPECT_EQ(line.find("Brenvik.ini"), std::string::npos) << "read, so no 710 line: " << line;
    }
}

TEST_F(MainWindowStartupTest, LanguageTextsReplaceTemplateCaptions) {
    CopyEnglish();
    auto& h = Start();
    const settings::LanguageTable english((m_dir / "english.lng").string());

    for (const res::ControlTemplate& c : res::MainDialog().controls) {
        if (c.textId == 0)
            continue;
        const std::string expected = english.GetText(c.textId);
        EXPECT_FALSE(expected.empty()) << "english.lng lacks text " << c.textId;
        EXPECT_EQ(h.GetItemText(c.id), expected) << c.idName;
    }
    EXPECT_EQ(h.MenuGetTextByPosition(0), english.GetText(res::kTxtSettingsMenu));
    for (const res::MenuItemTemplate& item : res::MainMenu().items)
        if (item.command != 0) {
            EXPECT_EQ(h.MenuGetTextByCommand(item.command), english.GetText(item.textId)) << item.caption;
        }
    EXPECT_EQ(h.GetItemText(IDC_CLEAR_LOG), "") << "Clear Log shows its icon only";
    EXPECT_EQ(h.GetItemText(IDC_STATUS), english.GetText(res::kTxtNameAndCredit));
}

TEST_F(MainWindowStartupTest, WithoutLanguageFileOnlyBuiltInTextsShow) {
    auto& h = Start();
    for (const res::ControlTemplate& c : res::MainDialog().controls)
        if (c.textId != 0) {
            EXPECT_EQ(h.GetItemText(c.id), "") << c.idName;
        }
    EXPECT_EQ(h.MenuGetTextByPosition(0), "");
    ASSERT_NE(settings::BuiltinText(res::kTxtNameAndCredit), nullptr);
    EXPECT_EQ(h.GetItemText(IDC_STATUS), settings::BuiltinText(res::kTxtNameAndCredit));
    // Text 710 is empty as well: its line stays empty, and the path that
    // had no place in it is reported on the line before.
    // (The recorder set-up's lines follow.)
    const std::vector<std::string> log = h.Lines(IDC_LOG);
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[0].find("left over"), std::string::npos) << log[0];
    EXPECT_EQ(log[1], "");
}

TEST_F(MainWindowStartupTest, TitleIconProgressLabelsAndSystemMenu) {
    CopyEnglish();
    auto& h = Start();
    EXPECT_EQ(h.GetTitle(), "Brenvik Burn 1.2.1");
    EXPECT_EQ(h.Icon(), IDI_MAIN);
    EXPECT_EQ(h.GetItemText(IDC_PERCENT), "0 %");
    EXPECT_EQ(h.GetItemText(IDC_TIME_REMAINING), "--:--");
    EXPECT_EQ(h.GetItemText(IDC_TIME_TOTAL), "--:--");
    // Text 500 is looked up before the language file is set, and the
    // built-in texts do not carry it: no system-menu item, although
    // english.lng has the text.
    EXPECT_FALSE(settings::LanguageTable((m_dir / "english.lng").string()).GetText(res::kTxtSysMenuAbout).empty());
    EXPECT_TRUE(h.SystemMenuItems().empty());
    EXPECT_FALSE(h.IsItemEnabled(IDC_BURN));
    EXPECT_FALSE(h.IsItemEnabled(IDC_ABORT));
    EXPECT_TRUE(h.IsItemEnabled(IDC_SPEED_LIST)) << "the image recorder's speeds";
    EXPECT_FALSE(h.IsItemEnabled(IDC_STATUS));
}

TEST_F(MainWindowStartupTest, CommandLineOfTwoOrMoreCharactersStartsTheBatchRun) {
    CopyEnglish();
    const std::string started = settings::LanguageTable((m_dir / "english.lng").string()).GetText(res::kTxtClStarted);
    ASSERT_FALSE(started.empty());
    struct Case {
        const char* commandLine;
        bool batch;
        int words;
    } cases[] = {
        {"", false, 0},
        {"x", false, 0},
        {"/C", true, 1},
        {"-d \"C:\\My DVD\" -v MOVIE", true, 4},
        {"  ", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        auto& h = Start(c.commandLine);
        const std::vector<std::string> log = h.Lines(IDC_LOG);
        const bool logged = std::find(log.begin(), log.end(), started) != log.end();
        EXPECT_EQ(logged, c.batch);
        EXPECT_EQ(m_dlg->m_argc, c.words);
        if (c.words == 4) {
            EXPECT_EQ(m_dlg->m_argv[1], "C:\\My DVD") << "quotes group, and are dropped";
        }
    }
}

}  // namespace
}  // namespace bb::app::test
