#include "recording/ProgressEstimate.h"

#include <gtest/gtest.h>

namespace bb::recording {

namespace {

using recording::OnProgressReport;
using recording::ProgressBookkeeping;

TEST(ProgressEstimate, ZeroTenTenTwentyGivesTheRateFromTheFirstReport) {
    ProgressBookkeeping book;
    auto shown = OnProgressReport(book, 0, 1000);
    EXPECT_EQ(shown.percent, "0 %");
    EXPECT_EQ(shown.remaining, "?:??");
    EXPECT_EQ(shown.total, "?:??");
    EXPECT_EQ(shown.title, "0 % Brenvik Burn 1.2.1");

    shown = OnProgressReport(book, 10, 1100);  // first non-zero: percent only
    EXPECT_EQ(shown.percent, "10 %");
    EXPECT_EQ(shown.title, "10 % Brenvik Burn 1.2.1");
    EXPECT_FALSE(shown.remaining.has_value());
    EXPECT_FALSE(shown.total.has_value());
    EXPECT_EQ(book.m_tStart, 1100);

    shown = OnProgressReport(book, 10, 1115);  // repeat: nothing new
    EXPECT_FALSE(shown.percent.has_value());
    EXPECT_FALSE(shown.remaining.has_value());
    EXPECT_EQ(shown.barPosition, 10u);

    shown = OnProgressReport(book, 20, 1130);  // 30 s after the 10 % report
    EXPECT_EQ(shown.remaining, "04:00");
    EXPECT_EQ(shown.total, "05:00");
    EXPECT_EQ(shown.percent, "20 %");
    EXPECT_EQ(book.m_nTotalSecs, 300);
    EXPECT_EQ(shown.barPosition, 20u);
}

TEST(ProgressEstimate, ZeroStartsAPhaseAfresh) {
    ProgressBookkeeping book;
    OnProgressReport(book, 40, 10);
    OnProgressReport(book, 60, 30);
    OnProgressReport(book, 0, 40);
    EXPECT_EQ(book.m_nLastPercent, 0);
    EXPECT_EQ(book.m_nStartPercent, 0);
    EXPECT_EQ(book.m_tStart, 0);
    const auto shown = OnProgressReport(book, 5, 50);
    EXPECT_EQ(book.m_nStartPercent, 5);
    EXPECT_FALSE(shown.remaining.has_value());
}

// A clock that steps back or a percentage that falls measures afresh; a
// negative time shows as zero.
TEST(ProgressEstimate, NeverShowsANegativeTime) {
    const struct {
        uint32_t percent;
        int64_t now;
    } steps[] = {{0, 100}, {10, 100}, {20, 110}, {30, 50}, {40, 60}, {5, 70}, {15, 80}};
    ProgressBookkeeping book;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.percent);
        const recording::ProgressDisplay shown = OnProgressReport(book, step.percent, step.now);
        for (const auto& time : {shown.remaining, shown.total})
            if (time)
                EXPECT_EQ(time->find('-'), std::string::npos) << *time;
        EXPECT_GE(book.m_nTotalSecs, 0);
    }
    EXPECT_EQ(book.m_nTotalSecs, 100) << "10 s for the last 10 %";
    EXPECT_EQ(recording::FormatMinutesSeconds2(-800), "00:00");
    EXPECT_EQ(recording::FormatMinutesSeconds(-5), "0:00");
}

TEST(ProgressEstimate, TimeTexts) {
    EXPECT_EQ(recording::FormatMinutesSeconds2(0), "00:00");
    EXPECT_EQ(recording::FormatMinutesSeconds2(3725), "62:05");
    EXPECT_EQ(recording::FormatMinutesSeconds(90), "1:30");
    EXPECT_EQ(recording::FormatMinutesSeconds(9), "0:09");
    EXPECT_EQ(recording::IdleTitle(), "Brenvik Burn 1.2.1");
}

}  // namespace

}  // namespace bb::recording
