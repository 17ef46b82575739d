// The erase job: the library's estimate, the erase with the countdown of
// that estimate on a thread of its own beside it, and after an automatic
// erase the burn that asked for it. Runs on a worker.
#pragma once

#include <cstdint>
#include <functional>

#include "recording/BurnJob.h"
#include "recording/JobHost.h"
#include "recording/RecorderSession.h"

namespace recording {

class EraseJob {
public:
    explicit EraseJob(RecorderSession& session) : m_session(session) {}

    // What the window does before handing the erase to a worker: the status
    // line, the commands off, and for an automatic erase the quick mode.
    void Prepare(JobInputs& inputs, bool automatic);

    // The erase. `eraseOnly` for the Erase button; otherwise the burn follows
    // and its outcome is returned.
    BurnJob::Outcome Run(JobInputs& inputs, bool eraseOnly);

    // The countdown of an estimate of `estimateSecs` in the window's
    // progress display; `wait(ms)` waits for the erase's end and says whether
    // it came. An erase that has not ended after all the extra waits is
    // reported in a box.
    void CountDown(int32_t estimateSecs, const std::function<bool(int ms)>& wait);

private:
    RecorderSession& m_session;
};

}  // namespace recording
