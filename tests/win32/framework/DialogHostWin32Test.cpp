// The dialog host contract on the Win32 host, with real dialogs from
// FrameworkTest.rc under Wine; then what only real windows show: box and
// dialog owners, keys before the dialog manager, dropped files.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "framework/CDialog.h"
#include "framework/CEvent.h"
#include "framework/WorkerThread.h"
#include "platform/DialogHostWin32.h"
#include "tests/framework/DialogHostContract.h"

namespace bb::framework {
namespace {

using namespace bb::framework::test;

HWND ItemOf(CDialog& dialog, int id) {
    return static_cast<HWND>(dialog.Host()->ItemNativeHandle(id));
}

struct Win32Env {
    Win32Env() : previous(platform::InstallWin32DialogHosts()) {}
    ~Win32Env() { framework::SetDialogHostFactory(std::move(previous)); }
    static void Click(CDialog& dialog, int id) { SendMessageA(ItemOf(dialog, id), BM_CLICK, 0, 0); }
    static void Type(CDialog& dialog, int id, const char* text) { SetWindowTextA(ItemOf(dialog, id), text); }

    framework::DialogHostFactory previous;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, DialogHostContract, Win32Env);

class Win32HostTest : public ::testing::Test {
protected:
    Win32Env m_env;
};

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

// Beyond the contract's nested dialog: the child is owned by its parent,
// which takes no input while the child is open and gets it back afterwards.
TEST_F(Win32HostTest, ChildDialogIsOwnedByItsParentAndGivesItBackItsInput) {
    CheckingDialog parent([](CheckingDialog& d) {
        HWND parentWindow = static_cast<HWND>(d.Host()->NativeHandle());
        CheckingDialog child(
            [&](CheckingDialog& c) {
                HWND owner = GetWindow(static_cast<HWND>(c.Host()->NativeHandle()), GW_OWNER);
                EXPECT_EQ(owner, parentWindow);
                EXPECT_FALSE(IsWindowEnabled(owner));
                Win32Env::Click(c, IDOK);
            },
            IDD_FW_CHILD, &d, false);
        EXPECT_EQ(child.DoModal(), IDOK);
        EXPECT_TRUE(IsWindowEnabled(parentWindow));
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

}  // namespace
}  // namespace bb::framework
