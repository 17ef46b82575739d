// Real dialogs from FrameworkTest.rc, run by the Win32 host under Wine. Each
// dialog checks itself from work it posts to its own UI thread, then ends.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "TestIds.h"
#include "framework/CDialog.h"
#include "framework/CEvent.h"
#include "framework/WorkerThread.h"
#include "platform/DialogHostWin32.h"

namespace {

class Win32HostTest : public ::testing::Test {
protected:
    void SetUp() override { m_previous = platform::InstallWin32DialogHosts(); }
    void TearDown() override { fw::SetDialogHostFactory(std::move(m_previous)); }

private:
    fw::DialogHostFactory m_previous;
};

HWND ItemOf(CDialog& dialog, int id) {
    return static_cast<HWND>(dialog.Host()->ItemNativeHandle(id));
}

// Runs `checks` on the dialog's UI thread once the window is up, then ends
// the dialog with `result`.
class CheckingDialog : public CDialog {
public:
    CheckingDialog(std::function<void(CheckingDialog&)> checks, int result = 77)
        : CDialog(IDD_FW_TEST), m_checks(std::move(checks)), m_result(result) {}

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
            EndDialog(m_result);
        });
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_FW_NAME, m_strName);
        DDX_Text(pDX, IDC_FW_COUNT, m_nCount);
        DDX_Check(pDX, IDC_FW_FLAG, m_bFlag);
        DDX_Radio(pDX, IDC_FW_MODE_A, m_nMode);
        DDX_CBIndex(pDX, IDC_FW_SPEED, m_nSpeed);
    }

private:
    std::function<void(CheckingDialog&)> m_checks;
    int m_result;
};

TEST_F(Win32HostTest, ControlsRoundTripThroughTheRealDialog) {
    bool ran = false;
    CheckingDialog dialog([&](CheckingDialog& d) {
        ran = true;
        EXPECT_TRUE(d.IsOpen());
        // OnInitDialog pushed the members.
        EXPECT_EQ(d.GetDlgItemText(IDC_FW_NAME), "UNDEFINED");
        EXPECT_EQ(d.GetDlgItemText(IDC_FW_COUNT), "4482");
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_FW_FLAG), BST_CHECKED);
        EXPECT_EQ(d.GetRadioIndex(IDC_FW_MODE_A), 1);
        EXPECT_EQ(SendMessageA(ItemOf(d, IDC_FW_OTHER), BM_GETCHECK, 0, 0), BST_UNCHECKED)
            << "the next group's radio is not part of the first";

        // The user picks radio C and a speed, types a name.
        CComboBox speed = d.GetCombo(IDC_FW_SPEED);
        for (const char* s : {"Max", "16x", "8x", "4x"}) speed.AddString(s);
        EXPECT_EQ(speed.SetItemData(2, 0xBEEF), 0);
        SendMessageA(ItemOf(d, IDC_FW_MODE_C), BM_CLICK, 0, 0);
        EXPECT_EQ(d.GetRadioIndex(IDC_FW_MODE_A), 2);
        EXPECT_EQ(speed.SelectString(-1, "8X"), 2);
        SetWindowTextA(ItemOf(d, IDC_FW_NAME), "MOVIE");
        EXPECT_TRUE(d.UpdateData(TRUE));
        EXPECT_EQ(d.m_strName, "MOVIE");
        EXPECT_EQ(d.m_nMode, 2);
        EXPECT_EQ(d.m_nSpeed, 2);
        EXPECT_EQ(speed.GetItemData(d.m_nSpeed), 0xBEEFu);
        EXPECT_EQ(speed.GetLBText(1), "16x");
        EXPECT_EQ(speed.GetCount(), 4);
        EXPECT_EQ(speed.SelectString(-1, "32"), CB_ERR);

        CProgressCtrl bar = d.GetProgress(IDC_FW_PROGRESS);
        bar.SetRange32(0, 90);
        bar.SetPos(45);
        EXPECT_EQ(bar.GetPos(), 45);
        EXPECT_EQ(d.Host()->ProgressGetRange(IDC_FW_PROGRESS), std::make_pair(0, 90));

        CEdit log = d.GetEdit(IDC_FW_LOG);
        log.AppendLine("first");
        log.AppendLine("second");
        EXPECT_EQ(d.GetDlgItemText(IDC_FW_LOG), "first\r\nsecond");
        EXPECT_EQ(log.GetLineCount(), 2);

        EXPECT_FALSE(d.IsWindowEnabled(IDC_FW_ABORT));
        d.EnableWindow(IDC_FW_ABORT, TRUE);
        EXPECT_TRUE(d.IsWindowEnabled(IDC_FW_ABORT));

        d.SetMenuPopupText(0, "Einstellungen");
        d.SetMenuItemText(ID_FW_SAVE, "Speichern");
        d.EnableMenuPopup(0, FALSE);
        d.DrawMenuBar();
        EXPECT_EQ(d.Host()->MenuGetTextByPosition(0), "Einstellungen");
        EXPECT_EQ(d.Host()->MenuGetTextByCommand(ID_FW_SAVE), "Speichern");
        EXPECT_FALSE(d.Host()->MenuIsEnabledByPosition(0));
        EXPECT_TRUE(d.Host()->MenuIsEnabledByCommand(ID_FW_FLAGS));

        d.SetWindowText("42 % Brenvik Burn 1.2.1");
        EXPECT_EQ(d.GetWindowText(), "42 % Brenvik Burn 1.2.1");
        d.ShowWindow(SW_MINIMIZE);
        EXPECT_TRUE(d.IsIconic());
        d.ShowWindow(SW_SHOWNORMAL);
        EXPECT_FALSE(d.IsIconic());
    });
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog.IsOpen());
}

