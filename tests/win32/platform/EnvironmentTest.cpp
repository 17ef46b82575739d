#include <gtest/gtest.h>

#include <windows.h>

#include "platform/Environment.h"

namespace bb::platform {

namespace {

TEST(EnvironmentWin32, SetGetMissingAndEmpty) {
    auto& env = platform::SystemEnvironment();
    ASSERT_TRUE(env.Set("BB_TEST_VAR", "C:\\Lib;C:\\Other"));
    EXPECT_EQ(env.Get("BB_TEST_VAR"), "C:\\Lib;C:\\Other");
    // The service and the process see the same variable.
    char raw[64] = {};
    EXPECT_GT(GetEnvironmentVariableA("BB_TEST_VAR", raw, sizeof raw), 0u);
    EXPECT_STREQ(raw, "C:\\Lib;C:\\Other");

    ASSERT_TRUE(env.Set("BB_TEST_VAR", ""));
    EXPECT_EQ(env.Get("BB_TEST_VAR"), "");
    EXPECT_EQ(env.Get("BB_TEST_NEVER_SET"), std::nullopt);

    const std::string longValue(5000, 'x');
    ASSERT_TRUE(env.Set("BB_TEST_VAR", longValue));
    EXPECT_EQ(env.Get("BB_TEST_VAR"), longValue);
}

}  // namespace

}  // namespace bb::platform
