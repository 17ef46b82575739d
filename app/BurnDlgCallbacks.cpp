// What the main window does when the recording library calls back during a
// blocking call: keep the window alive, show progress, copy the library's
// lines into the log and answer its questions. The library calls on the
// thread that made the blocking call (the UI thread for a burn from the
// window, a worker for the batch run and the erase).
#include "app/BurnDlgCallbacks.h"

#include <ctime>
#include <optional>
#include <string>

#include "app/BurnDlg.h"
#include "controls/FilePicker.h"
#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "recording/LibraryRequests.h"
#include "recording/ProgressEstimate.h"
#include "res/TextIds.h"
#include "res/resource.h"

namespace {

int NERO_CDECL IdleCallback(void* user) {
    return static_cast<CBurnDlg*>(user)->IdlePoll();
}
int NERO_CDECL UserDialogCallback(void* user, int request, void* data) {
    return static_cast<CBurnDlg*>(user)->AnswerLibraryRequest(request, data);
}
int NERO_CDECL ProgressCallback(void* user, uint32_t percent) {
    return static_cast<CBurnDlg*>(user)->OnLibraryProgress(percent);
}
int NERO_CDECL AbortedCallback(void* user) {
    return static_cast<CBurnDlg*>(user)->m_bAbort.load();
}
void NERO_CDECL AddLogLineCallback(void* user, int /*textType*/, const char* text) {
    static_cast<CBurnDlg*>(user)->OnLibraryLogLine(text);
}
void NERO_CDECL SetPhaseCallback(void* user, const char* text) {
    static_cast<CBurnDlg*>(user)->OnLibraryPhase(text);
}

}  // namespace

namespace app {

recording::LibraryCallbacks LibraryCallbacksOf(CBurnDlg& dialog) {
    recording::LibraryCallbacks callbacks;
    callbacks.idle = IdleCallback;
    callbacks.userDialog = UserDialogCallback;
    callbacks.progress = ProgressCallback;
    callbacks.aborted = AbortedCallback;
    callbacks.addLogLine = AddLogLineCallback;
    callbacks.setPhase = SetPhaseCallback;
    callbacks.user = &dialog;
    return callbacks;
}

}  // namespace app

BOOL CBurnDlg::IdlePoll() {
    // Only the calling thread's own messages: a worker has none and returns
    // at once.
    while (m_bAbort.load() == 0) {
        if (!HasPendingMessage())
            break;
        if (!PumpMessage())
            break;
    }
    return m_bAbort.load();
}

BOOL CBurnDlg::OnLibraryProgress(uint32_t percent) {
    recording::ProgressBookkeeping book;
    book.m_tStart = m_tStart;
    book.m_nTotalSecs = m_nTotalSecs;
    book.m_nStartPercent = m_nStartPercent;
    book.m_nLastPercent = m_nLastPercent;
    const recording::ProgressDisplay shown = recording::OnProgressReport(book, percent, std::time(nullptr));
    m_tStart = static_cast<std::time_t>(book.m_tStart);
    m_nTotalSecs = book.m_nTotalSecs;
    m_nStartPercent = book.m_nStartPercent;
    m_nLastPercent = book.m_nLastPercent;

    if (shown.remaining)
        SetDlgItemText(IDC_TIME_REMAINING, shown.remaining->c_str());
    if (shown.total)
        SetDlgItemText(IDC_TIME_TOTAL, shown.total->c_str());
    if (shown.percent)
        SetDlgItemText(IDC_PERCENT, shown.percent->c_str());
    if (shown.title)
        SetWindowText(shown.title->c_str());
    m_progress.SetPos(int(shown.barPosition));
    return m_bAbort.load();
}

void CBurnDlg::OnLibraryLogLine(const char* text) {
    const recording::LibraryLogLine line =
        recording::ToLogLine(text ? text : "", Text(kTxtRequiredFile).str());
    AppendLog(line.line.c_str());
    if (line.reallocFailed)
        m_bReallocFailed = TRUE;
}

void CBurnDlg::OnLibraryPhase(const char* text) {
    AppendLog(recording::ToPhaseLine(text ? text : "").c_str());
}

int CBurnDlg::AnswerLibraryRequest(int request, void* data) {
    if (const std::optional<int> fixed = recording::FixedRequestAnswer(request))
        return *fixed;

    switch (request) {
    case nero::kRequestWaitCd: {
        const int waitType = static_cast<int>(reinterpret_cast<intptr_t>(data));
        NeroApiLib::LibraryText wait(NeroApiLib::NeroGetLocalizedWaitCDTexts(waitType));
        ShowMessage(wait ? wait.get() : "", recording::kCaptionInformation, recording::kBoxInformation);
        return 0;
    }
    case nero::kRequestImageFileName: {
        const std::string suggested = recording::ImageFileSuggestion(m_strVolume.str());
        CFilePicker picker(FALSE, nullptr, suggested.c_str(), recording::kImageFileDialogFlags,
                           recording::ImageFileFilter(), this);
        if (picker.PickFile() != CFilePicker::kChosen)
            return recording::kAnswerImageCancelled;
        recording::CopyImagePath(static_cast<char*>(data), nero::kImageFileNameCapacity,
                                 picker.GetFilePath().str());
        return recording::kAnswerImageChosen;
    }
    case nero::kRequestOverwriteRw:
        if (ShowMessage(Text(kTxtOverwriteQuestion), recording::kCaptionOverwriteRw,
                        recording::kBoxQuestionDefaultNo) == IDYES) {
            AppendLogId(kTxtOverwriteAccepted);
            return recording::kAnswerOverwrite;
        }
        AppendLogId(kTxtOverwriteDeclined);
        return recording::kAnswerKeep;
    default:
        return 0;
    }
}
