// The Erase button of the running main window on the Win32 host, on a
// simulated recorder whose erase fails: the confirmation is answered Yes by
// a second thread as a user would, and the box that follows is the error
// box, not the information box; the window then returns to idle.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <mutex>
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

// The program folder of this build as Wine shows it (the Unix root is Z:).
std::string ProgramFolder() {
    std::string path = "Z:" + std::string(BB_PROGRAM_DIR);
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// Only where the recording library of this build is.
class LibraryRegistry final : public platform::Registry {
public:
    std::optional<std::string> ReadString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& value, size_t) override {
        if (root == platform::RegistryRoot::LocalMachine && key == neroapi::kSharedKey &&
            value == neroapi::kSharedValue)
            return ProgramFolder();
        return std::nullopt;
    }
    bool WriteString(platform::RegistryRoot, const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    bool DeleteValue(platform::RegistryRoot, const std::string&, const std::string&) override { return true; }
};

// The main window, noting the type of every box it shows.
class NotingBurnDlg final : public CBurnDlg {
public:
    int ShowMessage(const char* text, const char* caption, unsigned type) override {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_boxes.push_back({text, caption, type});
        }
        return CBurnDlg::ShowMessage(text, caption, type);
    }
    struct Box {
        std::string text, caption;
        unsigned type;
    };
    std::vector<Box> Boxes() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_boxes;
    }

private:
    std::mutex m_mutex;
    std::vector<Box> m_boxes;
};

HWND OwnWindow(const char* className, const char* title) {
    HWND found = FindWindowA(className, title);
    DWORD pid = 0;
    if (found) GetWindowThreadProcessId(found, &pid);
    return found && pid == GetCurrentProcessId() && IsWindowVisible(found) ? found : nullptr;
}

HWND WaitFor(const char* className, const char* title, int tenths = 300) {
    for (int i = 0; i < tenths; ++i) {
        if (HWND hwnd = OwnWindow(className, title)) return hwnd;
        Sleep(100);
    }
    return nullptr;
}

struct BoxSearch {
    HWND main;
    std::vector<HWND> found;
};

// A window procedure's calling convention (stdcall on 32-bit), so not a lambda.
BOOL CALLBACK CollectBox(HWND hwnd, LPARAM param) {
    auto& s = *reinterpret_cast<BoxSearch*>(param);
    char cls[16] = {};
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    GetClassNameA(hwnd, cls, sizeof cls);
    if (hwnd != s.main && pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && std::string(cls) == "#32770")
        s.found.push_back(hwnd);
    return TRUE;
}

// The boxes of this process still open besides the main window.
std::vector<HWND> OtherBoxes(HWND main) {
    BoxSearch search{main, {}};
    EnumWindows(CollectBox, LPARAM(&search));
    return search.found;
}

std::string ItemText(HWND window, int id) {
    char text[512] = {};
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

struct Seen {
    bool opened = false, confirmed = false, errorBoxSeen = false, idleAgain = false;
    std::string errorBoxText, status;
};

void PressEraseAndAnswer(Seen& seen, DWORD uiThread) {
    HWND main = WaitFor(nullptr, kTitle);
    if (!main) {
        for (int i = 0; i < 50; ++i, Sleep(100)) PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
        return;
    }
    seen.opened = true;
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_ERASE, BN_CLICKED), LPARAM(GetDlgItem(main, IDC_ERASE)));
    if (HWND confirm = WaitFor("#32770", "Erase ReWriteable")) {
        seen.confirmed = true;
        PostMessageA(confirm, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
        if (HWND box = WaitFor("#32770", "Error")) {
            seen.errorBoxSeen = true;
            seen.errorBoxText = ItemText(box, 0xFFFF);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    }
    for (int i = 0; i < 300 && !seen.idleAgain; ++i, Sleep(100))
        seen.idleAgain = IsWindowEnabled(GetDlgItem(main, IDC_ERASE)) && OtherBoxes(main).empty();
    seen.status = ItemText(main, IDC_STATUS);
    // Whatever box came instead of the error box is closed, so the run ends.
    for (int i = 0; i < 50 && !OtherBoxes(main).empty(); ++i, Sleep(100))
        for (HWND box : OtherBoxes(main))
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_QUIT, BN_CLICKED), LPARAM(GetDlgItem(main, IDC_QUIT)));
}

TEST(EraseFailureWin32, RefusedEraseShowsTheErrorBoxAndReturnsToIdle) {
    platform::InstallWin32DialogHosts();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "bb-erase-win32-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string drives = folder + "\\NeroAPI-drives.ini";
    std::ofstream(drives) << "time scale = 0.01\n[BB RW]\ndisc = data\nmedium = DVD-RW\n"
                             "disc image = rw.iso\nerase seconds = 2\nquick erase seconds = 2\nerase fails = yes\n";
    std::ofstream(folder + "\\Brenvik.ini") << "Device: BB RW\r\n";
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "\\english.lng").c_str(), (folder + "\\english.lng").c_str(), FALSE));
    ASSERT_EQ(_putenv_s("BB_NEROAPI_CONFIG", drives.c_str()), 0);

    LibraryRegistry registry;
    neroapi::Services services;
    services.registry = &registry;
    Seen seen;
    std::vector<NotingBurnDlg::Box> boxes;
    {
        neroapi::ScopedServices library(services);
        NotingBurnDlg dlg;
        dlg.m_strProgramDir = (folder + "\\BrenvikBurn.exe").c_str();
        std::thread user(PressEraseAndAnswer, std::ref(seen), GetCurrentThreadId());
        (void)dlg.DoModal();
        user.join();
        boxes = dlg.Boxes();
    }
    _putenv_s("BB_NEROAPI_CONFIG", "");
    for (const char* name : {"\\NeroAPI-drives.ini", "\\Brenvik.ini", "\\english.lng", "\\rw.iso", "\\rw.iso.state"})
        DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());

    ASSERT_TRUE(seen.opened) << "no window titled " << kTitle;
    ASSERT_TRUE(seen.confirmed) << "no confirmation box";
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].type, 0x10u) << boxes[1].text;
    EXPECT_EQ(boxes[1].text.find("Erase job finished"), std::string::npos);
    EXPECT_TRUE(seen.errorBoxSeen);
    EXPECT_EQ(seen.errorBoxText.rfind("The disc was not erased.", 0), 0u) << seen.errorBoxText;
    EXPECT_NE(seen.errorBoxText.find("could not be erased"), std::string::npos) << seen.errorBoxText;
    EXPECT_TRUE(seen.idleAgain) << "the Erase button is usable again";
    EXPECT_EQ(seen.status, "The disc was not erased.");
}

}  // namespace

}  // namespace bb::app
