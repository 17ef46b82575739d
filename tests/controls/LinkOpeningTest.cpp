// Opening a link's target and the words for each failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/LinkOpening.h"
#include "tests/controls/FakeShellAndRegistry.h"

namespace bb::controls {

namespace {

using controls::test::FakeRegistry;
using controls::test::FakeShell;
using platform::RegistryRoot;

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
        if (c.htmClass) registry.WriteString(RegistryRoot::ClassesRoot, ".htm", "", c.htmClass);
        if (!c.command.empty())
            registry.WriteString(RegistryRoot::ClassesRoot, "htmlfile\\shell\\open\\command", "", c.command);
        EXPECT_EQ(controls::OpenLinkTarget("http://x/", 5), c.expected) << c.name;
        ASSERT_EQ(shell.opened.size(), 1u) << c.name;
        EXPECT_EQ(shell.opened[0], std::make_pair(std::string("http://x/"), 5)) << c.name;
        std::vector<std::pair<std::string, int>> ran;
        if (c.ran) ran.emplace_back(c.ran, 5);
        EXPECT_EQ(shell.run, ran) << c.name;
        if (c.shellResult > 32) EXPECT_TRUE(registry.reads.empty()) << c.name;
    }
}

}  // namespace

}  // namespace bb::controls
