#include "recording/EraseCountdown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bb::recording {

namespace {

using recording::EraseCountdownEnd;

struct RecordingView : recording::EraseProgressView {
    std::vector<std::string> remaining, totals, percents;
    std::vector<int32_t> positions;
    int32_t rangeHigh = -1;
    void SetTimeTotal(const std::string& t) override { totals.push_back(t); }
    void SetTimeRemaining(const std::string& t) override { remaining.push_back(t); }
    void SetPercent(const std::string& t) override { percents.push_back(t); }
    void SetProgressRange(int32_t, int32_t high) override { rangeHigh = high; }
    void SetProgressPos(int32_t pos) override { positions.push_back(pos); }
};

// The job-finished event as a script: set on the n-th wait (1-based).
struct ScriptedEvent {
    int setOnWait;
    int waits = 0;
    int totalMs = 0;
    bool operator()(int ms) {
        ++waits;
        totalMs += ms;
        return waits == setOnWait;
    }
};

TEST(EraseCountdown, NinetySecondsCountDownFromOneThirtyAndStopWhenTheEraseEnds) {
    RecordingView view;
    ScriptedEvent event{4};
    EXPECT_EQ(recording::RunEraseCountdown(90, view, std::ref(event)), EraseCountdownEnd::DoneInTime);
    EXPECT_EQ(view.totals, (std::vector<std::string>{"1:30"}));
    EXPECT_EQ(view.remaining, (std::vector<std::string>{"1:30", "1:29", "1:28", "1:27"}));
    EXPECT_EQ(view.percents[1], "1.1 %");
    EXPECT_EQ(view.rangeHigh, 90);
    EXPECT_EQ(event.totalMs, 4000);
}

TEST(EraseCountdown, AnOverrunShowsUnknownTimeAndMovesTheBarInTensWithWrapAround) {
    RecordingView view;
    ScriptedEvent event{2 + 1 + 13};  // countdown 0..1, first overrun wait, 13 more
    EXPECT_EQ(recording::RunEraseCountdown(1, view, std::ref(event)), EraseCountdownEnd::DoneAfterEstimate);
    EXPECT_EQ(view.remaining.front(), "0:01");
    EXPECT_EQ(view.remaining.back(), "?:??");
    EXPECT_EQ(view.rangeHigh, 100);
    EXPECT_EQ(view.percents.back(), "");
    // Positions after the countdown's 0, 1: 0, 10, ..., 100, 0, 10.
    const std::vector<int32_t> overrun(view.positions.begin() + 2, view.positions.end());
    ASSERT_EQ(overrun.size(), 13u);
    EXPECT_EQ(overrun[10], 100);
    EXPECT_EQ(overrun[11], 0);
    EXPECT_EQ(overrun[12], 10);
}

TEST(EraseCountdown, GivesUpAfterTheOverrunWaitsAndNeverDividesByAZeroEstimate) {
    for (int32_t estimate : {0, -4}) {
        RecordingView view;
        ScriptedEvent never{-1};
        EXPECT_EQ(recording::RunEraseCountdown(estimate, view, std::ref(never)), EraseCountdownEnd::NeverEnded);
        EXPECT_EQ(never.waits, 1 + recording::kEraseOverrunWaits);
        EXPECT_TRUE(view.totals.size() == static_cast<size_t>(recording::kEraseOverrunWaits));
    }
}

}  // namespace

}  // namespace bb::recording
