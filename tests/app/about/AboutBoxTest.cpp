// The About box and the Help command of the main window, on the headless host
// with the build's recording library.
#include <string>

#include "app/AboutDlg.h"
#include "app/AboutVersionLine.h"
#include "platform/Paths.h"
#include "platform/Shell.h"
#include "tests/app/WindowFixture.h"
#include "tests/controls/FakeShellAndRegistry.h"

namespace bb::app::test {
namespace {

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

// Help starts the viewer on the language's help file, else the English one,
// from the button and from the class library's Help command (F1); a missing
// file or viewer is said in a box.
TEST_F(AboutBoxTest, HelpStartsTheViewerOnTheLanguagesHelpFileOrSaysWhyNot) {
    auto& h = Start();
    const std::string english = platform::JoinPath(Folder(), "english.chm");
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    EXPECT_TRUE(m_shell.run.empty()) << "no viewer for a file that is not there";
    WriteFile("english.chm", "ITSF");
    m_shell.runResult = 2;  // hh.exe not found
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Help file not found:\n" + english +
                                 "\n\nThe help files (english.chm, deutsch.chm) belong in the program folder.");
    EXPECT_EQ(boxes[1].text, "The help viewer hh.exe could not be started (error 2).\n\nHelp file: " + english);
    for (const auto& box : boxes)
        EXPECT_EQ(box.caption + "|" + std::to_string(box.type) + "|" + std::to_string(box.templateId),
                  "Help|16|" + std::to_string(IDD_MAIN));

    m_shell.runResult = 33;
    m_shell.run.clear();
    m_ui.ClearBoxes();
    WriteFile("deutsch.chm", "ITSF");
    m_dlg->m_strLanguageFile = "deutsch.lng";
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    EXPECT_TRUE(m_dlg->HostCommand(ID_HELP_COMMAND, 0));
    fs::remove(m_dir / "deutsch.chm");
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    const auto viewerOn = [&](const char* name) {
        return std::make_pair("hh.exe " + platform::JoinPath(Folder(), name), int(platform::kShowDefault));
    };
    EXPECT_EQ(m_shell.run, (std::vector<std::pair<std::string, int>>{viewerOn("deutsch.chm"), viewerOn("deutsch.chm"),
                                                                    viewerOn("english.chm")}));
    EXPECT_TRUE(m_ui.Boxes().empty());
}

}  // namespace
}  // namespace bb::app::test
