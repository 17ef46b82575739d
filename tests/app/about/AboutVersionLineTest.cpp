// The About box's version line with and without a recording library.
#include <gtest/gtest.h>

#include "app/AboutVersionLine.h"

namespace bb::app {

namespace {

TEST(AboutVersionLine, NamesProgramLibraryAndBuild) {
    struct Case {
        const char* name;
        neroapi::VersionReading library;
        const char* expected;
    } cases[] = {
        {"our library", neroapi::ApiVersion{6, 6, 0, 1},
         " Brenvik Burn / Ver. 1.2.1 (API 6.6.0.1) Build Nov  8 2005 "},
        {"another version", neroapi::ApiVersion{7, 0, 12, 345},
         " Brenvik Burn / Ver. 1.2.1 (API 7.0.12.345) Build Nov  8 2005 "},
        {"no library", std::nullopt,
         " Brenvik Burn / Ver. 1.2.1 (API 6.6.0.1, no library loaded) Build Nov  8 2005 "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::AboutVersionLine(c.library, "%s, no library loaded", "Nov  8 2005"), c.expected) << c.name;
    }
}

TEST(AboutVersionLine, ABrokenLanguageTextCannotBreakTheLine) {
    const std::string line = app::AboutVersionLine(std::nullopt, "%d %s %n", "Nov  8 2005");
    EXPECT_EQ(line.rfind(" Brenvik Burn / Ver. 1.2.1 (API ", 0), 0u) << line;
    EXPECT_NE(line.find(") Build Nov  8 2005 "), std::string::npos) << line;
}

}  // namespace

}  // namespace bb::app
