#include "recording/EraseJob.h"

#include <memory>

#include "framework/CEvent.h"
#include "framework/CheckedFormat.h"
#include "framework/WinDefs.h"
#include "framework/WorkerThread.h"
#include "neroapi/NeroApiLib.h"
#include "recording/BatchRun.h"
#include "recording/EraseCountdown.h"
#include "res/BoxStyles.h"
#include "res/OwnTexts.h"
#include "res/TextIds.h"

namespace recording {

namespace {
constexpr int kQuickErase = 1;
}  // namespace

void EraseJob::Prepare(JobInputs& inputs, bool automatic) {
    JobHost& host = m_session.Host();
    host.SetStatus(m_session.Text(kTxtStatusErasing));
    // An erase cannot be aborted.
    host.SetCommands(JobCommands::Busy);
    if (automatic) {
        inputs.eraseMode = kQuickErase;
        host.ShowInputs(inputs);
    }
}

bool EraseJob::Run(JobInputs& inputs, bool eraseOnly) {
    JobHost& host = m_session.Host();
    bool erased = false;
    std::string reason;
    {
        OpenRecorder device(inputs.drive);
        if (!device) {
            reason = m_session.Text(kTxtCannotOpenRecorder);
            if (inputs.drive != nullptr)
                reason += ": " + RecorderName(*inputs.drive);
        } else {
            const int estimate = NeroApiLib::NeroGetCDRWErasingTime(device.get(), inputs.eraseMode);
            if (const int refusal = EraseEstimateRefusalTextId(estimate)) {
                reason = m_session.Text(refusal);
            } else {
                // The countdown ends by itself once `done` is set; the job
                // waits for it so that nothing writes the progress display
                // after the window has left its job state.
                auto done = std::make_shared<CEvent>(false, true);
                auto countdownEnded = std::make_shared<CEvent>(false, true);
                const bool counting = StartWorkerThread([this, estimate, done, countdownEnded] {
                    CountDown(estimate, [&done](int ms) { return done->Lock(uint32_t(ms)); });
                    countdownEnded->SetEvent();
                });
                host.LogLine(bbfmt::Format(m_session.Text(kTxtEraseEstimate), {estimate}));
                host.LogLine(m_session.Text(kTxtErasing));
                NeroApiLib::NeroClearErrors();
                erased = NeroApiLib::NeroEraseCDRW(device.get(), inputs.eraseMode) == 0;
                done->SetEvent();
                if (counting)
                    (void)countdownEnded->Lock();
                if (!erased)
                    reason = LibraryErrors();
                else if (eraseOnly)
                    (void)host.Ask(m_session.Text(kTxtEraseDone), "", bbres::kBoxInformation);
            }
        }
    }
    if (!erased) {
        ReportNotErased(reason);
        return false;
    }
    host.SetCommands(JobCommands::Idle);
    host.LogLine(m_session.Text(kTxtStatusReady));
    host.LogLine(m_session.Text(kTxtEraseDone));
    return true;
}

void EraseJob::ReportNotErased(const std::string& reason) {
    JobHost& host = m_session.Host();
    const std::string notErased = m_session.Text(kTxtEraseFailed);
    if (!reason.empty())
        host.LogLine(reason);
    host.LogLine(notErased);
    host.SetStatus(notErased);
    (void)host.Ask(reason.empty() ? notErased : notErased + "\n" + reason, bbres::kCaptionErrorPlain,
                   bbres::kBoxError);
    host.SetCommands(JobCommands::Idle);
}

void EraseJob::CountDown(int32_t estimateSecs, const std::function<bool(int ms)>& wait) {
    JobHost& view = m_session.Host();
    // An erase that ran over its estimate but ended is no error; one that
    // has not ended after all the extra waits is.
    if (RunEraseCountdown(estimateSecs, view, wait) == EraseCountdownEnd::NeverEnded)
        (void)view.Ask(m_session.Text(kTxtEraseTimeout), bbres::kCaptionTimeout, bbres::kBoxError);
}

}  // namespace recording
