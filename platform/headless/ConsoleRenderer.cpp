#include "platform/headless/ConsoleRenderer.h"

#include <cctype>
#include <vector>

#include "framework/MessageBoxType.h"

#ifdef _WIN32
#include <io.h>
#define BB_ISATTY _isatty
#define BB_FILENO _fileno
#else
#include <unistd.h>
#define BB_ISATTY isatty
#define BB_FILENO fileno
#endif

namespace platform {

namespace {

constexpr int kBarWidth = 30;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

ConsoleRenderer::ConsoleRenderer(ConsoleLayout layout, std::FILE* out, std::FILE* in, bool interactive)
    : m_layout(layout), m_out(out), m_in(in), m_interactive(interactive) {}

bool ConsoleRenderer::StdoutIsTerminal() {
    return BB_ISATTY(BB_FILENO(stdout)) != 0;
}

void ConsoleRenderer::ClearProgressLine() {
    if (m_interactive && m_progressOnScreen) {
        std::fputs("\r\033[K", m_out);
        m_progressOnScreen = false;
    }
}

void ConsoleRenderer::PrintLines(const std::string& text) {
    ClearProgressLine();
    size_t from = 0;
    for (;;) {
        const size_t at = text.find("\r\n", from);
        const std::string line = text.substr(from, at == std::string::npos ? std::string::npos : at - from);
        std::fprintf(m_out, "%s\n", line.c_str());
        if (at == std::string::npos) break;
        from = at + 2;
    }
    std::fflush(m_out);
}

void ConsoleRenderer::ShowProgress() {
    if (m_interactive) {
        const int span = m_high - m_low;
        const int filled = span > 0 ? (m_pos - m_low) * kBarWidth / span : 0;
        const std::string bar = std::string(size_t(filled), '#') + std::string(size_t(kBarWidth - filled), '.');
        std::fprintf(m_out, "\r[%s] %s  remaining %s  total %s\033[K", bar.c_str(), m_percent.c_str(),
                     m_remaining.c_str(), m_total.c_str());
        m_progressOnScreen = true;
    } else {
        // One line per new percent text: the bar's own steps would flood a log file.
        const std::string line = "progress: " + m_percent + ", remaining " + m_remaining + ", total " + m_total;
        // The start-up display sets the percent before the two times: no
        // line until all three have a text.
        if (line == m_lastPlainProgress || m_percent.empty() || m_remaining.empty() || m_total.empty())
            return;
        m_lastPlainProgress = line;
        std::fprintf(m_out, "%s\n", line.c_str());
    }
    std::fflush(m_out);
}

void ConsoleRenderer::OnTextChanged(int templateId, int id, const std::string& before, const std::string& after) {
    if (templateId != m_layout.templateId) return;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (id == m_layout.logId) {
        if (after.empty()) return;  // the log was cleared
        std::string added = after;
        if (!before.empty() && StartsWith(after, before)) {
            added = after.substr(before.size());
            if (StartsWith(added, "\r\n")) added.erase(0, 2);
            if (added.empty()) return;
        }
        PrintLines(added);
        if (m_progressOnScreen == false && m_interactive && !m_percent.empty()) ShowProgress();
        return;
    }
    std::string* field = id == m_layout.percentId     ? &m_percent
                         : id == m_layout.remainingId ? &m_remaining
                         : id == m_layout.totalId     ? &m_total
                                                      : nullptr;
    if (!field) return;
    *field = after;
    if (id == m_layout.percentId || m_interactive) ShowProgress();
}

void ConsoleRenderer::OnProgress(int templateId, int id, int pos, int low, int high) {
    if (templateId != m_layout.templateId || id != m_layout.progressId) return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pos = pos;
    m_low = low;
    m_high = high;
    if (m_interactive) ShowProgress();
}

int ConsoleRenderer::Ask(const ShownMessageBox& box) {
    const std::vector<int> buttons = fw::MessageBoxButtons(box.type);
    const int fallback = fw::DefaultMessageBoxButton(box.type);
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearProgressLine();
    std::fprintf(m_out, "[%s] %s\n", box.caption.c_str(), box.text.c_str());
    if (!m_interactive || buttons.size() == 1) {
        std::fprintf(m_out, "-> %s\n", fw::MessageBoxButtonName(fallback));
        std::fflush(m_out);
        return fallback;
    }
    for (;;) {
        std::string choices;
        for (int b : buttons) choices += std::string(choices.empty() ? "" : "/") + fw::MessageBoxButtonName(b);
        std::fprintf(m_out, "%s [%s]? ", choices.c_str(), fw::MessageBoxButtonName(fallback));
        std::fflush(m_out);
        char reply[64] = {};
        if (!std::fgets(reply, sizeof reply, m_in)) return fallback;
        const char first = char(std::tolower(static_cast<unsigned char>(reply[0])));
        if (first == '\n' || first == '\r' || first == '\0') return fallback;
        for (int b : buttons) {
            if (std::tolower(static_cast<unsigned char>(fw::MessageBoxButtonName(b)[0])) == first) return b;
        }
    }
}

}  // namespace platform
