#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <ctime>

#include "tests/settings/SettingsFileFixture.h"

namespace bb::settings {

namespace {

using SettingsFullDiskTest = SettingsFileTest;

// A full disk during a save must not cost the user the settings they had.
TEST_F(SettingsFullDiskTest, FailedWriteLeavesTheOldFile) {
    const std::string old = "Speed: 3\r\n";
    Write(old);
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
    EXPECT_EQ(Read(), old);
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Root()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace

}  // namespace bb::settings
