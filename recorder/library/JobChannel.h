// The line between a blocking job and the program: log lines, phases,
// progress, the abort poll and the user-dialog requests, all on the caller's
// thread. Any callback may be missing (null); the job then goes on without it.
#pragma once

#include "neroapi/NeroRecords.h"
#include "recorder/library/LibrarySession.h"

#include <chrono>
#include <string>

namespace bb::recorder::library {

class JobChannel {
public:
    JobChannel(const neroapi::LibProgressRecord* progress, SessionCallbacks session);

    void Log(const std::string& line, int textType = 0);
    void Phase(const std::string& text);
    // 0 starts a phase; later values are passed on only when they change.
    void Progress(int percent);
    // True once the program asked to stop (aborted query, idle poll or a
    // progress report answering true); stays true.
    bool Aborted();
    // Polls at most every few milliseconds; for tight loops.
    bool AbortedThrottled();
    int Ask(int request, void* data);
    // Sleeps `seconds` in short slices, polling for an abort; false when aborted.
    [[nodiscard]] bool Wait(double seconds);

private:
    neroapi::LibProgressRecord m_progress{};
    SessionCallbacks m_session;
    bool m_aborted = false;
    int m_lastPercent = -1;
    std::chrono::steady_clock::time_point m_lastPoll{};
};

}  // namespace bb::recorder::library
