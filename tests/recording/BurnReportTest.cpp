#include "recording/BurnReport.h"

#include <gtest/gtest.h>

#include <string>

namespace bb::recording {

namespace {

using recording::BurnReportContext;
using recording::ReportForResult;

TEST(BurnReport, EachResultHasItsLogBoxAndStatus) {
    struct Case {
        int result;
        int log;
        bool withResult;
        const char* caption;
        uint32_t type;
        int status;
    } cases[] = {
        {0, 784, false, "Info", 0x40, 766},  {1, 785, false, "Error", 0x10, 786},
        {2, 787, false, "Error", 0x10, 786}, {3, 788, false, "Error", 0x10, 786},
        {4, 789, false, "Error", 0x10, 786}, {5, 790, false, "Error", 0x10, 786},
        {6, 791, false, "Error", 0x10, 791}, {7, 792, true, "Error", 0x10, 786},
        {-17, 792, true, "Error", 0x10, 786},
    };
    for (const Case& c : cases) {
        const auto report = ReportForResult(c.result, BurnReportContext{});
        EXPECT_EQ(report.logTextId, c.log) << c.result;
        EXPECT_EQ(report.logWithResult, c.withResult) << c.result;
        EXPECT_EQ(report.boxTextId, c.log) << c.result;
        EXPECT_EQ(std::string(report.boxCaption), c.caption) << c.result;
        EXPECT_EQ(report.boxType, c.type) << c.result;
        EXPECT_EQ(report.statusTextId, c.status) << c.result;
        EXPECT_EQ(report.logTotalTime, c.result == 0) << c.result;
    }
}

TEST(BurnReport, ShutdownOptionsDecideWhetherABoxWaitsForTheUser) {
    // Success box skipped whenever the shutdown follows.
    EXPECT_EQ(ReportForResult(0, {true, false, false}).boxTextId, 0);
    // Errors: skipped only for a forced shutdown, which must not wait for a click.
    EXPECT_EQ(ReportForResult(5, {true, true, false}).boxTextId, 0);
    EXPECT_EQ(ReportForResult(5, {true, true, false}).logTextId, 790);
    EXPECT_EQ(ReportForResult(5, {true, false, false}).boxTextId, 790);
    EXPECT_EQ(ReportForResult(5, {false, true, false}).boxTextId, 790);
}

TEST(BurnReport, AReallocationFailureIsLeftToTheRetryQuestion) {
    const auto report = ReportForResult(3, {false, false, true});
    EXPECT_EQ(report.logTextId, 0);
    EXPECT_EQ(report.boxTextId, 0);
    EXPECT_EQ(report.statusTextId, 0);
    EXPECT_EQ(ReportForResult(4, {false, false, true}).logTextId, 789);
}

}  // namespace

}  // namespace bb::recording