// The real edit control stops taking appended text at its limit (30,000
// characters under Wine, 32,767 on Windows) until the limit is raised.
TEST_F(Win32HostTest, LogEditTakesEveryLineOnceItsLimitIsRaised) {
    const int kLines = 1000;  // 41,998 characters with the CR LFs
    bool ran = false;
    CheckingDialog dialog([&](CheckingDialog& d) {
        ran = true;
        CEdit log = d.GetEdit(IDC_FW_LOG);
        auto appendAll = [&] {
            for (int i = 0; i < kLines; ++i)
                log.AppendLine((std::string(36, '.') + std::to_string(1000 + i)).c_str());
        };
        appendAll();
        const int cut = d.GetDlgItemText(IDC_FW_LOG).GetLength();
        EXPECT_GE(cut, 30000);
        EXPECT_LE(cut, 32767);

        d.SetDlgItemText(IDC_FW_LOG, "");
        log.SetLimitText(0);
        appendAll();
        const CString text = d.GetDlgItemText(IDC_FW_LOG);
        EXPECT_EQ(text.GetLength(), 42 * kLines - 2);
        EXPECT_EQ(text.Right(42), ("\r\n" + std::string(36, '.') + "1999").c_str());
        EXPECT_EQ(log.GetLineCount(), kLines);
    });
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_TRUE(ran);
}

class TimerDialog : public CDialog {
public:
    TimerDialog() : CDialog(IDD_FW_TEST) {}
    int m_ticks = 0;

protected:
    BOOL OnInitDialog() override {
        EXPECT_TRUE(SetTimer(5, 10));
        return TRUE;
    }
    void OnTimer(int id) override {
        EXPECT_EQ(id, 5);
        if (++m_ticks == 3) {
            KillTimer(5);
            EndDialog(m_ticks);
        }
    }
};

TEST_F(Win32HostTest, TimersTickUntilTheDialogEndsItself) {
    TimerDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 3);
}

TEST_F(Win32HostTest, WorkerThreadsReachTheControlsThroughMessages) {
    constexpr int kLines = 100;
    std::atomic<int> finished{0};
    CheckingDialog* self = nullptr;
    CEvent workersDone(false, true);
    CheckingDialog dialog([&](CheckingDialog& d) {
        self = &d;
        d.GetProgress(IDC_FW_PROGRESS).SetRange32(0, kLines);
        for (int w = 0; w < 2; ++w) {
            ASSERT_TRUE(StartWorkerThread([&, w] {
                for (int i = 0; i < kLines; ++i) {
                    CString line;
                    line.Format("worker %d line %d", w, i);
                    self->GetEdit(IDC_FW_LOG).AppendLine(line);
                    if (w == 0) self->GetProgress(IDC_FW_PROGRESS).SetPos(i + 1);
                }
                if (++finished == 2) workersDone.SetEvent();
            }));
        }
        // Keep the UI thread serving the workers' messages until they are done.
        while (!workersDone.Lock(0)) {
            if (!d.PumpMessage()) break;
        }
        EXPECT_EQ(d.GetEdit(IDC_FW_LOG).GetLineCount(), 2 * kLines);
        EXPECT_EQ(d.GetProgress(IDC_FW_PROGRESS).GetPos(), kLines);
    });
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_TRUE(WaitForWorkerThreads(10000));
}

