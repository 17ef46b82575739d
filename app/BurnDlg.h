// The main window: the one top-level dialog (template IDD_MAIN). It owns its
// controls and the values they show; every burn, erase and command-line run
// goes to the job engine (recording/JobEngine.h), which reaches the window
// only through its JobHost (app/WindowJobHost.h).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "controls/SizeMeter.h"
#include "controls/SizeMeterModel.h"
#include "controls/ThemeLib.h"
#include "controls/ThemedIconButton.h"
#include "framework/CDialog.h"
#include "framework/CEvent.h"
#include "framework/CString.h"
#include "neroapi/NeroRecords.h"
#include "recording/JobEngine.h"
#include "recording/JobHost.h"

namespace bb::controls { class CPathUtil; }
namespace bb::settings {
class LanguageTable;
class CFsFlagsSettings;
class COtherSettings;
class CAudioSettings;
}  // namespace bb::settings

namespace bb::app {
class WindowEvents;
class WindowJobHost;
}  // namespace bb::app

namespace bb::app {

class CBurnDlg : public framework::CDialog {
    friend class app::WindowJobHost;

public:
    explicit CBurnDlg(framework::CDialog* parent = nullptr);
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
    [[nodiscard]] framework::CString Text(int id) const;
    // Enter and leave the job state: controls that could start another job
    // or change this one's inputs are disabled meanwhile. The window's thread.
    void DisableForJob(BOOL abortEnabled);
    void EnableAfterJob();
    // Full path of the settings file in the program folder.
    [[nodiscard]] framework::CString SettingsFilePath() const;
    // Asks the running job to stop, as the Abort button does once its
    // question is answered Yes. Any thread: the console's interrupt calls it.
    void AbortJob();

    // Reads Brenvik.ini into the window's fields and the holders: 0, or -1
    // when the file could not be opened (nothing changed then).
    int LoadSettings();
    // Writes Brenvik.ini from the window's fields and the holders (the
    // recorder list's selection as Device) and says so in the status line.
    void SaveSettings();

    // The size gate: the size meter's limits and value from the DVD root, and
    // Burn refused above the red limit (then 1, else 0).
    int CheckSourceSize();
    void DeriveVolumeLabel(const framework::CString& folder);
    void UpdateLabelLength();
    // The recorder context: the library started with the recorders of
    // `mediaMask` in the recorder list, and given back.
    void SetupRecorder(uint32_t mediaMask);
    void TeardownRecorder();
    // Starts the command-line run once the window's start-up is over.
    void StartCommandLineWorker();
    // Splits m_strCommandLine into m_argv / m_argc.
    void StoreCommandLineWords();
    // The help viewer on the help file of the current language (english.chm
    // when there is none); a missing file or viewer is said in a box.
    void OpenHelp();
    // The About button: the status line says so while the box is open.
    void OnAbout();
    void ShowAboutBox();

    // Rebuilds the speed list from the selected recorder; the list is
    // usable only when the recorder names speeds.
    void FillSpeedList();
    // The Burn button: the job engine burns on this thread.
    void OnBurn();
    // The erase job; `automatic` for the erase before a burn.
    void StartErase(bool automatic);
    void OnErase();
    // The success (0) or error sound of the audio settings.
    void PlayJobSound(int result);
    // The shutdown after burning.
    void RunShutdownSequence();
    void ShutdownWindows();
    [[nodiscard]] static int GetWindowsKind();
    void OnClearLog();
    void OnSaveLog();
    // Kind 1 (before a shutdown), 2 (after a command-line run) or 3 (Save
    // Log); a null `path` means the desktop log.
    void WriteLogFile(int kind, const char* path);
    void OnShutdownCheck();
    // "<desktop>\<volume>.log", empty when there is no desktop folder.
    [[nodiscard]] framework::CString DesktopLogPath() const;
    void OnBrowse();
    void OnVolumeKillFocus();
    void OnSourceKillFocus();

    // The window's values as a job starts with them (the window's thread).
    [[nodiscard]] recording::JobInputs CollectJobInputs();
    // What a job changed, shown (the window's thread).
    void ShowJobInputs(const recording::JobInputs& inputs);
    // The status line alone, so that a job does not push the other fields
    // back into their controls.
    void ShowStatus(const framework::CString& text);
    [[nodiscard]] recording::JobEngine& Jobs() { return m_jobs; }
    [[nodiscard]] bool OnUiThread() const { return std::this_thread::get_id() == m_uiThread.load(); }

