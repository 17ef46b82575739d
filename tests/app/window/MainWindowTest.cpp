// The main window's start-up, keys, exit path, message boxes, log and Directory
// button, and what the console front end answers before the command line.
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/ConsoleOptions.h"
#include "platform/FilePickerService.h"
#include "platform/Paths.h"
#include "recording/CommandLine.h"
#include "res/MainDialogTemplate.h"
#include "settings/BuiltinTexts.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/Sandbox.h"

namespace bb::app::test {

namespace {

namespace fs = std::filesystem;

// The main window's start-up: settings, language, defaults, title, and the
// command line that starts the batch run.
class MainWindowStartupTest : public WindowTest {};

TEST_F(MainWindowStartupTest, WithoutSettingsFileLogsItsPathAndStartsWithTheDefaults) {
    // The first log line naming the file is checked on the console (console-front-end.sh).
    auto& h = Start();

    EXPECT_EQ(h.Icon(), IDI_MAIN);
    // Title, status, Clear Log (its icon only), label, DVD root, percent, times.
    EXPECT_EQ(h.GetTitle() + "|" + h.GetItemText(IDC_STATUS) + "|" + h.GetItemText(IDC_CLEAR_LOG) + "|" +
                  h.GetItemText(IDC_VOLUME) + "|" + h.GetItemText(IDC_SOURCE_DIR) + "|" + h.GetItemText(IDC_PERCENT) +
                  h.GetItemText(IDC_TIME_REMAINING) + h.GetItemText(IDC_TIME_TOTAL),
              "Brenvik Burn 1.2.1|" + T(res::kTxtNameAndCredit) + "||UNDEFINED||0 %--:----:--");
    // Quick erase, DVD, reallocation on, verify and shutdown off.
    EXPECT_EQ(std::vector<int>({h.GetRadioIndex(IDC_FULL_ERASE), h.GetRadioIndex(IDC_MEDIA_DVD), h.GetCheck(IDC_REALLOCATE),
                                h.GetCheck(IDC_VERIFY), h.GetCheck(IDC_SHUTDOWN)}),
              std::vector<int>({1, 0, BST_CHECKED, BST_UNCHECKED, BST_UNCHECKED}));
    // No saved speed: the last of the image recorder's speeds.
    EXPECT_TRUE(h.IsItemEnabled(IDC_SPEED_LIST));
    EXPECT_EQ(h.ComboGetCurSel(IDC_SPEED_LIST), h.ComboGetCount(IDC_SPEED_LIST) - 1);
    EXPECT_FALSE(h.IsItemEnabled(IDC_BURN) || h.IsItemEnabled(IDC_ABORT) || h.IsItemEnabled(IDC_STATUS));
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

// A stored language name of fewer than five characters is not taken. (What
// else start-up takes from the file is read back in SaveSettingsTest's second
// start; that a file read logs no line about it, on the console.)
TEST_F(MainWindowStartupTest, SettingsFileNamesTheLanguageFile) {
    const std::pair<const char*, const char*> cases[] = {{"Language: de\r\n", "english.lng"},
                                                         {"Language: x.lng\r\n", "x.lng"}};
    for (const auto& [ini, languageFile] : cases) {
        Start(ini);
        EXPECT_EQ(m_dlg->m_strLanguageFile, languageFile) << ini;
    }
}

TEST_F(MainWindowStartupTest, CommandLineOfTwoOrMoreCharactersStartsTheBatchRun) {
    const struct { const char* commandLine; bool batch; int words; } cases[] = {
        {"", false, 0}, {"x", false, 0}, {"/C", true, 1}, {"-d \"C:\\My DVD\" -v MOVIE", true, 4}, {"  ", true, 0},
    };
    for (const auto& c : cases) {
        auto& h = Start("", c.commandLine);
        EXPECT_EQ(Has(h.Lines(IDC_LOG), T(res::kTxtClStarted)), c.batch) << c.commandLine;
        EXPECT_EQ(m_dlg->m_argc, c.words) << c.commandLine;
    }
}

// The main window's keys, exit path, message boxes, log and the Directory
// button. (Which controls a job leaves usable is walked on the Win32 window.)
class MainWindowBehaviourTest : public WindowTest {};

TEST_F(MainWindowBehaviourTest, OnlyQuitAndTheCloseBoxLeaveAndBothFreeTheWords) {
    for (const bool closeBox : {false, true}) {
        auto& h = Start("", "/D x /V y");
        ASSERT_EQ(m_dlg->m_argc, 4);
        EXPECT_TRUE(h.PressKey(VK_ESCAPE));
        EXPECT_TRUE(h.PressKey(VK_F4, /*alt=*/true));
        EXPECT_FALSE(h.PressKey(VK_F4)) << "F4 alone is an ordinary key";
        EXPECT_FALSE(h.Ended());
        if (closeBox)
            h.Close();
        else
            ASSERT_TRUE(h.Click(IDC_QUIT));
        EXPECT_TRUE(h.Ended()) << closeBox;
        EXPECT_EQ(h.Result(), IDCANCEL) << closeBox;
        EXPECT_EQ(m_dlg->m_argc, 0) << closeBox;
        for (const framework::CString& word : m_dlg->m_argv) EXPECT_TRUE(word.IsEmpty()) << closeBox;
    }
}

TEST_F(MainWindowBehaviourTest, ShowMessageRestoresAMinimisedWindowBeforeAsking) {
    auto& h = Start();
    for (int before : {SW_MINIMIZE, SW_SHOWNORMAL}) {
        h.ShowWindow(before);
        int stateWhileAsking = -1;
        m_ui.SetResponder([&](const platform::ShownMessageBox&) {
            stateWhileAsking = h.GetShowState();
            return IDNO;
        });
        EXPECT_EQ(m_dlg->ShowMessage("Overwrite?", "Question", 0x124), IDNO);
        EXPECT_EQ(stateWhileAsking, SW_SHOWNORMAL) << "window shown " << before;
    }
    const auto box = m_ui.Boxes().at(0);
    EXPECT_EQ(box.text + "|" + box.caption, "Overwrite?|Question");
    EXPECT_EQ(box.type, 0x124u);
    EXPECT_EQ(box.templateId, IDD_MAIN);
}

// The edit's own appending is the dialog host contract's; here what the
// window hands it: texts with percent signs and line ends, and empty lines.
TEST_F(MainWindowBehaviourTest, AppendLogAddsLinesAndShowsTheNewest) {
    auto& h = Start();
    m_dlg->SetDlgItemText(IDC_LOG, "");
    for (const char* text : {"100% done", "a\r\nb", ""}) m_dlg->AppendLog(text);
    EXPECT_EQ(h.Lines(IDC_LOG), (std::vector<std::string>{"100% done", "a", "b", ""}));
    EXPECT_EQ(h.EditGetFirstVisibleLine(IDC_LOG), 3);
    EXPECT_EQ(h.GetItemText(IDC_LOG), "100% done\r\na\r\nb\r\n");
}

// A folder picker that notes what it was asked and what the window's status
// line showed meanwhile, and answers with `answer` (empty: cancelled).
class WatchingPicker final : public platform::FilePickerService {
public:
    bool RunFileDialog(bool, platform::FileDialogRecord&) override { return false; }
    bool BrowseForFolder(const platform::FolderBrowseRequest& request) override {
        asked.push_back(std::to_string(request.flags) + "|" + (request.title ? request.title : "") + "|" +
                        (request.initialFolder ? request.initialFolder : "") + "|" +
                        (window ? window->GetItemText(IDC_STATUS) : ""));
        if (answer.empty()) return false;
        std::snprintf(request.displayName, 260, "%s", answer.c_str());
        return true;
    }
    platform::HeadlessDialogHost* window = nullptr;
    std::string answer;
    std::vector<std::string> asked;
};

TEST_F(MainWindowBehaviourTest, DirectoryAsksThePickerWithTheWindowsValuesAndShowsItsAnswer) {
    const std::string root = SampleRoot();
    const struct {
        const char* what;
        std::string before;  // the DVD root already there; "" none
        std::string answer;  // "" cancels
        std::string shown;   // the DVD root field afterwards
        bool burnAfter;
    } cases[] = {
        {"chosen", "", root, root, true},
        {"cancelled, no root before", "", "", "Can't get dir...", false},
        {"cancelled after a root", root, "", "Can't get dir...", true},
    };
    for (const auto& c : cases) {
        WatchingPicker picker;
        platform::SetSystemFilePickers(&picker);
        auto& h = Start();
        picker.window = &h;
        if (!c.before.empty()) {
            ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, c.before, /*leave=*/true));
        }
        picker.answer = c.answer;
        ASSERT_TRUE(h.Click(IDC_BROWSE));
        platform::SetSystemFilePickers(nullptr);
        // Flags: file-system folders, new dialog style, file-system ancestors.
        EXPECT_EQ(picker.asked, (std::vector<std::string>{"73|" + T(res::kTxtBrowseTitle) + "|" + c.before + "|" +
                                                          T(res::kTxtStatusBrowsing)}))
            << c.what;
        EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtStatusReady)) << c.what;
        EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), c.shown) << c.what;
        EXPECT_EQ(h.IsItemEnabled(IDC_BURN), c.burnAfter) << "a cancelled pick leaves Burn: " << c.what;
        if (!c.answer.empty()) {
            EXPECT_EQ(h.GetItemText(IDC_VOLUME), "DVD") << "the folder names the label";
        }
    }
}

