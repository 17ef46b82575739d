// The Erase button of the main window on the Win32 host, with NeroAPI.dll of
// this build and a simulated recorder whose erase fails: the window runs
// modally on this thread, a second thread acts as the user and leaves
// through Quit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/BurnDlg.h"
#include "platform/DialogHostWin32.h"
#include "tests/support/Sandbox.h"
#include "tests/win32/support/WindowTesting.h"

namespace {

using wintest::Press;
using wintest::TextOf;

// The main window, noting every box it shows.
class NotingBurnDlg final : public CBurnDlg {
public:
    struct Box {
        std::string text, caption;
        unsigned type;
    };
    int ShowMessage(const char* text, const char* caption, unsigned type) override {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_boxes.push_back({text, caption, type});
        }
        return CBurnDlg::ShowMessage(text, caption, type);
    }
    std::vector<Box> Boxes() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_boxes;
    }

private:
    std::mutex m_mutex;
    std::vector<Box> m_boxes;
};

// A program folder of its own with a drives file for the library (read
// through the C runtime's environment) and a settings file.
class EraseFailureWin32 : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::InstallWin32DialogHosts(); }
    void TearDown() override { _putenv_s("BB_NEROAPI_CONFIG", ""); }

    bool Run(const std::string& drives, const std::string& settings, const std::function<void(HWND)>& user) {
        EXPECT_EQ(_putenv_s("BB_NEROAPI_CONFIG", folder_.WriteFile("NeroAPI-drives.ini", drives).c_str()), 0);
        folder_.WriteFile("Brenvik.ini", settings);
        CopyFileA((wintest::ProgramFolder() + "\\english.lng").c_str(), folder_.At("english.lng").c_str(), FALSE);
        services_.registry = &registry_;
        library_.emplace(services_);
        dlg_.m_strProgramDir = folder_.At("BrenvikBurn.exe").c_str();
        return wintest::RunWithUser("Brenvik Burn 1.2.1", [&] { return dlg_.DoModal(); }, user, &result_);
    }

    bbtest::Sandbox folder_;
    wintest::LibraryRegistry registry_{wintest::ProgramFolder()};
    NeroApiLib::Services services_;
    std::optional<NeroApiLib::ScopedServices> library_;  // outlives the window
    NotingBurnDlg dlg_;
    int result_ = 0;
};

// The boxes of this process besides the main window.
HWND OtherBox(HWND main) {
    return wintest::WaitTop([&](HWND w) {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        return w != main && wintest::IsOwn(w) && IsWindowVisible(w) && std::string(cls) == "#32770";
    });
}

// The confirmation is answered Yes as a user would; the box that follows is
// the error box, not the information box; the window then returns to idle.
TEST_F(EraseFailureWin32, RefusedEraseShowsTheErrorBoxAndReturnsToIdle) {
    bool confirmed = false, idleAgain = false;
    std::string errorText, status;
    ASSERT_TRUE(Run("time scale = 0.01\n[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = rw.iso\n"
                    "erase seconds = 2\nquick erase seconds = 2\nerase fails = yes\n",
                    "Device: BB RW\r\n", [&](HWND main) {
                        auto box = [](const char* caption) {
                            return wintest::WaitTop(
                                [&](HWND w) { return wintest::IsOwn(w) && IsWindowVisible(w) && TextOf(w) == caption; },
                                30000);
                        };
                        Press(main, IDC_ERASE);
                        if (HWND confirm = box("Erase ReWriteable")) {
                            confirmed = true;
                            Press(confirm, IDYES);
                            if (HWND error = box("Error")) {
                                errorText = TextOf(GetDlgItem(error, 0xFFFF));
                                Press(error, IDOK);
                            }
                        }
                        for (int i = 0; i < 300 && !idleAgain; ++i, Sleep(100))
                            idleAgain = IsWindowEnabled(GetDlgItem(main, IDC_ERASE)) && !OtherBox(main);
                        status = TextOf(GetDlgItem(main, IDC_STATUS));
                        // Whatever box came instead of the error box is closed, so the run ends.
                        for (int i = 0; i < 50 && OtherBox(main); ++i, Sleep(100)) Press(OtherBox(main), IDOK);
                    }));
    ASSERT_TRUE(confirmed) << "no confirmation box";
    const std::vector<NotingBurnDlg::Box> boxes = dlg_.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].type, 0x10u) << boxes[1].text;
    EXPECT_EQ(errorText.rfind("The disc was not erased.", 0), 0u) << errorText;
    EXPECT_NE(errorText.find("could not be erased"), std::string::npos) << errorText;
    EXPECT_TRUE(idleAgain) << "the Erase button is usable again";
    EXPECT_EQ(status, "The disc was not erased.");
}

}  // namespace
