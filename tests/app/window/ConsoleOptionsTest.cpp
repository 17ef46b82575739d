// What the console front end answers before the program's command line.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/ConsoleOptions.h"
#include "platform/Paths.h"
#include "recording/CommandLine.h"
#include "tests/support/Sandbox.h"

namespace bb::app {

namespace {

TEST(ConsoleOptions, HelpAndVersionAnswerOnlyWhenAlone) {
    struct Case {
        std::vector<std::string> args;
        int status;  // -1: the program's command line runs
        const char* printedStart;
    } cases[] = {
        {{"--version"}, 0, "Brenvik Burn 1.2.1\n"},
        {{"--help"}, 0, "Usage: brenvik-burn"},
        {{}, -1, ""},
        {{"/D", "x"}, -1, ""},
        {{"--help", "/D"}, -1, ""},
        {{"--Version"}, -1, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        const auto status = app::AnswerFrontEndOption(c.args, out, "brenvik-burn");
        EXPECT_EQ(status.value_or(-1), c.status) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(out.str().rfind(c.printedStart, 0), 0u) << out.str();
        if (c.status < 0) {
            EXPECT_TRUE(out.str().empty());
        }
    }
}

TEST(ConsoleOptions, HelpDocumentsEveryExitStatusAndOption) {
    std::ostringstream out;
    app::PrintUsage(out, "brenvik-burn");
    const std::string text = out.str();
    for (const char* needle : {"/D", "/V", "/C", "/E", "/O", "/L", "/S", "--help", "--version"})
        EXPECT_NE(text.find(needle), std::string::npos) << needle;
    for (int status : {app::kExitSuccess, app::kExitJobFailed, app::kExitUsage})
        EXPECT_NE(text.find(std::to_string(status) + " "), std::string::npos) << status;
}

TEST(ConsoleOptions, HelpNamesTheHelpPagesBesideTheProgramElseInstalled) {
    const bb::test::Sandbox program;
    EXPECT_EQ(app::HelpPagesFolder(program.Folder(), "/usr/share/doc/x"), "/usr/share/doc/x");
    program.MakeFolder("help/en");
    const std::string beside = program.At("help");
    EXPECT_EQ(app::HelpPagesFolder(program.Folder(), "/usr/share/doc/x"), beside);
    std::ostringstream out;
    EXPECT_EQ(app::AnswerFrontEndOption({"--help"}, out, "brenvik-burn", beside), app::kExitSuccess);
    for (const char* language : {"en", "de"})
        EXPECT_NE(out.str().find(platform::JoinPath(platform::JoinPath(beside, language), "index.htm") + "\n"),
                  std::string::npos)
            << out.str();
}

// The tail rebuilt from the shell's words splits back into the same words.
TEST(ConsoleOptions, CommandLineTailKeepsWordsWithBlanksTogether) {
    const std::vector<std::vector<std::string>> cases = {
        {"/D", "/tmp/My DVD", "/V", "MOVIE"},
        {"/D", "/tmp/Two  Spaces", "/V", "TWO"},
        {"/D", "/tmp/a\tb"},
        {"-d", "C:\\Program Files\\DVD"},
        {"/C"},
        {},
    };
    for (const auto& words : cases) {
        const std::string tail = app::CommandLineTail(words);
        EXPECT_EQ(recording::SplitCommandLine(tail).words, words) << tail;
    }
}

}  // namespace

}  // namespace bb::app
