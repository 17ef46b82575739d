// The DVD root and the volume label of the main window: the two edits, the
// folder browser, dropped folders and the size gate; and the handlers of the
// erase, log and label controls.
#include "app/BurnDlg.h"

#include <memory>
#include <string>
#include <vector>

#include "app/DialogLabelWindow.h"
#include "app/DialogLogSink.h"
#include "compilation/FolderSize.h"
#include "res/OwnTexts.h"
#include "settings/OtherSettings.h"
#include "controls/FilePicker.h"
#include "res/TextIds.h"
#include "res/resource.h"

namespace bb::app {

namespace {
// Folders of the file system only, the new dialog style, file-system ancestors.
constexpr uint32_t kBrowseFlags = 0x49;
}  // namespace

void CBurnDlg::MapLogAndLabelCommands() {
    MapCommand(IDC_ERASE, [this] { OnErase(); });
    MapCommand(IDC_BROWSE, [this] { OnBrowse(); });
    MapCommand(IDC_SAVE_LOG, [this] { OnSaveLog(); });
    MapCommand(IDC_CLEAR_LOG, [this] { OnClearLog(); });
    MapCommand(IDC_SHUTDOWN, [this] { OnShutdownCheck(); });
    // Pushing the values sets the edit's text again, which on Windows
    // reports another change: that one is not followed.
    MapNotify(IDC_VOLUME, EN_CHANGE, [this, busy = std::make_shared<bool>(false)] {
        if (*busy)
            return;
        *busy = true;
        UpdateLabelLength();
        *busy = false;
    });
    MapNotify(IDC_VOLUME, EN_KILLFOCUS, [this] { OnVolumeKillFocus(); });
    MapNotify(IDC_SOURCE_DIR, EN_KILLFOCUS, [this] { OnSourceKillFocus(); });
    // These only hand their value to the window's members.
    MapNotify(IDC_SPEED_LIST, CBN_SELCHANGE, [this] { UpdateData(TRUE); });
    MapCommand(IDC_FULL_ERASE, [this] { UpdateData(TRUE); });
    MapCommand(IDC_QUICK_ERASE, [this] { UpdateData(TRUE); });
    MapCommand(IDC_VERIFY, [this] { UpdateData(TRUE); });
}

void CBurnDlg::DeriveVolumeLabel(const framework::CString& folder) {
    app::DialogLabelWindow window(*this);
    compilation::DeriveVolumeLabel(window, folder.str());
}

void CBurnDlg::UpdateLabelLength() {
    app::DialogLabelWindow window(*this);
    compilation::UpdateLabelLength(window);
}

void CBurnDlg::OnVolumeKillFocus() {
    app::DialogLabelWindow window(*this);
    compilation::OnVolumeKillFocus(window);
}

void CBurnDlg::OnSourceKillFocus() {
    app::DialogLabelWindow window(*this);
    compilation::OnSourceKillFocus(window);
}

void CBurnDlg::OnDropFiles(const std::vector<framework::CString>& paths) {
    std::vector<std::string> dropped;
    for (const framework::CString& path : paths)
        dropped.push_back(path.str());
    app::DialogLabelWindow window(*this);
    compilation::OnDropFiles(window, dropped);
}

void CBurnDlg::OnBrowse() {
    m_strStatus = Text(res::kTxtStatusBrowsing);
    UpdateData(FALSE);
    controls::CFilePicker picker;
    const framework::CString title = Text(res::kTxtBrowseTitle);
    if (picker.PickFolder(title, m_strSourceDir, kBrowseFlags, this) == controls::CFilePicker::kChosen) {
        m_strSourceDir = picker.GetFolderPath();
        if (m_strSourceDir.GetLength() > 1) {
            CheckSourceSize();
            DeriveVolumeLabel(m_strSourceDir);
        }
    } else {
        m_strSourceDir = res::kNoFolderChosen;
    }
    m_strStatus = Text(res::kTxtStatusReady);
    UpdateData(FALSE);
}

void CBurnDlg::ShowSizeMeter() {
    m_meter.SetYellowLimit(m_sizeMeter.yellowLimitMb);
    m_meter.SetRedLimit(m_sizeMeter.redLimitMb);
    m_meter.SetSize(m_sizeMeter.valueMb);
}

int CBurnDlg::CheckSourceSize() {
    if (m_strSourceDir.GetLength() < 2) {
        m_sizeMeter.valueMb = 0;
        m_meter.SetSize(0);
        return 0;
    }
    app::DialogLogSink log(*this);
    const double bytes = compilation::GetFolderSize(m_strSourceDir.str(), &log);
    const bool cd = m_nMediaType == 1;
    m_sizeMeter.yellowLimitMb = cd ? m_pOtherDlg->GetLimitCd() : m_pOtherDlg->GetLimitDvd();
    m_sizeMeter.redLimitMb = cd ? m_pOtherDlg->GetLimitCdRed() : m_pOtherDlg->GetLimitDvdRed();
    m_sizeMeter.valueMb = controls::RoundedMegabytes(bytes);
    ShowSizeMeter();

    const bool ignore = (m_pOtherDlg->GetMoreFlags() & settings::moreflags::kIgnoreSourceSize) != 0;
    if (controls::IsOverRedLimit(bytes, m_sizeMeter.redLimitMb, ignore)) {
        EnableWindow(IDC_BURN, FALSE);
        return 1;
    }
    EnableWindow(IDC_BURN, TRUE);
    return 0;
}

}  // namespace bb::app
