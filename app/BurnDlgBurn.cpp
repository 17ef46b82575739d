// The burn job of the main window: the Burn button, the preparation (DVD
// root, label, recorder, disc) and the burn itself, with its report.
#include "app/BurnDlg.h"

#include <cstring>
#include <string>

#include "app/DialogLogSink.h"
#include "compilation/DvdRootScan.h"
#include "framework/CheckedFormat.h"
#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "platform/Files.h"
#include "recording/BurnReport.h"
#include "recording/JobFlags.h"
#include "recording/MediaCheck.h"
#include "recording/RecorderList.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/FsFlagsSettings.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"

namespace {

constexpr int kNoDvdRoot = -9;
constexpr int kLabelRejected = 42;
constexpr int kJobFailed = -1;
constexpr int kReallocFailedResult = 3;
constexpr int kCompileTypeIso = 0;

constexpr const char* kCaptionReallocProblem = "Problem Reallocation!";
// Yes/No with the exclamation icon.
constexpr unsigned kBoxReallocQuestion = 0x34;
constexpr const char* kNoTrackLine = "No ISO track could be made of the compilation: nothing was burned.";

}  // namespace

void CBurnDlg::OnBurn() {
    UpdateData(TRUE);
    m_bEraseOnly = 0;
    const bool forceShutdown = (m_pOtherDlg->GetMoreFlags() & moreflags::kForceShutdown) != 0;
    // The reallocation failure is left to the question below only when the
    // question will be asked; an unattended forced shutdown reports it.
    m_bOfferReallocRetry = !(m_bShutdown && forceShutdown);

    bool handedToErase = false;
    int result = PrepareAndBurn(&handedToErase);
    if (!handedToErase && result == kReallocFailedResult && m_bReallocFailed && m_bOfferReallocRetry) {
        m_bReallocFailed = FALSE;
        if (ShowMessage(Text(kTxtReallocRetryQuestion), kCaptionReallocProblem, kBoxReallocQuestion) == IDYES) {
            AppendLogId(kTxtReallocRetryYes);
            m_bReallocate = 0;
            CheckDlgButton(IDC_REALLOCATE, BST_UNCHECKED);
            result = PrepareAndBurn(&handedToErase);
        } else {
            AppendLogId(kTxtReallocRetryNo);
            app::DialogLogSink(*this).ShowStatus(Text(kTxtStatusReallocDeclined).str());
        }
    }
    m_bOfferReallocRetry = false;
    // After a hand-off to the automatic erase nothing has been burned yet:
    // the erase worker burns, and the shutdown waits for that.
    if (handedToErase)
        return;
    if ((result == 0 && m_bShutdown) || (m_bShutdown && forceShutdown))
        RunShutdownSequence();
}

int CBurnDlg::PrepareAndBurn(bool* handedToErase) {
    if (handedToErase != nullptr)
        *handedToErase = false;
    const bool afterErase = m_bBurnAfterErase.exchange(false);

    if (m_strSourceDir.IsEmpty()) {
        AppendLogId(kTxtNoDvdRoot);
        return kNoDvdRoot;
    }
    if (CheckLabelBeforeBurn() != 0)
        return kLabelRejected;
    const nero::DriveInfo* drive = SelectedRecorder();
    if (drive == nullptr)
        return kJobFailed;

    m_hDevice = NeroApiLib::NeroOpenDevice(drive);
    if (m_hDevice == nullptr) {
        const std::string name(drive->deviceName, strnlen(drive->deviceName, sizeof drive->deviceName));
        AppendLog(Text(kTxtCannotOpenRecorder) + ": " + name.c_str());
        return kJobFailed;
    }

    const int media = CheckMedia();
    // A disc that still holds data right after the automatic erase goes to
    // the burn (the library asks about overwriting it) rather than round
    // again into another erase.
    if (media == recording::kMediaEraseFirst && !afterErase) {
        NeroApiLib::NeroCloseDevice(m_hDevice);
        m_hDevice = nullptr;
        if (handedToErase != nullptr)
            *handedToErase = true;
        StartErase(true);
        return 0;
    }
    if (media < 0) {
        NeroApiLib::NeroCloseDevice(m_hDevice);
        m_hDevice = nullptr;
        return media;
    }

    const int result = RunBurnJob(*drive);
    NeroApiLib::NeroCloseDevice(m_hDevice);
    m_hDevice = nullptr;
    return result;
}

