#include "system/ShutdownPlan.h"

#include <gtest/gtest.h>

namespace bb::system {
namespace {

using system::PlanShutdown;
using system::ShutdownPlan;
using system::WindowsKindOf;
using Method = ShutdownPlan::Method;

TEST(ShutdownPlan, WindowsKindFromTheVersion) {
    struct Case {
        bool read;
        uint32_t platform, major, minor;
        int kind;
    } cases[] = {
        {true, 1, 4, 10, 1}, {true, 1, 4, 0, 2},  {true, 1, 4, 90, 3}, {true, 1, 4, 3, 0},
        {true, 2, 3, 51, 4}, {true, 2, 4, 0, 5},  {true, 2, 5, 0, 6},  {true, 2, 5, 1, 7},
        {true, 2, 5, 2, 7},  {true, 2, 6, 1, 0},  {true, 2, 10, 0, 0}, {true, 0, 3, 1, 0},
        {false, 2, 5, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowsKindOf(c.read, c.platform, c.major, c.minor), c.kind)
            << c.platform << " " << c.major << "." << c.minor;
}

TEST(ShutdownPlan, NineXStartsRunDllAndCallsNothingElse) {
    const ShutdownPlan plan = PlanShutdown(1, 0, std::string("C:\\WINDOWS"));
    EXPECT_EQ(plan.method, Method::RunDll);
    EXPECT_EQ(plan.commandLine, "C:\\WINDOWS\\RUNDLL32.EXE user,ExitWindows");
    EXPECT_EQ(PlanShutdown(3, 0, std::nullopt).method, Method::Nothing);
}

TEST(ShutdownPlan, NtSwitchesOffAndOnlyNt3LogsOff) {
    for (int kind : {5, 6, 7}) {
        const ShutdownPlan plan = PlanShutdown(kind, 5, std::nullopt);
        EXPECT_EQ(plan.method, Method::PowerOff) << kind;
        EXPECT_EQ(plan.flags, 0x8u) << kind;
    }
    const ShutdownPlan nt3 = PlanShutdown(4, 3, std::nullopt);
    EXPECT_EQ(nt3.method, Method::ExitWindows);
    EXPECT_EQ(nt3.flags, 0u);
    EXPECT_EQ(nt3.reserved, 0xFFFFFFFFu);
    // Vista and later report kind 0 but still mean "switch off", not "log off".
    EXPECT_EQ(PlanShutdown(0, 10, std::nullopt).method, Method::PowerOff);
    EXPECT_EQ(PlanShutdown(0, 0, std::nullopt).method, Method::ExitWindows);
}

}  // namespace
}  // namespace bb::system
