// The time a job reports is its own: the total of an earlier job does not
// stand for a job that reports too little progress to measure one.
#include <chrono>
#include <thread>

#include "JobsWindowFixture.h"
#include "res/TextIds.h"

namespace bb::app::test {
namespace {

class JobTimesTest : public JobsWindowTest {};

TEST_F(JobTimesTest, EachJobStartsWithoutTheLastJobsTotal) {
    // A recorder that ends every burn before writing: no progress to measure.
    WriteDrives("[BB Refusing]\ndisc = blank\nmedium = DVD-R\nburn result = 5\ndisc image = discs/r.iso\n");
    auto& h = Start("Device: BB Refusing\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");

    // An earlier job's reports: 10 % to 20 % in a second or so (a total of 10 s or more).
    recording::RecorderSession& session = m_dlg->Jobs().Session();
    (void)session.OnProgress(0);
    (void)session.OnProgress(10);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    (void)session.OnProgress(20);
    ASSERT_GE(session.TotalSeconds(), 10);

    ASSERT_TRUE(h.Click(IDC_BURN));
    ASSERT_TRUE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnStart)));
    EXPECT_EQ(session.TotalSeconds(), 0);
}

}  // namespace
}  // namespace bb::app::test
