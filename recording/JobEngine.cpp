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

namespace recording {

void JobEngine::Burn(JobInputs inputs) {
    const bool forceShutdown = (inputs.moreFlags & moreflags::kForceShutdown) != 0;
    // The reallocation failure is left to the question below only when the
    // question will be asked; an unattended forced shutdown reports it.
    m_session.SetOfferReallocRetry(!(inputs.shutdown && forceShutdown));

    BurnJob burn(m_session);
    BurnJob::Outcome outcome = burn.PrepareAndBurn(inputs);
    if (burn.AskBurnWithoutReallocation(inputs, bbres::kBoxWarningQuestion, outcome))
        outcome = burn.PrepareAndBurn(inputs);
    m_session.SetOfferReallocRetry(false);
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
        host.Ask(m_session.Text(kTxtEraseQuestion), bbres::kCaptionEraseRw, bbres::kBoxQuestionDefaultNo) != IDYES)
        return;
    EraseJob(m_session).Prepare(inputs, automatic);
    const bool started = StartWorkerThread([this, inputs, automatic]() mutable {
        const BurnJob::Outcome outcome = EraseJob(m_session).Run(inputs, /*eraseOnly=*/!automatic);
        if (automatic && BurnJob::ShutsDownAfter(outcome.result, inputs))
            m_session.Host().JobEnded(AfterJob::Shutdown);
    });
    if (!started)
        host.SetCommands(JobCommands::Idle);
}

void JobEngine::StartCommandLine(JobInputs inputs, std::vector<std::string> words, int delayMs,
                                 std::function<void(int result)> done) {
    const bool started = StartWorkerThread([this, inputs, words = std::move(words), delayMs, done]() mutable {
        int result = bbres::kResultNoBurnRan;
        if (!m_session.Host().WaitForClosing(uint32_t(delayMs)))
            result = BatchJob(m_session).Run(inputs, words);
        if (done)
            done(result);
    });
    if (!started && done)
        done(bbres::kResultNoBurnRan);
}

}  // namespace recording
