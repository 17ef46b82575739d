#include "recorder/library/JobChannel.h"

#include <algorithm>
#include <thread>

namespace bb::recorder::library {
namespace {

// Short enough that Abort is answered well within a second, long enough that
// the program's idle poll is not flooded.
constexpr auto kPollSlice = std::chrono::milliseconds(20);
constexpr auto kThrottle = std::chrono::milliseconds(5);

}  // namespace

JobChannel::JobChannel(const neroapi::LibProgressRecord* progress, SessionCallbacks session)
    : m_session(session) {
    if (progress != nullptr) {
        m_progress = *progress;
    }
}

void JobChannel::Log(const std::string& line, int textType) {
    if (m_progress.addLogLine != nullptr) {
        m_progress.addLogLine(m_progress.user, textType, line.c_str());
    }
}

void JobChannel::Phase(const std::string& text) {
    if (m_progress.setPhase != nullptr) {
        m_progress.setPhase(m_progress.user, text.c_str());
    }
}

void JobChannel::Progress(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent != 0 && percent == m_lastPercent) {
        return;
    }
    m_lastPercent = percent;
    if (m_progress.progress != nullptr &&
        m_progress.progress(m_progress.user, static_cast<uint32_t>(percent)) != 0) {
        m_aborted = true;
    }
}

bool JobChannel::Aborted() {
    m_lastPoll = std::chrono::steady_clock::now();
    if (m_aborted) {
        return true;
    }
    if (m_session.idle != nullptr && m_session.idle(m_session.idleUser) != 0) {
        m_aborted = true;
    }
    if (!m_aborted && m_progress.aborted != nullptr && m_progress.aborted(m_progress.user) != 0) {
        m_aborted = true;
    }
    return m_aborted;
}

bool JobChannel::AbortedThrottled() {
    if (m_aborted) {
        return true;
    }
    if (std::chrono::steady_clock::now() - m_lastPoll < kThrottle) {
        return false;
    }
    return Aborted();
}

int JobChannel::Ask(int request, void* data) {
    if (m_session.userDialog == nullptr) {
        return 0;
    }
    return m_session.userDialog(m_session.userDialogUser, request, data);
}

bool JobChannel::Wait(double seconds) {
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                         std::chrono::duration<double>(std::max(seconds, 0.0)));
    while (!Aborted()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= end) {
            return true;
        }
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kPollSlice, end - now));
    }
    return false;
}

}  // namespace bb::recorder::library
