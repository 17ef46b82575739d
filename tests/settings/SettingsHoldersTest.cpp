#include <gtest/gtest.h>

#include <utility>

#include "settings/AudioSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/LanguageTable.h"
#include "settings/OtherSettings.h"
#include "settings/SettingsTransfer.h"
#include "settings/StartupChoices.h"

namespace {

class HoldersTest : public ::testing::Test {
protected:
    LanguageTable texts_;
    CFsFlagsSettings fs_{texts_};
    COtherSettings other_{texts_};
    CAudioSettings audio_{texts_};
};

TEST_F(HoldersTest, BurnFlagsCarryTheBookTypeAsTwoStatesMoreFlagsThreeBits) {
    const struct {
        uint32_t set, get;
    } cases[] = {
        {0x8040, 0x8040}, {0x4042, 0x4042}, {0x40, 0x8040},     {0x80008040, 0x80008040},
        {0x4040, 0x4040}, {0xC000, 0x4000}, {0xFFFFFFFF, 0x80004642}, {0, 0x8000},
    };
    for (const auto& c : cases) {
        other_.SetBurnFlags(c.set);
        EXPECT_EQ(other_.GetBurnFlags(), c.get) << std::hex << c.set;
    }
    other_.SetBurnFlags(0x80008040);
    EXPECT_TRUE(other_.m_bNoOverwriteQuestion && other_.m_bBurnProof);
    other_.SetMoreFlags(0xFF);
    EXPECT_EQ(other_.GetMoreFlags(), 0x7u);
    other_.SetMoreFlags(0x2);
    EXPECT_EQ(other_.m_bLabel16 * 4 + other_.m_bForceShutdown * 2 + other_.m_bIgnoreSourceSize, 4);
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
        audio_.SetAudioEnabled(c.enabled);
        audio_.SetSuccessWave(c.success);
        audio_.SetErrorWave(c.error);
        EXPECT_EQ(audio_.SoundForJobResult(c.result), c.plays) << c.success << " " << c.result;
    }
    EXPECT_FALSE(CAudioSettings::IsPlayablePreview("a.wa"));
    EXPECT_TRUE(CAudioSettings::IsPlayablePreview("a.mp3"));
}

TEST_F(HoldersTest, TransferRoundTripsThroughTheHolders) {
    MainWindowSettings window;
    const SettingsHolders holders{window, fs_, other_, audio_};
    EXPECT_EQ(CollectSettings(holders), BurnSettings{});

    // FSFlags 0x1B: reallocation off.
    BurnSettings file{"Rec", 1, 0x1B, 0x80004642, 0x5, 2, "deutsch.lng", "a.wav", "b.wav", 1, 1, 2, 3, 4, "/dvd"};
    DistributeSettings(file, holders);
    EXPECT_EQ(window.reallocate, 0);
    EXPECT_EQ(fs_.GetFlags(), 0x1B);
    EXPECT_EQ(CollectSettings(holders), file);

    file.fsFlags = 0x40;
    DistributeSettings(file, holders);
    EXPECT_EQ(window.reallocate, 1);
    EXPECT_EQ(fs_.GetFlags(), 0);
    // Reallocation is the window's: the holder keeps the four file system bits.
    fs_.SetFlags(0x5B);
    EXPECT_EQ(fs_.GetFlags(), 0x1B);
    fs_.m_bJoliet = 2;  // only the value 1 counts
    EXPECT_EQ(fs_.GetFlags(), 0x1A);

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
