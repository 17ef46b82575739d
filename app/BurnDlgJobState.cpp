// The main window's job state: while a burn, an erase or a rebuild of the
// recorder lists runs, everything that could start a second job or change
// its inputs is disabled.
#include <initializer_list>

#include "app/BurnDlg.h"
#include "res/resource.h"

namespace {

// Help, Clear Log, the Shutdown box and the size meter stay as they are
// during a job; the speed list is left to the speed-list builder afterwards.
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
    for (int id : kEnabledAfterJobLast)
        EnableWindow(id, TRUE);
    EnableMenuPopup(kSettingsMenuPosition, TRUE);
    DrawMenuBar();
    CheckSourceSize();
    UpdateData(FALSE);
}
