// The dialog host contract on the headless host, with the dialogs the build
// generates from FrameworkTest.rc; then what only the headless host has: the
// test's hands, scripted message boxes, and a UI loop that can be told to quit.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"
#include "res/HeadlessDialogs.h"
#include "tests/framework/DialogHostContract.h"

namespace bb::framework {
namespace {

using namespace bb::framework::test;

platform::HeadlessDialogHost& HostOf(CDialog& dialog) {
    return *static_cast<platform::HeadlessDialogHost*>(dialog.Host());
}

struct HeadlessEnv {
    HeadlessEnv() {
        for (const res::DialogTemplate& d : res::RcDialogs()) ui.AddTemplate(res::HeadlessDialogOf(d));
    }
    static void Click(CDialog& dialog, int id) { EXPECT_TRUE(HostOf(dialog).Click(id)) << id; }
    static void Type(CDialog& dialog, int id, const char* text) { EXPECT_TRUE(HostOf(dialog).Type(id, text)) << id; }

    platform::HeadlessUi ui;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, DialogHostContract, HeadlessEnv);

class HeadlessHost : public ::testing::Test {
protected:
    HeadlessEnv m_env;
    platform::HeadlessUi& m_ui = m_env.ui;
    // The contract's dialog with its members exchanged, opened by the test's hands.
    CheckingDialog m_dialog{[](CheckingDialog&) {}, IDD_FW_TEST, nullptr, false};
};

// OK pulls what the user changed and closes; every other way out leaves the
// members as they were.
TEST_F(HeadlessHost, OkPullsTheMembersEveryOtherWayOutLeavesThem) {
    enum Way { Ok, CancelButton, Escape, AltF4 };
    for (Way way : {Ok, CancelButton, Escape, AltF4}) {
        CheckingDialog d([](CheckingDialog&) {}, IDD_FW_TEST, nullptr, false);
        platform::HeadlessDialogHost& h = m_ui.Open(d);
        for (const char* s : {"Max", "16x", "8x"}) d.GetCombo(IDC_FW_SPEED).AddString(s);
        ASSERT_TRUE(h.Type(IDC_FW_NAME, "MOVIE"));
        ASSERT_TRUE(h.Type(IDC_FW_COUNT, " -5 "));
        ASSERT_TRUE(h.Click(IDC_FW_FLAG));
        ASSERT_TRUE(h.Click(IDC_FW_MODE_C));
        ASSERT_TRUE(h.SelectCombo(IDC_FW_SPEED, 2));
        if (way == Ok || way == CancelButton) EXPECT_TRUE(h.Click(way == Ok ? IDOK : IDCANCEL)) << way;
        else EXPECT_FALSE(h.PressKey(way == Escape ? VK_ESCAPE : VK_F4, way == AltF4)) << way;

        EXPECT_TRUE(h.Ended()) << way;
        EXPECT_EQ(h.Result(), way == Ok ? IDOK : IDCANCEL) << way;
        const bool pulled = way == Ok;
        EXPECT_EQ(d.m_strName, pulled ? "MOVIE" : "UNDEFINED") << way;
        EXPECT_EQ(d.m_nCount, pulled ? -5 : 4482) << way;
        EXPECT_EQ(d.m_bFlag, pulled ? 0 : 1) << way;
        EXPECT_EQ(d.m_nMode, pulled ? 2 : 1) << way;
        EXPECT_EQ(d.m_nSpeed, pulled ? 2 : -1) << way;
        EXPECT_FALSE(d.UpdateData(TRUE)) << "closed";
    }
    EXPECT_TRUE(m_ui.Boxes().empty());
}

TEST_F(HeadlessHost, NonIntegerKeepsTheDialogOpenAndAsksForAnInteger) {
    platform::HeadlessDialogHost& h = m_ui.Open(m_dialog);
    ASSERT_TRUE(h.Type(IDC_FW_NAME, "FIRST"));
    ASSERT_TRUE(h.Type(IDC_FW_COUNT, "12x"));
    ASSERT_TRUE(h.Click(IDC_FW_FLAG));
    ASSERT_TRUE(h.Click(IDOK));

    EXPECT_FALSE(h.Ended());
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please enter an integer.");
    EXPECT_EQ(boxes[0].type, unsigned(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(h.FocusedItem(), IDC_FW_COUNT);
    // Members exchanged before the faulty field are taken, those after it not.
    EXPECT_EQ(m_dialog.m_strName, "FIRST");
    EXPECT_EQ(m_dialog.m_nCount, 4482);
    EXPECT_EQ(m_dialog.m_bFlag, 1);
    EXPECT_FALSE(m_dialog.UpdateData(TRUE));

    ASSERT_TRUE(h.Type(IDC_FW_COUNT, "700"));
    ASSERT_TRUE(h.Click(IDOK));
    EXPECT_EQ(h.Result(), IDOK);
    EXPECT_EQ(m_dialog.m_nCount, 700);
    EXPECT_EQ(m_dialog.m_bFlag, 0);
}

TEST_F(HeadlessHost, RadioGroupsEndWhereTheNextStartsAndPushRefreshesTheControls) {
    EXPECT_FALSE(m_dialog.UpdateData(TRUE)) << "never shown";
    platform::HeadlessDialogHost& h = m_ui.Open(m_dialog);
    struct Case {
        int click;
        int modeIndex;   // of the group A, B, C
        int otherCheck;  // of the radio that starts the next group
    } cases[] = {{IDC_FW_OTHER, 1, BST_CHECKED}, {IDC_FW_MODE_A, 0, BST_CHECKED}, {IDC_FW_MODE_C, 2, BST_CHECKED}};
    for (const Case& c : cases) {
        ASSERT_TRUE(h.Click(c.click));
        EXPECT_EQ(h.GetRadioIndex(IDC_FW_MODE_A), c.modeIndex) << "after clicking " << c.click;
        EXPECT_EQ(h.GetCheck(IDC_FW_OTHER), c.otherCheck) << "after clicking " << c.click;
    }
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(m_dialog.m_nMode, 2);

    // The push of text, count, check and radio is the contract's first display.
    m_dialog.GetCombo(IDC_FW_SPEED).AddString("Max");
    m_dialog.m_nMode = -1;
    m_dialog.m_nSpeed = 0;
    EXPECT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(h.GetRadioIndex(IDC_FW_MODE_A), -1);
    EXPECT_EQ(h.GetItemText(IDC_FW_SPEED), "Max");
}

// Unscripted boxes take their default button. (Queued answers before the
// responder: the erase tests of BatchTest answer that way.)
TEST_F(HeadlessHost, UnscriptedMessageBoxesTakeTheirDefaultButtonAndAreRecorded) {
    m_ui.Open(m_dialog);
    struct Case { unsigned type; int defaultAnswer; } defaults[] = {
        {MB_OK | MB_ICONERROR, IDOK}, {MB_ICONINFORMATION, IDOK}, {MB_YESNO | MB_ICONEXCLAMATION, IDYES},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO}, {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
    };
    for (const Case& c : defaults) EXPECT_EQ(m_dialog.MessageBox("q", "c", c.type), c.defaultAnswer) << c.type;
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), std::size(defaults));
    const platform::ShownMessageBox& last = boxes.back();
    EXPECT_EQ(last.text + "|" + last.caption, "q|c");
    EXPECT_EQ(last.type, unsigned(MB_OKCANCEL | MB_DEFBUTTON2));
    EXPECT_EQ(last.answer, IDCANCEL);
    EXPECT_EQ(last.templateId, IDD_FW_TEST);
}

TEST(HeadlessHostWithoutUi, DoModalWithoutAHostFactoryFails) {
    CDialog dialog(IDD_FW_TEST);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.MessageBox("x", "y", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

class MenuDialog : public CDialog {
public:
    MenuDialog() : CDialog(IDD_FW_TEST) {
        MapCommand(ID_FW_FLAGS, [this] { ++menuChosen; });
        MapCommand(IDC_FW_ABORT, [this] { ++aborts; });
    }
    int menuChosen = 0, aborts = 0;
};

TEST_F(HeadlessHost, DisabledControlsAndMenusIgnoreTheUser) {
    MenuDialog dialog;
    platform::HeadlessDialogHost& h = m_ui.Open(dialog);
    EXPECT_FALSE(h.Click(IDC_FW_ABORT)) << "disabled in the template";
    dialog.EnableWindow(IDC_FW_ABORT, TRUE);
    EXPECT_TRUE(h.Click(IDC_FW_ABORT));
    EXPECT_EQ(dialog.aborts, 1);

    EXPECT_TRUE(h.ChooseMenu(ID_FW_FLAGS));
    dialog.EnableMenuPopup(0, FALSE);
    EXPECT_FALSE(h.ChooseMenu(ID_FW_FLAGS));
    dialog.EnableMenuPopup(0, TRUE);
    dialog.EnableMenuItem(ID_FW_FLAGS, FALSE);
    EXPECT_FALSE(h.ChooseMenu(ID_FW_FLAGS));
    EXPECT_EQ(dialog.menuChosen, 1);

    dialog.AppendSystemMenuItem(0x10, "About...");
    EXPECT_EQ(h.SystemMenuItems().size(), 1u);
}

// A job that blocks the UI thread and keeps the window alive by pumping its
// messages, as the library's idle callback does, stops when the UI is to end.
// (The window tests abort such a job from another thread.)
class BlockingJobDialog : public CDialog {
public:
    BlockingJobDialog() : CDialog(IDD_FW_TEST) {
        MapCommand(IDOK, [this] {
            for (;;) {
                if (!HasPendingMessage()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
                else if (!PumpMessage()) break;
            }
            EndDialog(6);
        });
    }
};

TEST_F(HeadlessHost, PumpReportsQuitWhenTheUiIsToEnd) {
    BlockingJobDialog dialog;
    m_ui.WhenOpened(IDD_FW_TEST, [this](platform::HeadlessDialogHost& h) {
        h.Post([&h] { h.Click(IDOK); });
        m_ui.PostQuit();
    });
    EXPECT_EQ(dialog.DoModal(), 6);
}

}  // namespace
}  // namespace bb::framework
