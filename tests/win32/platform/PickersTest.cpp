// The system file dialog and folder browser under Wine, answered by a
// helper thread that finds the dialog of the test's thread and presses its
// buttons, the way a user would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <cderr.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include "platform/FilePickerService.h"
#include "tests/win32/support/WindowTesting.h"

namespace bb::platform {
namespace {

// Waits on a thread of its own for a visible dialog of `threadId` (the test's
// thread, blocked in the picker), then lets `act` answer it as a user would.
class DialogAnswerer {
public:
    DialogAnswerer(DWORD threadId, std::function<void(HWND)> act)
        : m_thread([this, threadId, act] {
              auto isDialog = [threadId](HWND w) {
                  char cls[32] = {};
                  GetClassNameA(w, cls, sizeof cls);
                  return GetWindowThreadProcessId(w, nullptr) == threadId && std::strcmp(cls, "#32770") == 0;
              };
              for (int i = 0; i < 500 && !m_stop; ++i, Sleep(20)) {
                  if (HWND dialog = wintest::WaitTop(isDialog)) {
                      Sleep(200);  // let the dialog finish its initialisation
                      act(dialog);
                      m_answered = true;
                      return;
                  }
              }
          }) {}
    ~DialogAnswerer() {
        m_stop = true;
        m_thread.join();
    }
    bool answered() const { return m_answered; }

private:
    std::atomic<bool> m_stop{false}, m_answered{false};
    std::thread m_thread;
};

using wintest::Press;

struct FileDialogBuffers {
    char file[260] = "NO_NAME.nrg";
    char title[260] = {};
    platform::FileDialogRecord Record(uint32_t flags) {
        platform::FileDialogRecord r;
        r.structSize = 88;
        r.filter = "Nero Image (*.nrg)\0*.nrg\0All Files (*.*)\0*.*\0";
        r.filterIndex = 1;
        r.file = file;
        r.fileCapacity = sizeof file;
        r.fileTitle = title;
        r.fileTitleCapacity = sizeof title;
        r.flags = flags;
        return r;
    }
};

TEST(PickersWin32, SaveDialogReturnsTheTypedNameWithItsTitle) {
    FileDialogBuffers buffers;
    auto record = buffers.Record(0x80002);
    DialogAnswerer answer(GetCurrentThreadId(), [](HWND dialog) {
        // 1148: the file-name box of the explorer-style dialog.
        SetDlgItemTextA(dialog, 1148, "C:\\bb-picked.nrg");
        Press(dialog, IDOK);
    });
    EXPECT_TRUE(platform::SystemFilePickers().RunFileDialog(false, record));
    EXPECT_TRUE(answer.answered());
    EXPECT_STREQ(buffers.file, "C:\\bb-picked.nrg");
    EXPECT_STREQ(buffers.title, "bb-picked.nrg");
}

// The program names the record by its 32-bit sizes, 88 (full) and 76 (the
// form without the Windows 2000 tail); both open the dialog on either build
// and, cancelled, answer false with the name left as it was; a size that
// names no form is refused before anything is shown.
TEST(PickersWin32, RecordSizesOfTheProgramOpenTheDialogAndOthersAreRefused) {
    for (const auto& [size, error] :
         {std::pair{88u, 0u}, std::pair{76u, 0u}, std::pair{100u, unsigned(CDERR_STRUCTSIZE)}}) {
        FileDialogBuffers buffers;
        auto record = buffers.Record(0x80000);
        record.structSize = size;
        DialogAnswerer answer(GetCurrentThreadId(), [](HWND dialog) { Press(dialog, IDCANCEL); });
        EXPECT_FALSE(platform::SystemFilePickers().RunFileDialog(true, record)) << size;
        EXPECT_EQ(answer.answered(), error == 0) << "dialog shown for a record of " << size << " bytes";
        EXPECT_EQ(CommDlgExtendedError(), error) << size;
        EXPECT_STREQ(buffers.file, "NO_NAME.nrg") << size;
    }
}

// OK without touching the tree answers the folder the browser was told to
// select when it opened; Cancel answers false.
TEST(PickersWin32, FolderBrowserStartsAtTheInitialFolder) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, sizeof windows), 0u);
    for (int button : {IDOK, IDCANCEL}) {
        char chosen[MAX_PATH] = {};
        platform::FolderBrowseRequest request;
        request.title = "Choose the DVD root";
        request.initialFolder = windows;
        request.flags = 0x49;
        request.displayName = chosen;
        DialogAnswerer answer(GetCurrentThreadId(), [button](HWND dialog) { Press(dialog, button); });
        EXPECT_EQ(platform::SystemFilePickers().BrowseForFolder(request), button == IDOK) << button;
        EXPECT_TRUE(answer.answered()) << button;
        if (button == IDOK) {
            EXPECT_STREQ(chosen, windows);
        }
    }
}

}  // namespace
}  // namespace bb::platform
