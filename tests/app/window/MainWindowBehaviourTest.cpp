// The main window's keys, exit path, message boxes, log, job state and the
// Directory button.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/FilePickerService.h"
#include "res/MainDialogTemplate.h"
#include "tests/app/WindowFixture.h"

namespace uitest {
namespace {

class MainWindowBehaviourTest : public WindowTest {};

TEST_F(MainWindowBehaviourTest, OnlyQuitAndTheCloseBoxLeaveAndBothFreeTheWords) {
    for (const bool closeBox : {false, true}) {
        auto& h = Start("", "/D x /V y");
        ASSERT_EQ(dlg_->m_argc, 4);
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
        EXPECT_EQ(dlg_->m_argc, 0) << closeBox;
        for (const CString& word : dlg_->m_argv) EXPECT_TRUE(word.IsEmpty()) << closeBox;
    }
}

TEST_F(MainWindowBehaviourTest, ShowMessageRestoresAMinimisedWindowBeforeAsking) {
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
    const auto box = ui_.Boxes().at(0);
    EXPECT_EQ(box.text + "|" + box.caption, "Overwrite?|Question");
    EXPECT_EQ(box.type, 0x124u);
    EXPECT_EQ(box.templateId, IDD_MAIN);
}

TEST_F(MainWindowBehaviourTest, AppendLogAddsLinesAndShowsTheNewest) {
    auto& h = Start();
    dlg_->SetDlgItemText(IDC_LOG, "");
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
        dlg_->AppendLog(s.text);
        EXPECT_EQ(h.Lines(IDC_LOG), s.lines) << s.text;
        EXPECT_EQ(h.EditGetFirstVisibleLine(IDC_LOG), int(s.lines.size()) - 1) << s.text;
    }
    EXPECT_EQ(h.GetItemText(IDC_LOG), "first\r\n100% done\r\na\r\nb\r\n");
}

// A control of template 101 as a user names it: by its template caption, or,
// for the controls without one, by where it sits (left, top in dialog units).
struct Named {
    const char* caption;
    int x = 0, y = 0;
};

int IdOf(const Named& named) {
    for (const bbres::ControlTemplate& c : bbres::MainDialog().controls)
        if (*named.caption ? std::string(c.caption) == named.caption : c.x == named.x && c.y == named.y) return c.id;
    ADD_FAILURE() << "template 101 has no control " << named.caption << " at " << named.x << "," << named.y;
    return -1;
}

// Which controls a job leaves usable, and what leaving the job restores.
TEST_F(MainWindowBehaviourTest, JobStateDisablesInputsAndRestoresTheIdleDisplay) {
    auto& h = Start();
    const int burn = IdOf({"Bur&n"}), speeds = IdOf({"", 61, 31}), abort = IdOf({"Ab&ort"});
    std::vector<int> disabledDuringJob = {burn, speeds};
    for (const Named& n : std::vector<Named>{
             {"&Quit"}, {"&DVD"}, {"&CD"}, {"F&ull Erase"}, {"Quic&k Erase"}, {"Reallocate VIDEO_TS &Structure"},
             {"E&rase"}, {"", 61, 14} /* recorder list */, {"D&irectory"}, {"", 72, 125} /* volume */, {"A&bout"},
             {"Save &Log"}, {"", 149, 29} /* refresh */, {"", 72, 110} /* DVD root */, {"", 283, 125} /* label length */,
             {"", 263, 185} /* eject */, {"&Verify written media"}})
        disabledDuringJob.push_back(IdOf(n));
    std::vector<int> untouched;
    for (const Named& n : std::vector<Named>{
             {"&Help"}, {"Clear Log"}, {"Shutdown &Windows after burning"}, {"#5010"} /* size meter */})
        untouched.push_back(IdOf(n));

    // The speed list's state as the speed-list builder left it.
    const bool speedsUsable = h.IsItemEnabled(speeds);
    EXPECT_EQ(speedsUsable, h.ComboGetCount(speeds) > 0);
    for (BOOL abortEnabled : {TRUE, FALSE}) {
        dlg_->DisableForJob(abortEnabled);
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

        dlg_->EnableAfterJob();
        EXPECT_FALSE(h.IsItemEnabled(abort));
        // Burn waits for the size check of a DVD root; the speed list gets
        // back its builder's state.
        for (int id : disabledDuringJob)
            EXPECT_EQ(h.IsItemEnabled(id), id == speeds ? speedsUsable : id != burn) << id;
        EXPECT_TRUE(h.MenuIsEnabledByPosition(0));
        EXPECT_EQ(h.ProgressGetPos(IDC_PROGRESS), 0);
        EXPECT_EQ(h.GetTitle(), "Brenvik Burn 1.2.1");
        EXPECT_EQ(h.GetItemText(IDC_PERCENT) + h.GetItemText(IDC_TIME_REMAINING) + h.GetItemText(IDC_TIME_TOTAL),
                  "0 %--:----:--");
    }
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
        EXPECT_EQ(picker.asked, (std::vector<std::string>{"73|" + T(kTxtBrowseTitle) + "|" + c.before + "|" +
                                                          T(kTxtStatusBrowsing)}))
            << c.what;
        EXPECT_EQ(h.GetItemText(IDC_STATUS), T(kTxtStatusReady)) << c.what;
        EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), c.shown) << c.what;
        EXPECT_EQ(h.IsItemEnabled(IDC_BURN), c.burnAfter) << "a cancelled pick leaves Burn: " << c.what;
        if (!c.answer.empty()) {
            EXPECT_EQ(h.GetItemText(IDC_VOLUME), "DVD") << "the folder names the label";
        }
    }
}

}  // namespace
}  // namespace uitest
