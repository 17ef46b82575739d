// Operations of the main window whose work is not built yet. Each is called
// at its place in the window's sequences so the order stays right; none of
// them does anything yet, and nothing relies on a result from them.
#include "app/BurnDlg.h"

// Size meter and Burn button from the DVD root's size.
int CBurnDlg::CheckSourceSize() {
    return 0;
}

// Volume label from the DVD root folder.
void CBurnDlg::DeriveVolumeLabel(const CString&) {}

// Length label (1104) of the volume label.
void CBurnDlg::UpdateLabelLength() {}

// Loads the recording library and fills the recorder and speed lists.
void CBurnDlg::SetupRecorder(uint32_t) {}

void CBurnDlg::TeardownRecorder() {}

// The batch run of the command line, on its own thread.
void CBurnDlg::StartCommandLineWorker() {}

// The help file of the current language.
void CBurnDlg::OpenHelp() {}
