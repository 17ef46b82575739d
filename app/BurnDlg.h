// The main window: the one top-level dialog (template IDD_MAIN) and the hub
// that owns the program's state. The subsystems keep their logic in their
// own folders and reach the window through the operations below.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <ctime>
#include <memory>

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
    nero::IsoItem* m_pIsoRoot = nullptr;
    int32_t m_nEraseSecs = 0;
    BOOL m_bEraseOnly = FALSE;
    BOOL m_bReallocFailed = FALSE;

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

private:
    // The idle display of the progress area and the window title.
    void ResetProgressDisplay();
    void SetProgramTitle();
};
