// The erase job: the Erase button's confirmation, the erase on a worker
// thread of its own, the countdown of the library's estimate beside it, and
// after an automatic erase the burn that asked for it.
#include "app/BurnDlg.h"

#include <memory>
#include <string>

#include "app/DialogLogSink.h"
#include "framework/WorkerThread.h"
#include "neroapi/NeroApiLib.h"
#include "recording/BatchRun.h"
#include "recording/EraseCountdown.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/OtherSettings.h"

namespace {

constexpr const char* kCaptionErase = "Erase ReWriteable";
constexpr const char* kCaptionTimeout = "Timeout Error";
constexpr unsigned kBoxQuestionDefaultNo = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
constexpr int kQuickErase = 1;

// The progress controls of the main window, as the countdown writes them.
class DialogEraseView final : public recording::EraseProgressView {
public:
    explicit DialogEraseView(CBurnDlg& dialog) : m_dialog(dialog) {}
    void SetTimeTotal(const std::string& text) override { m_dialog.SetDlgItemText(IDC_TIME_TOTAL, text.c_str()); }
    void SetTimeRemaining(const std::string& text) override {
        m_dialog.SetDlgItemText(IDC_TIME_REMAINING, text.c_str());
    }
    void SetPercent(const std::string& text) override { m_dialog.SetDlgItemText(IDC_PERCENT, text.c_str()); }
    void SetProgressRange(int32_t low, int32_t high) override { m_dialog.m_progress.SetRange32(low, high); }
    void SetProgressPos(int32_t pos) override { m_dialog.m_progress.SetPos(pos); }

private:
    CBurnDlg& m_dialog;
};

}  // namespace

void CBurnDlg::OnErase() {
    m_bEraseOnly = 1;
    StartErase(false);
}

void CBurnDlg::StartErase(bool automatic) {
    if (!automatic && ShowMessage(Text(kTxtEraseQuestion), kCaptionErase, kBoxQuestionDefaultNo) != IDYES)
        return;
    app::DialogLogSink(*this).ShowStatus(Text(kTxtStatusErasing).str());
    // An erase cannot be aborted.
    DisableForJob(FALSE);
    m_pEraseDrive = const_cast<nero::DriveInfo*>(SelectedRecorder());
    if (automatic) {
        // The burn that asked for this erase follows it.
        m_bEraseOnly = 0;
        m_nEraseMode = kQuickErase;
        SetRadioIndex(IDC_FULL_ERASE, m_nEraseMode);
    }
    m_eventJobDone.ResetEvent();
    if (!StartWorkerThread([this] { EraseWorker(); }))
        EnableAfterJob();
}

void CBurnDlg::EraseWorker() {
    EnableWindow(IDC_ABORT, FALSE);
    bool jobDoneSignalled = false;
    if (m_pEraseDrive != nullptr)
        m_hDevice = NeroApiLib::NeroOpenDevice(m_pEraseDrive);
    if (m_hDevice != nullptr) {
        m_nEraseSecs = NeroApiLib::NeroGetCDRWErasingTime(m_hDevice, m_nEraseMode);
        if (const int refusal = recording::EraseEstimateRefusalTextId(m_nEraseSecs)) {
            AppendLogId(refusal);
            if (m_bEraseOnly)
                MessageBox(Text(refusal), nullptr, MB_ICONERROR);
        } else {
            // The countdown ends by itself once the event is set; the worker
            // waits for it so that nothing writes the progress controls
            // after the window has left its job state.
            auto countdownEnded = std::make_shared<CEvent>(false, true);
            const bool counting = StartWorkerThread([this, countdownEnded] {
                RunEraseProgress([this](int ms) { return m_eventJobDone.Lock(uint32_t(ms)); });
                countdownEnded->SetEvent();
            });
            m_strMsg.Format(Text(kTxtEraseEstimate), int(m_nEraseSecs));
            AppendLog(m_strMsg);
            AppendLogId(kTxtErasing);
            (void)NeroApiLib::NeroEraseCDRW(m_hDevice, m_nEraseMode);
            m_eventJobDone.SetEvent();
            jobDoneSignalled = true;
            if (counting)
                (void)countdownEnded->Lock();
            if (m_bEraseOnly)
                MessageBox(Text(kTxtEraseDone), nullptr, MB_ICONINFORMATION);
        }
        NeroApiLib::NeroCloseDevice(m_hDevice);
        m_hDevice = nullptr;
    }
    if (!jobDoneSignalled)
        m_eventJobDone.SetEvent();
    EnableAfterJob();
    AppendLogId(kTxtStatusReady);
    AppendLogId(kTxtEraseDone);
    if (m_bEraseOnly)
        return;

    // The preparation that follows never hands the disc to a second erase.
    m_bBurnAfterErase = true;
    const int result = PrepareAndBurn();
    if (m_bBatchRunning) {
        // The command-line run asked for this burn and acts on its result.
        m_nBurnAfterEraseResult = result;
        m_eventBurnAfterEraseDone.SetEvent();
        return;
    }
    const bool forceShutdown = (m_pOtherDlg->GetMoreFlags() & moreflags::kForceShutdown) != 0;
    if (m_bShutdown && (result == 0 || forceShutdown))
        PostToUi([this] { RunShutdownSequence(); });
}

void CBurnDlg::RunEraseProgress(const std::function<bool(int ms)>& wait) {
    DialogEraseView view(*this);
    // An erase that ran over its estimate but ended is no error; one that
    // has not ended after all the extra waits is.
    if (recording::RunEraseCountdown(m_nEraseSecs, view, wait) == recording::EraseCountdownEnd::NeverEnded)
        ShowTimeoutError();
}

void CBurnDlg::ShowTimeoutError() {
    ShowMessage(Text(kTxtEraseTimeout), kCaptionTimeout, MB_ICONERROR);
}
