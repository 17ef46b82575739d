#include "app/main/ConsoleHost.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/MainDialogHeadless.h"
#include "app/ShutdownDlg.h"
#include "platform/headless/ConsoleRenderer.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"
#include "res/resource.h"

namespace app {

void InstallConsoleHost(bool closeAfterStartup) {
    // The renderer outlives the window system that reports to it.
    static std::unique_ptr<platform::ConsoleRenderer> console;
    static std::unique_ptr<platform::HeadlessUi> ui;
    ui = std::make_unique<platform::HeadlessUi>();
    console = std::make_unique<platform::ConsoleRenderer>(
        platform::ConsoleLayout{IDD_MAIN, IDC_LOG, IDC_PROGRESS, IDC_PERCENT, IDC_TIME_REMAINING, IDC_TIME_TOTAL},
        stdout, stdin, platform::ConsoleRenderer::StdoutIsTerminal());
    ui->AddTemplate(HeadlessMainDialog());
    ui->AddTemplate(HeadlessShutdownDialog());
    ui->SetObserver(console.get());
    ui->SetResponder([](const platform::ShownMessageBox& box) { return console->Ask(box); });
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
