// What every dialog host owes CDialog (framework/DialogHost.h), as one typed
// suite run on each host with the dialogs of FrameworkTest.rc: the Win32 host
// makes them from the compiled script, the headless host from the tables the
// build generates from the same script.
//
// A host's environment type `Env` is made for each test and must
//   - install its host factory for the test's lifetime (and its templates);
//   - offer the user's hands, run on the dialog's UI thread:
//       static void Click(CDialog&, int id);                   // button, radio
//       static void Type(CDialog&, int id, const char* text);  // an edit's text
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "framework/CDialog.h"
#include "framework/CEvent.h"
#include "framework/WorkerThread.h"
#include "tests/framework/TestIds.h"

namespace bb::framework::test {

// Runs `checks` on the dialog's UI thread once the window is up, then ends
// the dialog with `result`.
class CheckingDialog : public CDialog {
public:
    // `endAfterChecks` false: the checks end the dialog themselves.
    explicit CheckingDialog(std::function<void(CheckingDialog&)> checks, int templateId = IDD_FW_TEST,
                            CDialog* parent = nullptr, bool endAfterChecks = true)
        : CDialog(templateId, parent), m_checks(std::move(checks)), m_endAfterChecks(endAfterChecks) {}

    CString m_strName = "UNDEFINED";
    int m_nCount = 4482;
    int m_bFlag = 1;
    int m_nMode = 1;
    int m_nSpeed = -1;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostToUi([this] {
            m_checks(*this);
            if (m_endAfterChecks) EndDialog(77);
        });
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_FW_NAME, m_strName);
        if (GetTemplateId() != IDD_FW_TEST) return;
        DDX_Text(pDX, IDC_FW_COUNT, m_nCount);
        DDX_Check(pDX, IDC_FW_FLAG, m_bFlag);
        DDX_Radio(pDX, IDC_FW_MODE_A, m_nMode);
        DDX_CBIndex(pDX, IDC_FW_SPEED, m_nSpeed);
    }

private:
    std::function<void(CheckingDialog&)> m_checks;
    bool m_endAfterChecks;
};

// Runs `checks` in a dialog and expects it to have run and ended.
inline void RunChecks(std::function<void(CheckingDialog&)> checks) {
    bool ran = false;
    CheckingDialog dialog([&](CheckingDialog& d) {
        ran = true;
        checks(d);
    });
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog.IsOpen());
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

template <typename Env>
class DialogHostContract : public ::testing::Test {
protected:
    Env m_env;
};

TYPED_TEST_SUITE_P(DialogHostContract);

TYPED_TEST_P(DialogHostContract, DataExchangeFillsTheControlsAndReadsTheUserBack) {
    RunChecks([](CheckingDialog& d) {
        EXPECT_TRUE(d.IsOpen());
        EXPECT_EQ(d.GetDlgItemText(IDC_FW_NAME), "UNDEFINED");
        EXPECT_EQ(d.GetDlgItemText(IDC_FW_COUNT), "4482");
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_FW_FLAG), BST_CHECKED);
        EXPECT_EQ(d.GetRadioIndex(IDC_FW_MODE_A), 1);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_FW_MODE_B), BST_CHECKED);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_FW_OTHER), BST_UNCHECKED) << "the next group is not part of the first";

        CComboBox speed = d.GetCombo(IDC_FW_SPEED);
        for (const char* s : {"Max", "16x", "8x", "4x"}) speed.AddString(s);
        TypeParam::Click(d, IDC_FW_MODE_C);
        TypeParam::Click(d, IDC_FW_FLAG);
        TypeParam::Type(d, IDC_FW_NAME, "MOVIE");
        TypeParam::Type(d, IDC_FW_COUNT, "12");
        EXPECT_EQ(speed.SelectString(-1, "8X"), 2);
        EXPECT_EQ(d.GetRadioIndex(IDC_FW_MODE_A), 2);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_FW_MODE_B), BST_UNCHECKED);
        EXPECT_TRUE(d.UpdateData(TRUE));
        EXPECT_EQ(d.m_strName, "MOVIE");
        EXPECT_EQ(d.m_nCount, 12);
        EXPECT_EQ(d.m_bFlag, 0);
        EXPECT_EQ(d.m_nMode, 2);
        EXPECT_EQ(d.m_nSpeed, 2);

        d.SetRadioIndex(IDC_FW_MODE_A, -1);
        EXPECT_EQ(d.GetRadioIndex(IDC_FW_MODE_A), -1);
        d.CheckDlgButton(IDC_FW_FLAG, BST_CHECKED);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_FW_FLAG), BST_CHECKED);
    });
}

