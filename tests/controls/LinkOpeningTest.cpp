// Opening a link's target and the words for each failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "controls/LinkOpening.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

namespace {

using platform::RegistryRoot;

// A shell and a registry that answer from the test, installed while they live.
struct FakeShell final : platform::Shell {
    FakeShell() { platform::SetSystemShell(this); }
    ~FakeShell() override { platform::SetSystemShell(nullptr); }
    intptr_t Open(const std::string& target, int) override {
        opened.push_back(target);
        return openResult;
    }
    bool OpenQuietly(const std::string& target, int show) override { return Open(target, show) > 32; }
    unsigned Run(const std::string& commandLine, int) override {
        run.push_back(commandLine);
        return runResult;
    }
    intptr_t openResult = 42;
    unsigned runResult = 33;
    std::vector<std::string> opened, run;
};

struct FakeRegistry final : platform::Registry {
    FakeRegistry() { platform::SetSystemRegistry(this); }
    ~FakeRegistry() override { platform::SetSystemRegistry(nullptr); }
    std::optional<std::string> ReadString(RegistryRoot root, const std::string& key, const std::string& value,
                                          size_t capacity) override {
        ++reads;
        auto found = values.find(root == RegistryRoot::ClassesRoot ? key + "|" + value : "");
        if (found == values.end() || found->second.size() + 1 > capacity) return std::nullopt;
        return found->second;
    }
    bool WriteString(RegistryRoot, const std::string&, const std::string&, const std::string&) override { return false; }
    bool DeleteValue(RegistryRoot, const std::string&, const std::string&) override { return false; }
    std::map<std::string, std::string> values;
    int reads = 0;
};

TEST(LinkOpening, ErrorMessagesNameKnownCodesAndNumberTheRest) {
    const std::string prefix = "Unable to open hyperlink:\n\n";
    EXPECT_EQ(controls::OpenErrorMessage(0), prefix + "The operating system is out\nof memory or resources.");
    EXPECT_EQ(controls::OpenErrorMessage(26), prefix + "A sharing violation occurred. ");
    EXPECT_EQ(controls::OpenErrorMessage(31),
              prefix + "There is no application associated\nwith the given filename extension.");
    // The shell reports 0, the ERROR_ numbers 2, 3, 5, 8, 11 and its own 26..32.
    const std::vector<int> named = {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32};
    for (int code = -3; code <= 40; ++code) {
        const std::string message = controls::OpenErrorMessage(code);
        EXPECT_EQ(message.rfind(prefix, 0), 0u) << code;
        const bool isNamed = std::find(named.begin(), named.end(), code) != named.end();
        if (isNamed) {
            EXPECT_EQ(message.find("Unknown"), std::string::npos) << code;
            EXPECT_GT(message.size(), prefix.size() + 10) << code;
        } else {
            EXPECT_EQ(message, prefix + "Unknown Error (" + std::to_string(code) + ") occurred.") << code;
        }
    }
}

TEST(LinkOpening, BrowserCommandIsCutAtItsPlaceholder) {
    struct Case {
        const char* command;
        const char* expected;
    } cases[] = {
        {"\"C:\\Web\\browser.exe\" \"%1\"", "\"C:\\Web\\browser.exe\" http://x/"},
        {"C:\\Web\\browser.exe -url \"%1\" -new", "C:\\Web\\browser.exe -url http://x/"},
        {"C:\\Web\\browser.exe %1", "C:\\Web\\browser.exe http://x/"},
        {"C:\\Web\\browser.exe", "C:\\Web\\browser.exe http://x/"},
        // The quoted form is looked for first, even after a bare one.
        {"b.exe %1x \"%1\"", "b.exe %1x http://x/"},
    };
    for (const Case& c : cases) EXPECT_EQ(controls::BrowserCommandFor(c.command, "http://x/"), c.expected) << c.command;
}

// The shell first; when it fails, the open command of the ".htm" class.
TEST(LinkOpening, TheHtmBrowserOpensWhatTheShellCouldNot) {
    const std::string kCommand = "htmlfile\\shell\\open\\command|";
    struct Case {
        const char* name;
        intptr_t shellResult;
        const char* htmClass;  // nullptr: none registered
        std::string command;   // "": none registered
        unsigned runResult;
        intptr_t expected;
        const char* ran;  // nullptr: nothing run
    } cases[] = {
        {"the shell opens it", 42, "htmlfile", "b.exe \"%1\"", 33, 42, nullptr},
        {"no .htm class", 31, nullptr, "b.exe \"%1\"", 33, 31, nullptr},
        {"a class without an open command", 31, "htmlfile", "", 33, 31, nullptr},
        {"the browser starts", 2, "htmlfile", "\"C:\\Web\\browser.exe\" \"%1\"", 33, 33,
         "\"C:\\Web\\browser.exe\" http://x/"},
        {"the browser does not start", 2, "htmlfile", "b.exe %1", 2, 2, "b.exe http://x/"},
        {"a command longer than the buffer counts as missing", 31, "htmlfile", std::string(300, 'b') + " %1", 33,
         31, nullptr},
    };
    for (const Case& c : cases) {
        FakeShell shell;
        FakeRegistry registry;
        shell.openResult = c.shellResult;
        shell.runResult = c.runResult;
        if (c.htmClass) registry.values[".htm|"] = c.htmClass;
        if (!c.command.empty()) registry.values[kCommand] = c.command;
        EXPECT_EQ(controls::OpenLinkTarget("http://x/", 5), c.expected) << c.name;
        EXPECT_EQ(shell.opened, std::vector<std::string>{"http://x/"}) << c.name;
        EXPECT_EQ(shell.run, c.ran ? std::vector<std::string>{c.ran} : std::vector<std::string>{}) << c.name;
        if (c.shellResult > 32) EXPECT_EQ(registry.reads, 0) << c.name;
    }
}

}  // namespace
