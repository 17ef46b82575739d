// The job logic without a window: track and burn flags, progress estimates, the
// erase overrun, burn reports, the command line and the desktop log's name.
#include "recording/BurnReport.h"
#include "recording/CommandLine.h"
#include "recording/EraseCountdown.h"
#include "recording/JobFlags.h"
#include "recording/LogFile.h"
#include "recording/ProgressEstimate.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace bb::recording {
namespace {

struct TrackCase { uint32_t fsFlags; bool realloc; uint32_t flags; const char* words; };

TEST(JobFlags, TrackFlagsAndTheirWordsFollowTheSettings) {
    const TrackCase cases[] = {
        {0x18, true, 0x4058, "ISO UDF Realloc DVD CMPT"},
        {0x18, false, 0x4018, "ISO UDF DVD CMPT"},
        {0x1A, false, 0x401A, "ISO UDF Mode 2 DVD CMPT"},
        {0x1B, true, 0x405B, "ISO UDF Joliet Mode 2 Realloc DVD CMPT"},
        {0x00, false, 0x4000, "DVD CMPT"},
        // Bits the track does not know are not passed on.
        {0xFFFFFFE4, false, 0x4000, "DVD CMPT"},
    };
    for (const TrackCase& c : cases) {
        const recording::IsoTrackFlags got = recording::BuildIsoTrackFlags(c.fsFlags, c.realloc);
        EXPECT_EQ(got.flags, c.flags) << std::hex << c.fsFlags;
        EXPECT_EQ(got.words, c.words) << std::hex << c.fsFlags;
    }
}

TEST(JobFlags, BurnFlagsAlwaysCarryTheFixedBitsVerifyFromTheWindowAndNeverBit31) {
    struct Case { uint32_t settings; bool verify; uint32_t expected; } cases[] = {
        {0x8000, false, 0x990C},
        {0x80008000, false, 0x990C},
        {0x8000 | 0x400, false, 0x990C},  // the window's verify box wins
        {0x8000, true, 0x9D0C},
        {0x4000 | 0x2 | 0x40 | 0x200, false, 0x5B4E},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recording::BuildBurnFlags(c.settings, c.verify), c.expected) << std::hex << c.settings;
}

// One job's reports in order. The rate is measured from the first non-zero
// report; 0 starts a phase afresh, and a clock that steps back or a
// percentage that falls measures afresh. Null: the label is left alone.
TEST(ProgressEstimate, ReportsInOrder) {
    struct Step { uint32_t percent; int64_t now; const char *shown, *remaining, *total; } const steps[] = {
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
    const auto text = [](const std::optional<std::string>& v) { return v ? *v : std::string("-"); };
    for (const Step& s : steps) {
        const recording::ProgressDisplay shown = OnProgressReport(book, s.percent, s.now);
        const auto want = [](const char* v) { return v ? std::string(v) : std::string("-"); };
        EXPECT_EQ(text(shown.percent) + "|" + text(shown.remaining) + "|" + text(shown.total) + "|" + text(shown.title),
                  want(s.shown) + "|" + want(s.remaining) + "|" + want(s.total) + "|" +
                      (s.shown ? want(s.shown) + " Brenvik Burn 1.2.1" : "-"))
            << s.percent << " at " << s.now;
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
}

// The countdown itself is checked on the window (EraseJobTest); here the
// overrun that follows it.
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

TEST(EraseCountdown, AnOverrunShowsUnknownTimeAndMovesTheBarInTensWithWrapAround) {
    RecordingView view;
    int waits = 0;
    // Set on the 16th wait: countdown 0..1, the first overrun wait, 13 more.
    const auto finished = [&](int) { return ++waits == 2 + 1 + 13; };
    EXPECT_EQ(recording::RunEraseCountdown(1, view, finished), EraseCountdownEnd::DoneAfterEstimate);
    EXPECT_EQ(view.remaining.front() + "|" + view.remaining.back() + "|" + view.percents.back(), "0:01|?:??|");
    EXPECT_EQ(view.rangeHigh, 100);
    // Positions after the countdown's 0, 1: 0, 10, ..., 100, 0, 10.
    const std::vector<int32_t> overrun(view.positions.begin() + 2, view.positions.end());
    ASSERT_EQ(overrun.size(), 13u);
    EXPECT_EQ(std::vector<int32_t>(overrun.begin() + 10, overrun.end()), (std::vector<int32_t>{100, 0, 10}));
}

TEST(EraseCountdown, GivesUpAfterTheOverrunWaitsAndNeverDividesByAZeroEstimate) {
    for (int32_t estimate : {0, -4}) {
        RecordingView view;
        int waits = 0;
        EXPECT_EQ(recording::RunEraseCountdown(estimate, view, [&](int) { return ++waits < 0; }),
                  EraseCountdownEnd::NeverEnded);
        EXPECT_EQ(waits, 1 + recording::kEraseOverrunWaits);
        EXPECT_EQ(view.totals.size(), size_t(recording::kEraseOverrunWaits));
    }
}

// The log, box and status texts of each result; a box is left out only where
// nobody would click it (a shutdown follows a success, or a forced shutdown
// follows an error), and result 3 after a reallocation failure is left to the
// retry question.
TEST(BurnReport, EachResultHasItsLogBoxAndStatus) {
    struct Case {
        int result;
        BurnReportContext context;
        int log;
        bool withResult;
        int box;
        const char* caption;
        uint32_t type;
        int status;
    } cases[] = {
        {0, {}, 784, false, 784, "Info", 0x40, 766},    {1, {}, 785, false, 785, "Error", 0x10, 786},
        {2, {}, 787, false, 787, "Error", 0x10, 786},   {3, {}, 788, false, 788, "Error", 0x10, 786},
        {4, {}, 789, false, 789, "Error", 0x10, 786},   {5, {}, 790, false, 790, "Error", 0x10, 786},
        {6, {}, 791, false, 791, "Error", 0x10, 791},   {7, {}, 792, true, 792, "Error", 0x10, 786},
        {-17, {}, 792, true, 792, "Error", 0x10, 786},
        {0, {true, false, false}, 784, false, 0, "Info", 0x40, 766},
        {5, {true, true, false}, 790, false, 0, "Error", 0x10, 786},
        {5, {false, true, false}, 790, false, 790, "Error", 0x10, 786},
        {3, {false, false, true}, 0, false, 0, "Error", 0x10, 0},
        {4, {false, false, true}, 789, false, 789, "Error", 0x10, 786},
    };
    for (const Case& c : cases) {
        const auto report = ReportForResult(c.result, c.context);
        const std::string name = std::to_string(c.result) + " " + std::to_string(c.context.shutdownAfter) +
                                 std::to_string(c.context.forceShutdown) + std::to_string(c.context.reallocFailed);
        EXPECT_EQ(report.logTextId, c.log) << name;
        EXPECT_EQ(report.logWithResult, c.withResult) << name;
        EXPECT_EQ(report.boxTextId, c.box) << name;
        EXPECT_EQ(report.statusTextId, c.status) << name;
        if (c.box != 0) {
            EXPECT_EQ(std::string(report.boxCaption) + " " + std::to_string(report.boxType),
                      std::string(c.caption) + " " + std::to_string(c.type))
                << name;
        }
        EXPECT_EQ(report.logTotalTime, c.result == 0) << name;
    }
}

using Words = std::vector<std::string>;
using Kind = BatchStep::Kind;

TEST(CommandLine, SplitsLikeTheProgramAlwaysHas) {
    struct Case { const char* line; Words words; } cases[] = {
        {"-d \"C:\\My DVD\" -v MOVIE", {"-d", "C:\\My DVD", "-v", "MOVIE"}},
        {"/D  C:\\DVD\t/V\t\tX", {"/D", "C:\\DVD", "/V", "X"}},
        {"/D   C:\\DVD", {"/D", "C:\\DVD"}},
        {"a \"\" b", {"a", "b"}},
        {"ab\"cd\"", {"cd"}},
        {"\"unclosed word", {}},
        {"x \" lead\"", {"x", "lead"}},
        {"", {}},
        {" ", {}},
        // Inside quotes the text stays as typed; outside, blanks only separate.
        {"\"a   b\t\tc\"  \t d", {"a   b\t\tc", "d"}},
    };
    for (const Case& c : cases) {
        const recording::CommandLineWords split = SplitCommandLine(c.line);
        EXPECT_EQ(split.words, c.words) << c.line;
        EXPECT_FALSE(split.tooMany) << c.line;
    }
}

std::vector<Kind> KindsOf(const std::vector<BatchStep>& steps) {
    std::vector<Kind> kinds;
    for (const BatchStep& s : steps)
        kinds.push_back(s.kind);
    return kinds;
}

TEST(CommandLine, ReadsOptionsAndReportsEachBadWordOnItsOwn) {
    struct Case { Words words; std::vector<Kind> kinds; } cases[] = {
        {{"-d", "C:\\My DVD", "-v", "MOVIE"}, {Kind::Folder, Kind::Label}},
        {{"/C", "/D", "C:\\DVD"}, {Kind::PrepareOnly, Kind::Folder}},
        {{"/Dfolder", "/V", "L"}, {Kind::FolderMissing, Kind::Label}},
        {{"/X", "MOVIE", "/e"}, {Kind::NotAnOption, Kind::NotAnOption, Kind::NoEject}},
        {{"/V", "-s"}, {Kind::LabelMissing, Kind::Shutdown}},
        {{"-l", "/o", "/Shutdown"}, {Kind::LogToDesktop, Kind::NoOverwriteAsk, Kind::Shutdown}},
        {{"/", "-"}, {Kind::NotAnOption, Kind::NotAnOption}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KindsOf(ReadBatchOptions(c.words)), c.kinds) << c.words.front();
    EXPECT_EQ(ReadBatchOptions({"-d", "C:\\My DVD"}).front().value, "C:\\My DVD");
}

// The desktop log is named after the label, which may be a refused one.
TEST(LogFileName, LabelBecomesAFileNameEverySystemCanCreate) {
    const struct { const char* label; const char* file; } cases[] = {
        {"MY_MOVIE_2005", "MY_MOVIE_2005"}, {"HELLO!", "HELLO!"}, {"A/B\\C:D", "A_B_C_D"}, {"*?\"<>|", "______"},
        {"TAB\tEND", "TAB_END"}, {"", "NO_NAME"}, {"CON", "_CON"}, {"nul", "_nul"}, {"COM1", "_COM1"},
        {"LPT9", "_LPT9"}, {"COM0", "COM0"}, {"CONSOLE", "CONSOLE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recording::LogFileBaseName(c.label), c.file) << c.label;
        EXPECT_EQ(recording::DesktopLogPath("D", c.label, '\\'), std::string("D\\") + c.file + ".log") << c.label;
    }
}

}  // namespace
}  // namespace bb::recording