TEST_F(Win32HostTest, WorkerAsksThroughABoxOwnedByTheDialog) {
    std::atomic<int> answer{0};
    CEvent answered(false, true);
    HWND boxOwner = nullptr, dialogWindow = nullptr;
    CheckingDialog dialog([&](CheckingDialog& d) {
        dialogWindow = static_cast<HWND>(d.Host()->NativeHandle());
        ASSERT_TRUE(StartWorkerThread([&] {
            answer = d.MessageBox("Overwrite?", "Overwrite ReWriteable?!", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
            answered.SetEvent();
        }));
        // The user answers No while this thread keeps the dialog alive.
        for (int wait = 0; !answered.Lock(0) && wait < 2000; ++wait) {
            if (HWND box = FindWindowA(nullptr, "Overwrite ReWriteable?!"); box && !boxOwner) {
                boxOwner = GetWindow(box, GW_OWNER);
                PostMessageA(box, WM_COMMAND, IDNO, 0);
            }
            while (d.HasPendingMessage()) {
                if (!d.PumpMessage()) return;
            }
            Sleep(5);
        }
    });
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_EQ(answer, IDNO);
    EXPECT_NE(boxOwner, nullptr);
    EXPECT_EQ(boxOwner, dialogWindow);
    EXPECT_TRUE(WaitForWorkerThreads(10000));
}

// The main window's filter: neither Escape nor Alt+F4 closes it.
class KeyDialog : public CDialog {
public:
    explicit KeyDialog(bool filter) : CDialog(IDD_FW_TEST), m_filter(filter) {}
    std::vector<int> m_seenKeys;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        HWND edit = static_cast<HWND>(Host()->ItemNativeHandle(IDC_FW_NAME));
        PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(edit, WM_SYSKEYDOWN, VK_F4, 0x203E0001);  // bit 29: Alt is down
        // Alt+F4 closes through a posted WM_SYSCOMMAND, so look twice.
        PostToUi([this] { PostToUi([this] { EndDialog(9); }); });
        return TRUE;
    }
    BOOL PreTranslateMessage(const DialogMessage& m) override {
        if (m.kind == DialogMessage::Kind::KeyDown || m.kind == DialogMessage::Kind::SysKeyDown) {
            m_seenKeys.push_back(m.key);
        }
        if (!m_filter) return FALSE;
        if (m.IsKeyDown(VK_ESCAPE)) return TRUE;
        return IsKeyDown(VK_MENU) && IsKeyDown(VK_F4);
    }

private:
    bool m_filter;
};

TEST_F(Win32HostTest, PreTranslateMessageSeesKeysBeforeTheDialogManager) {
    KeyDialog filtered(true);
    EXPECT_EQ(filtered.DoModal(), 9) << "Escape and Alt+F4 were swallowed";
    EXPECT_EQ(filtered.m_seenKeys, (std::vector<int>{VK_ESCAPE, VK_F4}));

    KeyDialog plain(false);
    EXPECT_EQ(plain.DoModal(), IDCANCEL) << "Escape cancels a dialog without the filter";
}

class ChildDialog : public CDialog {
public:
    explicit ChildDialog(CDialog* parent) : CDialog(IDD_FW_CHILD, parent) {}
    bool m_ownerWasDisabled = false;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemText(IDC_FW_NAME, "child");
        PostToUi([this] {
            HWND owner = GetWindow(static_cast<HWND>(Host()->NativeHandle()), GW_OWNER);
            m_ownerWasDisabled =
                owner == static_cast<HWND>(m_pParentWnd->Host()->NativeHandle()) && !::IsWindowEnabled(owner);
            OnCommand(IDOK, BN_CLICKED);
        });
        return TRUE;
    }
};

TEST_F(Win32HostTest, ChildDialogIsOwnedByItsParentAndGivesItBackItsInput) {
    CheckingDialog parent([](CheckingDialog& d) {
        ChildDialog child(&d);
        EXPECT_EQ(child.DoModal(), IDOK);
        EXPECT_TRUE(child.m_ownerWasDisabled);
        EXPECT_TRUE(IsWindowEnabled(static_cast<HWND>(d.Host()->NativeHandle())));
        EXPECT_TRUE(d.IsOpen());
    });
    EXPECT_EQ(parent.DoModal(), 77);
}

// What Explorer hands a window when folders are dropped on it.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string names;
    for (const std::string& p : paths) names += p + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

class DropDialog : public CDialog {
public:
    DropDialog() : CDialog(IDD_FW_TEST) {}
    std::vector<CString> m_dropped;

protected:
    BOOL OnInitDialog() override {
        HWND hwnd = static_cast<HWND>(Host()->NativeHandle());
        PostMessageA(hwnd, WM_DROPFILES, WPARAM(MakeDrop({"C:\\DVD\\MOVIE", "D:\\x.vob"})), 0);
        PostToUi([this] { EndDialog(IDOK); });
        return TRUE;
    }
    void OnDropFiles(const std::vector<CString>& paths) override { m_dropped = paths; }
};

TEST_F(Win32HostTest, DroppedFilesReachTheDialogAsPaths) {
    DropDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(dialog.m_dropped.size(), 2u);
    EXPECT_EQ(dialog.m_dropped[0], "C:\\DVD\\MOVIE");
    EXPECT_EQ(dialog.m_dropped[1], "D:\\x.vob");
}

TEST_F(Win32HostTest, CEventSetFromAStdThreadUnderThisRuntime) {
    CEvent event;
    std::thread setter([&] { event.SetEvent(); });
    EXPECT_TRUE(event.Lock(5000));
    setter.join();
    EXPECT_FALSE(event.Lock(20));
}

}  // namespace
