#include "recording/BurnJob.h"

#include <cstring>
#include <string>

#include "compilation/DvdRootScan.h"
#include "framework/CheckedFormat.h"
#include "framework/WinDefs.h"
#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "platform/Files.h"
#include "recording/BurnReport.h"
#include "recording/JobFlags.h"
#include "recording/JobLabel.h"
#include "recording/MediaCheck.h"
#include "recording/RecorderList.h"
#include "res/BoxStyles.h"
#include "res/OwnTexts.h"
#include "res/ResultCodes.h"
#include "res/TextIds.h"
#include "settings/LanguageTable.h"
#include "settings/SettingsFlags.h"

namespace bb::recording {

namespace {

constexpr int kCompileTypeIso = 0;
// What NeroGetCDInfo is asked for.
constexpr uint32_t kDiscInfoFlags = 3;

// The job's log and status line, as the DVD root scan sees them.
class HostLog final : public compilation::LogSink, public compilation::StatusLine {
public:
    HostLog(JobHost& host, const settings::LanguageTable& texts) : m_host(host), m_texts(texts) {}
    void AppendLog(const std::string& line) override { m_host.LogLine(line); }
    void AppendLogId(int id) override { m_host.LogLine(m_texts.GetText(id)); }
    void ShowStatus(const std::string& text) override { m_host.SetStatus(text); }

private:
    JobHost& m_host;
    const settings::LanguageTable& m_texts;
};

}  // namespace

std::string LibraryErrors() {
    neroapi::LibraryText errors(neroapi::NeroGetErrorLog());
    std::string text = errors ? std::string(errors.get()) : std::string();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

OpenRecorder::OpenRecorder(const neroapi::DriveInfo* drive)
    : m_device(drive != nullptr ? neroapi::NeroOpenDevice(drive) : nullptr) {}

OpenRecorder::~OpenRecorder() {
    if (m_device != nullptr)
        neroapi::NeroCloseDevice(m_device);
}

BurnJob::Outcome BurnJob::PrepareAndBurn(JobInputs& inputs, bool afterErase) {
    JobHost& host = m_session.Host();
    if (inputs.sourceDir.empty()) {
        host.LogLine(m_session.Text(res::kTxtNoDvdRoot));
        return {res::kResultNoDvdRoot, false};
    }
    JobLabel label(inputs, host, m_session.Texts());
    if (compilation::CheckVolumeLabel(label) != 0)
        return {res::kResultLabelRejected, false};
    if (inputs.drive == nullptr)
        return {res::kResultJobFailed, false};

    OpenRecorder device(inputs.drive);
    if (!device) {
        host.LogLine(m_session.Text(res::kTxtCannotOpenRecorder) + ": " + DeviceName(*inputs.drive));
        return {res::kResultJobFailed, false};
    }

    // The disc just erased for this burn was asked about and logged before
    // its erase; should it still hold data, the library asks about it.
    const DiscVerdict disc = afterErase ? DiscVerdict::BurnNow : LookAtDisc(device.get(), inputs);
    if (disc == DiscVerdict::EraseFirst)
        return {res::kResultOk, true};
    if (disc == DiscVerdict::Stop)
        return {kMediaStop, false};
    return {Burn(device.get(), inputs), false};
}

BurnJob::Outcome BurnJob::BurnOfferingRetry(JobInputs& inputs, unsigned boxType, bool afterErase) {
    Outcome outcome = PrepareAndBurn(inputs, afterErase);
    if (AskBurnWithoutReallocation(inputs, boxType, outcome))
        outcome = PrepareAndBurn(inputs, afterErase);
    return outcome;
}

DiscVerdict BurnJob::LookAtDisc(neroapi::DeviceHandle device, const JobInputs& inputs, bool logMissingInfo) {
    JobHost& host = m_session.Host();
    const bool dontAsk = (inputs.burnFlags & settings::burnflags::kNoOverwriteQuestion) != 0;
    neroapi::LibraryMemory<neroapi::DiscInfo> disc(neroapi::NeroGetCDInfo(device, kDiscInfoFlags));
    if (!disc) {
        if (logMissingInfo)
            host.LogLine(m_session.Text(res::kTxtNoDiscInfo));
        return DiscVerdict::BurnNow;
    }
    const char* kind = RewritableKindWord(*disc);
    if (kind == nullptr)
        return DiscVerdict::BurnNow;
    if (!dontAsk &&
        host.Ask(m_session.Text(res::kTxtEraseQuestion), res::kCaptionOverwriteRw, res::kBoxQuestionDefaultNo) != IDYES)
        return DiscVerdict::Stop;
    host.LogLine(m_session.Text(res::kTxtEraseBeforeBurn) + kind);
    return DiscVerdict::EraseFirst;
}

int BurnJob::Burn(neroapi::DeviceHandle device, const JobInputs& inputs) {
    JobHost& host = m_session.Host();
    neroapi::WriteDescription description;
    std::memset(&description, 0, sizeof description);
    host.SetCommands(JobCommands::BusyAbortable);
    // What an earlier job reported must not stand for this one.
    m_session.ClearReallocFailed();
    m_session.ResetProgress();
    m_session.SetImageLabel(inputs.volume);
    HostLog log(host, m_session.Texts());

    const IsoTrackFlags isoFlags = BuildIsoTrackFlags(inputs.fsFlags, inputs.reallocate);
    host.LogLine(m_session.Text(res::kTxtBurnStart));
    const std::string recorder = inputs.recorderName.empty() ? DeviceName(*inputs.drive) : inputs.recorderName;
    host.LogLine(m_session.Text(res::kTxtRecorderPrefix) + " \"" + recorder + "\"");
    host.LogLine(res::kIsoFlagsPrefix + isoFlags.words);

    const uint32_t burnFlags = BuildBurnFlags(inputs.burnFlags, inputs.verify);
    compilation::IsoTree& tree = m_session.Tree();
    int result = res::kResultJobFailed;
    compilation::ScanContext scan{tree, log, m_session.Texts(), platform::SystemFiles()};
    if (compilation::ScanDvdRoot(inputs.sourceDir, scan, log) == nullptr) {
        host.SetStatus(m_session.Text(res::kTxtStatusNoTree));
    } else {
        host.SetStatus(m_session.Text(res::kTxtStatusBurning));
        neroapi::IsoTrack* track = neroapi::NeroCreateIsoTrackEx(tree.Root(), inputs.volume.c_str(), isoFlags.flags);
        description.track = track;
        description.mediaMask = inputs.cd ? neroapi::kMediaMaskCd : neroapi::kMediaMaskDvd;
        host.LogLine(m_session.Text(inputs.cd ? res::kTxtMediaIsCd : res::kTxtMediaIsDvd));

        uint32_t speed = 0;
        const neroapi::SpeedInfo& speeds = inputs.drive->writeSpeeds;
        const int count = int(speeds.count > neroapi::kMaxSpeeds ? neroapi::kMaxSpeeds : speeds.count);
        // A recorder without usable speed data burns at the library's own speed (0).
        if (count > 0 && int(speeds.baseRate) > 0) {
            speed = speeds.rates[SpeedIndexToSelect(inputs.speedIndex, count)];
            host.LogLine(m_session.Text(res::kTxtSpeedPrefix) + ": " + BurnSpeedText(speed, speeds.baseRate));
        }

        if (track == nullptr) {
            // Burning a description without a track would only make the
            // library fail in its own words; say what went wrong instead.
            host.LogLine(m_session.Text(res::kTxtNoIsoTrack));
            host.PlayJobSound(res::kResultJobFailed);
            tree.Reset();
            host.SetStatus(m_session.Text(res::kTxtStatusBurnFailed));
        } else {
            result = neroapi::NeroBurn(device, kCompileTypeIso, &description, burnFlags, speed,
                                          m_session.ProgressRecord());
            host.PlayJobSound(result);
            neroapi::NeroFreeIsoTrack(track);
            tree.Reset();
            const std::string errors = LibraryErrors();
            if (!errors.empty())
                host.LogLine(errors);
            Report(result, inputs);
        }
    }

    host.SetCommands(JobCommands::Idle);
    m_session.ClearAbort();
    return result;
}

void BurnJob::Report(int result, const JobInputs& inputs) {
    JobHost& host = m_session.Host();
    BurnReportContext context;
    context.shutdownAfter = inputs.shutdown;
    context.forceShutdown = (inputs.moreFlags & settings::moreflags::kForceShutdown) != 0;
    context.reallocFailed = m_session.ReallocFailed() && m_offerReallocRetry;
    const BurnReport report = ReportForResult(result, context);

    std::string text;
    if (report.logTextId != 0) {
        text = report.logWithResult ? framework::Format(m_session.Text(report.logTextId), {result})
                                    : m_session.Text(report.logTextId);
        host.LogLine(text);
    }
    if (report.boxTextId != 0)
        (void)host.Ask(text, report.boxCaption, report.boxType);
    if (report.statusTextId != 0)
        host.SetStatus(m_session.Text(report.statusTextId));
    if (report.logTotalTime) {
        const int32_t secs = m_session.TotalSeconds();
        host.LogLine(framework::Format(m_session.Text(res::kTxtBurnTime), {secs / 3600, (secs % 3600) / 60, secs % 60}));
    }
}

bool BurnJob::AskBurnWithoutReallocation(JobInputs& inputs, unsigned boxType, const Outcome& outcome) {
    if (outcome.handedToErase || outcome.result != neroapi::kBurnDvdVideo || !m_session.ReallocFailed() ||
        !m_offerReallocRetry)
        return false;
    JobHost& host = m_session.Host();
    m_session.ClearReallocFailed();
    if (host.Ask(m_session.Text(res::kTxtReallocRetryQuestion), res::kCaptionReallocProblem, boxType) == IDYES) {
        host.LogLine(m_session.Text(res::kTxtReallocRetryYes));
        inputs.reallocate = false;
        host.ShowInputs(inputs);
        return true;
    }
    host.LogLine(m_session.Text(res::kTxtReallocRetryNo));
    host.SetStatus(m_session.Text(res::kTxtStatusReallocDeclined));
    return false;
}

bool BurnJob::ShutsDownAfter(int result, const JobInputs& inputs) {
    const bool forceShutdown = (inputs.moreFlags & settings::moreflags::kForceShutdown) != 0;
    return inputs.shutdown && (result == res::kResultOk || forceShutdown);
}

}  // namespace bb::recording
