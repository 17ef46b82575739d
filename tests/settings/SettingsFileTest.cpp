#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "settings/CtimeText.h"
#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"
#include "tests/settings/SettingsFileFixture.h"

namespace bb::settings {

namespace {

// The defaults with some values changed.
template <typename Change>
BurnSettings With(Change change) {
    BurnSettings s;
    change(s);
    return s;
}

TEST_F(SettingsFileTest, DefaultsAreWrittenByteForByte) {
    ASSERT_TRUE(SaveSettings(m_path, BurnSettings{}, m_builtinTexts, std::time(nullptr)));
    const std::string bytes = Read();
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
        {"no overwrite question", With([](BurnSettings& s) { s.burnFlags = 0x80008040; s.speed = 99; })},
        {"book type, CD", With([](BurnSettings& s) { s.mediaType = 1; s.fsFlags = 0x1B; s.burnFlags = 0x4040; })},
        {"percent signs, blanks, extreme limits",
         {"  HL-DT-ST DVDRAM GSA-4163B  ", 0, 0, 0x8040, 0x7, -1, "deutsch.lng", "/home/u/%x%%done.wav",
          "D:\\50%\\oops.WAV", 1, -5, 0, 2147483647, -2147483647 - 1, "C:\\Filme\\100% %s %d %n"}},
    };
    for (const auto& [name, settings] : cases) {
        ASSERT_TRUE(SaveSettings(m_path, settings, m_builtinTexts, std::time(nullptr))) << name;
        BurnSettings loaded = other;
        ASSERT_EQ(LoadSettings(m_path, loaded), 0) << name;
        EXPECT_EQ(loaded, settings) << name << "\n" << Read();
    }
}

TEST_F(SettingsFileTest, ReadsLineByLine) {
    const std::string longValue(300, 'v');
    const struct {
        const char* name;
        std::string content;
        BurnSettings expected;
    } cases[] = {
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
        Write(c.content);
        BurnSettings loaded;
        EXPECT_EQ(LoadSettings(m_path, loaded), 0) << c.name;
        EXPECT_EQ(loaded, c.expected) << c.name;
    }
}

// A language file may word the header differently; the keys stay readable.
TEST_F(SettingsFileTest, TemplateComesFromTheLanguageFile) {
    const std::string lng = (Root() / "mini.lng").string();
    std::ofstream(lng, std::ios::binary)
        << "566: ; Einstellungen vom %s\\nDevice: %s\\nMediaType: %d\\nFSFlags: %X\\n"
           "BurnFlags: %X\\nMoreFlags: %X\\nSpeed: %d\\nLanguage: %s\\nSuccessWave: %s\\n"
           "ErrorWave: %s\\nEnableAudio: %d\\nLimitCD: %d\\nLimitDVD: %d\\nLimitCDRed: %d\\n"
           "LimitDVDRed: %d\\nDefaultSourceDir: %s\\n\n";
    const BurnSettings s = With([](BurnSettings& s) { s.device = "Rec"; s.speed = 2; });
    ASSERT_TRUE(SaveSettings(m_path, s, LanguageTable(lng), std::time(nullptr)));
    EXPECT_EQ(Read().rfind("; Einstellungen vom ", 0), 0u) << Read();
    BurnSettings loaded;
    ASSERT_EQ(LoadSettings(m_path, loaded), 0);
    EXPECT_EQ(loaded, s);
}

TEST_F(SettingsFileTest, MissingFileChangesNothingAndAMissingFolderFailsTheSave) {
    BurnSettings settings;
    EXPECT_EQ(LoadSettings(m_path, settings), -1);
    EXPECT_EQ(settings, BurnSettings{});
    EXPECT_FALSE(SaveSettings((Root() / "gone" / "Brenvik.ini").string(), BurnSettings{}, m_builtinTexts,
                              std::time(nullptr)));
}

TEST(CtimeTextTest, MatchesTheRuntimeForm) {
    std::tm t{};
    t.tm_mon = 11;
    t.tm_mday = 6;
    t.tm_hour = 20;
    t.tm_min = 9;
    t.tm_sec = 4;
    t.tm_year = 126;
    EXPECT_EQ(CtimeText(t), "Sun Dec  6 20:09:04 2026\n");
    t.tm_mday = 16;
    EXPECT_EQ(CtimeText(t), "Sun Dec 16 20:09:04 2026\n");
    // The day is padded with a blank on every platform (the Windows runtime
    // pads with a zero).
    const std::string now = CtimeText(std::time(nullptr));
    ASSERT_EQ(now.size(), 25u) << now;
    for (size_t blank : {3, 7, 10, 19}) EXPECT_EQ(now[blank], ' ') << now;
    EXPECT_NE(now[8], '0') << now;
    EXPECT_EQ(now.back(), '\n');
}

}  // namespace

}  // namespace bb::settings
