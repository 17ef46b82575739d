#include "framework/WorkerThread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "framework/WinDefs.h"

namespace bb::framework {

namespace {

std::mutex g_mutex;
std::condition_variable g_allDone;
int g_running = 0;

void WorkerEnded() {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (--g_running == 0) g_allDone.notify_all();
}

}  // namespace

bool StartWorkerThread(std::function<void()> work) {
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        ++g_running;
    }
    try {
        std::thread([work = std::move(work)] {
            work();
            WorkerEnded();
        }).detach();
    } catch (const std::system_error&) {
        WorkerEnded();
        return false;
    }
    return true;
}

bool WaitForWorkerThreads(uint32_t timeoutMs) {
    std::unique_lock<std::mutex> lock(g_mutex);
    auto none = [] { return g_running == 0; };
    if (timeoutMs == INFINITE) {
        g_allDone.wait(lock, none);
        return true;
    }
    return g_allDone.wait_for(lock, std::chrono::milliseconds(timeoutMs), none);
}

int RunningWorkerThreads() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_running;
}

}  // namespace bb::framework
