#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "TestDialogs.h"
#include "framework/CEvent.h"
#include "framework/WorkerThread.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"

namespace {

using namespace fwtest;

// The main window's key filter: Escape and Alt+F4 never close it.
class KeyFilterDialog : public CDialog {
public:
    KeyFilterDialog() : CDialog(kTemplate) {}

protected:
    BOOL PreTranslateMessage(const DialogMessage& m) override {
        if (m.IsKeyDown(VK_ESCAPE)) return TRUE;
        if (IsKeyDown(VK_MENU) && IsKeyDown(VK_F4)) return TRUE;
        return CDialog::PreTranslateMessage(m);
    }
};

TEST(HeadlessHost, KeyFilterDecidesWhetherEscapeAndAltF4Close) {
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
        platform::HeadlessUi ui;
        ui.AddTemplate(Template());
        KeyFilterDialog filtered;
        CDialog plain(kTemplate);
        CDialog& dialog = c.filtered ? static_cast<CDialog&>(filtered) : plain;
        platform::HeadlessDialogHost& h = ui.Open(dialog);
        const bool swallowed = h.PressKey(c.key, c.alt);
        EXPECT_EQ(swallowed, c.swallowed) << "key " << c.key << " alt " << c.alt;
        EXPECT_EQ(h.Ended(), c.closes) << "key " << c.key << " alt " << c.alt;
        if (c.closes) {
            EXPECT_EQ(h.Result(), IDCANCEL);
        }
        EXPECT_FALSE(h.IsKeyDown(c.key)) << "keys are released after the press";
    }
}

TEST(HeadlessHost, MessageBoxesAnswerFromQueueThenResponderThenDefault) {
    platform::HeadlessUi ui;
    CDialog dialog(kTemplate);
    ui.Open(dialog);
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

    ui.QueueAnswers({IDNO, IDYES});
    ui.SetResponder([](const platform::ShownMessageBox& box) { return box.caption == "ask" ? IDYES : IDNO; });
    EXPECT_EQ(dialog.MessageBox("1", "ask", 0x124), IDNO);
    EXPECT_EQ(dialog.MessageBox("2", "other", 0x124), IDYES);
    EXPECT_EQ(dialog.MessageBox("3", "ask", 0x124), IDYES);
    EXPECT_EQ(dialog.MessageBox("4", "other", 0x34), IDNO);

    const auto boxes = ui.Boxes();
    ASSERT_EQ(boxes.size(), std::size(defaults) + 4);
    EXPECT_EQ(boxes.back().text, "4");
    EXPECT_EQ(boxes.back().caption, "other");
    EXPECT_EQ(boxes.back().type, 0x34u);
    EXPECT_EQ(boxes.back().answer, IDNO);
    EXPECT_EQ(boxes.back().templateId, kTemplate);
}

TEST(HeadlessHost, DoModalRunsTheScriptAndReturnsTheEndDialogResult) {
    platform::HeadlessUi ui;
    ui.AddTemplate(Template());
    ui.WhenOpened(kTemplate, [](platform::HeadlessDialogHost& h) {
        EXPECT_TRUE(h.IsOpen());
        h.Post([&h] { h.EndDialog(42); });
    });
    CDialog dialog(kTemplate);
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(dialog.GetWindowText(), "Test") << "the host answers for the closed window";
}

