// The main window as the job engine's host. A call from the window's own
// thread is carried out at once; from a worker, what is to be shown is
// posted to the window's thread in call order, and a question is asked there
// and waited for. Nothing a worker does touches the window's members.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/WindowEvents.h"
#include "recording/JobHost.h"

namespace bb::app {

class CBurnDlg;

}  // namespace bb::app

namespace bb::app {

class WindowJobHost final : public recording::JobHost {
public:
    explicit WindowJobHost(CBurnDlg& window);
    ~WindowJobHost() override;

    void LogLine(const std::string& line) override;
    void SetStatus(const std::string& text) override;
    void ShowProgress(const recording::ProgressDisplay& shown) override;
    void SetCommands(recording::JobCommands state) override;
    void ShowInputs(const recording::JobInputs& inputs) override;
    void CheckSourceSize() override;
    void ShowLabelLength(const std::string& text) override;
    void SetBurnFlags(uint32_t burnFlags) override;
    void ShutdownChosen() override;
    void Minimise() override;
    void Restore() override;
    void EnableBurn() override;
    void PlayJobSound(int result) override;
    void JobEnded(recording::AfterJob after) override;

    void SetTimeTotal(const std::string& text) override;
    void SetTimeRemaining(const std::string& text) override;
    void SetPercent(const std::string& text) override;
    void SetProgressRange(int32_t low, int32_t high) override;
    void SetProgressPos(int32_t pos) override;

    int Ask(const std::string& text, const std::string& caption, unsigned type) override;
    std::optional<std::string> AskImageFileName(const std::string& suggested) override;
    void PumpPendingMessages(bool (*keepGoing)(void*), void* context) override;
    bool WaitForClosing(uint32_t milliseconds) override;

    // The window is going: work still queued for it is dropped.
    void WindowGone();
    // The progress display back to idle (after a job): "0 %", "--:--".
    void ResetProgress();

private:
    // At once on the window's thread, else posted to it.
    void Show(std::function<void()> work);
    // On the window's thread and waited for; `whenGone` when the window
    // closes before it could run.
    template <class R>
    R Answer(std::function<R()> work, R whenGone);
    // The window's thread: the progress step as the console sees it.
    void ReportProgress();

    CBurnDlg& m_window;
    // Read and cleared on the window's thread only.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    // The window's thread only.
    ProgressStep m_step;
};

}  // namespace bb::app
