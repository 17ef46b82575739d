#include "recording/ProgressEstimate.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace bb::recording {

namespace {

using recording::OnProgressReport;
using recording::ProgressBookkeeping;

// One job's reports in order. The rate is measured from the first non-zero
// report; 0 starts a phase afresh, and a clock that steps back or a
// percentage that falls measures afresh. Null: the label is left alone.
TEST(ProgressEstimate, ReportsInOrder) {
    struct Step {
        uint32_t percent;
        int64_t now;
        const char *shown, *remaining, *total;
    } const steps[] = {
        {0, 1000, "0 %", "?:??", "?:??"},
        {10, 1100, "10 %", nullptr, nullptr},  // the first non-zero: percent only
        {10, 1115, nullptr, nullptr, nullptr},  // a repeat: nothing new
        {20, 1130, "20 %", "04:00", "05:00"},   // 30 s for the 10 % since the first
        {0, 1140, "0 %", "?:??", "?:??"},
        {5, 1150, "5 %", nullptr, nullptr},
        {15, 1160, "15 %", "01:25", "01:40"},
        {25, 50, "25 %", nullptr, nullptr},     // the clock went back
        {35, 60, "35 %", "01:05", "01:40"},
        {5, 70, "5 %", nullptr, nullptr},       // the percentage fell
        {15, 80, "15 %", "01:25", "01:40"},
    };
    ProgressBookkeeping book;
    for (const Step& s : steps) {
        const recording::ProgressDisplay shown = OnProgressReport(book, s.percent, s.now);
        const auto text = [](const std::optional<std::string>& v) { return v ? *v : std::string("<none>"); };
        const auto expected = [](const char* v) { return v ? std::string(v) : std::string("<none>"); };
        EXPECT_EQ(text(shown.percent), expected(s.shown)) << s.percent << " at " << s.now;
        EXPECT_EQ(text(shown.remaining), expected(s.remaining)) << s.percent << " at " << s.now;
        EXPECT_EQ(text(shown.total), expected(s.total)) << s.percent << " at " << s.now;
        EXPECT_EQ(text(shown.title), s.shown ? expected(s.shown) + " Brenvik Burn 1.2.1" : "<none>") << s.percent;
        EXPECT_EQ(shown.barPosition, s.percent);
    }
}

TEST(ProgressEstimate, TimeTextsAreNeverNegative) {
    const std::tuple<int32_t, const char*, const char*> cases[] = {
        {0, "00:00", "0:00"}, {9, "00:09", "0:09"}, {90, "01:30", "1:30"}, {3725, "62:05", "62:05"},
        {-5, "00:00", "0:00"}, {-800, "00:00", "0:00"},
    };
    for (const auto& [seconds, twoDigits, countdown] : cases) {
        EXPECT_EQ(recording::FormatMinutesSeconds2(seconds), twoDigits) << seconds;
        EXPECT_EQ(recording::FormatMinutesSeconds(seconds), countdown) << seconds;
    }
    EXPECT_EQ(recording::IdleTitle(), "Brenvik Burn 1.2.1");
}

}  // namespace

}  // namespace bb::recording
