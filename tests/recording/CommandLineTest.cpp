#include "recording/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bb::recording {

namespace {

using recording::BatchStep;
using recording::ReadBatchOptions;
using recording::SplitCommandLine;
using Words = std::vector<std::string>;
using Kind = BatchStep::Kind;

TEST(CommandLine, SplitsLikeTheProgramAlwaysHas) {
    struct Case {
        const char* line;
        Words words;
    } cases[] = {
        {"-d \"C:\\My DVD\" -v MOVIE", {"-d", "C:\\My DVD", "-v", "MOVIE"}},
        {"/D  C:\\DVD\t/V\t\tX", {"/D", "C:\\DVD", "/V", "X"}},
        {"/D   C:\\DVD", {"/D", "C:\\DVD"}},
        {"a \"\" b", {"a", "b"}},
        {"ab\"cd\"", {"cd"}},
        {"\"unclosed word", {}},
        {"x \" lead\"", {"x", "lead"}},
        {"", {}},
        {" ", {}},
        // Inside quotes the text stays as typed; outside, blanks only separate.
        {"/D \"Two  Spaces\" /V X", {"/D", "Two  Spaces", "/V", "X"}},
        {"/D \"Tab\there\"", {"/D", "Tab\there"}},
        {"\"a   b\t\tc\"  \t d", {"a   b\t\tc", "d"}},
    };
    for (const Case& c : cases) {
        const recording::CommandLineWords split = SplitCommandLine(c.line);
        EXPECT_EQ(split.words, c.words) << c.line;
        EXPECT_FALSE(split.tooMany) << c.line;
    }
}

std::vector<Kind> KindsOf(const std::vector<BatchStep>& steps) {
    std::vector<Kind> kinds;
    for (const BatchStep& s : steps)
        kinds.push_back(s.kind);
    return kinds;
}

TEST(CommandLine, ReadsOptionsAndReportsEachBadWordOnItsOwn) {
    struct Case {
        Words words;
        std::vector<Kind> kinds;
    } cases[] = {
        {{"-d", "C:\\My DVD", "-v", "MOVIE"}, {Kind::Folder, Kind::Label}},
        {{"/C", "/D", "C:\\DVD"}, {Kind::PrepareOnly, Kind::Folder}},
        {{"/Dfolder"}, {Kind::FolderMissing}},
        {{"/Dfolder", "/V", "L"}, {Kind::FolderMissing, Kind::Label}},
        {{"/X", "MOVIE", "/e"}, {Kind::NotAnOption, Kind::NotAnOption, Kind::NoEject}},
        {{"/D", "C:\\DVD", "/V"}, {Kind::Folder, Kind::LabelMissing}},
        {{"/V", "-s"}, {Kind::LabelMissing, Kind::Shutdown}},
        {{"-l", "/o", "/Shutdown"}, {Kind::LogToDesktop, Kind::NoOverwriteAsk, Kind::Shutdown}},
        {{"/", "-"}, {Kind::NotAnOption, Kind::NotAnOption}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KindsOf(ReadBatchOptions(c.words)), c.kinds) << c.words.front();
    EXPECT_EQ(ReadBatchOptions({"-d", "C:\\My DVD"}).front().value, "C:\\My DVD");
}

}  // namespace

}  // namespace bb::recording