int CBurnDlg::RunBurnJob(const nero::DriveInfo& drive) {
    nero::WriteDescription description;
    std::memset(&description, 0, sizeof description);
    DisableForJob(TRUE);
    // A failure reported by an earlier job must not stand for this one.
    m_bReallocFailed = FALSE;
    app::DialogLogSink log(*this);

    const recording::IsoTrackFlags isoFlags =
        recording::BuildIsoTrackFlags(uint32_t(m_pFsFlagsDlg->GetFlags()), m_bReallocate != 0);

    AppendLogId(kTxtBurnStart);
    const int line = m_cbRecorders.GetCurSel();
    const CString recorder = line >= 0 ? m_cbRecorders.GetLBText(line)
                                       : CString(std::string(drive.deviceName, strnlen(drive.deviceName,
                                                                                       sizeof drive.deviceName))
                                                     .c_str());
    AppendLog(Text(kTxtRecorderPrefix) + " \"" + recorder + "\"");
    AppendLog(("Using ISO Flags: " + isoFlags.words).c_str());

    const uint32_t burnFlags = recording::BuildBurnFlags(m_pOtherDlg->GetBurnFlags(), m_bVerify != 0);

    int result = kJobFailed;
    compilation::ScanContext scan{m_isoTree, log, *m_pLanguage, platform::SystemFiles()};
    if (compilation::ScanDvdRoot(m_strSourceDir.str(), scan, log) == nullptr) {
        log.ShowStatus(Text(kTxtStatusNoTree).str());
    } else {
        log.ShowStatus(Text(kTxtStatusBurning).str());
        nero::IsoTrack* track =
            NeroApiLib::NeroCreateIsoTrackEx(m_isoTree.Root(), m_strVolume.c_str(), isoFlags.flags);
        description.track = track;

        if (m_nMediaType == 1) {
            description.mediaMask = nero::kMediaMaskCd;
            AppendLogId(kTxtMediaIsCd);
        } else {
            description.mediaMask = nero::kMediaMaskDvd;
            AppendLogId(kTxtMediaIsDvd);
        }

        uint32_t speed = 0;
        const nero::SpeedInfo& speeds = drive.writeSpeeds;
        const int count = int(speeds.count > nero::kMaxSpeeds ? nero::kMaxSpeeds : speeds.count);
        // A recorder without usable speed data burns at the library's own speed (0).
        if (count > 0 && int(speeds.baseRate) > 0) {
            const int index = recording::SpeedIndexToSelect(m_cbSpeeds.GetCurSel(), count);
            speed = speeds.rates[index];
            AppendLog(Text(kTxtSpeedPrefix) + ": " +
                      recording::BurnSpeedText(speed, speeds.baseRate).c_str());
        }

        if (track == nullptr) {
            // Burning a description without a track would only make the
            // library fail in its own words; say what went wrong instead.
            AppendLog(kNoTrackLine);
            PlayJobSound(kJobFailed);
            m_isoTree.Reset();
            log.ShowStatus(Text(kTxtStatusBurnFailed).str());
        } else {
            result = NeroApiLib::NeroBurn(m_hDevice, kCompileTypeIso, &description, burnFlags, speed,
                                          &m_libProgress);
            PlayJobSound(result);
            NeroApiLib::NeroFreeIsoTrack(track);
            m_isoTree.Reset();
            NeroApiLib::LibraryText errors(NeroApiLib::NeroGetErrorLog());
            if (errors)
                AppendLog(errors.get());
            ReportBurnResult(result);
        }
    }

    EnableAfterJob();
    m_bAbort = 0;
    return result;
}

void CBurnDlg::ReportBurnResult(int result) {
    recording::BurnReportContext context;
    context.shutdownAfter = m_bShutdown != 0;
    context.forceShutdown = (m_pOtherDlg->GetMoreFlags() & moreflags::kForceShutdown) != 0;
    context.reallocFailed = m_bReallocFailed && m_bOfferReallocRetry;
    const recording::BurnReport report = recording::ReportForResult(result, context);

    CString text;
    if (report.logTextId != 0) {
        if (report.logWithResult)
            text.Format(Text(report.logTextId), result);
        else
            text = Text(report.logTextId);
        AppendLog(text);
    }
    if (report.boxTextId != 0)
        ShowMessage(text, report.boxCaption, report.boxType);
    if (report.statusTextId != 0)
        app::DialogLogSink(*this).ShowStatus(Text(report.statusTextId).str());
    if (report.logTotalTime) {
        m_strMsgText = Text(kTxtBurnTime);
        m_strMsg.Format(m_strMsgText, m_nTotalSecs / 3600, (m_nTotalSecs % 3600) / 60, m_nTotalSecs % 60);
        AppendLog(m_strMsg);
    }
}
