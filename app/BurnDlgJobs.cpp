// The main window's jobs: the buttons that start them, the values they start
// with, what they change shown again, and the job state of the controls.
// The jobs themselves run in the job engine.
#include <initializer_list>
#include <string>
#include <vector>

#include "app/BurnDlg.h"
#include "app/WindowJobHost.h"
#include "platform/Sound.h"
#include "recording/CommandLine.h"
#include "res/BoxStyles.h"
#include "res/OwnTexts.h"
#include "res/ResultCodes.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/OtherSettings.h"

namespace bb::app {

namespace {

// Help, Clear Log, the Shutdown box and the size meter stay as they are
// during a job; afterwards the speed list gets back the state its builder
// gave it (FillSpeedList).
constexpr std::initializer_list<int> kDisabledDuringJob = {
    IDC_QUIT,     IDC_MEDIA_DVD,  IDC_MEDIA_CD,     IDC_FULL_ERASE, IDC_QUICK_ERASE, IDC_REALLOCATE,
    IDC_ERASE,    IDC_RECORDER_LIST, IDC_BURN,      IDC_SPEED_LIST, IDC_BROWSE,      IDC_VOLUME,
    IDC_ABOUT,    IDC_SAVE_LOG,   IDC_REFRESH,      IDC_SOURCE_DIR, IDC_LABEL_LENGTH, IDC_EJECT,
    IDC_VERIFY,
};
// Enabled again first, with the idle progress display after them ...
constexpr std::initializer_list<int> kEnabledAfterJob = {
    IDC_MEDIA_DVD, IDC_MEDIA_CD, IDC_FULL_ERASE,   IDC_QUICK_ERASE, IDC_ERASE,
    IDC_BROWSE,    IDC_QUIT,     IDC_LABEL_LENGTH, IDC_EJECT,       IDC_VERIFY, IDC_REALLOCATE,
};
// ... then these.
constexpr std::initializer_list<int> kEnabledAfterJobLast = {
    IDC_RECORDER_LIST, IDC_VOLUME, IDC_ABOUT, IDC_SAVE_LOG, IDC_REFRESH, IDC_SOURCE_DIR,
};
constexpr int kSettingsMenuPosition = 0;

}  // namespace

void CBurnDlg::MapJobCommands() {
    MapNotify(IDC_RECORDER_LIST, CBN_SELCHANGE, [this] { OnRecorderSelChange(); });
    MapCommand(IDC_REFRESH, [this] { OnRefresh(); });
    MapCommand(IDC_MEDIA_DVD, [this] { OnMediaDvd(); });
    MapCommand(IDC_MEDIA_CD, [this] { OnMediaCd(); });
    MapCommand(IDC_EJECT, [this] { OnEject(); });
    MapCommand(IDC_ABORT, [this] { OnAbort(); });
    MapCommand(IDC_REALLOCATE, [this] { OnReallocate(); });
    MapCommand(IDC_BURN, [this] { OnBurn(); });
}

recording::JobInputs CBurnDlg::CollectJobInputs() {
    recording::JobInputs inputs;
    inputs.sourceDir = m_strSourceDir.str();
    inputs.volume = m_strVolume.str();
    inputs.reallocate = m_bReallocate != 0;
    inputs.verify = m_bVerify != 0;
    inputs.shutdown = m_bShutdown != 0;
    inputs.cd = m_nMediaType == 1;
    inputs.eraseMode = m_nEraseMode;
    inputs.speedIndex = m_cbSpeeds.GetCurSel();
    const int line = m_cbRecorders.GetCurSel();
    if (line >= 0)
        inputs.recorderName = m_cbRecorders.GetLBText(line).str();
    inputs.drive = SelectedRecorder();
    inputs.fsFlags = uint32_t(m_pFsFlagsDlg->GetFlags());
    inputs.burnFlags = m_pOtherDlg->GetBurnFlags();
    inputs.moreFlags = m_pOtherDlg->GetMoreFlags();
    return inputs;
}

void CBurnDlg::ShowJobInputs(const recording::JobInputs& inputs) {
    m_strSourceDir = inputs.sourceDir.c_str();
    m_strVolume = inputs.volume.c_str();
    m_bReallocate = inputs.reallocate ? 1 : 0;
    m_bShutdown = inputs.shutdown ? 1 : 0;
    m_nEraseMode = inputs.eraseMode;
    UpdateData(FALSE);
}

void CBurnDlg::OnBurn() {
    UpdateData(TRUE);
    m_jobs.Burn(CollectJobInputs());
}

void CBurnDlg::OnErase() {
    StartErase(false);
}

void CBurnDlg::StartErase(bool automatic) {
    m_jobs.Erase(CollectJobInputs(), automatic);
}

void CBurnDlg::AbortJob() {
    m_jobs.RequestAbort();
}

void CBurnDlg::OnAbort() {
    // No is the default: Enter on the question leaves the job running.
    if (ShowMessage(Text(res::kTxtAbortQuestion), Text(res::kTxtAbortCaption), res::kBoxQuestionDefaultNo) == IDYES)
        m_jobs.RequestAbort();
}

void CBurnDlg::OnReallocate() {
    UpdateData(TRUE);
    if (m_bReallocate) {
        AppendLogId(res::kTxtReallocOn);
        return;
    }
    AppendLogId(res::kTxtReallocOff);
    ShowMessage(Text(res::kTxtReallocOffInfo), res::kCaptionJustInfo, res::kBoxInformation);
}

void CBurnDlg::PlayJobSound(int result) {
    const std::string sound = m_pAudioDlg->SoundForJobResult(result);
    if (!sound.empty())
        (void)platform::SystemSound().PlayFileAsync(sound);
}

void CBurnDlg::StoreCommandLineWords() {
    const recording::CommandLineWords line = recording::SplitCommandLine(m_strCommandLine.str());
    m_bTooManyWords = line.tooMany;
    m_argc = 0;
    for (const std::string& word : line.words) {
        if (size_t(m_argc) >= recording::kMaxCommandLineWords)
            break;
        m_argv[size_t(m_argc++)] = framework::CString(word);
    }
}

void CBurnDlg::StartCommandLineWorker() {
    // The run starts once the window's start-up is over: it starts from the
    // values that the start-up is still filling in.
    PostToUi([this] {
        recording::CommandLineWords words;
        for (int i = 0; i < m_argc; ++i)
            words.words.push_back(m_argv[size_t(i)].str());
        words.tooMany = m_bTooManyWords;
        // Taken now: after a successful run the window may be gone by the
        // time the result is handed on.
        auto done = m_onCommandLineDone;
        m_jobs.StartCommandLine(CollectJobInputs(), std::move(words), m_nCommandLineDelayMs,
                                [this, done](int result) {
                                    if (done)
                                        done(*this, result);
                                });
    });
}

void CBurnDlg::DisableForJob(BOOL abortEnabled) {
    EnableWindow(IDC_ABORT, abortEnabled);
    for (int id : kDisabledDuringJob)
        EnableWindow(id, FALSE);
    m_progress.SetRange32(0, 100);
    EnableMenuPopup(kSettingsMenuPosition, FALSE);
    DrawMenuBar();
    UpdateData(FALSE);
}

void CBurnDlg::EnableAfterJob() {
    EnableWindow(IDC_ABORT, FALSE);
    for (int id : kEnabledAfterJob)
        EnableWindow(id, TRUE);
    m_progress.SetPos(0);
    SetProgramTitle();
    ShowIdleProgressLabels();
    m_pJobHost->ResetProgress();
    for (int id : kEnabledAfterJobLast)
        EnableWindow(id, TRUE);
    m_cbSpeeds.EnableWindow(m_bSpeedListEnabled);
    EnableMenuPopup(kSettingsMenuPosition, TRUE);
    DrawMenuBar();
    CheckSourceSize();
    UpdateData(FALSE);
}

}  // namespace bb::app
