// The erase job: the library's estimate, the erase with the countdown of
// that estimate on a thread of its own beside it, and its outcome as the
// library reports it. Runs on a worker; the burn that asked for an automatic
// erase follows only an erase that succeeded.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "recording/BurnJob.h"
#include "recording/JobHost.h"
#include "recording/RecorderSession.h"

namespace bb::recording {

class EraseJob {
public:
    explicit EraseJob(RecorderSession& session) : m_session(session) {}

    // What the window does before handing the erase to a worker: the status
    // line, the commands off, and for an automatic erase the quick mode.
    void Prepare(JobInputs& inputs, bool automatic);

    // The erase. `eraseOnly` for the Erase button (its success is shown in a
    // box). True when the library erased the disc; otherwise the failure
    // has been reported and the window is back to idle.
    [[nodiscard]] bool Run(JobInputs& inputs, bool eraseOnly);

    // A disc that was not erased, and why (`reason`, a log line; may be
    // empty): the log, the status line and an error box say so, and the
    // window goes back to idle.
    void ReportNotErased(const std::string& reason);

    // The countdown of an estimate of `estimateSecs` in the window's
    // progress display; `wait(ms)` waits for the erase's end and says whether
    // it came. An erase that has not ended after all the extra waits is
    // reported in a box.
    void CountDown(int32_t estimateSecs, const std::function<bool(int ms)>& wait);

private:
    RecorderSession& m_session;
};

}  // namespace bb::recording
