// The main window's keys, exit path, message boxes and log.
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "res/resource.h"

namespace uitest {
namespace {

TEST_F(MainWindowTest, EscapeAndAltF4DoNotCloseQuitDoes) {
    auto& h = Start("/D x /V y");
    ASSERT_EQ(dlg_->m_argc, 4);
    EXPECT_TRUE(h.PressKey(VK_ESCAPE));
    EXPECT_TRUE(h.PressKey(VK_F4, /*alt=*/true));
    EXPECT_FALSE(h.Ended());
    EXPECT_FALSE(h.PressKey(VK_F4)) << "F4 alone is an ordinary key";
    EXPECT_FALSE(h.Ended());

    ASSERT_TRUE(h.Click(IDC_QUIT));
    EXPECT_TRUE(h.Ended());
    EXPECT_EQ(h.Result(), IDCANCEL);
    // The exit path frees the command line's words.
    EXPECT_EQ(dlg_->m_argc, 0);
    for (const CString& word : dlg_->m_argv)
        EXPECT_TRUE(word.IsEmpty());
}

TEST_F(MainWindowTest, CloseBoxLeavesThroughTheSameExit) {
    auto& h = Start("/C /D x");
    h.Close();
    EXPECT_TRUE(h.Ended());
    EXPECT_EQ(h.Result(), IDCANCEL);
    EXPECT_EQ(dlg_->m_argc, 0);
}

TEST_F(MainWindowTest, ShowMessageRestoresAMinimisedWindowBeforeAsking) {
    auto& h = Start();
    for (int before : {SW_MINIMIZE, SW_SHOWNORMAL}) {
        h.ShowWindow(before);
        int stateWhileAsking = -1;
        ui_.SetResponder([&](const platform::ShownMessageBox&) {
            stateWhileAsking = h.GetShowState();
            return IDNO;
        });
        EXPECT_EQ(dlg_->ShowMessage("Overwrite?", "Question", 0x124), IDNO);
        EXPECT_EQ(stateWhileAsking, SW_SHOWNORMAL) << "window shown " << before;
    }
    const auto boxes = ui_.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Overwrite?");
    EXPECT_EQ(boxes[0].caption, "Question");
    EXPECT_EQ(boxes[0].type, 0x124u);
    EXPECT_EQ(boxes[0].templateId, IDD_MAIN);
}

TEST_F(MainWindowTest, AppendLogAddsLinesAndShowsTheNewest) {
    WriteFile("Brenvik.ini", "");  // read, so start-up logs nothing
    auto& h = Start();
    ASSERT_TRUE(h.Lines(IDC_LOG).empty());
    struct Step {
        const char* text;
        std::vector<std::string> lines;
    } steps[] = {
        {"first", {"first"}},
        {"100% done", {"first", "100% done"}},
        {"a\r\nb", {"first", "100% done", "a", "b"}},
        {"", {"first", "100% done", "a", "b", ""}},
    };
    for (const Step& s : steps) {
        dlg_->AppendLog(s.text);
        EXPECT_EQ(h.Lines(IDC_LOG), s.lines) << s.text;
        EXPECT_EQ(h.EditGetFirstVisibleLine(IDC_LOG), int(s.lines.size()) - 1) << s.text;
    }
    EXPECT_EQ(h.GetItemText(IDC_LOG), "first\r\n100% done\r\na\r\nb\r\n");
}

}  // namespace
}  // namespace uitest
