// The About box and the Help command of the main window, on the headless host
// with the build's recording library.
#include <filesystem>
#include <string>

#include "app/AboutDlg.h"
#include "app/AboutVersionLine.h"
#include "platform/Paths.h"
#include "platform/Shell.h"
#include "res/resource.h"
#include "tests/app/window/MainWindowFixture.h"
#include "tests/controls/FakeShellAndRegistry.h"

namespace bb::app::test {
namespace {

struct AboutTexts {
    std::string title, version, thanks, translation, contact, mail, home, statusWhileOpen;
};

class AboutBoxTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        m_ui.AddTemplate(app::HeadlessAboutDialog());
        CopyEnglish();
    }

    // Reads the open box, then runs `more` in it and closes it with OK.
    void ReadAboutBoxOnce(AboutTexts& texts, std::function<void(platform::HeadlessDialogHost&)> more = {}) {
        m_ui.WhenOpened(IDD_ABOUT, [this, &texts, more](platform::HeadlessDialogHost& box) {
            texts.title = box.GetTitle();
            texts.version = box.GetItemText(IDC_ABOUT_VERSION);
            texts.thanks = box.GetItemText(IDC_ABOUT_THANKS);
            texts.translation = box.GetItemText(IDC_ABOUT_TRANSLATION);
            texts.contact = box.GetItemText(IDC_ABOUT_CONTACT);
            texts.mail = box.GetItemText(IDC_ABOUT_MAIL);
            texts.home = box.GetItemText(IDC_ABOUT_HOMEPAGE);
            texts.statusWhileOpen = m_dlg->GetDlgItemText(IDC_STATUS).str();
            if (more)
                more(box);
            box.Click(IDOK);
        });
    }

    controls::test::FakeShell m_shell;
    controls::test::FakeRegistry m_noBrowser;  // no .htm class: a failed open stays failed
};

TEST_F(AboutBoxTest, AboutButtonShowsVersionLineCreditsAndLinks) {
    auto& h = Start();
    AboutTexts texts;
    ReadAboutBoxOnce(texts, [](platform::HeadlessDialogHost& box) { box.Click(IDC_ABOUT_MAIL); });
    ASSERT_TRUE(h.Click(IDC_ABOUT));

    EXPECT_EQ(texts.title, "About Brenvik Burn 1.2.1");
    // The build's own library is loaded and reports its interface version.
    EXPECT_EQ(texts.version, std::string(" Brenvik Burn / Ver. 1.2.1 (API 6.6.0.1) Build ") +
                                 app::ProgramBuildDate() + " ");
    EXPECT_EQ(texts.thanks, "Thanks to everyone who tested early versions and reported problems.");
    EXPECT_EQ(texts.translation, "English texts: Brenvik Software");
    EXPECT_EQ(texts.contact, "Contact");
    EXPECT_EQ(texts.mail, "burn@brenvik.example") << "the link shows its template text";
    EXPECT_EQ(texts.home, "www.brenvik.example/burn");
    EXPECT_EQ(texts.statusWhileOpen, "About Brenvik Burn...");
    EXPECT_EQ(m_dlg->GetDlgItemText(IDC_STATUS), "Ready.");

    // The mail link opens its language text's target, shown normally.
    ASSERT_EQ(m_shell.opened.size(), 1u);
    EXPECT_EQ(m_shell.opened[0], std::make_pair(std::string("mailto:burn@brenvik.example?subject=Brenvik Burn"), 5));
    EXPECT_TRUE(m_ui.Boxes().empty());
}

TEST_F(AboutBoxTest, SystemMenuShowsTheSameBoxAgainWithoutTouchingTheStatus) {
    auto& h = Start();
    AboutTexts first, second;
    ReadAboutBoxOnce(first);
    ASSERT_TRUE(h.Click(IDC_ABOUT));
    m_dlg->ShowStatus("busy elsewhere");
    ReadAboutBoxOnce(second, [](platform::HeadlessDialogHost& box) { box.Click(IDC_ABOUT_HOMEPAGE); });
    ASSERT_TRUE(h.SysCommand(IDM_ABOUTBOX));

    EXPECT_EQ(second.statusWhileOpen, "busy elsewhere");
    EXPECT_EQ(m_dlg->GetDlgItemText(IDC_STATUS), "busy elsewhere");
    EXPECT_EQ(second.title, first.title);
    EXPECT_EQ(second.version, first.version);
    EXPECT_EQ(second.thanks, first.thanks);
    EXPECT_EQ(second.translation, first.translation);
    ASSERT_EQ(m_shell.opened.size(), 1u);
    EXPECT_EQ(m_shell.opened[0].first, "https://www.brenvik.example/burn/");
}

TEST_F(AboutBoxTest, ALinkThatCannotBeOpenedSaysWhy) {
    auto& h = Start();
    m_shell.openResult = 31;  // no program for the link, and no .htm browser
    AboutTexts texts;
    ReadAboutBoxOnce(texts, [](platform::HeadlessDialogHost& box) { box.Click(IDC_ABOUT_HOMEPAGE); });
    ASSERT_TRUE(h.Click(IDC_ABOUT));

    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].templateId, IDD_ABOUT);
    EXPECT_EQ(boxes[0].text,
              "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_EQ(boxes[0].type, 0x30u);
}

TEST_F(AboutBoxTest, HelpStartsTheViewerOnTheLanguagesHelpFileElseEnglish) {
    WriteFile("english.chm", "ITSF");
    WriteFile("deutsch.chm", "ITSF");
    auto& h = Start();
    const std::string dir = Folder();
    auto viewerOn = [&](const char* name) {
        return std::make_pair("hh.exe " + platform::JoinPath(dir, name), int(platform::kShowDefault));
    };

    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    m_dlg->m_strLanguageFile = "deutsch.lng";
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    fs::remove(m_dir / "deutsch.chm");
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    // The class library's Help command (F1) goes the same way.
    EXPECT_TRUE(m_dlg->HostCommand(ID_HELP_COMMAND, 0));

    ASSERT_EQ(m_shell.run.size(), 4u);
    EXPECT_EQ(m_shell.run[0], viewerOn("english.chm"));
    EXPECT_EQ(m_shell.run[1], viewerOn("deutsch.chm"));
    EXPECT_EQ(m_shell.run[2], viewerOn("english.chm"));
    EXPECT_EQ(m_shell.run[3], viewerOn("english.chm"));
    EXPECT_TRUE(m_ui.Boxes().empty());
}

TEST_F(AboutBoxTest, AMissingHelpFileOrViewerIsSaidInABox) {
    auto& h = Start();
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));
    EXPECT_TRUE(m_shell.run.empty()) << "no viewer for a file that is not there";

    WriteFile("english.chm", "ITSF");
    m_shell.runResult = 2;  // hh.exe not found
    ASSERT_TRUE(h.Click(IDC_HELP_BUTTON));

    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    const std::string english = platform::JoinPath(Folder(), "english.chm");
    EXPECT_EQ(boxes[0].text, "Help file not found:\n" + english +
                                 "\n\nThe help files (english.chm, deutsch.chm) belong in the program folder.");
    EXPECT_EQ(boxes[1].text, "The help viewer hh.exe could not be started (error 2).\n\nHelp file: " + english);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.caption, "Help");
        EXPECT_EQ(box.type, 0x10u);
        EXPECT_EQ(box.templateId, IDD_MAIN);
    }
}

}  // namespace
}  // namespace bb::app::test
