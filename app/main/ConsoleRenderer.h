// Shows the main window on a console: its log lines as they are added, a
// progress line (bar, percent, time remaining, time total) redrawn in place
// on a terminal and printed as plain lines otherwise, and its message boxes
// as prompts on a terminal (their default button otherwise).
//
//   app::ConsoleRenderer console(stdout, stdin, ConsoleRenderer::StdoutIsTerminal());
//   window.m_pEvents = &console;
//   ui.SetResponder([&](const platform::ShownMessageBox& b) { return console.Ask(b); });
#pragma once

#include <cstdio>
#include <mutex>
#include <string>

#include "app/WindowEvents.h"
#include "platform/headless/HeadlessUi.h"

namespace bb::app {

class ConsoleRenderer final : public WindowEvents {
public:
    ConsoleRenderer(std::FILE* out, std::FILE* in, bool interactive);

    [[nodiscard]] static bool StdoutIsTerminal();

    // The message-box responder: prints the box; on a terminal asks which
    // button, otherwise answers the default button.
    int Ask(const platform::ShownMessageBox& box);

    void OnLogLine(const std::string& text) override;
    void OnProgress(const ProgressStep& step) override;
    // The finished job's progress line goes, so that the lines after the
    // job are not followed by its last step.
    void OnJobEnded() override;

private:
    void ShowProgress();       // m_mutex held
    void ClearProgressLine();  // m_mutex held

    std::FILE* const m_out;
    std::FILE* const m_in;
    const bool m_interactive;

    std::mutex m_mutex;
    ProgressStep m_step;
    bool m_progressShown = false;  // a job's progress has been seen
    bool m_progressOnScreen = false;
    std::string m_lastPlainProgress;
};

}  // namespace bb::app
