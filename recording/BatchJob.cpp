#include "recording/BatchJob.h"

#include "framework/CheckedFormat.h"
#include "neroapi/NeroApiLib.h"
#include "recording/BatchRun.h"
#include "recording/BurnJob.h"
#include "recording/CommandLine.h"
#include "recording/EraseJob.h"
#include "recording/JobLabel.h"
#include "res/BoxStyles.h"
#include "res/OwnTexts.h"
#include "res/ResultCodes.h"
#include "res/TextIds.h"
#include "settings/SettingsFlags.h"

namespace bb::recording {

int BatchJob::Run(JobInputs& inputs, const CommandLineWords& line) {
    JobHost& host = m_session.Host();
    BatchParse parse;
    if (line.tooMany) {
        // Reading the first 99 words alone could burn what was not meant.
        host.LogLine(framework::Format(m_session.Text(res::kTxtClTooManyWords), {int(kMaxCommandLineWords)}));
        parse.error = true;
    }
    const std::vector<BatchStep> steps = line.tooMany ? std::vector<BatchStep>{} : ReadBatchOptions(line.words);
    for (const BatchStep& step : steps) {
        using Kind = BatchStep::Kind;
        switch (step.kind) {
            case Kind::PrepareOnly:
                parse.prepareOnly = true;
                break;
            case Kind::Folder:
                inputs.sourceDir = step.value;
                host.ShowInputs(inputs);
                host.CheckSourceSize();
                host.LogLine(framework::Format(m_session.Text(res::kTxtClFolder), {step.value}));
                parse.folderGiven = true;
                break;
            case Kind::NoEject:
                inputs.burnFlags |= settings::burnflags::kNoEject;
                host.SetBurnFlags(inputs.burnFlags);
                host.LogLine(m_session.Text(res::kTxtClNoEject));
                break;
            case Kind::LogToDesktop:
                parse.logToDesktop = true;
                host.LogLine(m_session.Text(res::kTxtClLogToDesktop));
                break;
            case Kind::NoOverwriteAsk:
                inputs.burnFlags |= settings::burnflags::kNoOverwriteQuestion;
                host.SetBurnFlags(inputs.burnFlags);
                host.LogLine(m_session.Text(res::kTxtClNoOverwriteQuestion));
                break;
            case Kind::Shutdown:
                parse.shutdown = true;
                // The disc stays in the recorder while the system goes down.
                inputs.shutdown = true;
                inputs.burnFlags |= settings::burnflags::kNoEject;
                host.ShowInputs(inputs);
                host.ShutdownChosen();
                host.LogLine(m_session.Text(res::kTxtClShutdown));
                break;
            case Kind::Label:
                inputs.volume = step.value;
                host.LogLine(framework::Format(m_session.Text(res::kTxtClLabel), {step.value}));
                parse.labelGiven = true;
                break;
            case Kind::NotAnOption:
                host.LogLine(m_session.Text(res::kTxtClUnknownWord) + " \"" + step.value + "\"");
                parse.error = true;
                break;
            case Kind::FolderMissing:
                host.LogLine(m_session.Text(res::kTxtClMissingFolder));
                parse.error = true;
                break;
            case Kind::LabelMissing:
                host.LogLine(m_session.Text(res::kTxtClMissingLabel));
                parse.error = true;
                break;
        }
    }
    host.ShowInputs(inputs);

    const BatchDecision decision = DecideBatch(parse);
    if (decision.deriveLabel) {
        JobLabel label(inputs, host, m_session.Texts());
        compilation::DeriveVolumeLabel(label, inputs.sourceDir);
    }
    if (decision.enableBurn)
        host.EnableBurn();

    int result = res::kResultNoBurnRan;
    if (decision.action == BatchAction::ErrorBox)
        (void)host.Ask(res::kParseErrorBody, res::kCaptionParseError, res::kBoxError);
    else if (decision.action == BatchAction::Run)
        result = Burn(inputs);
    host.ShowInputs(inputs);
    if (decision.action != BatchAction::Run)
        return result;

    // Whatever closes the window runs last, on the window's own thread.
    switch (DecideAfterBatchBurn(result, parse)) {
        case AfterBatchBurn::StayOpen:
            break;
        case AfterBatchBurn::Shutdown:
            host.JobEnded(AfterJob::Shutdown);
            break;
        case AfterBatchBurn::WriteLogAndClose:
            host.JobEnded(AfterJob::WriteLogAndClose);
            break;
        case AfterBatchBurn::Close:
            host.JobEnded(AfterJob::Close);
            break;
    }
    return result;
}

int BatchJob::Burn(JobInputs& inputs) {
    JobHost& host = m_session.Host();
    host.SetCommands(JobCommands::Busy);
    host.Minimise();

    BurnJob burn(m_session, /*offerReallocRetry=*/true);
    constexpr unsigned kRetryBox = res::kBoxWarningQuestionDefaultNo;
    const int result = [&]() -> int {
        // Told not to ask, a rewritable disc that holds data is erased before
        // the burn without a word; the burn follows only a disc that was erased.
        bool erased = false;
        if ((inputs.burnFlags & settings::burnflags::kNoOverwriteQuestion) != 0) {
            OpenRecorder device(inputs.drive);
            if (device &&
                burn.LookAtDisc(device.get(), inputs, /*logMissingInfo=*/false) == DiscVerdict::EraseFirst) {
                host.LogLine(m_session.Text(res::kTxtErasing));
                neroapi::NeroClearErrors();
                if (neroapi::NeroEraseCDRW(device.get(), neroapi::kEraseQuick) != 0) {
                    EraseJob(m_session).ReportNotErased(LibraryErrors());
                    return res::kResultJobFailed;
                }
                erased = true;
            }
        }
        // Asked, the look before the burn asks (once) and hands the disc to
        // the erase, which runs here.
        BurnJob::Outcome outcome = burn.BurnOfferingRetry(inputs, kRetryBox, erased);
        if (outcome.handedToErase) {
            EraseJob erase(m_session);
            erase.Prepare(inputs, /*automatic=*/true);
            if (!erase.Run(inputs, /*eraseOnly=*/false))
                return res::kResultJobFailed;
            outcome = burn.BurnOfferingRetry(inputs, kRetryBox, /*afterErase=*/true);
        }
        return outcome.result;
    }();
    // A run that did not burn leaves the window usable, and shown: the log
    // says why, even when no box did.
    if (result != res::kResultOk) {
        host.SetCommands(JobCommands::Idle);
        host.Restore();
    }
    return result;
}

}  // namespace bb::recording
