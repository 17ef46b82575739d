// The console front end's window system: the headless host with the main
// window's template, its log and message boxes printed on the terminal.
#pragma once

#include <string>

namespace app {

// Installs the headless window system for the rest of the process. With
// `closeAfterStartup` the main window leaves through Quit as soon as its
// start-up has run.
void InstallConsoleHost(bool closeAfterStartup);

// Full path of the running executable (`argv0` made absolute when the
// system cannot tell).
std::string ExecutablePath(const std::string& argv0);

}  // namespace app
