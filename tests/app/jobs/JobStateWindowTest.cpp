// The main window while a job runs, as a user drives it: the ways to close
// it, the Abort question's default, and the speed list once the job is over.
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "JobsWindowFixture.h"
#include "framework/WinDefs.h"

namespace bb::app::test {
namespace {

class JobStateWindowTest : public JobsWindowTest {};

// A recorder with a blank disc to burn (about three seconds of writing) or
// a rewritable one with data to erase (about three seconds).
constexpr const char* kWriter =
    "[BB Writer]\ndvd speeds = 2 4\nburn seconds = 300\nquick erase seconds = 300\ndisc image = discs/rw.iso\n";

struct Attempts {
    bool quitEnabled = true;
    bool endedByAny = false;
    int beeps = 0;
};

// Every way a user has of closing the window, tried while the job runs.
Attempts TryToClose(platform::HeadlessDialogHost& h) {
    Attempts seen;
    seen.quitEnabled = h.IsItemEnabled(IDC_QUIT);
    const int beepsBefore = h.Beeps();
    h.Close();                                   // the close box
    seen.endedByAny |= h.Ended();
    (void)h.SysCommand(SC_CLOSE);                // the system menu's Close
    seen.endedByAny |= h.Ended();
    (void)h.PressKey(VK_ESCAPE);
    (void)h.PressKey(VK_F4, /*alt=*/true);
    seen.endedByAny |= h.Ended();
    (void)h.Click(IDC_QUIT);
    seen.endedByAny |= h.Ended();
    seen.beeps = h.Beeps() - beepsBefore;
    return seen;
}

TEST_F(JobStateWindowTest, JobCannotBeClosedUnderItAndAfterwardsTheWindowIsAsBefore) {
    struct Case {
        const char* job;
        const char* disc;
        // Starts the job; returns when it has ended (burn) or is under way (erase).
        std::function<void(platform::HeadlessDialogHost&)> run;
        bool onWorker;
    };
    const Case cases[] = {
        {"burn", "disc = blank\nmedium = DVD-R\n",
         [](platform::HeadlessDialogHost& h) { ASSERT_TRUE(h.Click(IDC_BURN)); }, false},
        {"erase", "disc = data\nmedium = DVD-RW\n",
         [this](platform::HeadlessDialogHost& h) {
             m_ui.QueueAnswers({IDYES});
             ASSERT_TRUE(h.Click(IDC_ERASE));
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.job);
        fs::remove_all(m_dir / "discs");
        WriteDrives(std::string(kWriter) + c.disc);
        auto& h = Start("Device: BB Writer\r\n");
        ChooseRoot(h, SampleRoot(), "SAMPLE");
        ASSERT_TRUE(h.IsItemEnabled(IDC_SPEED_LIST)) << "the builder offers the recorder's speeds";
        ASSERT_TRUE(h.SelectCombo(IDC_SPEED_LIST, 1));
        m_ui.ClearBoxes();

        Attempts during;
        std::atomic<bool> tried{false};
        std::thread user;
        if (c.onWorker) {
            c.run(h);
            tried = !h.IsItemEnabled(IDC_ERASE);
            during = TryToClose(h);  // this is the window's thread; the erase runs on its worker
            Settle();
        } else {
            // The burn runs on this thread; the user acts while the library
            // keeps the window alive. With no answer queued, the Abort
            // question takes its default.
            user = std::thread([&] {
                const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
                while (!h.IsItemEnabled(IDC_ABORT)) {
                    if (std::chrono::steady_clock::now() > giveUp) return;
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
                during = TryToClose(h);
                (void)h.Click(IDC_ABORT);
                tried = true;
            });
            c.run(h);
            user.join();
        }
        ASSERT_TRUE(tried) << "the job state was never seen";
        EXPECT_FALSE(during.quitEnabled);
        EXPECT_FALSE(during.endedByAny) << "closed under the running job";
        EXPECT_EQ(during.beeps, 2) << "the close box and the system menu's Close are refused with a beep";
        EXPECT_TRUE(m_dlg->Jobs().Session().Started()) << "the recorder context stays";

        const auto log = h.Lines(IDC_LOG);
        if (!c.onWorker) {
            const auto boxes = m_ui.Boxes();
            ASSERT_GE(boxes.size(), 2u);
            EXPECT_EQ(boxes[0].text, T(res::kTxtAbortQuestion));
            EXPECT_EQ(boxes[0].type, 0x124u) << "Yes/No, question, No as the default";
            EXPECT_EQ(boxes[0].answer, IDNO);
            EXPECT_TRUE(Has(log, T(res::kTxtBurnOk))) << "the default answer leaves the burn running";
        }

        // After the job: the speed list as its builder left it, the chosen
        // speed still there, and closing works again.
        EXPECT_TRUE(h.IsItemEnabled(IDC_SPEED_LIST));
        EXPECT_EQ(h.ComboGetCount(IDC_SPEED_LIST), 2);
        EXPECT_EQ(h.ComboGetCurSel(IDC_SPEED_LIST), 1);
        EXPECT_TRUE(h.IsItemEnabled(IDC_QUIT));
        h.Close();
        EXPECT_TRUE(h.Ended());
        EXPECT_EQ(h.Result(), IDCANCEL);
        EXPECT_FALSE(m_dlg->Jobs().Session().Started()) << "the exit gave the recorder context back";
        m_dlg.reset();
    }
}

}  // namespace
}  // namespace bb::app::test
