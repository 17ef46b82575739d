// The main window's keys, exit path, message boxes, log and the Directory
// button. (Which controls a job leaves usable is walked on the Win32 window.)
#include <cstdio>
#include <string>
#include <vector>

#include "platform/FilePickerService.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {
namespace {

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

TEST_F(MainWindowBehaviourTest, AppendLogAddsLinesAndShowsTheNewest) {
    auto& h = Start();
    m_dlg->SetDlgItemText(IDC_LOG, "");
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } steps[] = {
        {"first", {"first"}},
        {"100% done", {"first", "100% done"}},
        {"a\r\nb", {"first", "100% done", "a", "b"}},
        {"", {"first", "100% done", "a", "b", ""}},
    };
    for (const auto& s : steps) {
        m_dlg->AppendLog(s.text);
        EXPECT_EQ(h.Lines(IDC_LOG), s.lines) << s.text;
        EXPECT_EQ(h.EditGetFirstVisibleLine(IDC_LOG), int(s.lines.size()) - 1) << s.text;
    }
    EXPECT_EQ(h.GetItemText(IDC_LOG), "first\r\n100% done\r\na\r\nb\r\n");
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

}  // namespace
}  // namespace bb::app::test