TYPED_TEST_P(DialogHostContract, ComboSelectStringIsACaseInsensitivePrefixSearchThatWraps) {
    RunChecks([](CheckingDialog& d) {
        CComboBox combo = d.GetCombo(IDC_FW_SPEED);
        for (const char* s : {"Image Recorder", "DVD Writer A", "dvd writer B", "CD-RW"}) combo.AddString(s);
        for (int i = 0; i < combo.GetCount(); ++i) EXPECT_EQ(combo.SetItemData(i, uintptr_t(100 + i)), 0);
        struct Case {
            int startAfter;
            const char* prefix;
            int want;
        } cases[] = {
            {-1, "dvd", 1}, {1, "DVD", 2}, {2, "dvd", 1}, {-1, "cd-rw", 3},
            {-1, "image", 0}, {-1, "Blu", CB_ERR}, {-1, "DVD Writer AB", CB_ERR},
        };
        for (const Case& c : cases)
            EXPECT_EQ(combo.SelectString(c.startAfter, c.prefix), c.want) << c.prefix << " after " << c.startAfter;
        EXPECT_EQ(combo.GetCurSel(), 0) << "a failed search leaves the selection";
        EXPECT_EQ(combo.GetCount(), 4);
        EXPECT_EQ(combo.GetItemData(2), 102u);
        EXPECT_EQ(combo.GetLBText(3), "CD-RW");
        EXPECT_EQ(combo.SetItemData(9, 1), CB_ERR);
        EXPECT_EQ(combo.SetCurSel(9), CB_ERR);
        EXPECT_EQ(combo.SetCurSel(-1), CB_ERR) << "clearing the selection";
        EXPECT_EQ(combo.GetCurSel(), -1);
        combo.ResetContent();
        EXPECT_EQ(combo.GetCount(), 0);
    });
}

TYPED_TEST_P(DialogHostContract, LogEditAppendsLinesAndScrolls) {
    RunChecks([](CheckingDialog& d) {
        CEdit log = d.GetEdit(IDC_FW_LOG);
        EXPECT_EQ(log.GetLineCount(), 1) << "an empty edit has one line";
        log.AppendLine("first");
        EXPECT_EQ(d.GetDlgItemText(IDC_FW_LOG), "first") << "no CR LF before the first line";
        log.AppendLine("second\r\nthird");
        log.AppendLine("100 % done");
        EXPECT_EQ(SplitLines(d.GetDlgItemText(IDC_FW_LOG).str()),
                  (std::vector<std::string>{"first", "second", "third", "100 % done"}));
        EXPECT_EQ(log.GetLineCount(), 4);

        for (int i = 0; i < 60; ++i) log.AppendLine("more");
        EXPECT_EQ(log.GetLineCount(), 64);
        EXPECT_GT(log.GetFirstVisibleLine(), 40) << "the newest line is in view";
        log.LineScroll(-100);
        EXPECT_EQ(log.GetFirstVisibleLine(), 0);
        log.LineScroll(3);
        EXPECT_EQ(log.GetFirstVisibleLine(), 3);
        d.SetDlgItemText(IDC_FW_LOG, "");
        EXPECT_EQ(d.GetDlgItemText(IDC_FW_LOG), "");
    });
}