TEST(HeadlessHost, DoModalWithoutAHostFactoryFails) {
    CDialog dialog(kTemplate);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.MessageBox("x", "y", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

// A dialog whose button opens a child dialog, like the settings menu commands.
class ParentDialog : public CDialog {
public:
    ParentDialog() : CDialog(kTemplate) {
        MapCommand(kOpenChild, [this] {
            ExchangeDialog child(kChildTemplate);
            child.m_pParentWnd = this;
            m_childResult = child.DoModal();
            m_childName = child.m_strName;
        });
        MapCommand(kMenuSettings, [this] { ++m_menuChosen; });
    }
    int m_childResult = 0;
    CString m_childName;
    int m_menuChosen = 0;
};

TEST(HeadlessHost, NestedModalDialogRunsInsideTheParentsHandler) {
    platform::HeadlessUi ui;
    ui.AddTemplate(Template());
    ui.WhenOpened(kChildTemplate, [](platform::HeadlessDialogHost& child) {
        child.Type(kName, "FROM CHILD");
        child.Click(IDOK);
    });
    ui.WhenOpened(kTemplate, [](platform::HeadlessDialogHost& parent) {
        EXPECT_TRUE(parent.Click(kOpenChild));
        parent.Click(IDCANCEL);
    });
    ParentDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_childResult, IDOK);
    EXPECT_EQ(dialog.m_childName, "FROM CHILD");
}

TEST(HeadlessHost, DisabledControlsAndMenusIgnoreTheUser) {
    platform::HeadlessUi ui;
    ui.AddTemplate(Template());
    ParentDialog dialog;
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    EXPECT_FALSE(h.Click(kAbort)) << "disabled in the template";
    dialog.EnableWindow(kAbort, TRUE);
    EXPECT_TRUE(h.Click(kAbort));

    EXPECT_EQ(h.MenuGetTextByPosition(0), "Settings");
    EXPECT_TRUE(h.ChooseMenu(kMenuSettings));
    dialog.EnableMenuPopup(0, FALSE);
    EXPECT_FALSE(h.ChooseMenu(kMenuSettings));
    dialog.EnableMenuPopup(0, TRUE);
    dialog.EnableMenuItem(kMenuSettings, FALSE);
    EXPECT_FALSE(h.ChooseMenu(kMenuSettings));
    EXPECT_EQ(dialog.m_menuChosen, 1);
    dialog.SetMenuItemText(kMenuSettings, "Dateisystem");
    EXPECT_EQ(h.MenuGetTextByCommand(kMenuSettings), "Dateisystem");
}

TEST(HeadlessHost, ComboSelectStringIsACaseInsensitivePrefixSearchThatWraps) {
    platform::HeadlessUi ui;
    CDialog dialog(kTemplate);
    ui.Open(dialog);
    CComboBox combo = dialog.GetCombo(kSpeed);
    for (const char* s : {"Image Recorder", "DVD Writer A", "dvd writer B", "CD-RW"}) combo.AddString(s);
    for (int i = 0; i < combo.GetCount(); ++i) EXPECT_EQ(combo.SetItemData(i, uintptr_t(100 + i)), 0);
    struct Case {
        int startAfter;
        const char* prefix;
        int want;
    } cases[] = {
        {-1, "dvd", 1}, {1, "DVD", 2}, {2, "dvd", 1}, {-1, "cd-rw", 3},
        {-1, "", 0},    {-1, "Blu", CB_ERR}, {-1, "DVD Writer AB", CB_ERR},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(combo.SelectString(c.startAfter, c.prefix), c.want) << c.prefix << " after " << c.startAfter;
    }
    EXPECT_EQ(combo.GetCurSel(), 0) << "a failed search leaves the selection";
    EXPECT_EQ(combo.GetItemData(2), 102u);
    EXPECT_EQ(combo.GetLBText(3), "CD-RW");
    EXPECT_EQ(combo.SetCurSel(9), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), -1);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST(HeadlessHost, LogEditAppendsLinesAndScrollsToTheNewest) {
    platform::HeadlessUi ui;
    CDialog dialog(kTemplate);
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    CEdit log = dialog.GetEdit(kLog);
    EXPECT_EQ(log.GetLineCount(), 1) << "an empty edit has one line";
    log.AppendLine("first");
    EXPECT_EQ(dialog.GetDlgItemText(kLog), "first") << "no CR LF before the first line";
    log.AppendLine("second\r\nthird");
    log.AppendLine("100 % done");
    EXPECT_EQ(h.Lines(kLog), (std::vector<std::string>{"first", "second", "third", "100 % done"}));
    EXPECT_EQ(log.GetLineCount(), 4);
    EXPECT_EQ(log.GetFirstVisibleLine(), 3);
    log.LineScroll(-10);
    EXPECT_EQ(log.GetFirstVisibleLine(), 0);
    dialog.SetDlgItemText(kLog, "");
    EXPECT_TRUE(h.Lines(kLog).empty());
}

// Like an edit control, the log takes lines up to its limit and cuts off
// what does not fit, until the program raises the limit.
TEST(HeadlessHost, LogEditHoldsWhatItsLimitAllows) {
    platform::HeadlessUi ui;
    CDialog dialog(kTemplate);
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    CEdit log = dialog.GetEdit(kLog);
    const int kLines = 1000;  // 41,998 characters with the CR LFs
    auto appendAll = [&] {
        for (int i = 0; i < kLines; ++i)
            log.AppendLine((std::string(36, '.') + std::to_string(1000 + i)).c_str());
    };

    appendAll();
    EXPECT_EQ(dialog.GetDlgItemText(kLog).GetLength(), int(platform::kEditTextLimit));
    const std::vector<std::string> cut = h.Lines(kLog);
    ASSERT_EQ(cut.size(), 715u);
    EXPECT_EQ(cut.back(), std::string(12, '.')) << "the line that did not fit is cut off";

    dialog.SetDlgItemText(kLog, "");
    log.SetLimitText(0);
    appendAll();
    EXPECT_EQ(h.Lines(kLog).size(), size_t(kLines));
    EXPECT_EQ(h.Lines(kLog).back(), std::string(36, '.') + "1999");

    dialog.SetDlgItemText(kLog, "");
    log.SetLimitText(12);
    log.AppendLine("first");
    log.AppendLine("second");
    EXPECT_EQ(dialog.GetDlgItemText(kLog), "first\r\nsecon");
}

// A burn that blocks the UI thread and keeps the window alive by pumping its
// messages, as the library's idle callback does.
class BlockingJobDialog : public CDialog {
public:
    BlockingJobDialog() : CDialog(kTemplate) {
        MapCommand(kAbort, [this] {
            if (MessageBox("Abort?", "Abort", MB_YESNO | MB_ICONQUESTION) == IDYES) m_abort = true;
        });
        MapCommand(IDOK, [this] { RunJob(); });
    }
    void RunJob() {
        EnableWindow(kAbort, TRUE);
        m_jobStarted.SetEvent();
        while (!m_abort) {
            if (HasPendingMessage()) {
                if (!PumpMessage()) break;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        GetEdit(kLog).AppendLine(m_abort ? "aborted" : "quit");
        EndDialog(m_abort ? 5 : 6);
    }
    std::atomic<bool> m_abort{false};
    CEvent m_jobStarted;
};

TEST(HeadlessHost, IdlePumpLetsAClickFromAnotherThreadAbortTheJob) {
    platform::HeadlessUi ui;
    ui.AddTemplate(Template());
    ui.QueueAnswers({IDNO, IDYES});
    BlockingJobDialog dialog;
    ui.WhenOpened(kTemplate, [](platform::HeadlessDialogHost& h) { h.Post([&h] { h.Click(IDOK); }); });
    std::thread user([&] {
        ASSERT_TRUE(dialog.m_jobStarted.Lock(10000));
        auto* h = static_cast<platform::HeadlessDialogHost*>(dialog.Host());
        EXPECT_TRUE(h->Click(kAbort));  // answered No: the job goes on
        EXPECT_FALSE(dialog.m_abort);
        EXPECT_TRUE(h->Click(kAbort));  // answered Yes
    });
    EXPECT_EQ(dialog.DoModal(), 5);
    user.join();
    EXPECT_EQ(ui.Boxes().size(), 2u);
}

TEST(HeadlessHost, PumpReportsQuitWhenTheUiIsToEnd) {
    platform::HeadlessUi ui;
    ui.AddTemplate(Template());
    BlockingJobDialog dialog;
    ui.WhenOpened(kTemplate, [&ui](platform::HeadlessDialogHost& h) {
        h.Post([&h] { h.Click(IDOK); });
        ui.PostQuit();
    });
    EXPECT_EQ(dialog.DoModal(), 6);
    EXPECT_FALSE(dialog.m_abort);
}

// Workers write into the controls while the UI thread handles clicks.
class WorkerDialog : public CDialog {
public:
    static constexpr int kLines = 300;
    WorkerDialog() : CDialog(kTemplate) {
        MapCommand(kFlag, [this] { ++m_clicks; });
    }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        GetProgress(kProgress).SetRange32(0, kLines);
        for (int w = 0; w < 2; ++w) {
            const bool started = StartWorkerThread([this, w] {
                for (int i = 0; i < kLines; ++i) {
                    CString line;
                    line.Format("worker %d line %d", w, i);
                    GetEdit(kLog).AppendLine(line);
                    if (w == 0) {
                        GetProgress(kProgress).SetPos(i + 1);
                        SetDlgItemText(kCount, line);
                    }
                }
                if (++m_finished == 2) PostToUi([this] { EndDialog(IDOK); });
            });
            EXPECT_TRUE(started);
        }
        return TRUE;
    }

public:
    std::atomic<int> m_finished{0};
    int m_clicks = 0;
};

TEST(HeadlessHost, WorkerThreadsAppendLogLinesWhileTheUiLoopRuns) {
    platform::HeadlessUi ui;
    ui.AddTemplate(Template());
    WorkerDialog dialog;
    std::atomic<bool> stop{false};
    std::thread clicker;
    ui.WhenOpened(kTemplate, [&](platform::HeadlessDialogHost& h) {
        clicker = std::thread([&h, &stop] {
            while (!stop && h.IsOpen()) h.Click(kFlag);
        });
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    stop = true;
    clicker.join();
    ASSERT_TRUE(WaitForWorkerThreads(10000));

    auto* h = static_cast<platform::HeadlessDialogHost*>(dialog.Host());
    const std::vector<std::string> lines = h->Lines(kLog);
    ASSERT_EQ(lines.size(), size_t(2 * WorkerDialog::kLines));
    // Each worker's lines arrive whole and in its own order.
    int next[2] = {0, 0};
    for (const std::string& line : lines) {
        int w = -1, i = -1;
        ASSERT_EQ(std::sscanf(line.c_str(), "worker %d line %d", &w, &i), 2) << line;
        ASSERT_TRUE(w == 0 || w == 1) << line;
        EXPECT_EQ(i, next[w]++) << line;
    }
    EXPECT_EQ(h->ProgressGetPos(kProgress), WorkerDialog::kLines);
    EXPECT_EQ(h->GetItemText(kCount), "worker 0 line 299");
}

class TimerDialog : public CDialog {
public:
    TimerDialog() : CDialog(kTemplate) {}
    int m_ticks = 0;
    std::thread::id m_tickThread;

protected:
    BOOL OnInitDialog() override {
        EXPECT_TRUE(SetTimer(7, 5));
        return TRUE;
    }
    void OnTimer(int id) override {
        EXPECT_EQ(id, 7);
        m_tickThread = std::this_thread::get_id();
        if (++m_ticks == 3) {
            KillTimer(7);
            EndDialog(m_ticks);
        }
    }
};

TEST(HeadlessHost, TimersTickOnTheUiThreadUntilKilled) {
    platform::HeadlessUi ui;
    TimerDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 3);
    EXPECT_EQ(dialog.m_tickThread, std::this_thread::get_id());
    EXPECT_FALSE(static_cast<platform::HeadlessDialogHost*>(dialog.Host())->HasTimer(7));
}

TEST(HeadlessHost, WindowStateTitleAndProgressRange) {
    platform::HeadlessUi ui;
    CDialog dialog(kTemplate);
    platform::HeadlessDialogHost& h = ui.Open(dialog);
    dialog.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(dialog.IsIconic());
    dialog.ShowWindow(SW_SHOWNORMAL);
    EXPECT_FALSE(dialog.IsIconic());
    dialog.SetWindowText("42 % Brenvik Burn 1.2.1");
    EXPECT_EQ(dialog.GetWindowText(), "42 % Brenvik Burn 1.2.1");

    CProgressCtrl bar = dialog.GetProgress(kProgress);
    bar.SetRange32(0, 90);
    bar.SetPos(120);
    EXPECT_EQ(bar.GetPos(), 90) << "the position stays inside the range";
    bar.SetRange32(0, 100);
    bar.SetPos(0);
    EXPECT_EQ(h.ProgressGetRange(kProgress), std::make_pair(0, 100));

    dialog.AppendSystemMenuItem(0x10, "About...");
    EXPECT_EQ(h.SystemMenuItems().size(), 1u);
    dialog.SetIcon(102);
    EXPECT_EQ(h.Icon(), 102);
}

}  // namespace
