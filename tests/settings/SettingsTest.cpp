// The settings file, the settings holders, the language table and the
// language files shipped in lang/.
#include "framework/CheckedFormat.h"
#include "res/TextIds.h"
#include "settings/AudioSettings.h"
#include "settings/BuiltinTexts.h"
#include "settings/CtimeText.h"
#include "settings/FsFlagsSettings.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransfer.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace bb::settings {
namespace {

// A sandbox holding the settings file of one test.
class SettingsFileTest : public bb::test::SandboxTest {
protected:
    std::string m_path = At(kSettingsFileName);
    LanguageTable m_builtinTexts;  // no language file: the built-in template
};

// The defaults with some values changed.
template <typename Change>
BurnSettings With(Change change) {
    BurnSettings s;
    change(s);
    return s;
}

TEST_F(SettingsFileTest, DefaultsAreWrittenByteForByte) {
    ASSERT_TRUE(SaveSettings(m_path, BurnSettings{}, m_builtinTexts, std::time(nullptr)));
    const std::string bytes = Read(kSettingsFileName);
    const std::string hashes(54, '#');
    const std::string header = hashes + "\r\n# Brenvik ini file, created: ";
    ASSERT_EQ(bytes.compare(0, header.size(), header), 0) << bytes;
    // ctime's 24 characters, then the line end.
    const size_t timeEnd = header.size() + 24;
    ASSERT_EQ(bytes.compare(timeEnd, 2, "\r\n"), 0) << bytes;
    EXPECT_EQ(bytes.substr(timeEnd + 2),
              hashes +
                  "\r\nDevice: \r\nMediaType: 0\r\nFSFlags: 58\r\nBurnFlags: 8040\r\nMoreFlags: 0\r\n"
                  "Speed: -1\r\nLanguage: \r\nSuccessWave: \r\nErrorWave: \r\nEnableAudio: 0\r\n"
                  "LimitCD: 650\r\nLimitDVD: 4482\r\nLimitCDRed: 700\r\nLimitDVDRed: 8106\r\n"
                  "DefaultSourceDir: \r\n");
}

// Every value survives a save and a load into a record that starts with
// different values, so each key is known to have been read.
TEST_F(SettingsFileTest, ValuesRoundTrip) {
    const BurnSettings other{"other", 7, 0x7, 0x1, 0x7, 42, "other.lng", "other", "other", 9, 1, 1, 1, 1, "other"};
    const std::pair<const char*, BurnSettings> cases[] = {
        {"defaults", {}},
        {"percent signs, blanks, extreme limits",
         {"  HL-DT-ST DVDRAM GSA-4163B  ", 0, 0, 0x8040, 0x7, -1, "deutsch.lng", "/home/u/%x%%done.wav",
          "D:\\50%\\oops.WAV", 1, -5, 0, 2147483647, -2147483647 - 1, "C:\\Filme\\100% %s %d %n"}},
    };
    for (const auto& [name, settings] : cases) {
        ASSERT_TRUE(SaveSettings(m_path, settings, m_builtinTexts, std::time(nullptr))) << name;
        BurnSettings loaded = other;
        ASSERT_EQ(LoadSettings(m_path, loaded), 0) << name;
        EXPECT_EQ(loaded, settings) << name << "\n" << Read(kSettingsFileName);
    }
}

TEST_F(SettingsFileTest, ReadsLineByLine) {
    const std::string longValue(300, 'v');
    const struct { const char* name; std::string content; BurnSettings expected; } cases[] = {
        {"LF ends", "Speed: 3\nLanguage: x.lng\nBurnFlags: 4040\n",
         With([](BurnSettings& s) { s.burnFlags = 0x4040; s.speed = 3; s.language = "x.lng"; })},
        {"CR LF ends", "Speed: 3\r\nLanguage: x.lng\r\nBurnFlags: 4040\r\n",
         With([](BurnSettings& s) { s.burnFlags = 0x4040; s.speed = 3; s.language = "x.lng"; })},
        {"last line without an end", "Speed: 3\r\nLanguage: x.lng",
         With([](BurnSettings& s) { s.speed = 3; s.language = "x.lng"; })},
        {"key without its blank is ignored", "DefaultSourceDir:/dvd\nSpeed:4\n", {}},
        {"keys are case-sensitive", "speed: 4\nDEVICE: x\n", {}},
        {"tabs and line ends leave the source dir", "DefaultSourceDir: C:\\my\tdvd\t\r\n",
         With([](BurnSettings& s) { s.defaultSourceDir = "C:\\mydvd"; })},
        {"text values keep their blanks", "Device:  two blanks \nErrorWave: \t/a b.wav \n",
         With([](BurnSettings& s) { s.device = " two blanks "; s.errorWave = "\t/a b.wav "; })},
        {"comment lines are skipped", "# Speed: 3\n#Device: x\n", {}},
        {"later value wins", "Speed: 3\nSpeed: 5\n", With([](BurnSettings& s) { s.speed = 5; })},
        {"decimals as atoi", "Speed: abc\nMediaType:   -1x\nLimitCD: +12MB\nLimitDVD: 99999999999\n",
         With([](BurnSettings& s) { s.mediaType = -1; s.speed = 0; s.limitCd = 12; s.limitDvd = 2147483647; })},
        {"hexadecimal as strtol", "FSFlags: 0x1b\nBurnFlags: -1\nMoreFlags: zz\n",
         With([](BurnSettings& s) { s.fsFlags = 0x1B; s.burnFlags = 0xFFFFFFFF; s.moreFlags = 0; })},
        {"hexadecimal saturates at 32 bits", "FSFlags: FFFFFFFF\nBurnFlags: 123456789\n",
         With([](BurnSettings& s) { s.fsFlags = 0x7FFFFFFF; s.burnFlags = 0xFFFFFFFF; })},
        // Lines are read in pieces of 254 characters, each taken as a line.
        {"piece after a long comment is a line", "#" + std::string(253, 'x') + "Speed: 7\n",
         With([](BurnSettings& s) { s.speed = 7; })},
        {"long value is cut at the piece", "Language: " + longValue + "\n",
         With([&](BurnSettings& s) { s.language = longValue.substr(0, 244); })},
    };
    for (const auto& c : cases) {
        WriteFile(kSettingsFileName, c.content);
        BurnSettings loaded;
        EXPECT_EQ(LoadSettings(m_path, loaded), 0) << c.name;
        EXPECT_EQ(loaded, c.expected) << c.name;
    }
}

// The day is padded with a blank on every platform (the Windows runtime pads
// with a zero).
TEST(CtimeTextTest, MatchesTheRuntimeForm) {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 6, t.tm_hour = 20, t.tm_min = 9, t.tm_sec = 4;
    EXPECT_EQ(CtimeText(t), "Sun Dec  6 20:09:04 2026\n");
    t.tm_mday = 16;
    EXPECT_EQ(CtimeText(t), "Sun Dec 16 20:09:04 2026\n");
}

class HoldersTest : public ::testing::Test {
protected:
    LanguageTable m_texts;
    CFsFlagsSettings m_fs{m_texts};
    COtherSettings m_other{m_texts};
    CAudioSettings m_audio{m_texts};
};

TEST_F(HoldersTest, BurnFlagsCarryTheBookTypeAsTwoStatesMoreFlagsThreeBits) {
    const struct { uint32_t set, get; } cases[] = {
        {0x8040, 0x8040}, {0x4042, 0x4042}, {0x40, 0x8040},     {0x80008040, 0x80008040},
        {0x4040, 0x4040}, {0xC000, 0x4000}, {0xFFFFFFFF, 0x80004642}, {0, 0x8000},
    };
    for (const auto& c : cases) {
        m_other.SetBurnFlags(c.set);
        EXPECT_EQ(m_other.GetBurnFlags(), c.get) << std::hex << c.set;
    }
    m_other.SetMoreFlags(0xFF);
    EXPECT_EQ(m_other.GetMoreFlags(), 0x7u);
}

TEST_F(HoldersTest, JobSoundNeedsAudioOnAndAWavExtension) {
    const struct { int enabled; const char* success; const char* error; int result; const char* plays; } cases[] = {
        {0, "/s/ok.wav", "/s/bad.wav", 0, ""},          {0, "/s/ok.wav", "/s/bad.wav", 3, ""},
        {1, "/s/ok.wav", "/s/bad.WAV", 0, "/s/ok.wav"}, {1, "/s/ok.wav", "/s/bad.WAV", -1, "/s/bad.WAV"},
        {1, "/s/ok.mp3", "", 0, ""},                    {1, "/my.sounds/done", "", 0, ""},
        {1, "", "", 0, ""},
    };
    for (const auto& c : cases) {
        m_audio.SetAudioEnabled(c.enabled);
        m_audio.SetSuccessWave(c.success);
        m_audio.SetErrorWave(c.error);
        EXPECT_EQ(m_audio.SoundForJobResult(c.result), c.plays) << c.success << " " << c.result;
    }
}

// Reallocation (FSFlags 0x40) is the window's, the other four bits the
// holder's; a media type other than 0 and 1 is CD everywhere.
TEST_F(HoldersTest, TransferSplitsTheFileSystemFlagsAndTakesOddMediaAsCd) {
    MainWindowSettings window;
    const SettingsHolders holders{window, m_fs, m_other, m_audio};
    EXPECT_EQ(CollectSettings(holders), BurnSettings{});

    BurnSettings file;
    file.fsFlags = 0x40;
    DistributeSettings(file, holders);
    EXPECT_EQ(window.reallocate, 1);
    EXPECT_EQ(m_fs.GetFlags(), 0);
    m_fs.SetFlags(0x5B);
    EXPECT_EQ(m_fs.GetFlags(), 0x1B);
    m_fs.m_bJoliet = 2;  // only the value 1 counts
    EXPECT_EQ(m_fs.GetFlags(), 0x1A);

    const std::pair<int, int> mediaTypes[] = {{0, 0}, {1, 1}, {2, 1}, {-1, 1}};
    for (const auto& [stored, held] : mediaTypes) {
        file.mediaType = stored;
        DistributeSettings(file, holders);
        EXPECT_EQ(window.mediaType, held) << stored;
    }
}

using LanguageTableTest = bb::test::SandboxTest;

struct LookupCase { const char* name; std::string file; int id; std::string expected; };

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
        {"file without the id falls back to the built-in", "600: a\n", res::kTxtSettingsTemplate,
         settings::BuiltinText(res::kTxtSettingsTemplate)},
        {"file overrides a built-in", "652: My own credit\n", res::kTxtNameAndCredit, "My own credit"},
    };
    int n = 0;
    for (const LookupCase& c : cases) {
        LanguageTable table(WriteFile("case" + std::to_string(n++) + ".lng", c.file));
        EXPECT_EQ(table.GetText(c.id), c.expected) << c.name;
    }
}

