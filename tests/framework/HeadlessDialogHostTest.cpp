// The dialog host contract on the headless host, with the dialogs the build
// generates from FrameworkTest.rc; then what only the headless host has: the
// test's hands, scripted message boxes, and a UI loop that can be told to quit.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "framework/CEvent.h"
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
};

// The main window's key filter: Escape and Alt+F4 never close it.
class KeyFilterDialog : public CDialog {
public:
    KeyFilterDialog() : CDialog(IDD_FW_TEST) {}

protected:
    BOOL PreTranslateMessage(const DialogMessage& m) override {
        if (m.IsKeyDown(VK_ESCAPE)) return TRUE;
        if (IsKeyDown(VK_MENU) && IsKeyDown(VK_F4)) return TRUE;
        return CDialog::PreTranslateMessage(m);
    }
};

TEST_F(HeadlessHost, KeyFilterDecidesWhetherEscapeAndAltF4Close) {
    struct Case {
        bool filtered;
        int key;
        bool alt;
        bool swallowed;
        bool closes;
    } cases[] = {
        {true, VK_ESCAPE, false, true, false}, {true, VK_F4, true, true, false},
        {false, VK_ESCAPE, false, false, true}, {false, VK_F4, true, false, true},
        {true, VK_F4, false, false, false},  // F4 without Alt is just a key
    };
    for (const Case& c : cases) {
        KeyFilterDialog filtered;
        CDialog plain(IDD_FW_TEST);
        CDialog& dialog = c.filtered ? static_cast<CDialog&>(filtered) : plain;
        platform::HeadlessDialogHost& h = m_ui.Open(dialog);
        EXPECT_EQ(h.PressKey(c.key, c.alt), c.swallowed) << "key " << c.key << " alt " << c.alt;
        EXPECT_EQ(h.Ended(), c.closes) << "key " << c.key << " alt " << c.alt;
        if (c.closes) {
            EXPECT_EQ(h.Result(), IDCANCEL);
        }
        EXPECT_FALSE(h.IsKeyDown(c.key)) << "keys are released after the press";
    }
}

TEST_F(HeadlessHost, MessageBoxesAnswerFromQueueThenResponderThenDefault) {
    CDialog dialog(IDD_FW_TEST);
    m_ui.Open(dialog);
    struct Case {
        unsigned type;
        int defaultAnswer;
    } defaults[] = {
        {MB_OK | MB_ICONERROR, IDOK},
        {MB_ICONINFORMATION, IDOK},
        {MB_YESNO | MB_ICONEXCLAMATION, IDYES},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
    };
    for (const Case& c : defaults) EXPECT_EQ(dialog.MessageBox("q", "c", c.type), c.defaultAnswer) << c.type;

    m_ui.QueueAnswers({IDNO, IDYES});
    m_ui.SetResponder([](const platform::ShownMessageBox& box) { return box.caption == "ask" ? IDYES : IDNO; });
    EXPECT_EQ(dialog.MessageBox("1", "ask", 0x124), IDNO);
    EXPECT_EQ(dialog.MessageBox("2", "other", 0x124), IDYES);
    EXPECT_EQ(dialog.MessageBox("3", "ask", 0x124), IDYES);
    EXPECT_EQ(dialog.MessageBox("4", "other", 0x34), IDNO);

    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), std::size(defaults) + 4);
    EXPECT_EQ(boxes.back().text, "4");
    EXPECT_EQ(boxes.back().caption, "other");
    EXPECT_EQ(boxes.back().type, 0x34u);
    EXPECT_EQ(boxes.back().answer, IDNO);
    EXPECT_EQ(boxes.back().templateId, IDD_FW_TEST);
}

TEST_F(HeadlessHost, ScriptRunsOnOpeningAndTheClosedWindowStillAnswers) {
    m_ui.WhenOpened(IDD_FW_TEST, [](platform::HeadlessDialogHost& h) {
        EXPECT_TRUE(h.IsOpen());
        h.Post([&h] { h.EndDialog(42); });
    });
    CDialog dialog(IDD_FW_TEST);
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(dialog.GetWindowText(), "Framework Test");
}

