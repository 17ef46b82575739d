// Operations of the main window whose work is not built yet. Each is called
// at its place in the window's sequences so the order stays right; none of
// them does anything yet, and nothing relies on a result from them.
#include "app/BurnDlg.h"

// Volume label from the DVD root folder.
void CBurnDlg::DeriveVolumeLabel(const CString&) {}

// Length label (1104) of the volume label.
void CBurnDlg::UpdateLabelLength() {}

// The batch run of the command line, on its own thread.
void CBurnDlg::StartCommandLineWorker() {}

// The help file of the current language.
void CBurnDlg::OpenHelp() {}

// NOT BUILT YET (erase job): the erase on its worker thread; `automatic` for
// the quick erase before a burn, which then sets m_bBurnAfterErase and calls
// PrepareAndBurn again. Until then nothing is erased and nothing is logged.
void CBurnDlg::StartErase(bool) {}

// NOT BUILT YET (shutdown after burning): the automatic log file and the
// shutdown of the system.
void CBurnDlg::RunShutdownSequence() {}
