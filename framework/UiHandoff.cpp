#include "framework/UiHandoff.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace bb::framework {

bool RunOnOtherThreadAndWait(const std::function<void(std::function<void()>)>& post,
                             const std::function<void()>& work, const std::function<bool()>& gone) {
    struct Handoff {
        std::mutex mutex;
        std::condition_variable done;
        bool started = false, finished = false, abandoned = false;
    };
    auto handoff = std::make_shared<Handoff>();
    post([handoff, &work] {
        {
            std::lock_guard<std::mutex> lock(handoff->mutex);
            if (handoff->abandoned)
                return;
            handoff->started = true;
        }
        work();
        std::lock_guard<std::mutex> lock(handoff->mutex);
        handoff->finished = true;
        handoff->done.notify_all();
    });
    std::unique_lock<std::mutex> lock(handoff->mutex);
    while (!handoff->finished) {
        handoff->done.wait_for(lock, std::chrono::milliseconds(10));
        if (!handoff->started && !handoff->finished && gone()) {
            handoff->abandoned = true;
            return false;
        }
    }
    return true;
}

}  // namespace bb::framework
