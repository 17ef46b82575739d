#include "app/main/ConsoleRenderer.h"

#include <cctype>
#include <vector>

#include "framework/MessageBoxType.h"
#include "platform/Console.h"

namespace bb::app {

namespace {
constexpr int kBarWidth = 30;
}  // namespace

ConsoleRenderer::ConsoleRenderer(std::FILE* out, std::FILE* in, bool interactive)
    : m_out(out), m_in(in), m_interactive(interactive) {}

bool ConsoleRenderer::StdoutIsTerminal() {
    return platform::IsTerminal(stdout);
}

void ConsoleRenderer::ClearProgressLine() {
    if (m_interactive && m_progressOnScreen) {
        std::fputs("\r\033[K", m_out);
        m_progressOnScreen = false;
    }
}

void ConsoleRenderer::OnLogLine(const std::string& text) {
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearProgressLine();
    size_t from = 0;
    for (;;) {
        const size_t at = text.find("\r\n", from);
        std::fprintf(m_out, "%s\n", text.substr(from, at == std::string::npos ? std::string::npos : at - from).c_str());
        if (at == std::string::npos)
            break;
        from = at + 2;
    }
    // The progress line stays under the log on a terminal.
    if (m_interactive && m_progressShown)
        ShowProgress();
    std::fflush(m_out);
}

void ConsoleRenderer::OnProgress(const ProgressStep& step) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_step = step;
    m_progressShown = true;
    ShowProgress();
    std::fflush(m_out);
}

void ConsoleRenderer::OnJobEnded() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_progressOnScreen)
        std::fputs("\n", m_out);  // the last step stays readable above what follows
    m_progressOnScreen = false;
    m_progressShown = false;
    m_lastPlainProgress.clear();
    std::fflush(m_out);
}

void ConsoleRenderer::ShowProgress() {
    const bool timed = !m_step.remaining.empty();
    if (m_interactive) {
        const std::string times = timed ? "  remaining " + m_step.remaining + "  total " + m_step.total : "";
        const int span = m_step.high - m_step.low;
        int filled = span > 0 ? (m_step.pos - m_step.low) * kBarWidth / span : 0;
        filled = filled < 0 ? 0 : filled > kBarWidth ? kBarWidth : filled;
        const std::string bar = std::string(size_t(filled), '#') + std::string(size_t(kBarWidth - filled), '.');
        std::fprintf(m_out, "\r[%s] %s%s\033[K", bar.c_str(), m_step.percent.c_str(), times.c_str());
        m_progressOnScreen = true;
        return;
    }
    // One line per new text: the bar's own steps would flood a log file.
    if (m_step.percent.empty())
        return;
    const std::string line =
        "progress: " + m_step.percent + (timed ? ", remaining " + m_step.remaining + ", total " + m_step.total : "");
    if (line == m_lastPlainProgress)
        return;
    m_lastPlainProgress = line;
    std::fprintf(m_out, "%s\n", line.c_str());
}

int ConsoleRenderer::Ask(const platform::ShownMessageBox& box) {
    const std::vector<int> buttons = framework::MessageBoxButtons(box.type);
    const int fallback = framework::DefaultMessageBoxButton(box.type);
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearProgressLine();
    std::fprintf(m_out, "[%s] %s\n", box.caption.c_str(), box.text.c_str());
    if (!m_interactive || buttons.size() == 1) {
        std::fprintf(m_out, "-> %s\n", framework::MessageBoxButtonName(fallback));
        std::fflush(m_out);
        return fallback;
    }
    for (;;) {
        std::string choices;
        for (int b : buttons)
            choices += std::string(choices.empty() ? "" : "/") + framework::MessageBoxButtonName(b);
        std::fprintf(m_out, "%s [%s]? ", choices.c_str(), framework::MessageBoxButtonName(fallback));
        std::fflush(m_out);
        char reply[64] = {};
        if (!std::fgets(reply, sizeof reply, m_in))
            return fallback;
        const char first = char(std::tolower(static_cast<unsigned char>(reply[0])));
        if (first == '\n' || first == '\r' || first == '\0')
            return fallback;
        for (int b : buttons) {
            if (std::tolower(static_cast<unsigned char>(framework::MessageBoxButtonName(b)[0])) == first)
                return b;
        }
    }
}

}  // namespace bb::app
