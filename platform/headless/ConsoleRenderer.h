// Shows a headless main window on a console: log lines as they are added,
// a progress line (bar, percent, time remaining, time total) redrawn in place
// on a terminal and printed as plain lines otherwise, and message boxes as
// prompts on a terminal (their default button otherwise).
//
//   platform::ConsoleRenderer console(layout, stdout, stdin, ConsoleRenderer::StdoutIsTerminal());
//   ui.SetObserver(&console);
//   ui.SetResponder([&](const platform::ShownMessageBox& b) { return console.Ask(b); });
#pragma once

#include <cstdio>
#include <mutex>
#include <string>

#include "platform/headless/HeadlessUi.h"

namespace platform {

// Which controls of which dialog the console shows.
struct ConsoleLayout {
    int templateId = 0;
    int logId = 0;
    int progressId = 0;
    int percentId = 0;
    int remainingId = 0;
    int totalId = 0;
};

class ConsoleRenderer final : public HeadlessObserver {
public:
    ConsoleRenderer(ConsoleLayout layout, std::FILE* out, std::FILE* in, bool interactive);

    [[nodiscard]] static bool StdoutIsTerminal();

    // The message-box responder: prints the box; on a terminal asks which
    // button, otherwise answers the default button.
    int Ask(const ShownMessageBox& box);

    void OnTextChanged(int templateId, int id, const std::string& before, const std::string& after) override;
    void OnProgress(int templateId, int id, int pos, int low, int high) override;
    void OnTitleChanged(int, const std::string&) override {}

private:
    void PrintLines(const std::string& text);  // m_mutex held
    void ShowProgress();                        // m_mutex held
    void ClearProgressLine();                   // m_mutex held

    const ConsoleLayout m_layout;
    std::FILE* const m_out;
    std::FILE* const m_in;
    const bool m_interactive;

    std::mutex m_mutex;
    std::string m_percent, m_remaining, m_total;
    int m_pos = 0, m_low = 0, m_high = 100;
    bool m_progressOnScreen = false;
    std::string m_lastPlainProgress;
};

}  // namespace platform
