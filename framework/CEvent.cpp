#include "framework/CEvent.h"

#include <chrono>

namespace bb::framework {

CEvent::CEvent(bool initiallySignalled, bool manualReset)
    : m_signalled(initiallySignalled), m_manualReset(manualReset) {}

void CEvent::SetEvent() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_signalled = true;
    }
    if (m_manualReset) {
        m_cv.notify_all();
    } else {
        m_cv.notify_one();
    }
}

void CEvent::ResetEvent() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_signalled = false;
}

bool CEvent::Lock(uint32_t timeoutMs) {
    std::unique_lock<std::mutex> lock(m_mutex);
    auto signalled = [this] { return m_signalled; };
    if (timeoutMs == INFINITE) {
        m_cv.wait(lock, signalled);
    } else if (!m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), signalled)) {
        return false;
    }
    if (!m_manualReset) m_signalled = false;
    return true;
}

bool CEvent::IsSet() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_signalled;
}

}  // namespace bb::framework
