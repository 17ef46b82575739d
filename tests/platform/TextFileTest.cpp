// Line splitting and line ends, and text files written and read through the
// Files service.
#include <gtest/gtest.h>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "tests/support/Sandbox.h"

namespace bb::platform {
namespace {

using Lines = std::vector<std::string>;
using platform::LineEnding;

TEST(SplitLines, Table) {
    struct Case {
        std::string content;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"\n", {""}},
        {"a\rb\n", {"a\rb"}},  // a lone CR is not a line end
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::SplitLines(c.content), c.lines) << "content: " << c.content;
}

TEST(WithLineEnding, Table) {
    struct Case {
        std::string text;
        LineEnding ending;
        std::string expected;
    } cases[] = {
        {"a\nb\n", LineEnding::CrLf, "a\r\nb\r\n"},
        {"a\r\nb\n", LineEnding::CrLf, "a\r\nb\r\n"},  // no CR CR LF
        {"a\r\nb\n", LineEnding::Lf, "a\nb\n"},
        {"no end", LineEnding::CrLf, "no end"},
        {"\n\n", LineEnding::CrLf, "\r\n\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::WithLineEnding(c.text, c.ending), c.expected) << "text: " << c.text;
}

class TextFileTest : public bb::test::SandboxTest {
protected:
    platform::Files& m_files = platform::SystemFiles();
};

TEST_F(TextFileTest, WritesTheAskedLineEndsReadsBothBackAndTruncates) {
    ASSERT_TRUE(m_files.WriteText(At("crlf.txt"), "[General]\nLanguage=english.lng\n", LineEnding::CrLf));
    ASSERT_TRUE(m_files.WriteText(At("lf.txt"), "[General]\nLanguage=english.lng\n", LineEnding::Lf));
    EXPECT_EQ(Read("crlf.txt"), "[General]\r\nLanguage=english.lng\r\n");
    EXPECT_EQ(Read("lf.txt"), "[General]\nLanguage=english.lng\n");
    const Lines expected{"[General]", "Language=english.lng"};
    EXPECT_EQ(m_files.ReadLines(At("crlf.txt")), expected);
    EXPECT_EQ(m_files.ReadLines(At("lf.txt")), expected);

    ASSERT_TRUE(m_files.WriteText(At("crlf.txt"), "new\n", LineEnding::Lf));
    EXPECT_EQ(Read("crlf.txt"), "new\n") << "a shorter text truncates the file";
    EXPECT_EQ(m_files.ReadLines(At("missing.txt")), std::nullopt);
    EXPECT_FALSE(m_files.WriteText(platform::JoinPath(At("no-folder"), "x.txt"), "x", LineEnding::Lf));
}

TEST_F(TextFileTest, AtomicWriteReplacesWholeAndLeavesNothingBehind) {
    WriteFile("Brenvik.ini", "old\n");
    ASSERT_TRUE(m_files.WriteTextAtomically(At("Brenvik.ini"), "one\ntwo\n", LineEnding::CrLf));
    EXPECT_EQ(Read("Brenvik.ini"), "one\r\ntwo\r\n");
    ASSERT_TRUE(m_files.WriteTextAtomically(At("fresh.ini"), "x\n", LineEnding::Lf));
    EXPECT_EQ(Read("fresh.ini"), "x\n");

    auto entries = m_files.List(Folder(), "*");
    ASSERT_TRUE(entries.has_value());
    EXPECT_EQ(entries->size(), 2u) << "a temporary file was left in the folder";
}

TEST_F(TextFileTest, FailedAtomicWriteKeepsTheOldFile) {
    // A folder where the file should be: the rename over it must fail.
    MakeFolder("busy.ini");
    WriteFile(platform::JoinPath("busy.ini", "inside"), "keep");
    EXPECT_FALSE(m_files.WriteTextAtomically(At("busy.ini"), "new\n", LineEnding::Lf));
    EXPECT_TRUE(m_files.IsFolder(At("busy.ini")));
    EXPECT_EQ(m_files.List(Folder(), "*")->size(), 1u) << "the temporary file was not removed";
}

}  // namespace
}  // namespace bb::platform
