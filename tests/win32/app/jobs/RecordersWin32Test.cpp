// The recorder and speed lists of the main window on the Win32 host, filled
// from NeroAPI.dll of this build with simulated recorders: the window runs
// modally on this thread, a second thread reads the lists as a user sees
// them and leaves through Quit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/BurnDlg.h"
#include "neroapi/NeroApiLib.h"
#include "platform/DialogHostWin32.h"
#include "platform/Registry.h"
#include "res/resource.h"

namespace bb::app {

namespace {

constexpr const char* kTitle = "Brenvik Burn 1.2.1";

// Only where the recording library of this build is; nothing of the
// prefix's registry is read or written.
class LibraryRegistry final : public platform::Registry {
public:
    std::optional<std::string> ReadString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& value, size_t) override {
        if (root == platform::RegistryRoot::LocalMachine && key == neroapi::kSharedKey &&
            value == neroapi::kSharedValue)
            return WinPath(BB_PROGRAM_DIR);
        return std::nullopt;
    }
    bool WriteString(platform::RegistryRoot, const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    bool DeleteValue(platform::RegistryRoot, const std::string&, const std::string&) override { return true; }

    // Wine shows the Unix root as drive Z:.
    static std::string WinPath(const std::string& unixPath) {
        std::string path = "Z:" + unixPath;
        for (char& c : path)
            if (c == '/') c = '\\';
        return path;
    }
};

struct Seen {
    bool opened = false;
    std::vector<std::string> recorders;
    int selectedRecorder = -2;
    std::vector<std::string> speeds;
    int selectedSpeed = -2;
    bool speedsEnabled = false;
};

std::vector<std::string> ComboTexts(HWND combo) {
    std::vector<std::string> texts;
    const int count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(text));
        texts.push_back(text);
    }
    return texts;
}

void Inspect(Seen& seen, DWORD uiThread) {
    HWND hwnd = nullptr;
    for (int i = 0; i < 1000 && !hwnd; ++i) {
        HWND found = FindWindowA(nullptr, kTitle);
        DWORD pid = 0;
        if (found) GetWindowThreadProcessId(found, &pid);
        if (found && pid == GetCurrentProcessId() && IsWindowVisible(found))
            hwnd = found;
        else
            Sleep(10);
    }
    if (!hwnd) {
        for (int i = 0; i < 50; ++i) {
            PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
            Sleep(100);
        }
        return;
    }
    seen.opened = true;
    HWND recorders = GetDlgItem(hwnd, IDC_RECORDER_LIST);
    HWND speeds = GetDlgItem(hwnd, IDC_SPEED_LIST);
    seen.recorders = ComboTexts(recorders);
    seen.selectedRecorder = int(SendMessageA(recorders, CB_GETCURSEL, 0, 0));
    seen.speeds = ComboTexts(speeds);
    seen.selectedSpeed = int(SendMessageA(speeds, CB_GETCURSEL, 0, 0));
    seen.speedsEnabled = IsWindowEnabled(speeds) != FALSE;
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_QUIT, BN_CLICKED), LPARAM(GetDlgItem(hwnd, IDC_QUIT)));
}

TEST(RecordersWin32, MainWindowListsTheLibrarysRecordersAndSpeeds) {
    platform::InstallWin32DialogHosts();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "bb-jobs-win32-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string drives = folder + "\\NeroAPI-drives.ini";
    std::ofstream(drives) << "[BB Reader]\ndevice kind = 2\n"
                             "[BB DVD Writer]\nmedia = 0x4001C\ndvd base rate = 1385\ndvd speeds = 2 4 8\n"
                             "[BB CD Writer]\nmedia = 0x1\n";
    std::ofstream(folder + "\\Brenvik.ini") << "Device: bb dvd\r\nSpeed: 9\r\n";
    // The library reads its drives file through the C runtime's environment.
    ASSERT_EQ(_putenv_s("BB_NEROAPI_CONFIG", drives.c_str()), 0);

    LibraryRegistry registry;
    neroapi::Services services;
    services.registry = &registry;
    Seen seen;
    int result = 0;
    {
        neroapi::ScopedServices library(services);
        CBurnDlg dlg;
        dlg.m_strProgramDir = (folder + "\\BrenvikBurn.exe").c_str();
        std::thread inspector(Inspect, std::ref(seen), GetCurrentThreadId());
        result = dlg.DoModal();
        inspector.join();
    }
    _putenv_s("BB_NEROAPI_CONFIG", "");
    DeleteFileA(drives.c_str());
    DeleteFileA((folder + "\\Brenvik.ini").c_str());
    RemoveDirectoryA(folder.c_str());

    ASSERT_TRUE(seen.opened) << "no window titled " << kTitle;
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(seen.recorders, (std::vector<std::string>{"Image Recorder", "BB DVD Writer"}));
    EXPECT_EQ(seen.selectedRecorder, 1) << "the saved name's prefix";
    EXPECT_EQ(seen.speeds, (std::vector<std::string>{"2.0x (2770 kB/s)", "4.0x (5540 kB/s)", "8.0x (11080 kB/s)"}));
    EXPECT_EQ(seen.selectedSpeed, 2) << "a saved speed beyond the list selects the last";
    EXPECT_TRUE(seen.speedsEnabled);
}

}  // namespace

}  // namespace bb::app