TEST(HeadlessHostWithoutUi, DoModalWithoutAHostFactoryFails) {
    CDialog dialog(IDD_FW_TEST);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.MessageBox("x", "y", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

class MenuDialog : public CDialog {
public:
    MenuDialog() : CDialog(IDD_FW_TEST) {
        MapCommand(ID_FW_FLAGS, [this] { ++m_menuChosen; });
        MapCommand(IDC_FW_ABORT, [this] { ++m_aborts; });
    }
    int m_menuChosen = 0;
    int m_aborts = 0;
};

TEST_F(HeadlessHost, DisabledControlsAndMenusIgnoreTheUser) {
    MenuDialog dialog;
    platform::HeadlessDialogHost& h = m_ui.Open(dialog);
    EXPECT_FALSE(h.Click(IDC_FW_ABORT)) << "disabled in the template";
    dialog.EnableWindow(IDC_FW_ABORT, TRUE);
    EXPECT_TRUE(h.Click(IDC_FW_ABORT));
    EXPECT_EQ(dialog.m_aborts, 1);

    EXPECT_TRUE(h.ChooseMenu(ID_FW_FLAGS));
    dialog.EnableMenuPopup(0, FALSE);
    EXPECT_FALSE(h.ChooseMenu(ID_FW_FLAGS));
    dialog.EnableMenuPopup(0, TRUE);
    dialog.EnableMenuItem(ID_FW_FLAGS, FALSE);
    EXPECT_FALSE(h.ChooseMenu(ID_FW_FLAGS));
    EXPECT_EQ(dialog.m_menuChosen, 1);

    dialog.AppendSystemMenuItem(0x10, "About...");
    EXPECT_EQ(h.SystemMenuItems().size(), 1u);
    dialog.SetIcon(102);
    EXPECT_EQ(h.Icon(), 102);
}

// A burn that blocks the UI thread and keeps the window alive by pumping its
// messages, as the library's idle callback does.
class BlockingJobDialog : public CDialog {
public:
    BlockingJobDialog() : CDialog(IDD_FW_TEST) {
        MapCommand(IDC_FW_ABORT, [this] {
            if (MessageBox("Abort?", "Abort", MB_YESNO | MB_ICONQUESTION) == IDYES) m_abort = true;
        });
        MapCommand(IDOK, [this] { RunJob(); });
    }
    void RunJob() {
        EnableWindow(IDC_FW_ABORT, TRUE);
        m_jobStarted.SetEvent();
        while (!m_abort) {
            if (HasPendingMessage()) {
                if (!PumpMessage()) break;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        EndDialog(m_abort ? 5 : 6);
    }
    std::atomic<bool> m_abort{false};
    CEvent m_jobStarted;
};

TEST_F(HeadlessHost, IdlePumpLetsAClickFromAnotherThreadAbortTheJob) {
    m_ui.QueueAnswers({IDNO, IDYES});
    BlockingJobDialog dialog;
    m_ui.WhenOpened(IDD_FW_TEST, [](platform::HeadlessDialogHost& h) { h.Post([&h] { h.Click(IDOK); }); });
    std::thread user([&] {
        ASSERT_TRUE(dialog.m_jobStarted.Lock(10000));
        EXPECT_TRUE(HostOf(dialog).Click(IDC_FW_ABORT));  // answered No: the job goes on
        EXPECT_FALSE(dialog.m_abort);
        EXPECT_TRUE(HostOf(dialog).Click(IDC_FW_ABORT));  // answered Yes
    });
    EXPECT_EQ(dialog.DoModal(), 5);
    user.join();
    EXPECT_EQ(m_ui.Boxes().size(), 2u);
}

TEST_F(HeadlessHost, PumpReportsQuitWhenTheUiIsToEnd) {
    BlockingJobDialog dialog;
    m_ui.WhenOpened(IDD_FW_TEST, [this](platform::HeadlessDialogHost& h) {
        h.Post([&h] { h.Click(IDOK); });
        m_ui.PostQuit();
    });
    EXPECT_EQ(dialog.DoModal(), 6);
    EXPECT_FALSE(dialog.m_abort);
}

}  // namespace

}  // namespace bb::framework
