// The jobs of the main window: the burn, the erase and the command-line run,
// each on the thread it runs on, over the window's JobHost. The window hands
// each job a copy of its values and shows what the job reports.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "recording/CommandLine.h"
#include "recording/JobHost.h"
#include "recording/RecorderSession.h"

namespace bb::settings { class LanguageTable; }

namespace bb::recording {

class JobEngine {
public:
    JobEngine(JobHost& host, const settings::LanguageTable& texts) : m_session(host, texts) {}

    [[nodiscard]] RecorderSession& Session() { return m_session; }

    // The Burn button, on the window's thread: the burn, the offer to burn
    // without reallocation, the shutdown; or the hand-off to the automatic
    // erase, whose worker burns afterwards.
    void Burn(JobInputs inputs);

    // The Erase button (asks first), or the automatic erase before a burn.
    // The erase runs on a worker.
    void Erase(JobInputs inputs, bool automatic);

    // The command-line run on a worker: after `delayMs` (given up when the
    // window closes meanwhile) it reads `words`, shows them in the window
    // and, with a folder and a label, burns unattended. `done` gets the
    // result (0 for a successful burn, 99 when no burn ran) as the very last
    // thing the worker does.
    void StartCommandLine(JobInputs inputs, CommandLineWords words, int delayMs,
                          std::function<void(int result)> done);

    void RequestAbort() { m_session.RequestAbort(); }

private:
    RecorderSession m_session;
};

}  // namespace bb::recording
