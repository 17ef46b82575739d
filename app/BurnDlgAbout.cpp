// The main window's About box and help: the About button and system-menu
// item, and the Help button and Help command.
#include "app/AboutDlg.h"
#include "app/BurnDlg.h"
#include "app/HelpFile.h"
#include "framework/CheckedFormat.h"
#include "neroapi/NeroApiLib.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "res/BoxStyles.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"

namespace bb::app {

namespace {
// The program's own system-menu items (About) sit in this range.
constexpr int kFirstAboutCommand = 0x10;
constexpr int kLastAboutCommand = 0x1F;
// WinExec reports a started program with a value above this.
constexpr unsigned kLastLaunchError = 31;
}  // namespace

void CBurnDlg::MapAboutAndHelpCommands() {
    MapCommand(IDC_ABOUT, [this] { OnAbout(); });
    MapCommand(IDC_HELP_BUTTON, [this] { OpenHelp(); });
}

void CBurnDlg::OnAbout() {
    m_strStatus = Text(res::kTxtStatusAbout);
    UpdateData(FALSE);
    ShowAboutBox();
    m_strStatus = Text(res::kTxtStatusReady);
    UpdateData(FALSE);
}

void CBurnDlg::ShowAboutBox() {
    neroapi::VersionReading library;
    if (neroapi::IsLoaded())
        library = neroapi::ReadApiVersion();
    CAboutDlg about(*m_pLanguage, library, this);
    about.DoModal();
}

BOOL CBurnDlg::OnSysCommand(int id) {
    if (id >= kFirstAboutCommand && id <= kLastAboutCommand) {
        ShowAboutBox();
        return TRUE;
    }
    return framework::CDialog::OnSysCommand(id);
}

// The help file is looked for beside the program; a missing file, or a viewer
// that cannot be started, is said in a box rather than passed over in silence.
void CBurnDlg::OpenHelp() {
    const app::HelpChoice help =
        app::ChooseHelpFile(m_strProgramDir.str(), m_strLanguageFile.str(),
                            [](const std::string& path) { return platform::SystemFiles().Exists(path); });
    const framework::CString caption = Text(res::kTxtHelpCaption);
    if (!help.exists) {
        ShowMessage(framework::Format(m_pLanguage->GetText(res::kTxtHelpFileMissing), {help.path}).c_str(), caption,
                    res::kBoxError);
        return;
    }
    const unsigned started = platform::SystemShell().Run(help.command, platform::kShowDefault);
    if (started <= kLastLaunchError) {
        ShowMessage(
            framework::Format(m_pLanguage->GetText(res::kTxtHelpViewerFailed), {int(started), help.path}).c_str(),
            caption, res::kBoxError);
    }
}

}  // namespace bb::app
