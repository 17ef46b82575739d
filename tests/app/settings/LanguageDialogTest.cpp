// Settings > Language: the list of language files, the selection of the
// current one, and the switch of the main window's texts at run time.
#include <string>
#include <vector>

#include "SettingsWindowFixture.h"
#include "app/LanguageDlg.h"
#include "res/MainDialogTemplate.h"
#include "res/TextIds.h"

namespace bb::app::test {
namespace {

class LanguageDialogTest : public SettingsWindowTest {
protected:
    // Every text of the main window and its menu that comes from the
    // language file equals that file's text.
    void ExpectMainWindowIn(platform::HeadlessDialogHost& h, const std::string& file) {
        int checked = 0;
        for (const res::ControlTemplate& c : res::MainDialog().controls) {
            if (c.textId == 0) continue;
            EXPECT_EQ(h.GetItemText(c.id), TextOf(file, c.textId)) << c.idName << " in " << file;
            ++checked;
        }
        const res::MenuTemplate& menu = res::MainMenu();
        EXPECT_EQ(h.MenuGetTextByPosition(0), TextOf(file, menu.popupTextId));
        for (const res::MenuItemTemplate& item : menu.items)
            if (item.command != 0) {
                EXPECT_EQ(h.MenuGetTextByCommand(item.command), TextOf(file, item.textId)) << item.command;
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
        SCOPED_TRACE(c.name);
        const fs::path folder = m_dir / "program";
        fs::remove_all(folder);
        fs::create_directories(folder / "folder.lng");  // a folder is not a language file
        for (const std::string& f : c.files)
            std::ofstream(folder / f) << "810: Language\n";
        std::ofstream(folder / "notes.txt") << "not a language file\n";
        settings::LanguageTable texts;
        CLanguageDlg dialog(texts);
        dialog.SetFolder(folder.string().c_str());
        dialog.SetFile(c.current);
        bool opened = false;
        m_ui.WhenOpened(IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
            opened = true;
            std::vector<std::string> listed;
            for (const auto& item : d.ComboItems(IDC_LANG_LIST))
                listed.push_back(item.first);
            EXPECT_EQ(listed, c.listed);
            EXPECT_EQ(d.ComboGetCurSel(IDC_LANG_LIST), c.selected);
            d.Click(IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(opened);
        EXPECT_TRUE(dialog.m_bChanged);
        EXPECT_EQ(dialog.GetFile(), c.afterOk);
    }
}

TEST_F(LanguageDialogTest, TheSwitchRetextsTheMainWindowAndSavesOnOkOnly) {
    CopyLanguages();
    auto& h = Start();
    ExpectMainWindowIn(h, "english.lng");
    ASSERT_FALSE(IniWritten());

    // Cancel after choosing German: the language stays, no file.
    Choose(h, "deutsch.lng", IDCANCEL);
    ExpectMainWindowIn(h, "english.lng");
    EXPECT_FALSE(IniWritten());

    Choose(h, "deutsch.lng", IDOK);
    ExpectMainWindowIn(h, "deutsch.lng");
    EXPECT_EQ(Ini().at("Language"), "deutsch.lng");
    EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf("deutsch.lng", res::kTxtSettingsSaved));

    // The next dialog opens in German too.
    RunFromMenu(h, ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
        EXPECT_EQ(d.GetTitle(), TextOf("deutsch.lng", res::kTxtLanguageTitle));
        EXPECT_EQ(d.GetItemText(IDC_LANG_GROUP), TextOf("deutsch.lng", res::kTxtChooseLanguageGroup));
        EXPECT_EQ(d.GetItemText(IDCANCEL), TextOf("deutsch.lng", res::kTxtCancelButton));
        EXPECT_EQ(d.ComboGetText(IDC_LANG_LIST, d.ComboGetCurSel(IDC_LANG_LIST)), "deutsch.lng");
        d.Click(IDCANCEL);
    });

    Choose(h, "english.lng", IDOK);
    ExpectMainWindowIn(h, "english.lng");
    EXPECT_EQ(Ini().at("Language"), "english.lng");
}

TEST_F(LanguageDialogTest, BrokenLanguageFilesNeitherCrashNorLoseSettings) {
    CopyEnglish();
    // Cut off in the middle of the file and of a line; format conversions
    // where the texts take none; a very long line.
    std::string english;
    {
        std::ifstream in(fs::path(BB_SOURCE_DIR) / "lang" / "english.lng", std::ios::binary);
        english.assign(std::istreambuf_iterator<char>(in), {});
    }
    WriteFile("cut.lng", english.substr(0, english.size() / 2));
    WriteFile("percent.lng", "776: %s%s%n%d saved\n810: %s %n %x\n628: %s\n" + std::string(200000, 'x') + "\n");
    WriteFile("Brenvik.ini", "LimitDVD: 1234\n");
    auto& h = Start();
    for (const char* file : {"cut.lng", "percent.lng"}) {
        SCOPED_TRACE(file);
        Choose(h, file, IDOK);
        EXPECT_EQ(Ini().at("Language"), file);
        EXPECT_EQ(Ini().at("LimitDVD"), "1234") << "nothing lost";
        EXPECT_EQ(h.GetItemText(IDC_STATUS), TextOf(file, res::kTxtSettingsSaved)) << "shown as it stands";
    }
    RunFromMenu(h, ID_SETTINGS_LANGUAGE, IDD_LANGUAGE, [&](platform::HeadlessDialogHost& d) {
        EXPECT_EQ(d.GetTitle(), "%s %n %x");
        EXPECT_EQ(d.GetItemText(IDC_LANG_GROUP), "Sprache w\xC3\xA4hlen") << "no text: the template's caption";
        d.Click(IDCANCEL);
    });
}

}  // namespace
}  // namespace bb::app::test
