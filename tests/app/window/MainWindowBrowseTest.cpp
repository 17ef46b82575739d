// The Directory button: what the folder picker is asked, what the window
// shows while it is open, and what a chosen or cancelled pick leaves.
#include <cstdio>
#include <filesystem>
#include <string>

#include "MainWindowFixture.h"
#include "platform/FilePickerService.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"

namespace bb::app::test {
namespace {

class MainWindowBrowseTest : public MainWindowTest {};

// A folder picker that notes what it was asked and what the window's status
// line showed meanwhile, and answers with `answer` (empty: cancelled).
class WatchingPicker final : public platform::FilePickerService {
public:
    explicit WatchingPicker(platform::HeadlessDialogHost*& window) : m_window(window) {}
    bool RunFileDialog(bool, platform::FileDialogRecord&) override { return false; }
    bool BrowseForFolder(const platform::FolderBrowseRequest& request) override {
        ++calls;
        flags = request.flags;
        title = request.title ? request.title : "";
        initial = request.initialFolder ? request.initialFolder : "";
        statusWhileOpen = m_window ? m_window->GetItemText(IDC_STATUS) : "";
        if (answer.empty()) return false;
        std::snprintf(request.displayName, 260, "%s", answer.c_str());
        return true;
    }
    std::string answer;
    int calls = 0;
    uint32_t flags = 0;
    std::string title, initial, statusWhileOpen;

private:
    platform::HeadlessDialogHost*& m_window;
};

TEST_F(MainWindowBrowseTest, PickerIsAskedWithTheWindowsValuesAndItsAnswerShown) {
    CopyEnglish();
    WriteFile("Brenvik.ini", "");
    const std::string root = (m_dir / "dvd").string();
    std::filesystem::copy(std::filesystem::path(BB_SOURCE_DIR) / "samples" / "dvd-sample", root,
                          std::filesystem::copy_options::recursive);
    const settings::LanguageTable english((m_dir / "english.lng").string());

    struct Case {
        const char* what;
        std::string before;  // the DVD root already there; "" none
        std::string answer;  // "" cancels
        std::string shown;   // the DVD root field afterwards
        bool burnAfter;
    } cases[] = {
        {"chosen", "", root, root, true},
        {"cancelled, no root before", "", "", "Can't get dir...", false},
        {"cancelled after a root", root, "", "Can't get dir...", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::HeadlessDialogHost* window = nullptr;
        WatchingPicker picker(window);
        platform::SetSystemFilePickers(&picker);
        auto& h = Start();
        window = &h;
        if (!c.before.empty()) {
            ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, c.before, /*leave=*/true));
            ASSERT_TRUE(h.IsItemEnabled(IDC_BURN));
        }
        const bool burnBefore = h.IsItemEnabled(IDC_BURN);
        picker.answer = c.answer;

        ASSERT_TRUE(h.Click(IDC_BROWSE));
        platform::SetSystemFilePickers(nullptr);
        EXPECT_EQ(picker.calls, 1);
        EXPECT_EQ(picker.flags, 0x49u) << "file-system folders, new dialog style, file-system ancestors";
        EXPECT_EQ(picker.title, english.GetText(res::kTxtBrowseTitle));
        EXPECT_EQ(picker.initial, c.before);
        EXPECT_EQ(picker.statusWhileOpen, english.GetText(res::kTxtStatusBrowsing));
        EXPECT_EQ(h.GetItemText(IDC_STATUS), english.GetText(res::kTxtStatusReady));
        EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), c.shown);
        EXPECT_EQ(h.IsItemEnabled(IDC_BURN), c.burnAfter);
        if (c.answer.empty()) {
            EXPECT_EQ(h.IsItemEnabled(IDC_BURN), burnBefore) << "a cancelled pick leaves Burn";
        }
        m_dlg.reset();
    }
}

}  // namespace
}  // namespace bb::app::test
