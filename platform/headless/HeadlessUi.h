// The in-memory window system: makes headless dialog hosts, runs the UI
// thread's message queue and timers, answers message boxes from a script,
// and records every box shown. (File and folder pickers are a service of
// their own: platform/FilePickerService.h.) Used by tests and the console front end.
//
//   platform::HeadlessUi ui;            // installs itself as the host factory
//   ui.AddTemplate(myTemplate);          // optional: kinds, captions, radio groups
//   ui.QueueAnswers({IDYES});            // next message box says Yes
//   ui.WhenOpened(117, [](platform::HeadlessDialogHost& h) { h.Click(IDOK); });
//   int r = dialog.DoModal();            // runs the queue until EndDialog
//
// or, without a modal loop: `auto& h = ui.Open(dialog); h.Click(1031);`.
//
// The UI must outlive every dialog it hosts (declare it first).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "framework/DialogHost.h"
#include "platform/headless/HeadlessTemplate.h"

namespace bb::framework { class CDialog; }

namespace bb::platform {

class HeadlessDialogHost;

struct ShownMessageBox {
    int templateId = 0;  // the owning dialog's template
    std::string text;
    std::string caption;
    unsigned type = 0;
    int answer = 0;
};

class HeadlessUi {
public:
    using Responder = std::function<int(const ShownMessageBox& box)>;
    using Script = std::function<void(HeadlessDialogHost& host)>;

    // Installs this as the dialog host factory until it is destroyed.
    HeadlessUi();
    ~HeadlessUi();
    HeadlessUi(const HeadlessUi&) = delete;
    HeadlessUi& operator=(const HeadlessUi&) = delete;

    void AddTemplate(HeadlessDialogTemplate dialogTemplate);

    // Message boxes: queued answers first, then the responder, then the box's
    // default button.
    void QueueAnswers(std::initializer_list<int> answers);
    void SetResponder(Responder responder);
    [[nodiscard]] std::vector<ShownMessageBox> Boxes() const;
    void ClearBoxes();

    // Runs `script` on the UI thread right after the next dialog of this
    // template has been initialised (one script per opening, in order).
    void WhenOpened(int templateId, Script script);

    // Gives `dialog` a headless host and initialises it on the calling thread,
    // which becomes the UI thread; no modal loop runs. The dialog owns the host.
    HeadlessDialogHost& Open(framework::CDialog& dialog);

    // Makes the next PumpMessage of the UI thread report "quit".
    void PostQuit();

    // --- used by the hosts --------------------------------------------------------
    int ShowMessageBox(int templateId, const std::string& text, const std::string& caption, unsigned type);
    void Post(std::function<void()> work);
    [[nodiscard]] bool HasPendingMessage();
    [[nodiscard]] bool PumpMessage();
    // Runs the UI queue on the calling thread until `ended` says so.
    void RunLoop(const std::function<bool()>& ended);
    // Wakes the loop to look at `ended` again. Any thread.
    void Wake();
    [[nodiscard]] bool OnUiThread() const;
    void EnterUi();  // the calling thread is the UI thread from now on
    void SetTimer(HeadlessDialogHost* host, int id, unsigned intervalMs);
    void KillTimer(HeadlessDialogHost* host, int id);
    void KillTimers(HeadlessDialogHost* host);
    [[nodiscard]] const HeadlessDialogTemplate* FindTemplate(int templateId) const;
    [[nodiscard]] Script TakeScript(int templateId);

private:
    using Clock = std::chrono::steady_clock;
    struct Timer {
        HeadlessDialogHost* host;
        int id;
        std::chrono::milliseconds interval;
        Clock::time_point due;
    };

    // Takes the next queued work or due timer; false when there is none.
    bool TakeNext(std::unique_lock<std::mutex>& lock, std::function<void()>& work);

    framework::DialogHostFactory m_previousFactory;
    std::map<int, HeadlessDialogTemplate> m_templates;

    mutable std::mutex m_boxMutex;
    std::deque<int> m_answers;
    Responder m_responder;
    std::vector<ShownMessageBox> m_boxes;
    std::map<int, std::deque<Script>> m_scripts;

    mutable std::mutex m_queueMutex;
    std::condition_variable m_queueCv;
    std::deque<std::function<void()>> m_queue;
    std::vector<Timer> m_timers;
    std::thread::id m_uiThread;
    bool m_quit = false;
};

}  // namespace bb::platform
