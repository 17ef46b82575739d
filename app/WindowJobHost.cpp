#include "app/WindowJobHost.h"

#include <mutex>
#include <utility>

#include "app/BurnDlg.h"
#include "controls/FilePicker.h"
#include "framework/MessageBoxType.h"
#include "framework/UiHandoff.h"
#include "recording/LibraryRequests.h"
#include "recording/LogFile.h"
#include "res/resource.h"
#include "settings/OtherSettings.h"

namespace bb::app {

namespace {
constexpr const char* kUnknownTime = "?:??";
constexpr const char* kIdleTime = "--:--";

// A time label as the console shows it: nothing while it is not known.
std::string KnownTime(const std::string& text) {
    return text == kUnknownTime || text == kIdleTime ? std::string() : text;
}
}  // namespace

WindowJobHost::WindowJobHost(CBurnDlg& window) : m_window(window) {}

WindowJobHost::~WindowJobHost() = default;

void WindowJobHost::WindowGone() {
    *m_alive = false;
}

void WindowJobHost::Show(std::function<void()> work) {
    if (m_window.OnUiThread()) {
        work();
        return;
    }
    m_window.PostToUi([alive = m_alive, work = std::move(work)] {
        if (*alive)
            work();
    });
}

template <class R>
R WindowJobHost::Answer(std::function<R()> work, R whenGone) {
    if (m_window.OnUiThread())
        return work();
    R value = whenGone;
    const auto alive = m_alive;
    // A window that closes (or is closing and waits for this worker) before
    // the question was put never answers it.
    framework::RunOnOtherThreadAndWait([this](std::function<void()> call) { m_window.PostToUi(std::move(call)); },
                                       [&] {
                                           if (*alive)
                                               value = work();
                                       },
                                       [this] { return m_window.m_eventClosing.Lock(0) || !m_window.IsOpen(); });
    return value;
}

// --- shown ---------------------------------------------------------------------

void WindowJobHost::LogLine(const std::string& line) {
    Show([this, line] { m_window.AppendLog(line.c_str()); });
}

void WindowJobHost::SetStatus(const std::string& text) {
    Show([this, text] { m_window.ShowStatus(text.c_str()); });
}

void WindowJobHost::ShowProgress(const recording::ProgressDisplay& shown) {
    Show([this, shown] {
        if (shown.remaining) {
            m_window.SetDlgItemText(IDC_TIME_REMAINING, shown.remaining->c_str());
            m_step.remaining = KnownTime(*shown.remaining);
        }
        if (shown.total) {
            m_window.SetDlgItemText(IDC_TIME_TOTAL, shown.total->c_str());
            m_step.total = KnownTime(*shown.total);
        }
        if (shown.percent) {
            m_window.SetDlgItemText(IDC_PERCENT, shown.percent->c_str());
            m_step.percent = *shown.percent;
        }
        if (shown.title)
            m_window.SetWindowText(shown.title->c_str());
        m_window.m_progress.SetPos(int(shown.barPosition));
        m_step.pos = int(shown.barPosition);
        ReportProgress();
    });
}

void WindowJobHost::SetTimeTotal(const std::string& text) {
    Show([this, text] {
        m_window.SetDlgItemText(IDC_TIME_TOTAL, text.c_str());
        m_step.total = KnownTime(text);
    });
}

void WindowJobHost::SetTimeRemaining(const std::string& text) {
    Show([this, text] {
        m_window.SetDlgItemText(IDC_TIME_REMAINING, text.c_str());
        m_step.remaining = KnownTime(text);
    });
}

void WindowJobHost::SetPercent(const std::string& text) {
    Show([this, text] {
        m_window.SetDlgItemText(IDC_PERCENT, text.c_str());
        m_step.percent = text;
    });
}

void WindowJobHost::SetProgressRange(int32_t low, int32_t high) {
    Show([this, low, high] {
        m_window.m_progress.SetRange32(low, high);
        m_step.low = low;
        m_step.high = high;
    });
}

void WindowJobHost::SetProgressPos(int32_t pos) {
    Show([this, pos] {
        m_window.m_progress.SetPos(pos);
        m_step.pos = pos;
        ReportProgress();
    });
}

void WindowJobHost::ResetProgress() {
    m_step = ProgressStep{};
}

void WindowJobHost::ReportProgress() {
    if (m_window.m_pEvents != nullptr)
        m_window.m_pEvents->OnProgress(m_step);
}

void WindowJobHost::SetCommands(recording::JobCommands state) {
    Show([this, state] {
        if (state == recording::JobCommands::Idle) {
            m_window.EnableAfterJob();
            if (m_window.m_pEvents != nullptr)
                m_window.m_pEvents->OnJobEnded();
        } else
            m_window.DisableForJob(state == recording::JobCommands::BusyAbortable);
    });
}

void WindowJobHost::ShowInputs(const recording::JobInputs& inputs) {
    Show([this, inputs] { m_window.ShowJobInputs(inputs); });
}

void WindowJobHost::CheckSourceSize() {
    Show([this] { (void)m_window.CheckSourceSize(); });
}

void WindowJobHost::ShowLabelLength(const std::string& text) {
    Show([this, text] { m_window.SetDlgItemText(IDC_LABEL_LENGTH, text.c_str()); });
}

void WindowJobHost::SetBurnFlags(uint32_t burnFlags) {
    Show([this, burnFlags] { m_window.m_pOtherDlg->SetBurnFlags(burnFlags); });
}

void WindowJobHost::ShutdownChosen() {
    Show([this] { m_window.OnShutdownCheck(); });
}

void WindowJobHost::Minimise() {
    Show([this] { m_window.ShowWindow(SW_MINIMIZE); });
}

void WindowJobHost::Restore() {
    Show([this] { m_window.ShowWindow(SW_SHOWNORMAL); });
}

void WindowJobHost::EnableBurn() {
    Show([this] { m_window.EnableWindow(IDC_BURN, TRUE); });
}

void WindowJobHost::PlayJobSound(int result) {
    Show([this, result] { m_window.PlayJobSound(result); });
}

void WindowJobHost::JobEnded(recording::AfterJob after) {
    switch (after) {
        case recording::AfterJob::Nothing:
            break;
        case recording::AfterJob::Shutdown:
            Show([this] { m_window.RunShutdownSequence(); });
            break;
        case recording::AfterJob::WriteLogAndClose:
            Show([this] {
                m_window.WriteLogFile(int(recording::LogFileKind::CommandLine), nullptr);
                m_window.OnCancel();
            });
            break;
        case recording::AfterJob::Close:
            Show([this] { m_window.OnCancel(); });
            break;
    }
}

// --- answered --------------------------------------------------------------------

int WindowJobHost::Ask(const std::string& text, const std::string& caption, unsigned type) {
    return Answer<int>([this, text, caption, type] { return m_window.ShowMessage(text.c_str(), caption.c_str(), type); },
                       framework::DefaultMessageBoxButton(type));
}

std::optional<std::string> WindowJobHost::AskImageFileName(const std::string& suggested) {
    return Answer<std::optional<std::string>>(
        [this, suggested]() -> std::optional<std::string> {
            controls::CFilePicker picker(FALSE, nullptr, suggested.c_str(), recording::kImageFileDialogFlags,
                               recording::ImageFileFilter(), &m_window);
            if (picker.PickFile() != controls::CFilePicker::kChosen)
                return std::nullopt;
            return picker.GetFilePath().str();
        },
        std::nullopt);
}

void WindowJobHost::PumpPendingMessages(bool (*keepGoing)(void*), void* context) {
    // Only the calling thread's own messages: a worker has none.
    while (keepGoing(context) && m_window.HasPendingMessage()) {
        if (!m_window.PumpMessage())
            break;
    }
}

bool WindowJobHost::WaitForClosing(uint32_t milliseconds) {
    return m_window.m_eventClosing.Lock(milliseconds) != FALSE;
}

}  // namespace bb::app
