// A process-wide replacement for a platform service, so that tests (and the
// console front end) can stand in for the real one behind SystemX().
#pragma once

#include <atomic>

namespace bb::platform {

template <class Service>
class ServiceSlot {
public:
    // The replacement when one is set, else the native service.
    Service& Get(Service& native) const {
        Service* replacement = m_replacement.load(std::memory_order_acquire);
        return replacement ? *replacement : native;
    }
    void Set(Service* replacement) { m_replacement.store(replacement, std::memory_order_release); }

private:
    std::atomic<Service*> m_replacement{nullptr};
};

// Installs a replacement for the life of a scope:
//   platform::ScopedOverride<platform::Sound, platform::SetSystemSound> use(fake);
template <class Service, void (*SetService)(Service*)>
class ScopedOverride {
public:
    explicit ScopedOverride(Service& replacement) { SetService(&replacement); }
    ~ScopedOverride() { SetService(nullptr); }
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;
};

}  // namespace bb::platform
