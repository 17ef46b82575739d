#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

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

TEST_F(HoldersTest, FsFlagsPresetsAndValues) {
    const struct {
        const char* steps;
        std::function<void(CFsFlagsSettings&)> run;
        int32_t flags;
    } cases[] = {
        {"fresh", [](CFsFlagsSettings&) {}, 0x18},
        {"0x1B then DVD", [](CFsFlagsSettings& f) { f.SetFlags(0x1B); f.ApplyDvdPreset(); }, 0x18},
        {"0x1B then CD", [](CFsFlagsSettings& f) { f.SetFlags(0x1B); f.ApplyCdPreset(); }, 0x1A},
        {"CD then DVD", [](CFsFlagsSettings& f) { f.ApplyCdPreset(); f.ApplyDvdPreset(); }, 0x18},
        {"0x5B: reallocation is not ours", [](CFsFlagsSettings& f) { f.SetFlags(0x5B); }, 0x1B},
        {"all off", [](CFsFlagsSettings& f) { f.SetFlags(0); }, 0},
        {"only the value 1 counts", [](CFsFlagsSettings& f) { f.m_bJoliet = 2; }, 0x18},
    };
    for (const auto& c : cases) {
        CFsFlagsSettings fs(m_texts);
        c.run(fs);
        EXPECT_EQ(fs.GetFlags(), c.flags) << c.steps;
    }
}

TEST_F(HoldersTest, BurnFlagsCarryTheBookTypeAsTwoStates) {
    const struct {
        uint32_t set, get;
    } cases[] = {
        {0x8040, 0x8040},       {0x4042, 0x4042},         {0x40, 0x8040},
        {0x80008040, 0x80008040}, {0x4040, 0x4040},       {0xC000, 0x4000},
        {0xFFFFFFFF, 0x80004642}, {0, 0x8000},
    };
    for (const auto& c : cases) {
        m_other.SetBurnFlags(c.set);
        EXPECT_EQ(m_other.GetBurnFlags(), c.get) << std::hex << c.set;
    }
    m_other.SetBurnFlags(0x80008040);
    EXPECT_TRUE(m_other.m_bNoOverwriteQuestion && m_other.m_bBurnProof);
    EXPECT_LT(static_cast<int32_t>(m_other.GetBurnFlags()), 0);
}

TEST_F(HoldersTest, OtherSettingsDefaultsMoreFlagsAndReset) {
    EXPECT_EQ(m_other.GetBurnFlags(), 0x8040u);
    EXPECT_EQ(m_other.GetMoreFlags(), 0u);
    m_other.SetMoreFlags(0xFF);
    EXPECT_EQ(m_other.GetMoreFlags(), 0x7u);
    m_other.SetMoreFlags(0x2);
    EXPECT_EQ(m_other.m_bLabel16, 1);
    EXPECT_EQ(m_other.m_bForceShutdown + m_other.m_bIgnoreSourceSize, 0);

    m_other.SetLimitCd(-5);
    m_other.SetLimitDvdRed(2);
    m_other.m_bSimulate = 1;
    m_other.ResetLimits();
    EXPECT_EQ(std::vector<int>({m_other.GetLimitCd(), m_other.GetLimitDvd(), m_other.GetLimitCdRed(),
                                m_other.GetLimitDvdRed()}),
              std::vector<int>({650, 4482, 700, 8106}));
    EXPECT_EQ(m_other.m_bSimulate, 1);
}

TEST_F(HoldersTest, JobSoundNeedsAudioOnAndAWavExtension) {
    const struct {
        int enabled;
        const char* success;
        const char* error;
        int result;
        const char* plays;
    } cases[] = {
        {0, "/s/ok.wav", "/s/bad.wav", 0, ""},
        {0, "/s/ok.wav", "/s/bad.wav", 3, ""},
        {1, "/s/ok.wav", "/s/bad.WAV", 0, "/s/ok.wav"},
        {1, "/s/ok.wav", "/s/bad.WAV", -1, "/s/bad.WAV"},
        {1, "/s/ok.mp3", "", 0, ""},
        {1, "/my.sounds/done", "", 0, ""},
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

    BurnSettings file;
    file.device = "Rec";
    file.mediaType = 1;
    file.fsFlags = 0x1B;  // reallocation off
    file.burnFlags = 0x80004642;
    file.moreFlags = 0x5;
    file.speed = 2;
    file.language = "deutsch.lng";
    file.successWave = "a.wav";
    file.errorWave = "b.wav";
    file.enableAudio = 1;
    file.limitCd = 1;
    file.limitDvd = 2;
    file.limitCdRed = 3;
    file.limitDvdRed = 4;
    file.defaultSourceDir = "/dvd";
    DistributeSettings(file, holders);
    EXPECT_EQ(window.reallocate, 0);
    EXPECT_EQ(m_fs.GetFlags(), 0x1B);
    EXPECT_EQ(CollectSettings(holders), file);

    file.fsFlags = 0x40;
    DistributeSettings(file, holders);
    EXPECT_EQ(window.reallocate, 1);
    EXPECT_EQ(m_fs.GetFlags(), 0);

    // A media type other than 0 and 1 is CD everywhere.
    const std::pair<int, int> mediaTypes[] = {{0, 0}, {1, 1}, {2, 1}, {-1, 1}};
    for (const auto& [stored, held] : mediaTypes) {
        file.mediaType = stored;
        DistributeSettings(file, holders);
        EXPECT_EQ(window.mediaType, held) << stored;
    }
}

TEST(StartupChoicesTest, LanguageFileFallback) {
    EXPECT_EQ(EffectiveLanguageFile(""), "english.lng");
    EXPECT_EQ(EffectiveLanguageFile("a.lg"), "english.lng");
    EXPECT_EQ(EffectiveLanguageFile("x.lng"), "x.lng");
}

}  // namespace

}  // namespace bb::settings
