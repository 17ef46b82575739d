// An event object for job threads: auto-reset (one waiter is released and the
// event clears itself) or manual-reset (stays signalled until ResetEvent).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "framework/WinDefs.h"

namespace bb::framework {

class CEvent {
public:
    explicit CEvent(bool initiallySignalled = false, bool manualReset = false);
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    void SetEvent();
    void ResetEvent();
    // Waits until the event is signalled or `timeoutMs` has passed (INFINITE
    // waits for ever). True when signalled; an auto-reset event is then clear.
    [[nodiscard]] bool Lock(uint32_t timeoutMs = INFINITE);
    // Signalled right now (does not consume an auto-reset signal).
    [[nodiscard]] bool IsSet() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_signalled;
    const bool m_manualReset;
};

}  // namespace bb::framework
