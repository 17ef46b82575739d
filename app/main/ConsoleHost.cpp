#include "app/main/ConsoleHost.h"

#include <cstdio>
#include <memory>

#include "app/MainDialogHeadless.h"
#include "app/ShutdownDlg.h"
#include "platform/headless/HeadlessDialogHost.h"
#include "platform/headless/HeadlessUi.h"
#include "res/resource.h"

namespace bb::app {

ConsoleRenderer& InstallConsoleHost(bool closeAfterStartup, bool interactive) {
    // The renderer outlives the window system that reports to it.
    static std::unique_ptr<ConsoleRenderer> console;
    static std::unique_ptr<platform::HeadlessUi> ui;
    ui = std::make_unique<platform::HeadlessUi>();
    console = std::make_unique<ConsoleRenderer>(stdout, stdin, interactive);
    ui->AddTemplate(HeadlessMainDialog());
    ui->AddTemplate(HeadlessShutdownDialog());
    ui->SetResponder([](const platform::ShownMessageBox& box) { return console->Ask(box); });
    if (closeAfterStartup)
        ui->WhenOpened(IDD_MAIN, [](platform::HeadlessDialogHost& host) { (void)host.Click(IDC_QUIT); });
    return *console;
}

}  // namespace bb::app
