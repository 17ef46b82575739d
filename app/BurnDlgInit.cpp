// The main window's start-up sequence and its language texts.
#include "app/BurnDlg.h"

#include "app/MinimisedIcon.h"
#include "controls/PathUtil.h"
#include "framework/CheckedFormat.h"
#include "platform/Paths.h"
#include "res/MainDialogTemplate.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"
#include "settings/StartupChoices.h"

namespace bb::app {

BOOL CBurnDlg::OnInitDialog() {
    // This thread is the window's: jobs on workers reach it through posts.
    m_uiThread = std::this_thread::get_id();
    framework::CDialog::OnInitDialog();
    // The log edit would stop taking lines at about 30,000 characters, a few
    // jobs or one root of a few hundred files; Save Log and the desktop log
    // read it back and would lose the same lines.
    m_editLog.SetLimitText(0);
    // A language text that does not fit the values formatted into it is
    // written out as it stands; what did not fit goes to the log.
    framework::SetProblemReporter([this](const std::string& problem) { AppendLog(problem.c_str()); });

    // No language file is loaded yet, so this finds a text only if the
    // built-in ones ever carry it.
    const framework::CString about = Text(res::kTxtSysMenuAbout);
    if (!about.IsEmpty())
        AppendSystemMenuItem(IDM_ABOUTBOX, about);

    SetIcon(m_hIcon);
    app::PaintIconWhenMinimised(Host() ? Host()->NativeHandle() : nullptr, m_hIcon);
    m_strProgramDir = m_pPath->FolderOf(m_strProgramDir);

    const int settingsRead = LoadSettings();

    m_strLanguageFile = settings::EffectiveLanguageFile(m_strLanguageFile.str());
    m_pLanguage->SetFile(platform::JoinPath(m_strProgramDir.str(), m_strLanguageFile.str()));

    if (settingsRead < 0) {
        framework::CString line;
        line.Format(Text(res::kTxtSettingsNotRead), SettingsFilePath());
        AppendLog(line);
    } else if (!m_strSourceDir.IsEmpty() && m_strCommandLine.IsEmpty()) {
        // The label handlers take every control into the members, the speed
        // list too, which is still empty here: the saved speed would become
        // "none" and the list would open on its last entry.
        const int savedSpeed = m_nSpeed;
        CheckSourceSize();
        DeriveVolumeLabel(m_strSourceDir);
        m_nSpeed = savedSpeed;
    }

    m_strStatus = Text(res::kTxtNameAndCredit);

    if (settings::VerifyBoxFromBurnFlags(m_pOtherDlg->GetBurnFlags())) {
        m_bVerify = 1;
        UpdateData(FALSE);
    }

    m_meter.Attach(this, IDC_SIZE_METER);
    m_meter.SetOwner(this);
    (void)m_meter.LoadStrip(IDB_SIZE_METER);

    const bool cd = m_nMediaType == 1;
    SetupRecorder(cd ? neroapi::kMediaMaskCd : neroapi::kMediaMaskDvd);
    m_meter.SetYellowLimit(cd ? m_pOtherDlg->GetLimitCd() : m_pOtherDlg->GetLimitDvd());
    m_meter.SetRedLimit(cd ? m_pOtherDlg->GetLimitCdRed() : m_pOtherDlg->GetLimitDvdRed());

    ResetProgressDisplay();
    SetProgramTitle();

    if (m_strCommandLine.GetLength() > 1) {
        AppendLogId(res::kTxtClStarted);
        StoreCommandLineWords();
        StartCommandLineWorker();
    }

    ApplyLanguageTexts();
    UpdateLabelLength();
    return TRUE;
}

void CBurnDlg::ApplyLanguageTexts() {
    const res::DialogTemplate& dialog = res::MainDialog();
    for (const res::ControlTemplate& c : dialog.controls)
        if (c.textId != 0)
            SetDlgItemText(c.id, Text(c.textId));

    const res::MenuTemplate& menu = res::MainMenu();
    SetMenuPopupText(0, Text(menu.popupTextId));
    for (const res::MenuItemTemplate& item : menu.items)
        if (item.command != 0)
            SetMenuItemText(item.command, Text(item.textId));
    DrawMenuBar();

    SetUpIconButtons();
    // Clear Log shows its icon alone.
    SetDlgItemText(IDC_CLEAR_LOG, "");
    UpdateData(FALSE);
}

void CBurnDlg::SetUpIconButtons() {
    for (const res::ControlTemplate& c : res::MainDialog().controls) {
        if (c.kind != res::ControlKind::PushButton)
            continue;
        std::unique_ptr<controls::CThemedIconButton>& button = m_iconButtons[c.id];
        if (!button)
            button = std::make_unique<controls::CThemedIconButton>();
        button->Attach(this, c.id);
        button->SetTheme(&m_theme);
        if (c.iconId != 0)
            (void)button->LoadIconImage(UINT(c.iconId));
        (void)button->SetHoverCursor(IDCUR_HAND, FALSE);
        if (c.tooltipId != 0)
            button->SetTipText(Text(c.tooltipId), TRUE);
    }
}

}  // namespace bb::app
