#include "platform/headless/HeadlessUi.h"

#include <algorithm>

#include "framework/CDialog.h"
#include "framework/MessageBoxType.h"
#include "platform/headless/HeadlessDialogHost.h"

namespace bb::platform {

HeadlessUi::HeadlessUi() {
    m_previousFactory = framework::SetDialogHostFactory([this](framework::CDialog& dialog, framework::DialogHost*) {
        return std::make_unique<HeadlessDialogHost>(*this, dialog);
    });
}

HeadlessUi::~HeadlessUi() {
    framework::SetDialogHostFactory(std::move(m_previousFactory));
}

void HeadlessUi::AddTemplate(HeadlessDialogTemplate dialogTemplate) {
    std::lock_guard<std::mutex> lock(m_boxMutex);
    const int id = dialogTemplate.id;
    m_templates[id] = std::move(dialogTemplate);
}

const HeadlessDialogTemplate* HeadlessUi::FindTemplate(int templateId) const {
    std::lock_guard<std::mutex> lock(m_boxMutex);
    auto it = m_templates.find(templateId);
    return it == m_templates.end() ? nullptr : &it->second;
}

HeadlessDialogHost& HeadlessUi::Open(framework::CDialog& dialog) {
    auto host = std::make_unique<HeadlessDialogHost>(*this, dialog);
    HeadlessDialogHost& result = *host;
    dialog.AttachHost(std::move(host));
    result.Initialise();
    return result;
}

// --- message boxes and pickers ------------------------------------------------------------

void HeadlessUi::QueueAnswers(std::initializer_list<int> answers) {
    std::lock_guard<std::mutex> lock(m_boxMutex);
    m_answers.insert(m_answers.end(), answers);
}

void HeadlessUi::SetResponder(Responder responder) {
    std::lock_guard<std::mutex> lock(m_boxMutex);
    m_responder = std::move(responder);
}

std::vector<ShownMessageBox> HeadlessUi::Boxes() const {
    std::lock_guard<std::mutex> lock(m_boxMutex);
    return m_boxes;
}

void HeadlessUi::ClearBoxes() {
    std::lock_guard<std::mutex> lock(m_boxMutex);
    m_boxes.clear();
}

int HeadlessUi::ShowMessageBox(int templateId, const std::string& text, const std::string& caption, unsigned type) {
    ShownMessageBox box{templateId, text, caption, type, 0};
    bool decided = false;
    Responder responder;
    {
        std::lock_guard<std::mutex> lock(m_boxMutex);
        if (!m_answers.empty()) {
            box.answer = m_answers.front();
            m_answers.pop_front();
            decided = true;
        } else {
            responder = m_responder;
        }
    }
    // The responder may wait for a person at a terminal: no lock while it asks.
    if (!decided) box.answer = responder ? responder(box) : framework::DefaultMessageBoxButton(type);
    std::lock_guard<std::mutex> lock(m_boxMutex);
    m_boxes.push_back(box);
    return box.answer;
}

void HeadlessUi::WhenOpened(int templateId, Script script) {
    std::lock_guard<std::mutex> lock(m_boxMutex);
    m_scripts[templateId].push_back(std::move(script));
}

HeadlessUi::Script HeadlessUi::TakeScript(int templateId) {
    std::lock_guard<std::mutex> lock(m_boxMutex);
    auto it = m_scripts.find(templateId);
    if (it == m_scripts.end() || it->second.empty()) return {};
    Script script = std::move(it->second.front());
    it->second.pop_front();
    return script;
}

// --- the UI thread's queue ------------------------------------------------------------------

void HeadlessUi::EnterUi() {
    std::lock_guard<std::mutex> lock(m_queueMutex);
    m_uiThread = std::this_thread::get_id();
}

bool HeadlessUi::OnUiThread() const {
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return m_uiThread == std::this_thread::get_id();
}

void HeadlessUi::Post(std::function<void()> work) {
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        m_queue.push_back(std::move(work));
    }
    m_queueCv.notify_all();
}

void HeadlessUi::Wake() {
    // Taking the lock orders this wake-up after a waiter's look at its flag.
    { std::lock_guard<std::mutex> lock(m_queueMutex); }
    m_queueCv.notify_all();
}

void HeadlessUi::PostQuit() {
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        m_quit = true;
    }
    m_queueCv.notify_all();
}

bool HeadlessUi::TakeNext(std::unique_lock<std::mutex>&, std::function<void()>& work) {
    if (!m_queue.empty()) {
        work = std::move(m_queue.front());
        m_queue.pop_front();
        return true;
    }
    const auto now = Clock::now();
    auto due = std::min_element(m_timers.begin(), m_timers.end(),
                                [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (due == m_timers.end() || due->due > now) return false;
    due->due = now + due->interval;
    work = [host = due->host, id = due->id] { host->DeliverTimer(id); };
    return true;
}

bool HeadlessUi::HasPendingMessage() {
    std::lock_guard<std::mutex> lock(m_queueMutex);
    if (m_uiThread != std::this_thread::get_id()) return false;
    if (m_quit || !m_queue.empty()) return true;
    const auto now = Clock::now();
    return std::any_of(m_timers.begin(), m_timers.end(), [now](const Timer& t) { return t.due <= now; });
}

bool HeadlessUi::PumpMessage() {
    std::function<void()> work;
    {
        std::unique_lock<std::mutex> lock(m_queueMutex);
        // A worker thread has no queue of its own here; nothing to pump.
        if (m_uiThread != std::this_thread::get_id()) return true;
        for (;;) {
            if (m_quit) {
                m_quit = false;
                return false;
            }
            if (TakeNext(lock, work)) break;
            auto next = std::min_element(m_timers.begin(), m_timers.end(),
                                         [](const Timer& a, const Timer& b) { return a.due < b.due; });
            if (next == m_timers.end()) {
                m_queueCv.wait(lock);
            } else {
                m_queueCv.wait_until(lock, next->due);
            }
        }
    }
    work();
    return true;
}

void HeadlessUi::RunLoop(const std::function<bool()>& ended) {
    for (;;) {
        std::function<void()> work;
        {
            std::unique_lock<std::mutex> lock(m_queueMutex);
            for (;;) {
                if (ended()) return;
                if (TakeNext(lock, work)) break;
                auto next = std::min_element(m_timers.begin(), m_timers.end(),
                                             [](const Timer& a, const Timer& b) { return a.due < b.due; });
                if (next == m_timers.end()) {
                    m_queueCv.wait(lock);
                } else {
                    m_queueCv.wait_until(lock, next->due);
                }
            }
        }
        work();
    }
}

void HeadlessUi::SetTimer(HeadlessDialogHost* host, int id, unsigned intervalMs) {
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        const auto interval = std::chrono::milliseconds(intervalMs);
        auto it = std::find_if(m_timers.begin(), m_timers.end(),
                               [&](const Timer& t) { return t.host == host && t.id == id; });
        if (it != m_timers.end()) {
            it->interval = interval;
            it->due = Clock::now() + interval;
        } else {
            m_timers.push_back({host, id, interval, Clock::now() + interval});
        }
    }
    m_queueCv.notify_all();
}

void HeadlessUi::KillTimer(HeadlessDialogHost* host, int id) {
    std::lock_guard<std::mutex> lock(m_queueMutex);
    std::erase_if(m_timers, [&](const Timer& t) { return t.host == host && t.id == id; });
}

void HeadlessUi::KillTimers(HeadlessDialogHost* host) {
    std::lock_guard<std::mutex> lock(m_queueMutex);
    std::erase_if(m_timers, [&](const Timer& t) { return t.host == host; });
}

}  // namespace bb::platform
