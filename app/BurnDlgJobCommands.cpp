// The main window's buttons and lists of the recorder context and the burn
// job, mapped to their handlers; and the Abort and Reallocate handlers.
#include "app/BurnDlg.h"

#include "res/TextIds.h"
#include "res/resource.h"

namespace {
constexpr const char* kCaptionJustInfo = "Just 4 Info";
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

void CBurnDlg::OnAbort() {
    if (ShowMessage(Text(kTxtAbortQuestion), Text(kTxtAbortCaption), MB_YESNO | MB_ICONQUESTION) == IDYES)
        m_bAbort = 1;
}

void CBurnDlg::OnReallocate() {
    UpdateData(TRUE);
    if (m_bReallocate) {
        AppendLogId(kTxtReallocOn);
        return;
    }
    AppendLogId(kTxtReallocOff);
    ShowMessage(Text(kTxtReallocOffInfo), kCaptionJustInfo, MB_ICONINFORMATION);
}
