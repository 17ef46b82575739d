// The main window's start-up: settings, language, defaults, title, and the
// command line that starts the batch run.
#include <string>
#include <vector>

#include "res/MainDialogTemplate.h"
#include "settings/BuiltinTexts.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {
namespace {

class MainWindowStartupTest : public WindowTest {};

TEST_F(MainWindowStartupTest, WithoutSettingsFileLogsItsPathAndStartsWithTheDefaults) {
    auto& h = Start();
    // The language text around the path of the file that was not read.
    const std::vector<std::string> log = h.Lines(IDC_LOG);
    ASSERT_FALSE(log.empty());
    const std::string text = T(res::kTxtSettingsNotRead);
    EXPECT_EQ(log[0], text.substr(0, text.find("%s")) + (m_dir / "Brenvik.ini").string() +
                          text.substr(text.find("%s") + 2));

    EXPECT_EQ(h.GetTitle(), "Brenvik Burn 1.2.1");
    EXPECT_EQ(h.Icon(), IDI_MAIN);
    EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtNameAndCredit));
    EXPECT_EQ(h.GetItemText(IDC_CLEAR_LOG), "") << "Clear Log shows its icon only";
    EXPECT_EQ(h.GetItemText(IDC_VOLUME) + "|" + h.GetItemText(IDC_SOURCE_DIR), "UNDEFINED|");
    EXPECT_EQ(h.GetItemText(IDC_PERCENT) + h.GetItemText(IDC_TIME_REMAINING) + h.GetItemText(IDC_TIME_TOTAL),
              "0 %--:----:--");
    EXPECT_EQ(h.GetRadioIndex(IDC_FULL_ERASE), 1) << "quick erase";
    EXPECT_EQ(h.GetRadioIndex(IDC_MEDIA_DVD), 0) << "DVD";
    EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), BST_CHECKED);
    EXPECT_EQ(h.GetCheck(IDC_VERIFY), BST_UNCHECKED);
    EXPECT_EQ(h.GetCheck(IDC_SHUTDOWN), BST_UNCHECKED);
    // No saved speed: the last of the image recorder's speeds.
    EXPECT_TRUE(h.IsItemEnabled(IDC_SPEED_LIST));
    EXPECT_EQ(h.ComboGetCurSel(IDC_SPEED_LIST), h.ComboGetCount(IDC_SPEED_LIST) - 1);
    EXPECT_FALSE(h.IsItemEnabled(IDC_BURN));
    EXPECT_FALSE(h.IsItemEnabled(IDC_ABORT));
    EXPECT_FALSE(h.IsItemEnabled(IDC_STATUS));
    EXPECT_EQ(m_dlg->m_strLanguageFile, "english.lng");
    EXPECT_EQ(m_dlg->m_strProgramDir, Folder().c_str());
    // Text 500 is looked up before the language file is set, and the
    // built-in texts do not carry it: no system-menu item, although
    // english.lng has the text.
    EXPECT_FALSE(T(res::kTxtSysMenuAbout).empty());
    EXPECT_TRUE(h.SystemMenuItems().empty());
}

TEST_F(MainWindowStartupTest, WithoutLanguageFileOnlyBuiltInTextsShow) {
    fs::remove(m_dir / "english.lng");
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
    const std::vector<std::string> log = h.Lines(IDC_LOG);
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[0].find("left over"), std::string::npos) << log[0];
    EXPECT_EQ(log[1], "");
}

// Each row is a settings file and what start-up makes of it.
TEST_F(MainWindowStartupTest, SettingsFileDecidesLanguageMediaAndBoxes) {
    const struct {
        const char* ini;
        const char* languageFile;
        int mediaType, reallocate, verify;
    } cases[] = {
        {"Language: de\r\n", "english.lng", 0, 1, 0},
        {"Language: x.lng\r\n", "x.lng", 0, 1, 0},
        {"MediaType: 1\r\nFSFlags: 18\r\n", "english.lng", 1, 0, 0},
        {"BurnFlags: 8440\r\n", "english.lng", 0, 1, 1},
        {"# FSFlags: 0\nFSFlags: 58\nBurnFlags: 8040\n", "english.lng", 0, 1, 0},
    };
    for (const auto& c : cases) {
        auto& h = Start(c.ini);
        EXPECT_EQ(m_dlg->m_strLanguageFile, c.languageFile) << c.ini;
        EXPECT_EQ(h.GetRadioIndex(IDC_MEDIA_DVD), c.mediaType) << c.ini;
        EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), c.reallocate) << c.ini;
        EXPECT_EQ(h.GetCheck(IDC_VERIFY), c.verify) << c.ini;
        for (const std::string& line : h.Lines(IDC_LOG))
            EXPECT_EQ(line.find("Brenvik.ini"), std::string::npos) << "read, so no line about it: " << line;
    }
}

TEST_F(MainWindowStartupTest, CommandLineOfTwoOrMoreCharactersStartsTheBatchRun) {
    const struct {
        const char* commandLine;
        bool batch;
        int words;
    } cases[] = {
        {"", false, 0}, {"x", false, 0}, {"/C", true, 1}, {"-d \"C:\\My DVD\" -v MOVIE", true, 4}, {"  ", true, 0},
    };
    for (const auto& c : cases) {
        auto& h = Start("", c.commandLine);
        EXPECT_EQ(Has(h.Lines(IDC_LOG), T(res::kTxtClStarted)), c.batch) << c.commandLine;
        EXPECT_EQ(m_dlg->m_argc, c.words) << c.commandLine;
        if (c.words == 4) {
            EXPECT_EQ(m_dlg->m_argv[1], "C:\\My DVD") << "quotes group, and are dropped";
        }
    }
}

}  // namespace
}  // namespace bb::app::test
