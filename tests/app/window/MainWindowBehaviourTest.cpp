// The main window's keys, exit path, message boxes and log.
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "res/MainDialogTemplate.h"
#include "res/resource.h"

namespace bb::app::test {
namespace {

// This file's own suite over the shared fixture.
class MainWindowBehaviourTest : public MainWindowTest {};

TEST_F(MainWindowBehaviourTest, EscapeAndAltF4DoNotCloseQuitDoes) {
    auto& h = Start("/D x /V y");
    ASSERT_EQ(m_dlg->m_argc, 4);
    EXPECT_TRUE(h.PressKey(VK_ESCAPE));
    EXPECT_TRUE(h.PressKey(VK_F4, /*alt=*/true));
    EXPECT_FALSE(h.Ended());
    EXPECT_FALSE(h.PressKey(VK_F4)) << "F4 alone is an ordinary key";
    EXPECT_FALSE(h.Ended());

    ASSERT_TRUE(h.Click(IDC_QUIT));
    EXPECT_TRUE(h.Ended());
    EXPECT_EQ(h.Result(), IDCANCEL);
    // The exit path frees the command line's words.
    EXPECT_EQ(m_dlg->m_argc, 0);
    for (const framework::CString& word : m_dlg->m_argv)
        EXPECT_TRUE(word.IsEmpty());
}

TEST_F(MainWindowBehaviourTest, CloseBoxLeavesThroughTheSameExit) {
    auto& h = Start("/C /D x");
    h.Close();
    EXPECT_TRUE(h.Ended());
    EXPECT_EQ(h.Result(), IDCANCEL);
    EXPECT_EQ(m_dlg->m_argc, 0);
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
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Overwrite?");
    EXPECT_EQ(boxes[0].caption, "Question");
    EXPECT_EQ(boxes[0].type, 0x124u);
    EXPECT_EQ(boxes[0].templateId, IDD_MAIN);
}

TEST_F(MainWindowBehaviourTest, AppendLogAddsLinesAndShowsTheNewest) {
    WriteFile("Brenvik.ini", "");  // read, so start-up logs only the recorder set-up
    auto& h = Start();
    m_dlg->SetDlgItemText(IDC_LOG, "");
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
        m_dlg->AppendLog(s.text);
        EXPECT_EQ(h.Lines(IDC_LOG), s.lines) << s.text;
        EXPECT_EQ(h.EditGetFirstVisibleLine(IDC_LOG), int(s.lines.size()) - 1) << s.text;
    }
    EXPECT_EQ(h.GetItemText(IDC_LOG), "first\r\n100% done\r\na\r\nb\r\n");
}

}  // namespace
}  // namespace bb::app::test

namespace bb::app::test {
namespace {

// A control of template 101 as a user names it: by its template caption, or,
// for the controls without one, by where it sits (left, top in dialog units).
struct Named {
    const char* caption;
    int x = 0, y = 0;
};

int IdOf(const Named& named) {
    for (const res::ControlTemplate& c : res::MainDialog().controls) {
        const bool found = *named.caption ? std::string(c.caption) == named.caption : c.x == named.x && c.y == named.y;
        if (found) return c.id;
    }
    ADD_FAILURE() << "template 101 has no control " << named.caption << " at " << named.x << "," << named.y;
    return -1;
}

std::vector<int> IdsOf(const std::vector<Named>& names) {
    std::vector<int> ids;
    for (const Named& n : names) ids.push_back(IdOf(n));
    return ids;
}

// Which controls a job leaves usable, and what leaving the job restores.
TEST_F(MainWindowBehaviourTest, JobStateDisablesInputsAndRestoresTheIdleDisplay) {
    CopyEnglish();
    auto& h = Start();
    const Named burn{"Bur&n"}, speeds{"", 61, 31};
    const std::vector<int> disabledDuringJob = IdsOf({
        {"&Quit"}, {"&DVD"}, {"&CD"}, {"F&ull Erase"}, {"Quic&k Erase"}, {"Reallocate VIDEO_TS &Structure"},
        {"E&rase"}, {"", 61, 14} /* recorder list */, burn, speeds, {"D&irectory"}, {"", 72, 125} /* volume */,
        {"A&bout"}, {"Save &Log"}, {"", 149, 29} /* refresh */, {"", 72, 110} /* DVD root */,
        {"", 283, 125} /* label length */, {"", 263, 185} /* eject */, {"&Verify written media"},
    });
    const std::vector<int> untouched =
        IdsOf({{"&Help"}, {"Clear Log"}, {"Shutdown &Windows after burning"}, {"#5010"} /* size meter */});
    const int abort = IdOf({"Ab&ort"});

    ASSERT_FALSE(h.Ended()) << ::testing::PrintToString(h.Lines(IDC_LOG));
    // The speed list's state as the speed-list builder left it.
    const bool speedsUsable = h.IsItemEnabled(IdOf(speeds));
    EXPECT_EQ(speedsUsable, h.ComboGetCount(IdOf(speeds)) > 0);
    for (BOOL abortEnabled : {TRUE, FALSE}) {
        SCOPED_TRACE(abortEnabled);
        m_dlg->DisableForJob(abortEnabled);
        EXPECT_EQ(h.IsItemEnabled(abort), bool(abortEnabled));
        for (int id : disabledDuringJob) EXPECT_FALSE(h.IsItemEnabled(id)) << id;
        for (int id : untouched) EXPECT_TRUE(h.IsItemEnabled(id)) << id;
        EXPECT_FALSE(h.MenuIsEnabledByPosition(0));
        EXPECT_EQ(h.ProgressGetRange(IDC_PROGRESS), std::make_pair(0, 100));
        EXPECT_FALSE(h.Click(IDC_QUIT)) << "no way out while a job runs";
        h.Close();
        EXPECT_FALSE(h.Ended()) << "nor through the close box";

        // What a job leaves behind.
        h.ProgressSetPos(IDC_PROGRESS, 57);
        h.SetTitle("57% Brenvik Burn");
        h.SetItemText(IDC_PERCENT, "57 %");
        h.SetItemText(IDC_TIME_REMAINING, "1:02");
        h.SetItemText(IDC_TIME_TOTAL, "2:24");

        m_dlg->EnableAfterJob();
        EXPECT_FALSE(h.IsItemEnabled(abort));
        for (int id : disabledDuringJob) {
            // Burn waits for the size check of a DVD root; the speed list
            // gets back its builder's state.
            if (id == IdOf(burn) || id == IdOf(speeds)) continue;
            EXPECT_TRUE(h.IsItemEnabled(id)) << id;
        }
        EXPECT_FALSE(h.IsItemEnabled(IdOf(burn)));
        EXPECT_EQ(h.IsItemEnabled(IdOf(speeds)), speedsUsable);
        EXPECT_TRUE(h.MenuIsEnabledByPosition(0));
        EXPECT_EQ(h.ProgressGetPos(IDC_PROGRESS), 0);
        EXPECT_EQ(h.GetTitle(), "Brenvik Burn 1.2.1");
        EXPECT_EQ(h.GetItemText(IDC_PERCENT), "0 %");
        EXPECT_EQ(h.GetItemText(IDC_TIME_REMAINING), "--:--");
        EXPECT_EQ(h.GetItemText(IDC_TIME_TOTAL), "--:--");
    }
}

}  // namespace
}  // namespace bb::app::test