// What the console front end answers before the program's command line:
// nothing unless --help or --version stands alone, as it is spelled. (Alone
// they are answered on the console: console-front-end.sh.)
TEST(ConsoleOptions, HelpAndVersionAnswerOnlyWhenAlone) {
    const std::vector<std::vector<std::string>> cases = {{"/D", "x"}, {"--help", "/D"}, {"--Version"}};
    for (const auto& args : cases) {
        std::ostringstream out;
        EXPECT_FALSE(app::AnswerFrontEndOption(args, out, "brenvik-burn").has_value()) << args[0];
        EXPECT_TRUE(out.str().empty()) << args[0];
    }
}

// --help names every option and exit status, and the help pages beside the
// program, else the installed ones.
TEST(ConsoleOptions, HelpNamesTheHelpPagesBesideTheProgramElseInstalled) {
    const bb::test::Sandbox program;
    EXPECT_EQ(app::HelpPagesFolder(program.Folder(), "/usr/share/doc/x"), "/usr/share/doc/x");
    program.MakeFolder("help/en");
    const std::string beside = program.At("help");
    EXPECT_EQ(app::HelpPagesFolder(program.Folder(), "/usr/share/doc/x"), beside);
    std::ostringstream out;
    EXPECT_EQ(app::AnswerFrontEndOption({"--help"}, out, "brenvik-burn", beside), app::kExitSuccess);
    for (const char* language : {"en", "de"})
        EXPECT_NE(out.str().find(platform::JoinPath(platform::JoinPath(beside, language), "index.htm") + "\n"),
                  std::string::npos)
            << out.str();
    for (const char* needle : {"/D", "/V", "/C", "/E", "/O", "/L", "/S", "--help", "--version"})
        EXPECT_NE(out.str().find(needle), std::string::npos) << needle;
    for (int status : {app::kExitSuccess, app::kExitJobFailed, app::kExitUsage})
        EXPECT_NE(out.str().find(std::to_string(status) + " "), std::string::npos) << status;
}

// The tail rebuilt from the shell's words splits back into the same words.
TEST(ConsoleOptions, CommandLineTailKeepsWordsWithBlanksTogether) {
    const std::vector<std::vector<std::string>> cases = {
        {"/D", "/tmp/My DVD", "/V", "MOVIE"},
        {"/D", "/tmp/Two  Spaces", "/V", "TWO"},
        {"/D", "/tmp/a\tb"},
        {"-d", "C:\\Program Files\\DVD"},
        {"/C"},
        {},
    };
    for (const auto& words : cases) {
        const std::string tail = app::CommandLineTail(words);
        EXPECT_EQ(recording::SplitCommandLine(tail).words, words) << tail;
    }
}

}  // namespace
}  // namespace bb::app::test
