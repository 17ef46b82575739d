// Burns started with the Burn button against the build's recording library:
// the log of a burn, the report of a failure, the reallocation retry, the
// library's overwrite question, abort from another thread.
#include <atomic>
#include <chrono>
#include <regex>
#include <thread>

#include "framework/CheckedFormat.h"
#include "recording/BurnJob.h"
#include "settings/OtherSettings.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {
namespace {

class BurnJobWindowTest : public app::test::WindowTest {};

constexpr const char* kWriter = "[BB Writer]\ndisc = blank\nmedium = DVD-R\n";

TEST_F(BurnJobWindowTest, SuccessfulDvdImageBurnLogsEachStepInOrder) {
    auto& h = Start();
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    const std::string image = (m_dir / "out.nrg").string();
    m_pickers.QueuePath(image);
    ASSERT_TRUE(h.Click(IDC_BURN));

    const std::vector<std::string> log = From(h.Lines(IDC_LOG), T(res::kTxtBurnStart));
    ASSERT_GE(log.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(log.begin() + 1, log.begin() + 4),
              (std::vector<std::string>{T(res::kTxtRecorderPrefix) + " \"Image Recorder\"",
                                        "Using ISO Flags: ISO UDF Realloc DVD CMPT", T(res::kTxtScanStart)}));
    const auto dvd = std::find(log.begin(), log.end(), T(res::kTxtMediaIsDvd));
    ASSERT_LT(dvd + 1, log.end());
    EXPECT_TRUE(std::regex_match(dvd[1], std::regex(T(res::kTxtSpeedPrefix) + ": .*kB/s\\)"))) << dvd[1];
    // Then only the library's lines and phases, the result and the time.
    const auto ok = std::find(dvd + 2, log.end(), T(res::kTxtBurnOk));
    ASSERT_TRUE(ok + 2 == log.end() && ok - dvd > 2);
    for (auto it = dvd + 2; it != ok; ++it)
        EXPECT_TRUE(it->rfind("===> ", 0) == 0 || it->rfind("=> ", 0) == 0) << *it;
    EXPECT_TRUE(Has(log, "===> Image file: " + image));
    EXPECT_TRUE(std::regex_match(ok[1], std::regex("Time taken: 0:00:[0-9][0-9]"))) << ok[1];
    EXPECT_GT(fs::file_size(image), 1024u * 1024u);
    EXPECT_EQ(Shown(), (std::vector<std::string>{T(res::kTxtBurnOk) + "|Info|0x40"}));
    const auto pick = m_pickers.Requests().at(0);
    EXPECT_EQ(pick.initialName, "SAMPLE.nrg");
    static const char kFilter[] = "Nero Image (*.nrg)\0*.nrg\0Iso Image (*.iso)\0*.iso\0All Files (*.*)\0*.*\0";
    EXPECT_EQ(pick.filter, std::string(kFilter, sizeof kFilter));
    EXPECT_NE(pick.flags & 0x2u, 0u) << "overwrite prompt";

    // The window is idle again.
    EXPECT_EQ(h.GetItemText(IDC_STATUS) + "|" + h.GetTitle() + "|" + h.GetItemText(IDC_PERCENT) +
                  h.GetItemText(IDC_TIME_REMAINING),
              T(res::kTxtStatusReady) + "|Brenvik Burn 1.2.1|0 %--:--");
    EXPECT_TRUE(h.IsItemEnabled(IDC_BURN) && !h.IsItemEnabled(IDC_ABORT));
    EXPECT_FALSE(m_dlg->Jobs().Session().AbortRequested() || m_dlg->Jobs().Session().Tree());

    // A cancelled image file is a failed burn.
    m_ui.ClearBoxes();
    ASSERT_TRUE(h.Click(IDC_BURN));
    ASSERT_EQ(m_ui.Boxes().size(), 1u);
    EXPECT_EQ(m_ui.Boxes()[0].caption, "Error");
    EXPECT_EQ(Count(h.Lines(IDC_LOG), T(res::kTxtBurnOk)), 1);
}

// A failed burn in the log, the box and the status line; an unattended
// forced shutdown is not held up by a box.
TEST_F(BurnJobWindowTest, FailedBurnIsReportedInLogBoxAndStatus) {
    const struct {
        int result;
        std::string text;
        int statusId;
        bool forcedShutdown;
    } cases[] = {
        {9, framework::Format(T(res::kTxtBurnResultOther), {9}), res::kTxtStatusBurnFailed, false},
        {6, T(res::kTxtBurnAborted), res::kTxtBurnAborted, false},
        {4, T(res::kTxtBurnResult4), res::kTxtStatusBurnFailed, true},
    };
    WriteDrives(kWriter);
    auto& h = Start("Device: BB Writer\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    for (const auto& c : cases) {
        WriteDrives(kWriter + std::string("burn result = ") + std::to_string(c.result) + "\n");
        m_dlg->m_pOtherDlg->m_bForceShutdown = c.forcedShutdown;
        h.SetCheck(IDC_SHUTDOWN, c.forcedShutdown ? BST_CHECKED : BST_UNCHECKED);
        h.SetItemText(IDC_LOG, "");
        m_ui.ClearBoxes();
        ASSERT_TRUE(h.Click(IDC_BURN));
        const auto log = From(h.Lines(IDC_LOG), T(res::kTxtBurnStart));
        EXPECT_TRUE(Has(log, c.text) && !Has(log, T(res::kTxtBurnOk))) << c.result;
        EXPECT_EQ(Shown(), (c.forcedShutdown ? std::vector<std::string>{} : std::vector<std::string>{c.text + "|Error|0x10"}))
            << c.result;
        EXPECT_EQ(h.GetItemText(IDC_STATUS), T(c.statusId)) << c.result;
        EXPECT_TRUE(h.IsItemEnabled(IDC_BURN)) << c.result;
    }
}

// The library gives up reallocating the DVD-Video files: one question; Yes
// burns again without reallocation, No leaves it; with a forced unattended
// shutdown nobody is asked and the failure is reported.
TEST_F(BurnJobWindowTest, ReallocationFailureAsksOnceAndRetriesWithoutIt) {
    const std::string question = T(res::kTxtReallocRetryQuestion) + "|Problem Reallocation!|0x34";
    for (const int answer : {IDYES, IDNO, 0}) {
        WriteDrives(kWriter + std::string("realloc fails = yes\n"));
        auto& h = Start(answer ? "Device: BB Writer\r\n" : "Device: BB Writer\r\nMoreFlags: 1\r\n");
        ChooseRoot(h, SampleRoot(), "SAMPLE");
        h.SetCheck(IDC_SHUTDOWN, answer ? BST_UNCHECKED : BST_CHECKED);
        m_ui.ClearBoxes();
        if (answer) m_ui.QueueAnswers({answer});
        ASSERT_TRUE(h.Click(IDC_BURN));

        const auto log = h.Lines(IDC_LOG);
        EXPECT_TRUE(Has(log, "===> DVD-Video files reallocation failed")) << answer;
        EXPECT_EQ(Has(log, T(res::kTxtBurnResult3)), answer == 0) << "left to the question " << answer;
        std::vector<std::string> expected;
        if (answer) expected.push_back(question);
        if (answer == IDYES) expected.push_back(T(res::kTxtBurnOk) + "|Info|0x40");
        EXPECT_EQ(Shown(), expected) << "asked once: " << answer;
        if (answer == 0) {
            EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtStatusBurnFailed));
            continue;
        }
        EXPECT_FALSE(m_dlg->Jobs().Session().ReallocFailed()) << "the question took it: " << answer;
        if (answer == IDYES) {
            const auto retry = From(log, T(res::kTxtReallocRetryYes));
            EXPECT_TRUE(Has(retry, "Using ISO Flags: ISO UDF DVD CMPT") && Has(retry, T(res::kTxtBurnOk)));
            EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), BST_UNCHECKED);
            EXPECT_EQ(m_dlg->m_bReallocate, 0);
        } else {
            EXPECT_TRUE(Has(log, T(res::kTxtReallocRetryNo)));
            EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtStatusReallocDeclined));
            EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), BST_CHECKED);
        }
    }
}