// Every lookup rereads the file; a text the file holds empty is no missing one.
TEST_F(LanguageTableTest, EveryLookupRereadsTheFile) {
    std::string first = WriteFile("first.lng", "601: old\n");
    std::string second = WriteFile("second.lng", "601:\n652: credit \\n\n");
    LanguageTable table(first);
    EXPECT_EQ(table.GetText(601), "old");
    WriteFile("first.lng", "601: edited\n");
    EXPECT_EQ(table.GetText(601), "edited");
    EXPECT_EQ(table.SetFile(second), 0);
    EXPECT_EQ(table.GetFile(), second);
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

// Every language file shipped in lang/ against the texts the program uses.
// inRepository: else the copy the build put beside the program
struct LanguageFile { std::string path; bool inRepository; };

void PrintTo(const LanguageFile& file, std::ostream* out) { *out << file.path; }

// The repository's files, and the copies in the program folder once the
// build has made them (converted to Windows-1252 in the Windows build).
std::vector<LanguageFile> LanguageFilesToCheck() {
    std::vector<LanguageFile> files;
    const std::pair<std::filesystem::path, bool> folders[] = {{BB_SOURCE_DIR "/lang", true}, {BB_PROGRAM_DIR, false}};
    for (const auto& [folder, inRepository] : folders) {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
            if (entry.path().extension() == ".lng") files.push_back({entry.path().string(), inRepository});
    }
    return files;
}

// The lines of a settings template that the settings reader matches (the
// comment lines are free to translate).
std::vector<std::string> KeyLines(const std::string& tmpl) {
    std::vector<std::string> keys;
    std::istringstream lines(tmpl);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#')
            keys.push_back(line);
    return keys;
}

class ShippedLanguageFile : public ::testing::TestWithParam<LanguageFile> {};

TEST_P(ShippedLanguageFile, CarriesEveryTextWithTheProgramsConversions) {
    const std::string path = GetParam().path;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(bytes.empty()) << path;
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "a byte order mark hides the first line";

    LanguageTable table(path);
    for (const res::TextIdSignature& entry : res::kTextIdTable) {
        if (!table.GetFileText(entry.id)) {
            ADD_FAILURE() << "text " << entry.id << " missing";
            continue;
        }
        const std::string text = table.GetText(entry.id);
        EXPECT_FALSE(text.empty()) << "text " << entry.id;
        // A text without arguments is shown as it stands, so a percent sign
        // would read differently wherever a caller formats it.
        std::string problem;
        const std::optional<std::string> kinds = framework::ArgumentKinds(text, &problem);
        if (*entry.args == '\0')
            EXPECT_EQ(text.find('%'), std::string::npos) << "text " << entry.id << ": " << text;
        else
            EXPECT_EQ(kinds.value_or(problem), framework::ArgumentKinds(entry.args).value_or("?"))
                << "text " << entry.id << ": " << text;
    }
}

TEST_P(ShippedLanguageFile, SettingsTemplateKeepsTheKeys) {
    LanguageTable table(GetParam().path);
    EXPECT_EQ(KeyLines(table.GetText(res::kTxtSettingsTemplate)), KeyLines(settings::BuiltinText(res::kTxtSettingsTemplate)));
}

INSTANTIATE_TEST_SUITE_P(Lang, ShippedLanguageFile, ::testing::ValuesIn(LanguageFilesToCheck()),
                         [](const ::testing::TestParamInfo<LanguageFile>& info) {
                             std::string stem = std::filesystem::path(info.param.path).stem().string();
                             return stem + (info.param.inRepository ? "" : "_installed");
                         });

// The ids are written by hand: two texts on one id would show one of them
// where the other belongs.
TEST(TextIdTable, IdsAreInRangeAndUsedOnce) {
    std::set<int> seen;
    for (const res::TextIdSignature& entry : res::kTextIdTable) {
        EXPECT_TRUE(entry.id >= 500 && entry.id <= 899) << entry.id;
        EXPECT_TRUE(seen.insert(entry.id).second) << entry.id << " twice";
    }
}

#ifndef _WIN32
// A full disk is simulated with a file size limit, which only POSIX has.
// A full disk during a save must not cost the user the settings they had.
TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFile) {
    const std::string old = "Speed: 3\r\n";
    WriteFile(kSettingsFileName, old);
    BurnSettings big;
    big.defaultSourceDir = std::string(4096, 'd');

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;  // the file system "fills up" after 1 KiB
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = SaveSettings(m_path, big, m_builtinTexts, std::time(nullptr));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(Read(kSettingsFileName), old);
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Root()),
                            std::filesystem::directory_iterator()),
              1);
}
#endif

}  // namespace
}  // namespace bb::settings
