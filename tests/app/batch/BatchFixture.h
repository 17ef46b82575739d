// The main window with the build's recording library, plus what the erase,
// batch and shutdown tests need: a shutdown service that only records, a
// home folder of the sandbox as the desktop, the stand-by notice's
// template, and the job threads let run to their end after each test.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "app/ShutdownDlg.h"
#include "platform/Shutdown.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {

namespace fs = std::filesystem;

class FakeShutdown final : public platform::Shutdown {
public:
    std::string StartHidden(const std::string& commandLine) override { return Note("start " + commandLine); }
    std::string EndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege) override {
        return Note(platform::DescribeEndSession(flags, reserved, enablePrivilege));
    }
    std::vector<std::string> Calls() const {
        std::lock_guard<std::mutex> lock(mutex);
        return calls;
    }
    std::function<void()> onCall;  // runs at each call, before it is noted

private:
    std::string Note(const std::string& call) {
        if (onCall) onCall();
        std::lock_guard<std::mutex> lock(mutex);
        calls.push_back(call);
        return {};
    }
    mutable std::mutex mutex;
    std::vector<std::string> calls;
};

class FakeEnvironment final : public platform::Environment {
public:
    std::optional<std::string> Get(const std::string& name) override {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
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

class BatchTest : public app::test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_ui.AddTemplate(app::HeadlessShutdownDialog());
        m_env.Set("HOME", m_box.MakeFolder("home"));
        platform::SetSystemEnvironment(&m_env);
        platform::SetSystemShutdown(&m_shutdown);
    }
    void TearDown() override {
        Settle();
        WindowTest::TearDown();
        platform::SetSystemShutdown(nullptr);
        platform::SetSystemEnvironment(nullptr);
    }
    // The window with a command line its worker starts reading at once.
    platform::HeadlessDialogHost& StartWith(const std::string& commandLine, const std::string& settings = "") {
        return Start(settings, commandLine, /*batch=*/true);
    }

    // The simulated disc notes an erase in its state file.
    bool Erased() const { return m_box.Read("discs/rw.iso.state").find("disc=blank") != std::string::npos; }
    static constexpr const char* kRewritable = "[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n";

    const fs::path m_home = m_dir / "home";
    FakeEnvironment m_env;
    FakeShutdown m_shutdown;
};

}  // namespace bb::app::test
