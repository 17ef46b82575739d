// The desktop folder from XDG user dirs, with a fake environment.
#include <gtest/gtest.h>

#include <map>

#include "platform/DesktopFolder.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "tests/support/Sandbox.h"

namespace bb::platform {
namespace {

class FakeEnvironment : public platform::Environment {
public:
    std::optional<std::string> Get(const std::string& name) override {
        auto it = vars.find(name);
        return it == vars.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool Set(const std::string& name, const std::string& value) override {
        vars[name] = value;
        return true;
    }
    std::map<std::string, std::string> vars;
};

class DesktopFolderTest : public bb::test::SandboxTest {
protected:
    void SetUp() override {
        MakeFolder("home");
        MakeFolder("home/Schreibtisch");
        MakeFolder("config");
        m_env.vars["HOME"] = At("home");
        m_env.vars["XDG_CONFIG_HOME"] = At("config");
    }
    std::optional<std::string> Desktop() {
        return platform::DesktopFolder(platform::SystemRegistry(), m_env, platform::SystemFiles());
    }
    FakeEnvironment m_env;
};

TEST_F(DesktopFolderTest, XdgEntryWithHomeOrAbsolutePath) {
    struct Case {
        std::string line;
        std::string expected;
    } cases[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"", At("home/Schreibtisch")},
        {"  XDG_DESKTOP_DIR=\"" + At("home/Schreibtisch") + "\"  ", At("home/Schreibtisch")},
        {"XDG_DESKTOP_DIR=\"$HOME\"", At("home")},
        // a folder that does not exist, or a relative one, falls back to home
        {"XDG_DESKTOP_DIR=\"$HOME/Missing\"", At("home")},
        {"XDG_DESKTOP_DIR=\"Schreibtisch\"", At("home")},
        {"# XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"", At("home")},
    };
    for (const Case& c : cases) {
        WriteFile("config/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n" + c.line + "\n");
        EXPECT_EQ(Desktop(), c.expected) << c.line;
    }
}

// (Without HOME there is no desktop: BatchTest's desktop log.)
TEST_F(DesktopFolderTest, ConfigHomeDefaultsToDotConfig) {
    m_env.vars.erase("XDG_CONFIG_HOME");
    MakeFolder("home/.config");
    WriteFile("home/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(Desktop(), At("home/Schreibtisch"));
}

}  // namespace
}  // namespace bb::platform