// Like the edit control, the log takes lines up to its limit (30,000
// characters under Wine and here, 32,767 on Windows) and cuts off what does
// not fit, until the program raises the limit. Few long lines keep it quick
// under Wine (the Win32 edit wraps them: its line count is not theirs).
TYPED_TEST_P(DialogHostContract, LogEditHoldsWhatItsLimitAllows) {
    RunChecks([](CheckingDialog& d) {
        CEdit log = d.GetEdit(IDC_FW_LOG);
        const int kLines = 100;  // 40,198 characters with the CR LFs
        auto appendAll = [&] {
            for (int i = 0; i < kLines; ++i)
                log.AppendLine((std::string(397, '.') + std::to_string(100 + i)).c_str());
        };
        appendAll();
        const int cut = d.GetDlgItemText(IDC_FW_LOG).GetLength();
        EXPECT_GE(cut, 30000);
        EXPECT_LE(cut, 32767);

        d.SetDlgItemText(IDC_FW_LOG, "");
        log.SetLimitText(0);
        appendAll();
        const CString all = d.GetDlgItemText(IDC_FW_LOG);
        EXPECT_EQ(all.GetLength(), 402 * kLines - 2);
        EXPECT_EQ(all.Right(402), ("\r\n" + std::string(397, '.') + "199").c_str());

        d.SetDlgItemText(IDC_FW_LOG, "");
        log.SetLimitText(12);
        log.AppendLine("first");
        log.AppendLine("second");
        EXPECT_EQ(d.GetDlgItemText(IDC_FW_LOG), "first\r\nsecon");
    });
}

TYPED_TEST_P(DialogHostContract, EnableStateMenusTitleShowStateAndProgressRange) {
    RunChecks([](CheckingDialog& d) {
        framework::DialogHost& h = *d.Host();
        CProgressCtrl bar = d.GetProgress(IDC_FW_PROGRESS);
        bar.SetRange32(0, 90);
        for (const auto& [set, got] : {std::pair{45, 45}, std::pair{120, 90}, std::pair{-5, 0}}) {
            bar.SetPos(set);
            EXPECT_EQ(bar.GetPos(), got) << set;
        }
        EXPECT_EQ(h.ProgressGetRange(IDC_FW_PROGRESS), std::make_pair(0, 90));

        EXPECT_FALSE(d.IsWindowEnabled(IDC_FW_ABORT)) << "disabled in the template";
        d.EnableWindow(IDC_FW_ABORT, TRUE);
        EXPECT_TRUE(d.IsWindowEnabled(IDC_FW_ABORT));
        d.EnableWindow(IDC_FW_NAME, FALSE);
        EXPECT_FALSE(d.IsWindowEnabled(IDC_FW_NAME));

        EXPECT_EQ(h.MenuGetTextByPosition(0), "Settings");
        EXPECT_EQ(h.MenuGetTextByCommand(ID_FW_FLAGS), "Filesystem Flags");
        d.SetMenuPopupText(0, "Einstellungen");
        d.SetMenuItemText(ID_FW_SAVE, "Speichern");
        d.EnableMenuPopup(0, FALSE);
        d.EnableMenuItem(ID_FW_FLAGS, FALSE);
        d.DrawMenuBar();
        EXPECT_EQ(h.MenuGetTextByPosition(0), "Einstellungen");
        EXPECT_EQ(h.MenuGetTextByCommand(ID_FW_SAVE), "Speichern");
        EXPECT_FALSE(h.MenuIsEnabledByPosition(0));
        EXPECT_FALSE(h.MenuIsEnabledByCommand(ID_FW_FLAGS));
        EXPECT_TRUE(h.MenuIsEnabledByCommand(ID_FW_SAVE));
        d.EnableMenuPopup(0, TRUE);
        EXPECT_TRUE(h.MenuIsEnabledByPosition(0));

        EXPECT_EQ(d.GetWindowText(), "Framework Test");
        d.SetWindowText("42 % Brenvik Burn 1.2.1");
        EXPECT_EQ(d.GetWindowText(), "42 % Brenvik Burn 1.2.1");
        for (const auto& [show, iconic] : {std::pair{SW_MINIMIZE, true}, std::pair{SW_SHOWNORMAL, false}}) {
            d.ShowWindow(show);
            EXPECT_EQ(d.IsIconic() != 0, iconic) << show;
        }
    });
}

class TimerDialog : public CDialog {
public:
    TimerDialog() : CDialog(IDD_FW_TEST) {}
    int m_ticks = 0;
    std::vector<std::thread::id> m_tickThreads;

protected:
    BOOL OnInitDialog() override {
        EXPECT_TRUE(SetTimer(7, 5));
        return TRUE;
    }
    void OnTimer(int id) override {
        EXPECT_EQ(id, 7);
        m_tickThreads.push_back(std::this_thread::get_id());
        if (++m_ticks == 3) {
            KillTimer(7);
            // A tick already due when the timer was killed must not arrive.
            PostToUi([this] { EndDialog(m_ticks); });
        }
    }
};

