#include "recording/JobEngine.h"

#include <utility>

#include "framework/WinDefs.h"
#include "framework/WorkerThread.h"
#include "recording/BatchJob.h"
#include "recording/BurnJob.h"
#include "recording/EraseJob.h"
#include "res/BoxStyles.h"
#include "res/OwnTexts.h"
#include "res/ResultCodes.h"
#include "res/TextIds.h"
#include "settings/SettingsFlags.h"

namespace bb::recording {

namespace {
// The window's burn offers to burn again without reallocation, except
// before an unattended forced shutdown, which reports the failure instead.
bool OffersReallocRetry(const JobInputs& inputs) {
    const bool forceShutdown = (inputs.moreFlags & settings::moreflags::kForceShutdown) != 0;
    return !(inputs.shutdown && forceShutdown);
}
}  // namespace

void JobEngine::Burn(JobInputs inputs) {
    const BurnJob::Outcome outcome =
        BurnJob(m_session, OffersReallocRetry(inputs)).BurnOfferingRetry(inputs, res::kBoxWarningQuestion);
    // After a hand-off to the automatic erase nothing has been burned yet:
    // the erase worker burns, and the shutdown waits for that.
    if (outcome.handedToErase) {
        Erase(std::move(inputs), /*automatic=*/true);
        return;
    }
    if (BurnJob::ShutsDownAfter(outcome.result, inputs))
        m_session.Host().JobEnded(AfterJob::Shutdown);
}

void JobEngine::Erase(JobInputs inputs, bool automatic) {
    JobHost& host = m_session.Host();
    if (!automatic &&
        host.Ask(m_session.Text(res::kTxtEraseQuestion), res::kCaptionEraseRw, res::kBoxQuestionDefaultNo) != IDYES)
        return;
    EraseJob(m_session).Prepare(inputs, automatic);
    const bool started = framework::StartWorkerThread([this, inputs, automatic]() mutable {
        // The burn that asked for the erase follows only a disc that was erased.
        if (!EraseJob(m_session).Run(inputs, /*eraseOnly=*/!automatic) || !automatic)
            return;
        const BurnJob::Outcome outcome = BurnJob(m_session, OffersReallocRetry(inputs))
                                             .BurnOfferingRetry(inputs, res::kBoxWarningQuestion,
                                                                /*afterErase=*/true);
        if (BurnJob::ShutsDownAfter(outcome.result, inputs))
            m_session.Host().JobEnded(AfterJob::Shutdown);
    });
    if (!started)
        host.SetCommands(JobCommands::Idle);
}

void JobEngine::StartCommandLine(JobInputs inputs, CommandLineWords words, int delayMs,
                                 std::function<void(int result)> done) {
    const bool started = framework::StartWorkerThread([this, inputs, words = std::move(words), delayMs, done]() mutable {
        int result = res::kResultNoBurnRan;
        if (!m_session.Host().WaitForClosing(uint32_t(delayMs)))
            result = BatchJob(m_session).Run(inputs, words);
        if (done)
            done(result);
    });
    if (!started && done)
        done(res::kResultNoBurnRan);
}

}  // namespace bb::recording
