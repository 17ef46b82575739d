// brenvik-burn: the program on a terminal. The main window runs on the
// headless host; the console renderer prints its log, progress and boxes.
// A run always ends: where the window would stay open after a failed or a
// prepare-only run, the console front end closes it and says so in its
// exit status.
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/BurnApp.h"
#include "app/ConsoleOptions.h"
#include "app/main/ConsoleFilePicker.h"
#include "app/main/ConsoleHost.h"
#include "framework/CDialog.h"
#include "framework/WorkerThread.h"
#include "platform/FilePickerService.h"
#include "platform/Console.h"

namespace bb::app {

namespace {
CBurnApp theApp;

constexpr const char* kInterruptedLine = "Interrupted: the job is being aborted (interrupt again to end at once).";
constexpr const char* kInterruptedAgainLine = "Interrupted again: ending at once.";


std::string CurrentFolder() {
    std::error_code ec;
    const auto folder = std::filesystem::current_path(ec);
    return ec ? std::string(".") : folder.string();
}
}  // namespace

int RunConsoleProgram(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string programName = "brenvik-burn";
    const std::string helpFolder = app::HelpPagesFolder(
        std::filesystem::path(platform::RunningExecutablePath(argv[0] ? argv[0] : "")).parent_path().string(),
        BB_INSTALLED_HELP_DIR);
    if (auto status = app::AnswerFrontEndOption(args, std::cout, programName, helpFolder))
        return *status;
    std::cout.flush();

    const std::string tail = app::CommandLineTail(args);
    const bool interactive = platform::IsTerminal(stdout) && platform::IsTerminal(stdin);
    app::ConsoleFilePicker picker(stdout, stdin, interactive, CurrentFolder());
    platform::SetSystemFilePickers(&picker);

    // The command-line worker reports its result as the last thing it does.
    // A run that did not burn leaves the window open for a user; on the
    // console nobody could use it, so it is closed.
    std::atomic<int> runResult{-1};
    theApp.m_onCommandLineDone = [&runResult](framework::CDialog& window, int result) {
        runResult = result;
        if (result != 0)  // a successful run closes the window itself
            window.PostToUi([&window] { window.HostClose(); });
    };

    // Without a command line nobody could ever press a button: show the
    // start-up log, close the window and explain how to run the program.
    // A command line of one character is not read either.
    const bool readsCommandLine = tail.size() > 1;
    app::ConsoleRenderer& console =
        app::InstallConsoleHost(/*closeAfterStartup=*/!readsCommandLine, platform::IsTerminal(stdout));
    theApp.m_pEvents = &console;
    // The window's start-up second lets it appear before a run fills it in;
    // on the console there is nothing to appear, so the run starts at once.
    theApp.m_nCommandLineDelayMs = 0;

    // Ctrl-C, a request to terminate and a closed terminal are the Abort
    // button: the job stops through the library, which removes what it had
    // begun to write, and the run ends as a failed one. A second interrupt
    // ends the program at once.
    platform::WhenInterrupted([&console](int count) {
        if (count > 1) {
            console.OnLogLine(kInterruptedAgainLine);
            platform::EndAsInterrupted();
        }
        console.OnLogLine(kInterruptedLine);
        theApp.AbortJob();
    });
    (void)theApp.Start(tail, platform::RunningExecutablePath(argv[0] ? argv[0] : ""));
    (void)framework::WaitForWorkerThreads(INFINITE);
    platform::SetSystemFilePickers(nullptr);

    if (!readsCommandLine) {
        std::cout << "\n";
        app::PrintUsage(std::cout, programName, helpFolder);
        return app::kExitUsage;
    }
    return runResult.load() == 0 ? app::kExitSuccess : app::kExitJobFailed;
}

}  // namespace bb::app

int main(int argc, char** argv) { return bb::app::RunConsoleProgram(argc, argv); }
