#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>

#include "settings/CtimeText.h"
#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"
#include "tests/settings/SettingsFileFixture.h"

namespace bb::settings {

namespace {

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

TEST_F(SettingsFileTest, MissingFileChangesNothing) {
    BurnSettings settings;
    EXPECT_EQ(LoadSettings(m_path, settings), -1);
    EXPECT_EQ(settings, BurnSettings{});
}

// Every value survives a save and a load into a record that starts with
// different values, so each key is known to have been read.
TEST_F(SettingsFileTest, ValuesRoundTrip) {
    BurnSettings other;
    other.device = "other";
    other.mediaType = 7;
    other.fsFlags = 0x7;
    other.burnFlags = 0x1;
    other.moreFlags = 0x7;
    other.speed = 42;
    other.language = "other.lng";
    other.successWave = other.errorWave = other.defaultSourceDir = "other";
    other.enableAudio = 9;
    other.limitCd = other.limitDvd = other.limitCdRed = other.limitDvdRed = 1;

    std::vector<std::pair<const char*, BurnSettings>> cases;
    cases.push_back({"defaults", BurnSettings{}});
    BurnSettings s;
    s.burnFlags = 0x80008040;
    s.speed = 99;
    cases.push_back({"no overwrite question", s});
    s = BurnSettings{};
    s.burnFlags = 0x4040;
    s.fsFlags = 0x1B;
    s.mediaType = 1;
    cases.push_back({"book type, CD", s});
    s = BurnSettings{};
    s.device = "  HL-DT-ST DVDRAM GSA-4163B  ";
    s.defaultSourceDir = "C:\\Filme\\100% %s %d %n";
    s.successWave = "/home/u/%x%%done.wav";
    s.errorWave = "D:\\50%\\oops.WAV";
    s.language = "deutsch.lng";
    s.enableAudio = 1;
    s.fsFlags = 0;
    s.moreFlags = 0x7;
    s.limitCd = -5;
    s.limitDvd = 0;
    s.limitCdRed = 2147483647;
    s.limitDvdRed = -2147483647 - 1;
    cases.push_back({"percent signs, blanks, extreme limits", s});

    for (const auto& [name, settings] : cases) {
        ASSERT_TRUE(SaveSettings(m_path, settings, m_builtinTexts, std::time(nullptr))) << name;
        BurnSettings loaded = other;
        ASSERT_EQ(LoadSettings(m_path, loaded), 0) << name;
        EXPECT_EQ(loaded, settings) << name << "\n" << Read();
    }
}

struct ReadCase {
    const char* name;
    std::string content;
    std::function<void(BurnSettings&)> expect;  // applied to the defaults
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

const std::string kLongValue(300, 'v');

const ReadCase kReadCases[] = {
    {"LfEnds", "Speed: 3\nLanguage: x.lng\nBurnFlags: 4040\n",
     [](BurnSettings& s) {
         s.speed = 3;
         s.language = "x.lng";
         s.burnFlags = 0x4040;
     }},
    {"CrLfEnds", "Speed: 3\r\nLanguage: x.lng\r\nBurnFlags: 4040\r\n",
     [](BurnSettings& s) {
         s.speed = 3;
         s.language = "x.lng";
         s.burnFlags = 0x4040;
     }},
    {"LastLineWithoutEnd", "Speed: 3\r\nLanguage: x.lng", [](BurnSettings& s) {
         s.speed = 3;
         s.language = "x.lng";
     }},
    {"KeyWithoutItsBlankIsIgnored", "DefaultSourceDir:/dvd\nSpeed:4\n", [](BurnSettings&) {}},
    {"KeysAreCaseSensitive", "speed: 4\nDEVICE: x\n", [](BurnSettings&) {}},
    {"TabsAndLineEndsLeaveTheSourceDir", "DefaultSourceDir: C:\\my\tdvd\t\r\n",
     [](BurnSettings& s) { s.defaultSourceDir = "C:\\mydvd"; }},
    {"TextValuesKeepTheirBlanks", "Device:  two blanks \nErrorWave: \t/a b.wav \n",
     [](BurnSettings& s) {
         s.device = " two blanks ";
         s.errorWave = "\t/a b.wav ";
     }},
    {"CommentLinesAreSkipped", "# Speed: 3\n#Device: x\n", [](BurnSettings&) {}},
    {"LaterValueWins", "Speed: 3\nSpeed: 5\n", [](BurnSettings& s) { s.speed = 5; }},
    {"DecimalAsAtoi", "Speed: abc\nMediaType:   -1x\nLimitCD: +12MB\nLimitDVD: 99999999999\n",
     [](BurnSettings& s) {
         s.speed = 0;
         s.mediaType = -1;
         s.limitCd = 12;
         s.limitDvd = 2147483647;
     }},
    {"HexadecimalAsStrtol", "FSFlags: 0x1b\nBurnFlags: -1\nMoreFlags: zz\n",
     [](BurnSettings& s) {
         s.fsFlags = 0x1B;
         s.burnFlags = 0xFFFFFFFF;
         s.moreFlags = 0;
     }},
    {"HexadecimalSaturatesAt32Bits", "FSFlags: FFFFFFFF\nBurnFlags: 123456789\n",
     [](BurnSettings& s) {
         s.fsFlags = 0x7FFFFFFF;
         s.burnFlags = 0xFFFFFFFF;
     }},
    // Lines are read in pieces of 254 characters, each taken as a line.
    {"PieceAfterLongCommentIsALine", "#" + std::string(253, 'x') + "Speed: 7\n",
     [](BurnSettings& s) { s.speed = 7; }},
    {"LongValueIsCutAtThePiece", "Language: " + kLongValue + "\n",
     [](BurnSettings& s) { s.language = kLongValue.substr(0, 244); }},
};

class SettingsReadTest : public SettingsFileTest,
                         public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SettingsReadTest, Reads) {
    Write(GetParam().content);
    BurnSettings expected;
    GetParam().expect(expected);
    BurnSettings loaded;
    ASSERT_EQ(LoadSettings(m_path, loaded), 0);
    EXPECT_EQ(loaded, expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, SettingsReadTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A language file may word the header differently; the keys stay readable.
TEST_F(SettingsFileTest, TemplateComesFromTheLanguageFile) {
    const std::string lng = (Root() / "mini.lng").string();
    std::ofstream(lng, std::ios::binary)
        << "566: ; Einstellungen vom %s\\nDevice: %s\\nMediaType: %d\\nFSFlags: %X\\n"
           "BurnFlags: %X\\nMoreFlags: %X\\nSpeed: %d\\nLanguage: %s\\nSuccessWave: %s\\n"
           "ErrorWave: %s\\nEnableAudio: %d\\nLimitCD: %d\\nLimitDVD: %d\\nLimitCDRed: %d\\n"
           "LimitDVDRed: %d\\nDefaultSourceDir: %s\\n\n";
    LanguageTable texts(lng);
    BurnSettings s;
    s.device = "Rec";
    s.speed = 2;
    ASSERT_TRUE(SaveSettings(m_path, s, texts, std::time(nullptr)));
    EXPECT_EQ(Read().rfind("; Einstellungen vom ", 0), 0u) << Read();
    BurnSettings loaded;
    ASSERT_EQ(LoadSettings(m_path, loaded), 0);
    EXPECT_EQ(loaded, s);
}

TEST_F(SettingsFileTest, MissingFolderFailsTheSave) {
    EXPECT_FALSE(SaveSettings((Root() / "gone" / "Brenvik.ini").string(), BurnSettings{},
                              m_builtinTexts, std::time(nullptr)));
}

TEST(CtimeTextTest, MatchesTheRuntimeForm) {
    std::tm t{};
    t.tm_wday = 0;
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
    for (size_t blank : {3, 7, 10, 19})
        EXPECT_EQ(now[blank], ' ') << now;
    EXPECT_NE(now[8], '0') << now;
    EXPECT_EQ(now.back(), '\n');
}

}  // namespace

}  // namespace bb::settings
