// The time a job reports is its own.
#include <regex>

#include "JobsWindowFixture.h"
#include "res/TextIds.h"

namespace jobstest {
namespace {

class JobTimesTest : public JobsWindowTest {};

std::string TimeTakenLine(const std::vector<std::string>& log) {
    for (auto it = log.rbegin(); it != log.rend(); ++it)
        if (it->rfind("Time taken: ", 0) == 0)
            return *it;
    return "";
}

// A slow burn that measures its time, then a burn whose progress is too
// coarse to measure one: the second does not report the first one's time.
TEST_F(JobTimesTest, SecondJobDoesNotReportTheFirstJobsTime) {
    WriteDrives("[BB Slow]\ndisc = blank\nmedium = DVD-R\nburn seconds = 3\ntime scale = 1\n"
                "disc image = discs/slow.iso\n");
    auto& h = Start("Device: BB Slow\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    ASSERT_TRUE(h.Click(IDC_BURN));
    const std::string first = TimeTakenLine(h.Lines(IDC_LOG));
    ASSERT_TRUE(std::regex_match(first, std::regex("Time taken: 0:00:0[2-9]"))) << first;

    const size_t firstJobLines = h.Lines(IDC_LOG).size();
    SelectRecorder(h, "Image Recorder");
    pickers_.QueuePath((dir_ / "out.nrg").string());
    ASSERT_TRUE(h.Click(IDC_BURN));
    const auto all = h.Lines(IDC_LOG);
    const std::vector<std::string> log(all.begin() + long(firstJobLines), all.end());
    ASSERT_TRUE(Has(log, T(kTxtBurnOk)));
    EXPECT_EQ(TimeTakenLine(log), "Time taken: 0:00:00");
}

}  // namespace
}  // namespace jobstest
