// Opening a link's target and the words for each failure.
#include <gtest/gtest.h>

#include "controls/LinkOpening.h"
#include "tests/controls/FakeShellAndRegistry.h"

namespace bb::controls {

namespace {

using controls::test::FakeRegistry;
using controls::test::FakeShell;
using platform::RegistryRoot;

struct ErrorCase {
    int code;
    const char* text;
};

TEST(LinkOpening, EveryShellErrorCodeHasItsText) {
    const ErrorCase cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {4, "Unknown Error (4) occurred."},
        {-7, "Unknown Error (-7) occurred."},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(controls::OpenErrorMessage(c.code), std::string("Unable to open hyperlink:\n\n") + c.text);
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(controls::BrowserCommandFor(c.command, "http://x/"), c.expected);
    }
}

TEST(LinkOpening, TheShellsSuccessIsTheAnswer) {
    FakeShell shell;
    FakeRegistry registry;
    shell.openResult = 42;
    EXPECT_EQ(controls::OpenLinkTarget("mailto:a@b.example", 5), 42);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], std::make_pair(std::string("mailto:a@b.example"), 5));
    EXPECT_TRUE(registry.reads.empty());
    EXPECT_TRUE(shell.run.empty());
}

TEST(LinkOpening, WithoutABrowserTheShellsCodeIsReported) {
    FakeShell shell;
    FakeRegistry registry;
    shell.openResult = 31;
    EXPECT_EQ(controls::OpenLinkTarget("http://x/", 5), 31) << "no .htm class";
    registry.WriteString(RegistryRoot::ClassesRoot, ".htm", "", "htmlfile");
    EXPECT_EQ(controls::OpenLinkTarget("http://x/", 5), 31) << "a class without an open command";
    EXPECT_TRUE(shell.run.empty());
}

TEST(LinkOpening, TheHtmBrowserOpensWhatTheShellCouldNot) {
    FakeShell shell;
    FakeRegistry registry;
    shell.openResult = 2;
    shell.runResult = 33;
    registry.WriteString(RegistryRoot::ClassesRoot, ".htm", "", "htmlfile");
    registry.WriteString(RegistryRoot::ClassesRoot, "htmlfile\\shell\\open\\command", "",
                         "\"C:\\Web\\browser.exe\" \"%1\"");
    EXPECT_EQ(controls::OpenLinkTarget("http://x/", 5), 33);
    ASSERT_EQ(shell.run.size(), 1u);
    EXPECT_EQ(shell.run[0], std::make_pair(std::string("\"C:\\Web\\browser.exe\" http://x/"), 5));

    shell.runResult = 2;  // the browser itself does not start
    EXPECT_EQ(controls::OpenLinkTarget("http://x/", 5), 2);
}

TEST(LinkOpening, ARegistryValueLongerThanTheBufferCountsAsMissing) {
    FakeShell shell;
    FakeRegistry registry;
    shell.openResult = 31;
    registry.WriteString(RegistryRoot::ClassesRoot, ".htm", "", "htmlfile");
    registry.WriteString(RegistryRoot::ClassesRoot, "htmlfile\\shell\\open\\command", "",
                         std::string(300, 'b') + " %1");
    EXPECT_EQ(controls::OpenLinkTarget("http://x/", 5), 31);
    EXPECT_TRUE(shell.run.empty());
}

}  // namespace

}  // namespace bb::controls
