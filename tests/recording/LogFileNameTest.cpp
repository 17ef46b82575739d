#include "recording/LogFile.h"

#include <gtest/gtest.h>

#include <string>

namespace bb::recording {

namespace {

// The desktop log is named after the label, which may be a refused one.
TEST(LogFileName, LabelBecomesAFileNameEverySystemCanCreate) {
    const struct {
        const char* label;
        const char* file;
    } cases[] = {
        {"MY_MOVIE_2005", "MY_MOVIE_2005"},
        {"HELLO!", "HELLO!"},
        {"A/B\\C:D", "A_B_C_D"},
        {"*?\"<>|", "______"},
        {"TAB\tEND", "TAB_END"},
        {"", "NO_NAME"},
        {"CON", "_CON"},
        {"nul", "_nul"},
        {"COM1", "_COM1"},
        {"LPT9", "_LPT9"},
        {"COM0", "COM0"},
        {"CONSOLE", "CONSOLE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recording::LogFileBaseName(c.label), c.file) << c.label;
        EXPECT_EQ(recording::DesktopLogPath("D", c.label, '\\'), std::string("D\\") + c.file + ".log") << c.label;
    }
}

}  // namespace

}  // namespace bb::recording
