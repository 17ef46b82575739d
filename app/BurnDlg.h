// The main window: the one top-level dialog (template IDD_MAIN) and the hub
// that owns the program's state. The subsystems keep their logic in their
// own folders and reach the window through the operations below.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include "compilation/IsoTree.h"
#include "controls/SizeMeterModel.h"
#include "framework/CDialog.h"
#include "framework/CEvent.h"
#include "framework/CString.h"
#include "neroapi/NeroRecords.h"

class CPathUtil;
class LanguageTable;
class CFsFlagsSettings;
class COtherSettings;
class CAudioSettings;

class CBurnDlg : public CDialog {
public:
    explicit CBurnDlg(CDialog* parent = nullptr);
    ~CBurnDlg() override;

    // --- operations the other parts of the program call -----------------------
    // Every message box of the main window: the window is shown in its normal
    // state first, so a minimised window (batch run) comes up before it asks.
    virtual int ShowMessage(const char* text, const char* caption, unsigned type);
    // One line (or several, when `text` holds CR LF) at the end of the log.
    void AppendLog(const char* text);
    void AppendLogId(int textId);
    // The language texts of the controls and the menu; again after a change
    // of language.
    void ApplyLanguageTexts();
    // The language text `id` of the current language file.
    [[nodiscard]] CString Text(int id) const;
    // Enter and leave the job state: controls that could start another job
    // or change this one's inputs are disabled meanwhile. Any thread.
    void DisableForJob(BOOL abortEnabled);
    void EnableAfterJob();
    // Full path of the settings file in the program folder.
    [[nodiscard]] CString SettingsFilePath() const;

    // Reads Brenvik.ini into the window's fields and the holders: 0, or -1
    // when the file could not be opened (nothing changed then).
    int LoadSettings();

    // Not built yet: each is called where the window's sequence needs it and
    // does nothing until its own work lands (see BurnDlgPending.cpp).
    int CheckSourceSize();
    void DeriveVolumeLabel(const CString& folder);
    void UpdateLabelLength();
    void SetupRecorder(uint32_t mediaMask);
    void TeardownRecorder();
    void StartCommandLineWorker();
    // Splits m_strCommandLine into m_argv / m_argc.
    void StoreCommandLineWords();
    void OpenHelp();

    // --- recorder context and jobs (BurnDlgRecorder, BurnDlgBurn, BurnDlgMedia,
    // BurnDlgCallbacks, BurnDlgSound) ----------------------------------------------------
    // Rebuilds the speed list from the selected recorder.
    void FillSpeedList();
    // The disc in m_hDevice: recording::kMediaBurnNow, kMediaEraseFirst or kMediaStop.
    [[nodiscard]] int CheckMedia();
    // The Burn button: the job, the retry without reallocation, the shutdown.
    void OnBurn();
    // Checks, opens the recorder, looks at the disc and burns, or hands the
    // disc to the automatic erase first (then 0, and *handedToErase is set).
    [[nodiscard]] int PrepareAndBurn(bool* handedToErase = nullptr);
    // The burn itself on the open m_hDevice: NeroBurn's result, or -1 when the
    // DVD root could not be scanned or the library made no track.
    [[nodiscard]] int RunBurnJob(const nero::DriveInfo& drive);
    // The success (0) or error sound of the audio settings.
    void PlayJobSound(int result);
    // The erase job; `automatic` for the erase before a burn.
    void StartErase(bool automatic);
    // The shutdown after burning.
    void RunShutdownSequence();

    // --- erase job, command-line run, shutdown, log files, volume label
    // (BurnDlgErase, BurnDlgBatch, BurnDlgShutdown, BurnDlgLog, BurnDlgLabel) -------------
    void OnErase();
    // The erase worker's job, on its own thread: estimate, erase, and after an
    // automatic erase the burn.
    void EraseWorker();
    // The erase countdown of the progress controls; `wait(ms)` waits for the
    // job-finished event and says whether it came.
    void RunEraseProgress(const std::function<bool(int ms)>& wait);
    void ShowTimeoutError();
    // The command-line worker's job: 0 for a successful burn, the burn's
    // result otherwise, 99 when no burn ran.
    int CommandLineWorker();
    // The unattended burn of the command line, and its preparation that
    // waits for a burn handed to the automatic erase.
    [[nodiscard]] int RunBatchBurn();
    [[nodiscard]] int BatchPrepareAndBurn();
    void ShutdownWindows();
    [[nodiscard]] static int GetWindowsKind();
    void OnClearLog();
    void OnSaveLog();
    // Kind 1 (before a shutdown), 2 (after a command-line run) or 3 (Save
    // Log); a null `path` means the desktop log.
    void WriteLogFile(int kind, const char* path);
    void OnShutdownCheck();
    // "<desktop>\<volume>.log", empty when there is no desktop folder.
    [[nodiscard]] CString DesktopLogPath() const;
    void OnBrowse();
    void OnVolumeKillFocus();
    void OnSourceKillFocus();

