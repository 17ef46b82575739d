// Settings > Language: the list of language files, the selection of the
// current one, and broken files chosen. (The switch of the running window's
// texts is driven on the Win32 window.)
#include <string>
#include <vector>

#include "SettingsWindowFixture.h"
#include "app/LanguageDlg.h"

namespace bb::app::test {
namespace {

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

}  // namespace
}  // namespace bb::app::test
