// What the main window shows as it happens, for a front end that renders it
// elsewhere (the console): every log line and every step of the progress
// display. Called on the window's thread, with no lock of the window held.
#pragma once

#include <string>

namespace bb::app {

struct ProgressStep {
    int pos = 0, low = 0, high = 100;  // the progress bar
    std::string percent;               // "" while the job cannot tell
    std::string remaining, total;      // "" until there is an estimate
};

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // One line, or several separated by CR LF.
    virtual void OnLogLine(const std::string& text) = 0;
    virtual void OnProgress(const ProgressStep& step) = 0;
    // The window has left the job state: its progress display is idle again.
    virtual void OnJobEnded() {}
};

}  // namespace bb::app
