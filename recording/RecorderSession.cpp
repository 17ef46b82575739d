#include "recording/RecorderSession.h"

#include <ctime>
#include <optional>

#include "framework/CheckedFormat.h"
#include "framework/WinDefs.h"
#include "neroapi/LibraryMemory.h"
#include "neroapi/NeroApiLib.h"
#include "recording/LibraryRequests.h"
#include "recording/RecorderList.h"
#include "res/BoxStyles.h"
#include "res/OwnTexts.h"
#include "res/TextIds.h"
#include "settings/LanguageTable.h"

namespace bb::recording {

namespace {

RecorderSession& Of(void* user) {
    return *static_cast<RecorderSession*>(user);
}
int NERO_CDECL IdleCallback(void* user) {
    return Of(user).IdlePoll();
}
int NERO_CDECL UserDialogCallback(void* user, int request, void* data) {
    return Of(user).AnswerRequest(request, data);
}
int NERO_CDECL ProgressCallback(void* user, uint32_t percent) {
    return Of(user).OnProgress(percent);
}
int NERO_CDECL AbortedCallback(void* user) {
    return Of(user).AbortRequested() ? 1 : 0;
}
void NERO_CDECL AddLogLineCallback(void* user, int /*textType*/, const char* text) {
    Of(user).OnLogLine(text);
}
void NERO_CDECL SetPhaseCallback(void* user, const char* text) {
    Of(user).OnPhase(text);
}

}  // namespace

RecorderSession::RecorderSession(JobHost& host, const settings::LanguageTable& texts) : m_host(host), m_texts(texts) {}

RecorderSession::~RecorderSession() {
    if (m_libraryInitialised || m_driveList != nullptr)
        Stop();
}

std::string RecorderSession::Text(int id) const {
    return m_texts.GetText(id);
}

bool RecorderSession::Start(uint32_t mediaMask) {
    m_abort = 0;
    m_recorders.clear();
    m_host.LogLine(Text(res::kTxtRecorderSetup));

    if (!neroapi::Load()) {
        m_host.LogLine(Text(res::kTxtLibraryNotLoaded));
        (void)m_host.Ask(Text(res::kTxtLibraryNotLoadedBox), res::kCaptionErrorPlain, res::kBoxError);
        return false;
    }

    uint16_t version[4] = {};
    (void)neroapi::NeroGetAPIVersionEx(&version[0], &version[1], &version[2], &version[3], nullptr);
    m_host.LogLine(framework::Format(res::kLibraryVersionFormat,
                                 {int(version[0]), int(version[1]), int(version[2]), int(version[3])}));

    LibraryCallbacks callbacks;
    callbacks.idle = IdleCallback;
    callbacks.userDialog = UserDialogCallback;
    callbacks.progress = ProgressCallback;
    callbacks.aborted = AbortedCallback;
    callbacks.addLogLine = AddLogLineCallback;
    callbacks.setPhase = SetPhaseCallback;
    callbacks.user = this;
    FillLibraryRecords(m_libSettings, m_libProgress, {m_languageText, m_software, m_vendor, m_libFilesFolder},
                       callbacks);
    m_driveList = nullptr;
    m_libraryInitialised = true;
    m_host.LogLine(Text(InitResultTextId(neroapi::NeroInit(&m_libSettings, nullptr))));

    m_driveList = neroapi::NeroGetAvailableDrivesEx(mediaMask, nullptr);
    if (m_driveList == nullptr) {
        m_host.LogLine(Text(res::kTxtNoDriveList));
    } else if (m_driveList->count == 0) {
        m_host.LogLine(Text(res::kTxtNoRecorders));
    } else {
        m_host.LogLine(Text(res::kTxtRecordersFound));
        for (uint32_t i = 0; i < m_driveList->count; ++i) {
            const neroapi::DriveInfo& drive = m_driveList->drives[i];
            if (!IsListedRecorder(drive, mediaMask))
                continue;
            m_host.LogLine(DeviceName(drive));
            m_recorders.push_back(&drive);
        }
    }
    return true;
}

void RecorderSession::Stop() {
    m_tree.Reset();
    m_recorders.clear();
    if (m_driveList != nullptr) {
        neroapi::NeroFreeMem(m_driveList);
        m_driveList = nullptr;
    }
    neroapi::NeroClearErrors();
    (void)neroapi::NeroDone();
    neroapi::Unload();
    m_libraryInitialised = false;
}

// --- callbacks: on the thread of the blocking library call ------------------------

int RecorderSession::IdlePoll() {
    m_host.PumpPendingMessages([](void* self) { return !static_cast<RecorderSession*>(self)->AbortRequested(); },
                               this);
    return AbortRequested() ? 1 : 0;
}

int RecorderSession::OnProgress(uint32_t percent) {
    m_host.ShowProgress(OnProgressReport(m_progress, percent, std::time(nullptr)));
    return AbortRequested() ? 1 : 0;
}

void RecorderSession::OnLogLine(const char* text) {
    const LibraryLogLine line = ToLogLine(text ? text : "", Text(res::kTxtRequiredFile));
    m_host.LogLine(line.line);
    if (line.reallocFailed)
        m_reallocFailed = true;
}

void RecorderSession::OnPhase(const char* text) {
    m_host.LogLine(ToPhaseLine(text ? text : ""));
}

int RecorderSession::AnswerRequest(int request, void* data) {
    if (const std::optional<int> fixed = FixedRequestAnswer(request))
        return *fixed;

    switch (request) {
    case neroapi::kRequestWaitCd: {
        const int waitType = static_cast<int>(reinterpret_cast<intptr_t>(data));
        neroapi::LibraryText wait(neroapi::NeroGetLocalizedWaitCDTexts(waitType));
        (void)m_host.Ask(wait ? wait.get() : "", res::kCaptionInformation, res::kBoxInformation);
        return 0;
    }
    case neroapi::kRequestImageFileName: {
        const std::optional<std::string> path = m_host.AskImageFileName(ImageFileSuggestion(m_imageLabel));
        if (!path)
            return kAnswerImageCancelled;
        CopyImagePath(static_cast<char*>(data), neroapi::kImageFileNameCapacity, *path);
        return kAnswerImageChosen;
    }
    case neroapi::kRequestOverwriteRw:
        if (m_host.Ask(Text(res::kTxtOverwriteQuestion), res::kCaptionOverwriteRw, res::kBoxQuestionDefaultNo) ==
            IDYES) {
            m_host.LogLine(Text(res::kTxtOverwriteAccepted));
            return kAnswerOverwrite;
        }
        m_host.LogLine(Text(res::kTxtOverwriteDeclined));
        return kAnswerKeep;
    default:
        return 0;
    }
}

}  // namespace bb::recording