    // --- set before the window opens -------------------------------------------
    // Called by the command-line worker with its result, as the very last
    // thing it does (the console front end ends the program from there).
    std::function<void(framework::CDialog& window, int result)> m_onCommandLineDone;
    // How long the command-line worker waits before it reads the words.
    int m_nCommandLineDelayMs = 1000;
    // Sees every log line and progress step the window shows (the console
    // front end renders them); called on the window's thread.
    app::WindowEvents* m_pEvents = nullptr;
    // Set when the window object is about to go: a worker still waiting to
    // start gives up, and the destructor waits for the running ones.
    framework::CEvent m_eventClosing{false, true};

    // --- owned objects ---------------------------------------------------------
    // Theme access of the icon buttons; declared before them so it outlives them.
    controls::ThemeLib m_theme;
    std::unique_ptr<controls::CPathUtil> m_pPath;
    std::unique_ptr<settings::LanguageTable> m_pLanguage;
    std::unique_ptr<settings::CFsFlagsSettings> m_pFsFlagsDlg;
    std::unique_ptr<settings::COtherSettings> m_pOtherDlg;
    std::unique_ptr<settings::CAudioSettings> m_pAudioDlg;
    int m_hIcon = 0;  // the window icon, as the resource the host loads

    // --- texts -------------------------------------------------------------------
    framework::CString m_strProgramDir;    // executable path from the application, then its folder
    framework::CString m_strCommandLine;   // command-line tail, without the program name
    framework::CString m_strLanguageFile;  // settings key Language
    framework::CString m_strDevice;        // settings key Device

    // Command line: owned copies of its words; at most 99 are stored.
    std::array<framework::CString, 100> m_argv;
    int m_argc = 0;
    bool m_bTooManyWords = false;  // the line held more words than are stored: refused

    // Limits and value of the size meter (IDC_SIZE_METER), kept by CheckSourceSize.
    controls::SizeMeterModel m_sizeMeter;
    // The control that draws them.
    controls::CSizeMeter m_meter;

    // --- values exchanged with the controls (DoDataExchange order) -----------------
    framework::CString m_strSourceDir;
    framework::CString m_strStatus;
    int m_nEraseMode = 1;  // 0 full erase, 1 quick erase
    framework::CString m_strVolume = "UNDEFINED";
    BOOL m_bReallocate = 1;
    int m_nSpeed = -1;
    BOOL m_bShutdown = 0;
    int m_nMediaType = 0;  // 0 DVD, 1 CD
    BOOL m_bVerify = 0;

    // --- controls ----------------------------------------------------------------------
    framework::CComboBox m_cbRecorders;
    framework::CComboBox m_cbSpeeds;
    framework::CProgressCtrl m_progress;
    framework::CEdit m_editLog;
    // Every push button of the window, by control id (made by ApplyLanguageTexts).
    std::map<int, std::unique_ptr<controls::CThemedIconButton>> m_iconButtons;

protected:
    BOOL OnCommand(int id, int notifyCode) override;
    void DoDataExchange(framework::CDataExchange* pDX) override;
    BOOL PreTranslateMessage(const framework::DialogMessage& message) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnDropFiles(const std::vector<framework::CString>& paths) override;
    BOOL OnSysCommand(int id) override;

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
    // The DriveInfo record of the selected recorder line, or null.
    [[nodiscard]] const neroapi::DriveInfo* SelectedRecorder();

    // The state FillSpeedList gave the speed list: a job disables the list,
    // and leaving the job gives this state back.
    BOOL m_bSpeedListEnabled = FALSE;

    // The idle display of the progress area, with and without clearing the
    // progress bookkeeping.
    void ResetProgressDisplay();
    void ShowIdleProgressLabels();
    void SetProgramTitle();
    // The size meter's limits for the media class and its value.
    void ShowSizeMeter();
    // Theme, icon, hover cursor and tooltip of every push button.
    void SetUpIconButtons();

    // Handlers of the erase, log and label controls (BurnDlgSource.cpp).
    void MapLogAndLabelCommands();
    // The About and Help buttons (BurnDlgAbout.cpp).
    void MapAboutAndHelpCommands();

    // The Settings menu (BurnDlgSettingsMenu.cpp): each dialog edits its
    // holder; OK there saves the settings file.
    void MapSettingsCommands();
    void OnFsFlags();
    void OnOtherSettings();
    void OnLanguage();
    void OnAudio();

    // Every piece of job state lives in the engine; the host is the
    // engine's way into this window. Declared in this order so that the
    // host outlives the engine.
    std::unique_ptr<app::WindowJobHost> m_pJobHost;
    recording::JobEngine m_jobs;
    std::atomic<std::thread::id> m_uiThread{};
};

}  // namespace bb::app
