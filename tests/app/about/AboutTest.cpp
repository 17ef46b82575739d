// The About box, its version line, and the Help command's file.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/AboutDlg.h"
#include "app/AboutVersionLine.h"
#include "app/HelpFile.h"
#include "platform/Paths.h"
#include "platform/Shell.h"
#include "tests/app/WindowFixture.h"
#include "tests/controls/FakeShellAndRegistry.h"

namespace bb::app::test {

namespace {

namespace fs = std::filesystem;

// The About box's version line without a recording library (with one, the
// About box test shows it); a broken language text cannot break it.
TEST(AboutVersionLine, NamesProgramLibraryAndBuild) {
    const std::string build = ") Build Nov  8 2005 ";
    EXPECT_EQ(app::AboutVersionLine(std::nullopt, "%s, no library loaded", "Nov  8 2005"),
              " Brenvik Burn / Ver. 1.2.1 (API 6.6.0.1, no library loaded" + build);
    const std::string line = app::AboutVersionLine(std::nullopt, "%d %s %n", "Nov  8 2005");
    EXPECT_EQ(line.rfind(" Brenvik Burn / Ver. 1.2.1 (API ", 0), 0u) << line;
    EXPECT_NE(line.find(build), std::string::npos) << line;
}

// Which help file the Help command opens for each language file. (English
// and German, each with its own file, are opened in the running program:
// about-help.sh.)
TEST(HelpFile, NamedAfterTheLanguageFileElseEnglish) {
    const std::string dir = platform::JoinPath("prog", "dir");
    auto in = [&](const char* name) { return platform::JoinPath(dir, name); };
    struct Case { const char* languageFile; std::set<std::string> present; std::string path; bool exists; } cases[] = {
        {"deutsch.lng", {"english.chm"}, "english.chm", true},
        {"my.lang.lng", {"my.lang.chm", "english.chm"}, "my.lang.chm", true},
        {"my.lang.lng", {"my.chm", "english.chm"}, "english.chm", true},
        {"noext", {"noext.chm"}, "noext.chm", true},
        {"francais.lng", {"deutsch.chm"}, "english.chm", false},
        {"", {".chm"}, "english.chm", false},
    };
    for (const Case& c : cases) {
        std::set<std::string> files;
        for (const std::string& name : c.present)
            files.insert(in(name.c_str()));
        const app::HelpChoice choice =
            app::ChooseHelpFile(dir, c.languageFile, [&](const std::string& p) { return files.count(p) > 0; });
        EXPECT_EQ(choice.path, in(c.path.c_str())) << c.languageFile;
        EXPECT_EQ(choice.exists, c.exists) << c.languageFile;
        EXPECT_EQ(choice.command, "hh.exe " + in(c.path.c_str())) << c.languageFile;
    }
}

// The About box and the Help command of the main window, on the headless host
// with the build's recording library.
class AboutBoxTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_ui.AddTemplate(app::HeadlessAboutDialog());
    }
    // What the next About box shows, and the main window's status line
    // meanwhile; `link` (when not 0) is clicked before OK.
    void ReadNextAboutBox(std::string& shown, int link) {
        m_ui.WhenOpened(IDD_ABOUT, [this, &shown, link](platform::HeadlessDialogHost& box) {
            shown = box.GetTitle();
            for (int id : {IDC_ABOUT_VERSION, IDC_ABOUT_THANKS, IDC_ABOUT_TRANSLATION, IDC_ABOUT_CONTACT,
                           IDC_ABOUT_MAIL, IDC_ABOUT_HOMEPAGE})
                shown += "\n" + box.GetItemText(id);
            shown += "\n" + m_dlg->GetDlgItemText(IDC_STATUS).str();
            if (link) box.Click(link);
            box.Click(IDOK);
        });
    }

    controls::test::FakeShell m_shell;
    controls::test::FakeRegistry m_noBrowser;  // no .htm class: a failed open stays failed
};

// The About button and the system menu's item show the same box; only the
// button says so on the status line. Its links open their language texts'
// targets, shown normally.
TEST_F(AboutBoxTest, AboutButtonAndSystemMenuShowVersionLineCreditsAndLinks) {
    auto& h = Start();
    std::string fromButton, fromMenu;
    ReadNextAboutBox(fromButton, IDC_ABOUT_MAIL);
    ASSERT_TRUE(h.Click(IDC_ABOUT));
    // The build's own library is loaded and reports its interface version.
    EXPECT_EQ(fromButton, std::string("About Brenvik Burn 1.2.1\n Brenvik Burn / Ver. 1.2.1 (API 6.6.0.1) Build ") +
                              app::ProgramBuildDate() +
                              " \nThanks to everyone who tested early versions and reported problems."
                              "\nEnglish texts: Brenvik Software\nContact\nburn@brenvik.example"
                              "\nwww.brenvik.example/burn\nAbout Brenvik Burn...");
    EXPECT_EQ(m_dlg->GetDlgItemText(IDC_STATUS), "Ready.");

    m_dlg->ShowStatus("busy elsewhere");
    ReadNextAboutBox(fromMenu, IDC_ABOUT_HOMEPAGE);
    ASSERT_TRUE(h.SysCommand(IDM_ABOUTBOX));
    EXPECT_EQ(fromMenu, fromButton.substr(0, fromButton.rfind('\n')) + "\nbusy elsewhere");
    EXPECT_EQ(m_dlg->GetDlgItemText(IDC_STATUS), "busy elsewhere");

    EXPECT_EQ(m_shell.opened, (std::vector<std::pair<std::string, int>>{
                                 {"mailto:burn@brenvik.example?subject=Brenvik Burn", 5},
                                 {"https://www.brenvik.example/burn/", 5}}));
    EXPECT_TRUE(m_ui.Boxes().empty());
}

// Help starts the viewer from the button and from the class library's Help
// command (F1); a missing file or viewer is said in a box.
TEST_F(AboutBoxTest, HelpStartsTheViewerOnTheLanguagesHelpFileOrSaysWhyNot) {
    auto& h = Start();
    const std::string english = platform::JoinPath(Folder(), "english.chm");
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    EXPECT_TRUE(m_shell.run.empty()) << "no viewer for a file that is not there";
    WriteFile("english.chm", "ITSF");
    m_shell.runResult = 2;  // hh.exe not found
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "Help file not found:\n" + english +
                               "\n\nThe help files (english.chm, deutsch.chm) belong in the program folder.|Help|0x10",
                           "The help viewer hh.exe could not be started (error 2).\n\nHelp file: " + english +
                               "|Help|0x10"}));
    EXPECT_EQ(m_ui.Boxes().at(0).templateId, IDD_MAIN);

    // F1 reaches the same command; which file each language opens is the
    // help file's own table, and the running program's (about-help.sh).
    m_shell.runResult = 33;
    m_ui.ClearBoxes();
    EXPECT_TRUE(m_dlg->HostCommand(ID_HELP_COMMAND, 0));
    EXPECT_EQ(m_shell.run.back(), std::make_pair("hh.exe " + english, int(platform::kShowDefault)));
    EXPECT_TRUE(m_ui.Boxes().empty());
}

}  // namespace
}  // namespace bb::app::test
