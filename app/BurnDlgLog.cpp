// The log window's buttons and the log files: Save Log, Clear Log, the
// desktop log written before a shutdown and after a command-line run, and
// the Shutdown box that announces where that log goes.
#include "app/BurnDlg.h"

#include <ctime>
#include <optional>
#include <string>

#include "app/DialogLogSink.h"
#include "res/ProgramIdentity.h"
#include "controls/FilePicker.h"
#include "platform/DesktopFolder.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "recording/LogFile.h"
#include "res/OwnTexts.h"
#include "res/TextIds.h"
#include "res/resource.h"
#include "settings/CtimeText.h"
#include "settings/OtherSettings.h"

namespace bb::app {

namespace {

// Pairs of description and pattern, each ended by a zero; an empty string ends the list.
constexpr const char kLogFileFilter[] = "Log Files (*.log)\0*.log\0All Files (*.*)\0*.*\0";
// OFN_OVERWRITEPROMPT: an existing file is replaced only when the user agrees.
constexpr uint32_t kSaveLogFlags = 0x2;

}  // namespace

void CBurnDlg::OnClearLog() {
    m_editLog.SetWindowText("");
}

void CBurnDlg::OnSaveLog() {
    app::DialogLogSink status(*this);
    status.ShowStatus(res::kStatusSavingLog);
    const framework::CString suggested = framework::CString(recording::LogFileBaseName(m_strVolume.str()).c_str()) + ".log";
    controls::CFilePicker picker(FALSE, nullptr, suggested, kSaveLogFlags, kLogFileFilter, this);
    if (picker.PickFile() == controls::CFilePicker::kChosen)
        WriteLogFile(int(recording::LogFileKind::Saved), picker.GetFilePath());
    else
        status.ShowStatus(res::kStatusSaveCancelled);
    UpdateData(FALSE);
}

framework::CString CBurnDlg::DesktopLogPath() const {
    const std::optional<std::string> desktop = platform::DesktopFolder();
    if (!desktop)
        return framework::CString();
    return framework::CString(recording::DesktopLogPath(*desktop, m_strVolume.str(), platform::kPathSeparator));
}

void CBurnDlg::WriteLogFile(int kind, const char* path) {
    const framework::CString tmpl = Text(recording::LogFileTemplateId(recording::LogFileKind(kind)));
    const framework::CString file = path != nullptr ? framework::CString(path) : DesktopLogPath();
    if (file.IsEmpty())
        return;
    const std::string log = recording::WithoutCarriageReturns(m_editLog.GetWindowText().str());
    const std::string now = settings::CtimeText(std::time(nullptr));
    const std::string content = recording::LogFileContent(tmpl.str(), now, m_strVolume.str(), res::kProgramVersion, log);
    // A file that cannot be written is left unwritten without a word.
    (void)platform::SystemFiles().WriteText(file.str(), content, platform::kTextFileEnding);
}

void CBurnDlg::OnShutdownCheck() {
    UpdateData(TRUE);
    if (!m_bShutdown)
        return;
    const framework::CString path = DesktopLogPath();
    // The disc stays in the recorder while the system goes down.
    m_pOtherDlg->SetBurnFlags(m_pOtherDlg->GetBurnFlags() | settings::burnflags::kNoEject);
    framework::CString line;
    line.Format(Text(res::kTxtShutdownLogPath), path);
    AppendLog(line);
}

}  // namespace bb::app
