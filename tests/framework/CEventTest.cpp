#include "framework/CEvent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace bb::framework {
namespace {

using Clock = std::chrono::steady_clock;

TEST(CEvent, AutoResetReleasesOneWaitManualResetStaysSet) {
    struct Case { bool manual; bool secondLock; } cases[] = {{false, false}, {true, true}};
    for (const Case& c : cases) {
        CEvent event(false, c.manual);
        EXPECT_FALSE(event.Lock(0)) << "manual=" << c.manual;
        event.SetEvent();
        EXPECT_TRUE(event.Lock(0)) << "manual=" << c.manual;
        EXPECT_EQ(event.Lock(0), c.secondLock) << "manual=" << c.manual;
        event.ResetEvent();
        EXPECT_FALSE(event.Lock(0)) << "manual=" << c.manual;
    }
    CEvent initiallySet(true);
    EXPECT_TRUE(initiallySet.Lock(0));
}

// Lock waits out its time unless another thread sets the event.
TEST(CEvent, LockTimesOutOrWakesEarlyWhenSetFromAnotherThread) {
    CEvent event;
    auto start = Clock::now();
    EXPECT_FALSE(event.Lock(80));
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(75));

    std::atomic<bool> setterRan{false};
    start = Clock::now();
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        setterRan = true;
        event.SetEvent();
    });
    EXPECT_TRUE(event.Lock(5000));
    EXPECT_TRUE(setterRan);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(4000));
    setter.join();
    EXPECT_FALSE(event.IsSet()) << "the auto-reset event was consumed by the wait";
}

TEST(CEvent, ManualResetReleasesEveryWaiter) {
    CEvent event(false, true);
    std::atomic<int> released{0};
    std::thread waiters[3];
    for (auto& w : waiters) {
        w = std::thread([&] {
            if (event.Lock(5000)) ++released;
        });
    }
    event.SetEvent();
    for (auto& w : waiters) w.join();
    EXPECT_EQ(released, 3);
}

}  // namespace
}  // namespace bb::framework
