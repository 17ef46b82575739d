// The console front end's window system: the headless host with the main
// window's template, its log, progress and message boxes on the terminal.
#pragma once

#include "app/main/ConsoleRenderer.h"

namespace bb::app {

// Installs the headless window system for the rest of the process and
// returns the renderer that the main window reports to. With
// `closeAfterStartup` the main window leaves through Quit as soon as its
// start-up has run; `interactive` asks the boxes' questions on the terminal.
ConsoleRenderer& InstallConsoleHost(bool closeAfterStartup, bool interactive);

}  // namespace bb::app
