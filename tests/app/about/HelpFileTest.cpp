// Which help file the Help command opens for each language file.
#include <gtest/gtest.h>

#include <set>

#include "app/HelpFile.h"
#include "platform/Paths.h"

namespace bb::app {

namespace {

TEST(HelpFile, NamedAfterTheLanguageFileElseEnglish) {
    const std::string dir = platform::JoinPath("prog", "dir");
    auto in = [&](const char* name) { return platform::JoinPath(dir, name); };
    struct Case {
        const char* languageFile;
        std::set<std::string> present;
        std::string path;
        bool exists;
    } cases[] = {
        {"english.lng", {"english.chm"}, "english.chm", true},
        {"deutsch.lng", {"deutsch.chm", "english.chm"}, "deutsch.chm", true},
        {"deutsch.lng", {"english.chm"}, "english.chm", true},
        {"my.lang.lng", {"my.lang.chm", "english.chm"}, "my.lang.chm", true},
        {"my.lang.lng", {"my.chm", "english.chm"}, "english.chm", true},
        {"noext", {"noext.chm"}, "noext.chm", true},
        {"francais.lng", {"deutsch.chm"}, "english.chm", false},
        {"", {".chm"}, "english.chm", false},
    };
    for (const Case& c : cases) {
        std::set<std::string> files;
        for (const std::string& name : c.present)
            files.insert(in(name.c_str()));
        const app::HelpChoice choice =
            app::ChooseHelpFile(dir, c.languageFile, [&](const std::string& p) { return files.count(p) > 0; });
        EXPECT_EQ(choice.path, in(c.path.c_str())) << c.languageFile;
        EXPECT_EQ(choice.exists, c.exists) << c.languageFile;
        EXPECT_EQ(choice.command, "hh.exe " + in(c.path.c_str())) << c.languageFile;
    }
}

}  // namespace

}  // namespace bb::app
