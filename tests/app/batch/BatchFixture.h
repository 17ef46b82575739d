// The main window with the build's recording library (the burn tests'
// fixture), plus what the erase, batch and shutdown tests need: a fake
// shutdown service, a home folder of the sandbox as the desktop, the stand-by
// notice's template, and a way to let the job threads finish.
#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "../jobs/JobsWindowFixture.h"
#include "app/ShutdownDlg.h"
#include "framework/WorkerThread.h"
#include "platform/Environment.h"
#include "platform/Shutdown.h"

namespace bb::app::test {

namespace fs = std::filesystem;

// Records what the program would have asked the system to do.
class FakeShutdown final : public platform::Shutdown {
public:
    std::string StartHidden(const std::string& commandLine) override {
        Note("start " + commandLine);
        return {};
    }
    std::string EndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege) override {
        Note(platform::DescribeEndSession(flags, reserved, enablePrivilege));
        return {};
    }
    std::vector<std::string> Calls() const {
        std::lock_guard<std::mutex> lock(mutex);
        return calls;
    }
    std::function<void()> onCall;  // runs at each call, before it is noted

private:
    void Note(const std::string& call) {
        if (onCall) onCall();
        std::lock_guard<std::mutex> lock(mutex);
        calls.push_back(call);
    }
    mutable std::mutex mutex;
    std::vector<std::string> calls;
};

class FakeEnvironment final : public platform::Environment {
public:
    std::optional<std::string> Get(const std::string& name) override {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool Set(const std::string& name, const std::string& value) override {
        std::lock_guard<std::mutex> lock(mutex);
        values[name] = value;
        return true;
    }
    void Unset(const std::string& name) {
        std::lock_guard<std::mutex> lock(mutex);
        values.erase(name);
    }

private:
    std::mutex mutex;
    std::map<std::string, std::string> values;
};

class BatchTest : public app::test::JobsWindowTest {
protected:
    void SetUp() override {
        JobsWindowTest::SetUp();
        m_ui.AddTemplate(app::HeadlessShutdownDialog());
        m_home = m_dir / "home";
        fs::create_directories(m_home);
        m_env.Set("HOME", m_home.string());
        platform::SetSystemEnvironment(&m_env);
        platform::SetSystemShutdown(&m_shutdown);
    }
    void TearDown() override {
        Settle();
        JobsWindowTest::TearDown();
        platform::SetSystemShutdown(nullptr);
        platform::SetSystemEnvironment(nullptr);
    }

    // The window with a command line; the worker starts reading it at once.
    platform::HeadlessDialogHost& StartWith(const std::string& commandLine, const std::string& settings = "") {
        WriteFile("Brenvik.ini", settings);
        m_dlg = std::make_unique<CBurnDlg>();
        m_dlg->m_strProgramDir = (m_dir / "brenvik-burn").string().c_str();
        m_dlg->m_strCommandLine = commandLine.c_str();
        m_dlg->m_nCommandLineDelayMs = 0;
        m_dlg->m_onCommandLineDone = [this](framework::CDialog&, int result) { m_workerResult = result; };
        return m_ui.Open(*m_dlg);
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : m_ui.Boxes()) texts.push_back(box.caption + "|" + box.text);
        return texts;
    }

    fs::path m_home;
    FakeEnvironment m_env;
    FakeShutdown m_shutdown;
    std::atomic<int> m_workerResult{-1000};
};

}  // namespace bb::app::test
