#include "settings/LanguageTable.h"

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "res/TextIds.h"
#include "settings/BuiltinTexts.h"
#include "tests/support/Sandbox.h"

namespace bb::settings {

namespace {

using LanguageTableTest = bb::test::SandboxTest;

struct LookupCase {
    const char* name;
    std::optional<std::string> file;  // nothing: no file at all
    int id;
    std::string expected;
};

TEST_F(LanguageTableTest, LooksUpTextsLineByLine) {
    const std::string longText(5000, 'x');
    const LookupCase cases[] = {
        {"comment with the same id is skipped", "#601 Comment\n;601: Also comment\n601: Hello\n", 601, "Hello"},
        {"leading blanks and a tab", "  601:\tHello\n", 601, "Hello"},
        {"text starting with a digit loses it", "601: 4 GB free\n", 601, "GB free"},
        {"line break escape", "601: one\\ntwo\n", 601, "one\ntwo"},
        {"carriage return escape", "601: one\\r\\ntwo\n", 601, "one\r\ntwo"},
        {"other backslashes stay", "601: C:\\temp\\x\n", 601, "C:\\temp\\x"},
        {"first of two lines wins", "601: first\n601: second\n", 601, "first"},
        {"longer id is another id", "6010: no\n60: no\n601: yes\n", 601, "yes"},
        {"line without a number is skipped", "Hello there\n\n601: found\n", 601, "found"},
        {"id with colon but no text", "601:\n601: later\n", 601, ""},
        {"id alone", "601\n601: later\n", 601, ""},
        {"CR LF line ends", "600: a\r\n601: Hello\r\n", 601, "Hello"},
        {"last line without a line end", "600: a\n601: end", 601, "end"},
        {"line longer than any buffer", "601: " + longText + "\n602: next\n", 601, longText},
        {"line after a long line", "600: " + longText + "\n601: next\n", 601, "next"},
        {"byte order mark hides the first line", "\xEF\xBB\xBF" "601: Hello\n", 601, ""},
        {"byte order mark spares the second line", "\xEF\xBB\xBF" "600: a\n601: Hello\n", 601, "Hello"},
        {"missing id in a file", "600: a\n", 601, ""},
        {"no file, an id without a built-in", std::nullopt, res::kTxtNoDvdRoot, ""},
        {"no file, built-in contact link", std::nullopt, res::kTxtContactMail, settings::BuiltinText(res::kTxtContactMail)},
        {"file without the id falls back to the built-in", "600: a\n", res::kTxtSettingsTemplate,
         settings::BuiltinText(res::kTxtSettingsTemplate)},
        {"file overrides a built-in", "652: My own credit\n", res::kTxtNameAndCredit, "My own credit"},
    };
    int n = 0;
    for (const LookupCase& c : cases) {
        std::string path = c.file ? WriteFile("case" + std::to_string(n++) + ".lng", *c.file) : At("missing.lng");
        LanguageTable table;
        EXPECT_EQ(table.SetFile(path), 0) << c.name;
        EXPECT_EQ(table.GetText(c.id), c.expected) << c.name;
    }
}

TEST_F(LanguageTableTest, EveryLookupRereadsTheFile) {
    std::string first = WriteFile("first.lng", "601: old\n");
    std::string second = WriteFile("second.lng", "601: other file\n");
    LanguageTable table(first);
    EXPECT_EQ(table.GetText(601), "old");
    WriteFile("first.lng", "601: edited\n");
    EXPECT_EQ(table.GetText(601), "edited");
    EXPECT_EQ(table.SetFile(second), 0);
    EXPECT_EQ(table.GetFile(), second);
    EXPECT_EQ(table.GetText(601), "other file");
}

TEST_F(LanguageTableTest, FileTextDistinguishesMissingFromEmpty) {
    LanguageTable table(WriteFile("t.lng", "601:\n652: credit \\n\n"));
    EXPECT_EQ(table.GetFileText(601), "");
    EXPECT_EQ(table.GetFileText(652), "credit \\n");
    EXPECT_EQ(table.GetFileText(540), std::nullopt);
    EXPECT_EQ(table.GetText(540), settings::BuiltinText(540));
}

TEST_F(LanguageTableTest, LookupsFromSeveralThreadsWhileThePathChanges) {
    std::string a = WriteFile("a.lng", "601: A\n");
    std::string b = WriteFile("b.lng", "601: B\n");
    LanguageTable table(a);
    std::atomic<int> bad{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t)
        readers.emplace_back([&] {
            for (int i = 0; i < 200; ++i) {
                std::string text = table.GetText(601);
                if (text != "A" && text != "B")
                    ++bad;
            }
        });
    for (int i = 0; i < 200; ++i)
        (void)table.SetFile(i % 2 ? a : b);
    for (std::thread& t : readers)
        t.join();
    EXPECT_EQ(bad.load(), 0);
}

}  // namespace

}  // namespace bb::settings
