// The command-line run: reads the words, shows them in the window and, when
// folder and label are there, burns unattended (erasing a rewritable disc
// first when the settings say not to ask); then decides what the window
// does next. Runs on a worker.
#pragma once

#include <string>
#include <vector>

#include "recording/CommandLine.h"
#include "recording/JobHost.h"
#include "recording/RecorderSession.h"

namespace bb::recording {

class BatchJob {
public:
    explicit BatchJob(RecorderSession& session) : m_session(session) {}

    // 0 for a successful burn, the burn's result otherwise, 99 when no burn ran.
    // A line of too many words is refused as a whole.
    [[nodiscard]] int Run(JobInputs& inputs, const CommandLineWords& line);

private:
    [[nodiscard]] int Burn(JobInputs& inputs);

    RecorderSession& m_session;
};

}  // namespace bb::recording