TEST_F(BurnJobWindowTest, RecorderWithoutSpeedsBurnsAndLogsNoSpeed) {
    WriteDrives("[BB Slow]\ndisc = blank\nmedium = DVD-R\ndvd base rate = 0\n");
    auto& h = Start("Device: BB Slow\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    ASSERT_TRUE(h.Click(IDC_BURN));
    const auto log = From(h.Lines(IDC_LOG), T(res::kTxtBurnStart));
    EXPECT_TRUE(Has(log, T(res::kTxtBurnOk)));
    for (const std::string& line : log) EXPECT_NE(line.rfind(T(res::kTxtSpeedPrefix), 0), 0u) << line;
    EXPECT_FALSE(h.IsItemEnabled(IDC_SPEED_LIST)) << "after the burn: still nothing to choose from";
}

// Right after an automatic erase the preparation never hands a disc holding
// data to another erase (the settings say not to ask): the library asks
// whether to overwrite, and the answer decides the burn.
TEST_F(BurnJobWindowTest, BurnAfterAnEraseLeavesTheOverwriteQuestionToTheLibrary) {
    for (const int answer : {IDYES, IDNO}) {
        fs::remove_all(m_dir / "discs");
        WriteDrives("[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n");
        auto& h = Start("Device: BB RW\r\nBurnFlags: 80008040\r\n");
        ChooseRoot(h, SampleRoot(), "SAMPLE");
        m_ui.ClearBoxes();
        m_ui.QueueAnswers({answer});
        recording::JobInputs inputs = m_dlg->CollectJobInputs();
        (void)recording::BurnJob(m_dlg->Jobs().Session()).PrepareAndBurn(inputs, /*afterErase=*/true);
        Settle();
        const auto log = h.Lines(IDC_LOG);
        ASSERT_FALSE(m_ui.Boxes().empty());
        EXPECT_EQ(Shown()[0], T(res::kTxtOverwriteQuestion) + "|Overwrite ReWriteable?!|0x124");
        EXPECT_FALSE(Has(log, T(res::kTxtEraseBeforeBurn) + " DVD-RW")) << "no second erase";
        EXPECT_EQ(Has(log, T(res::kTxtOverwriteAccepted)), answer == IDYES);
        EXPECT_EQ(Has(log, T(res::kTxtOverwriteDeclined)), answer == IDNO);
        EXPECT_EQ(Has(log, T(res::kTxtBurnOk)), answer == IDYES);
    }
}

TEST_F(BurnJobWindowTest, AbortFromAnotherThreadIsAnsweredWithinASecond) {
    // About ten seconds of writing, unless aborted.
    WriteDrives(kWriter + std::string("burn seconds = 1000\n"));
    auto& h = Start("Device: BB Writer\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    m_ui.QueueAnswers({IDNO, IDYES});  // the first Abort is taken back
    std::atomic<bool> clicked{false};
    std::chrono::steady_clock::time_point abortedAt;
    std::thread user([&] {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (h.GetItemText(IDC_TIME_REMAINING) == "--:--" || h.GetItemText(IDC_PERCENT) == "0 %") {
            if (std::chrono::steady_clock::now() > giveUp) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        h.Click(IDC_ABORT);
        EXPECT_FALSE(m_dlg->Jobs().Session().AbortRequested()) << "No keeps the job running";
        abortedAt = std::chrono::steady_clock::now();
        clicked = h.Click(IDC_ABORT);
    });
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(h.Click(IDC_BURN));
    const auto end = std::chrono::steady_clock::now();
    user.join();
    ASSERT_TRUE(clicked);
    EXPECT_LT(end - abortedAt, std::chrono::seconds(1));
    EXPECT_LT(end - start, std::chrono::seconds(8));
    const auto boxes = Shown();
    ASSERT_EQ(boxes.size(), 3u);
    // Yes/No, No as the default: an unanswered question keeps the burn.
    EXPECT_EQ(boxes[0], T(res::kTxtAbortQuestion) + "|" + T(res::kTxtAbortCaption) + "|0x124");
    EXPECT_NE(boxes[2].find("|Error|"), std::string::npos) << boxes[2];
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnOk)));
    EXPECT_FALSE(m_dlg->Jobs().Session().AbortRequested()) << "cleared at the end of the job";
}

