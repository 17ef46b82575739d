// Settings > Language: the list of language files, the selection of the
// current one, and the switch of the main window's texts at run time.
#include <string>
#include <vector>

#include "SettingsWindowFixture.h"
#include "app/LanguageDlg.h"
#include "res/MainDialogTemplate.h"

namespace uitest {
namespace {

class LanguageDialogTest : public SettingsWindowTest {
protected:
    // Every text of the main window and its menu that comes from the
    // language file equals that file's text.
    void ExpectMainWindowIn(platform::HeadlessDialogHost& h, const std::string& file) {
        int checked = 0;
        for (const bbres::ControlTemplate& c : bbres::MainDialog().controls)
            if (c.textId != 0 && ++checked) {
                EXPECT_EQ(h.GetItemText(c.id), TextOf(file, c.textId)) << c.idName << " in " << file;
            }
        EXPECT_EQ(h.MenuGetTextByPosition(0), TextOf(file, bbres::MainMenu().popupTextId));
        for (const bbres::MenuItemTemplate& item : bbres::MainMenu().items)
            if (item.command != 0) {
                EXPECT_EQ(h.MenuGetTextByCommand(item.command), TextOf(file, item.textId)) << file;
            }
        EXPECT_GT(checked, 20);
    }
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
        box_.MakeTree({folder + "folder.lng/", folder + "notes.txt"});  // neither is a language file
        for (const std::string& f : c.files) box_.WriteFile(folder + f, "810: Language\n");
        LanguageTable texts;
        CLanguageDlg dialog(texts);
        dialog.SetFolder(box_.At(folder).c_str());
        dialog.SetFile(c.current);
        std::vector<std::string> listed;
        int selected = -2;
        ui_.WhenOpened(IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
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

TEST_F(LanguageDialogTest, TheSwitchRetextsTheMainWindowAndSavesOnOkOnly) {
    CopyLanguage("deutsch.lng");
    auto& h = Start();
    ExpectMainWindowIn(h, "english.lng");
    Choose(h, "deutsch.lng", IDCANCEL);
    ExpectMainWindowIn(h, "english.lng");
    EXPECT_FALSE(IniWritten());

    Choose(h, "deutsch.lng", IDOK);
    ExpectMainWindowIn(h, "deutsch.lng");
    EXPECT_EQ(Ini().at("Language"), "deutsch.lng");
    EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf("deutsch.lng", kTxtSettingsSaved));
    // The next dialog opens in German, with the current file selected.
    RunFromMenu(h, ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
        EXPECT_EQ(d.GetTitle(), TextOf("deutsch.lng", kTxtLanguageTitle));
        EXPECT_EQ(d.ComboGetText(IDC_LANG_LIST, d.ComboGetCurSel(IDC_LANG_LIST)), "deutsch.lng");
        d.Click(IDCANCEL);
    });
    Choose(h, "english.lng", IDOK);
    ExpectMainWindowIn(h, "english.lng");
    EXPECT_EQ(Ini().at("Language"), "english.lng");
}

// Cut off in the middle of the file and of a line; format conversions where
// the texts take none; a very long line: shown as they stand, nothing lost.
TEST_F(LanguageDialogTest, BrokenLanguageFilesNeitherCrashNorLoseSettings) {
    const std::string english = box_.Read("english.lng");
    WriteFile("cut.lng", english.substr(0, english.size() / 2));
    WriteFile("percent.lng", "776: %s%s%n%d saved\n810: %s %n %x\n628: %s\n" + std::string(200000, 'x') + "\n");
    auto& h = Start("LimitDVD: 1234\n");
    for (const char* file : {"cut.lng", "percent.lng"}) {
        Choose(h, file, IDOK);
        EXPECT_EQ(Ini().at("Language"), file);
        EXPECT_EQ(Ini().at("LimitDVD"), "1234") << file;
        EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf(file, kTxtSettingsSaved)) << file;
    }
    RunFromMenu(h, ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
        EXPECT_EQ(d.GetTitle(), "%s %n %x");
        EXPECT_EQ(d.GetItemText(IDC_LANG_GROUP), "Sprache w\xC3\xA4hlen") << "no text: the template's caption";
        d.Click(IDCANCEL);
    });
}

}  // namespace
}  // namespace uitest