TYPED_TEST_P(DialogHostContract, TimersTickOnTheUiThreadUntilKilled) {
    TimerDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 3);
    EXPECT_EQ(dialog.m_tickThreads, std::vector<std::thread::id>(3, std::this_thread::get_id()));
}

// Workers write into the controls while the UI thread runs its loop; the
// last one has the UI thread read the controls and end the dialog.
class WorkerDialog : public CDialog {
public:
    static constexpr int kLines = 200;
    WorkerDialog() : CDialog(IDD_FW_TEST) {}
    std::string m_log, m_name;
    int m_pos = -1;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        GetProgress(IDC_FW_PROGRESS).SetRange32(0, kLines);
        for (int w = 0; w < 2; ++w) {
            const bool started = StartWorkerThread([this, w] {
                for (int i = 0; i < kLines; ++i) {
                    CString line;
                    line.Format("worker %d line %d", w, i);
                    GetEdit(IDC_FW_LOG).AppendLine(line);
                    if (w == 0) {
                        GetProgress(IDC_FW_PROGRESS).SetPos(i + 1);
                        SetDlgItemText(IDC_FW_NAME, line);
                    }
                }
                if (++m_finished == 2)
                    PostToUi([this] {
                        m_log = GetDlgItemText(IDC_FW_LOG).str();
                        m_name = GetDlgItemText(IDC_FW_NAME).str();
                        m_pos = GetProgress(IDC_FW_PROGRESS).GetPos();
                        EndDialog(IDOK);
                    });
            });
            EXPECT_TRUE(started);
        }
        return TRUE;
    }

private:
    std::atomic<int> m_finished{0};
};

TYPED_TEST_P(DialogHostContract, WorkerThreadsReachTheControlsWhileTheLoopRuns) {
    WorkerDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_TRUE(WaitForWorkerThreads(10000));
    const std::vector<std::string> lines = SplitLines(dialog.m_log);
    ASSERT_EQ(lines.size(), size_t(2 * WorkerDialog::kLines));
    // Each worker's lines arrive whole and in its own order.
    int next[2] = {0, 0};
    for (const std::string& line : lines) {
        int w = -1, i = -1;
        ASSERT_EQ(std::sscanf(line.c_str(), "worker %d line %d", &w, &i), 2) << line;
        ASSERT_TRUE(w == 0 || w == 1) << line;
        EXPECT_EQ(i, next[w]++) << line;
    }
    EXPECT_EQ(dialog.m_pos, WorkerDialog::kLines);
    EXPECT_EQ(dialog.m_name, "worker 0 line 199");
}

TYPED_TEST_P(DialogHostContract, NestedModalDialogRunsInsideItsParentsHandler) {
    RunChecks([](CheckingDialog& parent) {
        CheckingDialog child(
            [](CheckingDialog& c) {
                EXPECT_EQ(c.GetDlgItemText(IDC_FW_NAME), "UNDEFINED");
                TypeParam::Type(c, IDC_FW_NAME, "FROM CHILD");
                TypeParam::Click(c, IDOK);
            },
            IDD_FW_CHILD, &parent, false);
        EXPECT_EQ(child.DoModal(), IDOK);
        EXPECT_EQ(child.m_strName, "FROM CHILD");
        EXPECT_FALSE(child.IsOpen());
        EXPECT_TRUE(parent.IsOpen());
    });
}

REGISTER_TYPED_TEST_SUITE_P(DialogHostContract, DataExchangeFillsTheControlsAndReadsTheUserBack,
                            ComboSelectStringIsACaseInsensitivePrefixSearchThatWraps, LogEditAppendsLinesAndScrolls,
                            LogEditHoldsWhatItsLimitAllows, EnableStateMenusTitleShowStateAndProgressRange,
                            TimersTickOnTheUiThreadUntilKilled,
                            WorkerThreadsReachTheControlsWhileTheLoopRuns,
                            NestedModalDialogRunsInsideItsParentsHandler);

}  // namespace bb::framework::test
