#include <gtest/gtest.h>

#include <utility>

#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"
#include "settings/SettingsTransfer.h"
#include "settings/StartupChoices.h"

namespace bb::settings {

namespace {

class HoldersTest : public ::testing::Test {
protected:
    LanguageTable m_texts;
    CFsFlagsSettings m_fs{m_texts};
    COtherSettings m_other{m_texts};
    CAudioSettings m_audio{m_texts};
};

TEST_F(HoldersTest, BurnFlagsCarryTheBookTypeAsTwoStatesMoreFlagsThreeBits) {
    const struct {
        uint32_t set, get;
    } cases[] = {
        {0x8040, 0x8040}, {0x4042, 0x4042}, {0x40, 0x8040},     {0x80008040, 0x80008040},
        {0x4040, 0x4040}, {0xC000, 0x4000}, {0xFFFFFFFF, 0x80004642}, {0, 0x8000},
    };
    for (const auto& c : cases) {
        m_other.SetBurnFlags(c.set);
        EXPECT_EQ(m_other.GetBurnFlags(), c.get) << std::hex << c.set;
    }
    m_other.SetBurnFlags(0x80008040);
    EXPECT_TRUE(m_other.m_bNoOverwriteQuestion && m_other.m_bBurnProof);
    m_other.SetMoreFlags(0xFF);
    EXPECT_EQ(m_other.GetMoreFlags(), 0x7u);
    m_other.SetMoreFlags(0x2);
    EXPECT_EQ(m_other.m_bLabel16 * 4 + m_other.m_bForceShutdown * 2 + m_other.m_bIgnoreSourceSize, 4);
}

TEST_F(HoldersTest, JobSoundNeedsAudioOnAndAWavExtension) {
    const struct {
        int enabled;
        const char* success;
        const char* error;
        int result;
        const char* plays;
    } cases[] = {
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
    EXPECT_FALSE(CAudioSettings::IsPlayablePreview("a.wa"));
    EXPECT_TRUE(CAudioSettings::IsPlayablePreview("a.mp3"));
}

TEST_F(HoldersTest, TransferRoundTripsThroughTheHolders) {
    MainWindowSettings window;
    const SettingsHolders holders{window, m_fs, m_other, m_audio};
    EXPECT_EQ(CollectSettings(holders), BurnSettings{});

    // FSFlags 0x1B: reallocation off.
    BurnSettings file{"Rec", 1, 0x1B, 0x80004642, 0x5, 2, "deutsch.lng", "a.wav", "b.wav", 1, 1, 2, 3, 4, "/dvd"};
    DistributeSettings(file, holders);
    EXPECT_EQ(window.reallocate, 0);
    EXPECT_EQ(m_fs.GetFlags(), 0x1B);
    EXPECT_EQ(CollectSettings(holders), file);

    file.fsFlags = 0x40;
    DistributeSettings(file, holders);
    EXPECT_EQ(window.reallocate, 1);
    EXPECT_EQ(m_fs.GetFlags(), 0);
    // Reallocation is the window's: the holder keeps the four file system bits.
    m_fs.SetFlags(0x5B);
    EXPECT_EQ(m_fs.GetFlags(), 0x1B);
    m_fs.m_bJoliet = 2;  // only the value 1 counts
    EXPECT_EQ(m_fs.GetFlags(), 0x1A);

    // A media type other than 0 and 1 is CD everywhere.
    const std::pair<int, int> mediaTypes[] = {{0, 0}, {1, 1}, {2, 1}, {-1, 1}};
    for (const auto& [stored, held] : mediaTypes) {
        file.mediaType = stored;
        DistributeSettings(file, holders);
        EXPECT_EQ(window.mediaType, held) << stored;
    }
}

TEST(StartupChoicesTest, LanguageFileFallback) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "english.lng"}, {"a.lg", "english.lng"}, {"x.lng", "x.lng"}};
    for (const auto& [chosen, used] : cases)
        EXPECT_EQ(EffectiveLanguageFile(chosen), used) << chosen;
}

}  // namespace

}  // namespace bb::settings
