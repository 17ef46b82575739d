// The erase job: the library's estimate, the erase with the countdown of
// that estimate on a thread of its own beside it, and after an automatic
// erase the burn that asked for it. Runs on a worker.
#pragma once

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

private:
    RecorderSession& m_session;
};

}  // namespace recording
