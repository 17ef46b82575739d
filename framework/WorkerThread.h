// Worker threads for jobs (command-line run, erase, erase countdown, notices).
// They run detached, like the class library's worker threads: a job tells the
// rest of the program that it ended through an event or a posted message. The
// count of running workers lets a front end or a test wait for all of them
// before the dialog they use goes away.
#pragma once

#include <cstdint>
#include <functional>

namespace bb::framework {

// Starts `work` on a new thread. False when no thread could be started.
[[nodiscard]] bool StartWorkerThread(std::function<void()> work);
// Waits until every worker started here has returned, at most `timeoutMs`
// (INFINITE: for ever). True when none is left running.
[[nodiscard]] bool WaitForWorkerThreads(uint32_t timeoutMs);
[[nodiscard]] int RunningWorkerThreads();

}  // namespace bb::framework