TEST_F(BurnJobWindowTest, BurnPreparationStopsBeforeTheRecorder) {
    auto& h = Start();
    const auto prepareAndBurn = [this] {
        recording::JobInputs inputs = m_dlg->CollectJobInputs();
        return recording::BurnJob(m_dlg->Jobs().Session()).PrepareAndBurn(inputs).result;
    };
    EXPECT_EQ(prepareAndBurn(), -9);
    EXPECT_EQ(h.Lines(IDC_LOG).back(), T(res::kTxtNoDvdRoot));
    ChooseRoot(h, SampleRoot(), "BAD*LABEL");
    EXPECT_EQ(prepareAndBurn(), 42);
    ASSERT_EQ(m_ui.Boxes().size(), 1u);
    EXPECT_EQ(m_ui.Boxes()[0].caption, "Error!");
    h.ComboSetCurSel(IDC_RECORDER_LIST, -1);
    h.Type(IDC_VOLUME, "GOOD");
    m_dlg->UpdateData(TRUE);
    const size_t lines = h.Lines(IDC_LOG).size();
    EXPECT_EQ(prepareAndBurn(), -1);
    EXPECT_EQ(h.Lines(IDC_LOG).size(), lines) << "no recorder: nothing logged";
}

}  // namespace
}  // namespace bb::app::test
