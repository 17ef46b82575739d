// The command-line run: the worker that reads the words, fills in the
// window and, when folder and label are there, burns unattended; then it
// closes the program, writes the desktop log or shuts the system down.
#include "app/BurnDlg.h"

#include <string>
#include <vector>

#include "app/DialogLogSink.h"
#include "framework/WorkerThread.h"
#include "neroapi/NeroApiLib.h"
#include "recording/BatchRun.h"
#include "recording/CommandLine.h"
#include "recording/LogFile.h"
#include "recording/MediaCheck.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/OtherSettings.h"

namespace {

constexpr int kNoBurnRan = 99;
constexpr int kReallocFailedResult = 3;
constexpr int kQuickErase = 1;
constexpr const char* kCaptionParseError = "CL parsing error!";
constexpr const char* kParseErrorBody =
    "The command line could not be read. The log names each word that was refused; nothing was burned.";
constexpr const char* kCaptionReallocProblem = "Problem Reallocation!";
// Yes/No with the exclamation icon, and No as the default: an unattended run
// does not change the disc's layout unless someone says so.
constexpr unsigned kBoxReallocQuestionUnattended = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2;

}  // namespace

void CBurnDlg::StartCommandLineWorker() {
    // The worker starts once the window's start-up is over: it uses the
    // controls and members that the start-up is still filling in.
    PostToUi([this] {
        const bool started = StartWorkerThread([this] {
            // Taken first: after a successful run the window may be gone by
            // the time the result is handed on.
            const auto done = m_onCommandLineDone;
            const int result = CommandLineWorker();
            if (done)
                done(*this, result);
        });
        if (!started && m_onCommandLineDone)
            m_onCommandLineDone(*this, kNoBurnRan);
    });
}

int CBurnDlg::CommandLineWorker() {
    if (m_eventClosing.Lock(uint32_t(m_nCommandLineDelayMs)))
        return kNoBurnRan;

    std::vector<std::string> words;
    for (int i = 0; i < m_argc; ++i)
        words.push_back(m_argv[size_t(i)].str());

    recording::BatchParse parse;
    for (const recording::BatchStep& step : recording::ReadBatchOptions(words)) {
        using Kind = recording::BatchStep::Kind;
        switch (step.kind) {
            case Kind::PrepareOnly:
                parse.prepareOnly = true;
                break;
            case Kind::Folder:
                m_strSourceDir = step.value.c_str();
                CheckSourceSize();
                m_strMsg.Format(Text(kTxtClFolder), step.value);
                AppendLog(m_strMsg);
                parse.folderGiven = true;
                break;
            case Kind::NoEject:
                m_pOtherDlg->SetBurnFlags(m_pOtherDlg->GetBurnFlags() | burnflags::kNoEject);
                AppendLogId(kTxtClNoEject);
                break;
            case Kind::LogToDesktop:
                parse.logToDesktop = true;
                AppendLogId(kTxtClLogToDesktop);
                break;
            case Kind::NoOverwriteAsk:
                m_pOtherDlg->SetBurnFlags(m_pOtherDlg->GetBurnFlags() | burnflags::kNoOverwriteQuestion);
                AppendLogId(kTxtClNoOverwriteQuestion);
                break;
            case Kind::Shutdown:
                parse.shutdown = true;
                m_bShutdown = 1;
                UpdateData(FALSE);
                OnShutdownCheck();
                AppendLogId(kTxtClShutdown);
                break;
            case Kind::Label:
                m_strVolume = step.value.c_str();
                m_strMsg.Format(Text(kTxtClLabel), step.value);
                AppendLog(m_strMsg);
                parse.labelGiven = true;
                break;
            case Kind::NotAnOption:
                AppendLogId(kTxtClUnknownWord);
                parse.error = true;
                break;
            case Kind::FolderMissing:
                AppendLogId(kTxtClMissingFolder);
                parse.error = true;
                break;
            case Kind::LabelMissing:
                AppendLogId(kTxtClMissingLabel);
                parse.error = true;
                break;
        }
    }
    UpdateData(FALSE);

    const recording::BatchDecision decision = recording::DecideBatch(parse);
    if (decision.deriveLabel)
        DeriveVolumeLabel(m_strSourceDir);
    if (decision.enableBurn)
        EnableWindow(IDC_BURN, TRUE);

    int result = kNoBurnRan;
    if (decision.action == recording::BatchAction::ErrorBox) {
        ShowMessage(kParseErrorBody, kCaptionParseError, MB_ICONERROR);
    } else if (decision.action == recording::BatchAction::Run) {
        result = RunBatchBurn();
    }
    UpdateData(FALSE);
    if (decision.action != recording::BatchAction::Run)
        return result;

    // Whatever closes the window runs last, on the window's own thread:
    // nothing here touches the window after it has been handed over.
    switch (recording::DecideAfterBatchBurn(result, parse)) {
        case recording::AfterBatchBurn::StayOpen:
            break;
        case recording::AfterBatchBurn::Shutdown:
            PostToUi([this] { RunShutdownSequence(); });
            break;
        case recording::AfterBatchBurn::WriteLogAndClose:
            WriteLogFile(int(recording::LogFileKind::CommandLine), nullptr);
            PostToUi([this] { OnCancel(); });
            break;
        case recording::AfterBatchBurn::Close:
            PostToUi([this] { OnCancel(); });
            break;
    }
    return result;
}

int CBurnDlg::RunBatchBurn() {
    DisableForJob(FALSE);
    ShowWindow(SW_MINIMIZE);

    if (const nero::DriveInfo* drive = SelectedRecorder()) {
        m_hDevice = NeroApiLib::NeroOpenDevice(drive);
        if (m_hDevice != nullptr) {
            const bool dontAsk = (m_pOtherDlg->GetBurnFlags() & burnflags::kNoOverwriteQuestion) != 0;
            if (CheckMedia() == recording::kMediaEraseFirst && dontAsk) {
                AppendLogId(kTxtErasing);
                (void)NeroApiLib::NeroEraseCDRW(m_hDevice, kQuickErase);
            }
            NeroApiLib::NeroCloseDevice(m_hDevice);
            m_hDevice = nullptr;
        }
    }

    m_bOfferReallocRetry = true;
    int result = BatchPrepareAndBurn();
    if (result == kReallocFailedResult && m_bReallocFailed) {
        m_bReallocFailed = FALSE;
        if (ShowMessage(Text(kTxtReallocRetryQuestion), kCaptionReallocProblem, kBoxReallocQuestionUnattended) ==
            IDYES) {
            AppendLogId(kTxtReallocRetryYes);
            m_bReallocate = 0;
            CheckDlgButton(IDC_REALLOCATE, BST_UNCHECKED);
            result = BatchPrepareAndBurn();
        } else {
            AppendLogId(kTxtReallocRetryNo);
            app::DialogLogSink(*this).ShowStatus(Text(kTxtStatusReallocDeclined).str());
        }
    }
    m_bOfferReallocRetry = false;
    // A run that stopped before its burn leaves the window usable.
    if (result != 0)
        EnableAfterJob();
    return result;
}

int CBurnDlg::BatchPrepareAndBurn() {
    m_eventBurnAfterEraseDone.ResetEvent();
    m_bBatchRunning = true;
    bool handedToErase = false;
    int result = PrepareAndBurn(&handedToErase);
    // The disc went to the automatic erase first; its worker burns and
    // reports the result here.
    if (handedToErase) {
        (void)m_eventBurnAfterEraseDone.Lock();
        result = m_nBurnAfterEraseResult;
    }
    m_bBatchRunning = false;
    return result;
}