    // Called by the command-line worker with its result, as the very last
    // thing it does (the console front end ends the program from there).
    // Set before the window opens.
    std::function<void(CDialog& window, int result)> m_onCommandLineDone;
    // How long the command-line worker waits before it reads the words.
    int m_nCommandLineDelayMs = 1000;
    // Set when the window object is about to go: a worker still waiting to
    // start gives up, and the destructor waits for the running ones.
    CEvent m_eventClosing{false, true};
    // The batch run waits for the burn that follows an automatic erase.
    std::atomic<bool> m_bBatchRunning{false};
    CEvent m_eventBurnAfterEraseDone{false, false};
    std::atomic<int> m_nBurnAfterEraseResult{0};

    // The recording library's callbacks land here (BurnDlgCallbacks.cpp).
    BOOL IdlePoll();
    BOOL OnLibraryProgress(uint32_t percent);
    void OnLibraryLogLine(const char* text);
    void OnLibraryPhase(const char* text);
    int AnswerLibraryRequest(int request, void* data);

    // --- owned objects ---------------------------------------------------------
    CEvent m_eventJobDone{false, false};  // auto-reset; set when an erase job ends
    std::unique_ptr<CPathUtil> m_pPath;
    std::unique_ptr<LanguageTable> m_pLanguage;
    std::unique_ptr<CFsFlagsSettings> m_pFsFlagsDlg;
    std::unique_ptr<COtherSettings> m_pOtherDlg;
    std::unique_ptr<CAudioSettings> m_pAudioDlg;
    int m_hIcon = 0;  // the window icon, as the resource the host loads

    // --- texts -------------------------------------------------------------------
    CString m_strProgramDir;    // executable path from the application, then its folder
    CString m_strCommandLine;   // command-line tail, without the program name
    CString m_strMsg;           // scratch for formatted log lines
    CString m_strMsgText;       // text of the latest message fetched for a box
    CString m_strLanguageFile;  // settings key Language
    CString m_strDevice;        // settings key Device

    // Command line: owned copies of its words; at most 99 are stored.
    std::array<CString, 100> m_argv;
    int m_argc = 0;

    // --- recorder context and job state --------------------------------------------
    nero::DriveInfoList* m_pDriveList = nullptr;
    nero::DeviceHandle m_hDevice = nullptr;
    nero::DriveInfo* m_pEraseDrive = nullptr;
    // Read by the library's abort query on the job thread, set by Abort.
    std::atomic<uint8_t> m_bAbort{0};
    nero::LibSettingsRecord m_libSettings{};
    nero::LibProgressRecord m_libProgress{};
    char m_szLanguageText[128] = {};
    char m_szSoftware[128] = {};
    char m_szVendor[128] = {};
    char m_szLibFilesFolder[128] = {};
    std::time_t m_tStart = 0;
    int m_nTotalSecs = 0;
    int m_nStartPercent = 0;
    int m_nLastPercent = 0;
    // The compilation tree; its root is m_isoTree.Root().
    compilation::IsoTree m_isoTree;
    int32_t m_nEraseSecs = 0;
    BOOL m_bEraseOnly = FALSE;
    BOOL m_bReallocFailed = FALSE;
    // Set by the erase worker just before it calls PrepareAndBurn after an
    // automatic erase, so that the preparation never hands the disc to a
    // second erase.
    std::atomic<bool> m_bBurnAfterErase{false};
    // Limits and value of the size meter (IDC_SIZE_METER), kept by CheckSourceSize.
    controls::SizeMeterModel m_sizeMeter;
    // True while OnBurn will ask about a burn without reallocation: only then
    // does the report of a reallocation failure leave it to that question.
    bool m_bOfferReallocRetry = false;

    // --- values exchanged with the controls (DoDataExchange order) -----------------
    CString m_strSourceDir;
    CString m_strStatus;
    int m_nEraseMode = 1;  // 0 full erase, 1 quick erase
    CString m_strVolume = "UNDEFINED";
    BOOL m_bReallocate = 1;
    int m_nSpeed = -1;
    BOOL m_bShutdown = 0;
    int m_nMediaType = 0;  // 0 DVD, 1 CD
    BOOL m_bVerify = 0;

    // --- controls ----------------------------------------------------------------------
    CComboBox m_cbRecorders;
    CComboBox m_cbSpeeds;
    CProgressCtrl m_progress;
    CEdit m_editLog;

protected:
    BOOL OnCommand(int id, int notifyCode) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(const DialogMessage& message) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnDropFiles(const std::vector<CString>& paths) override;

private:
    // Data exchanges in progress (any thread); control notifications that
    // arrive meanwhile are echoes of the exchange itself.
    std::atomic<int> m_nExchanging{0};

    // Handlers of the recorder context and the job buttons (MapJobCommands).
    void MapJobCommands();
    void OnRecorderSelChange();
    void OnRefresh();
    void OnMediaDvd();
    void OnMediaCd();
    void OnEject();
    void OnAbort();
    void OnReallocate();
    // Logs, shows and puts in the status line what a burn result means.
    void ReportBurnResult(int result);
    // The volume label check before a burn: 0, or -1 after its message.
    [[nodiscard]] int CheckLabelBeforeBurn();
    // The DriveInfo record of the selected recorder line, or null.
    [[nodiscard]] const nero::DriveInfo* SelectedRecorder();

    // The idle display of the progress area, with and without clearing the
    // progress bookkeeping.
    void ResetProgressDisplay();
    void ShowIdleProgressLabels();
    void SetProgramTitle();

    // Handlers of the erase, log and label controls (BurnDlgLabel.cpp).
    void MapLogAndLabelCommands();
};
