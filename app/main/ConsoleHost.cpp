#include "app/main/ConsoleHost.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <system_error>

#include "app/MainDialogHeadless.h"
#include "framework/MessageBoxType.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"
#include "res/resource.h"

namespace app {
namespace {

// Prints what the user would read in the window: each new log line as it is
// appended. Runs with the host's lock held, so it only writes to the stream.
class LogPrinter final : public platform::HeadlessObserver {
public:
    void OnTextChanged(int templateId, int id, const std::string& before, const std::string& after) override {
        if (templateId != IDD_MAIN || id != IDC_LOG)
            return;
        // The log only grows, by CR LF and the new text; a cleared log prints nothing.
        if (after.size() <= before.size() || after.compare(0, before.size(), before) != 0)
            return;
        std::string added = after.substr(before.size());
        if (!before.empty() && added.rfind("\r\n", 0) == 0)
            added.erase(0, 2);
        std::string line;
        for (char ch : added)
            if (ch != '\r')
                line += ch;
        std::cout << line << std::endl;
    }
    void OnProgress(int, int, int, int, int) override {}
    void OnTitleChanged(int, const std::string&) override {}
};

}  // namespace

void InstallConsoleHost(bool closeAfterStartup) {
    static LogPrinter printer;
    static std::unique_ptr<platform::HeadlessUi> ui;
    ui = std::make_unique<platform::HeadlessUi>();
    ui->AddTemplate(HeadlessMainDialog());
    ui->SetObserver(&printer);
    // Nobody can answer a box on the console: it is printed and takes its
    // default button.
    ui->SetResponder([](const platform::ShownMessageBox& box) {
        std::cout << "[" << box.caption << "] " << box.text << std::endl;
        return fw::DefaultMessageBoxButton(box.type);
    });
    if (closeAfterStartup)
        ui->WhenOpened(IDD_MAIN, [](platform::HeadlessDialogHost& host) { (void)host.Click(IDC_QUIT); });
}

std::string ExecutablePath(const std::string& argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self.string();
    return std::filesystem::absolute(argv0, ec).string();
}

}  // namespace app
