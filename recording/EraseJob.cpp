#include "recording/EraseJob.h"

#include <memory>

#include "framework/CEvent.h"
#include "framework/CheckedFormat.h"
#include "framework/WinDefs.h"
#include "framework/WorkerThread.h"
#include "neroapi/NeroApiLib.h"
#include "recording/BatchRun.h"
#include "recording/EraseCountdown.h"
#include "recording/RecorderList.h"
#include "res/BoxStyles.h"
#include "res/OwnTexts.h"
#include "res/TextIds.h"

namespace bb::recording {

void EraseJob::Prepare(JobInputs& inputs, bool automatic) {
    JobHost& host = m_session.Host();
    host.SetStatus(m_session.Text(res::kTxtStatusErasing));
    // An erase cannot be aborted.
    host.SetCommands(JobCommands::Busy);
    if (automatic) {
        inputs.eraseMode = neroapi::kEraseQuick;
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
            reason = m_session.Text(res::kTxtCannotOpenRecorder);
            if (inputs.drive != nullptr)
                reason += ": " + DeviceName(*inputs.drive);
        } else {
            const int estimate = neroapi::NeroGetCDRWErasingTime(device.get(), inputs.eraseMode);
            if (const int refusal = EraseEstimateRefusalTextId(estimate)) {
                reason = m_session.Text(refusal);
            } else {
                // The countdown ends by itself once `done` is set; the job
                // waits for it so that nothing writes the progress display
                // after the window has left its job state.
                auto done = std::make_shared<framework::CEvent>(false, true);
                auto countdownEnded = std::make_shared<framework::CEvent>(false, true);
                const bool counting = framework::StartWorkerThread([this, estimate, done, countdownEnded] {
                    CountDown(estimate, [&done](int ms) { return done->Lock(uint32_t(ms)); });
                    countdownEnded->SetEvent();
                });
                host.LogLine(framework::Format(m_session.Text(res::kTxtEraseEstimate), {estimate}));
                host.LogLine(m_session.Text(res::kTxtErasing));
                neroapi::NeroClearErrors();
                erased = neroapi::NeroEraseCDRW(device.get(), inputs.eraseMode) == 0;
                done->SetEvent();
                if (counting)
                    (void)countdownEnded->Lock();
                if (!erased)
                    reason = LibraryErrors();
                else if (eraseOnly)
                    (void)host.Ask(m_session.Text(res::kTxtEraseDone), "", res::kBoxInformation);
            }
        }
    }
    if (!erased) {
        ReportNotErased(reason);
        return false;
    }
    host.SetCommands(JobCommands::Idle);
    host.LogLine(m_session.Text(res::kTxtStatusReady));
    host.LogLine(m_session.Text(res::kTxtEraseDone));
    return true;
}

void EraseJob::ReportNotErased(const std::string& reason) {
    JobHost& host = m_session.Host();
    const std::string notErased = m_session.Text(res::kTxtEraseFailed);
    if (!reason.empty())
        host.LogLine(reason);
    host.LogLine(notErased);
    host.SetStatus(notErased);
    (void)host.Ask(reason.empty() ? notErased : notErased + "\n" + reason, res::kCaptionErrorPlain,
                   res::kBoxError);
    host.SetCommands(JobCommands::Idle);
}

void EraseJob::CountDown(int32_t estimateSecs, const std::function<bool(int ms)>& wait) {
    JobHost& view = m_session.Host();
    // An erase that ran over its estimate but ended is no error; one that
    // has not ended after all the extra waits is.
    if (RunEraseCountdown(estimateSecs, view, wait) == EraseCountdownEnd::NeverEnded)
        (void)view.Ask(m_session.Text(res::kTxtEraseTimeout), res::kCaptionTimeout, res::kBoxError);
}

}  // namespace bb::recording
