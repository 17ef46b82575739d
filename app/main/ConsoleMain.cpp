// brenvik-burn: the program on a terminal. The main window runs on the
// headless host; the console renderer prints its log, progress and boxes.
#include <iostream>
#include <string>
#include <vector>

#include "app/BurnApp.h"
#include "app/ConsoleOptions.h"
#include "app/main/ConsoleHost.h"

namespace {
CBurnApp theApp;

std::string ModulePath(const char* argv0) {
    return app::ExecutablePath(argv0 ? argv0 : "");
}
}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string programName = "brenvik-burn";
    if (auto status = app::AnswerFrontEndOption(args, std::cout, programName))
        return *status;

    const std::string tail = app::CommandLineTail(args);
    // Without a command line nobody could ever press a button: show the
    // start-up log, close the window and explain how to run the program.
    // The batch worker that runs a given command line is not built yet, so
    // for now the window closes after start-up in that case too, and the
    // run counts as not started.
    const bool batchRunAvailable = false;
    app::InstallConsoleHost(/*closeAfterStartup=*/tail.empty() || !batchRunAvailable);
    const int status = theApp.Start(tail, ModulePath(argv[0]));
    if (tail.empty()) {
        std::cout << "\n";
        app::PrintUsage(std::cout, programName);
        return app::kExitUsage;
    }
    return batchRunAvailable ? status : app::kExitJobFailed;
}
