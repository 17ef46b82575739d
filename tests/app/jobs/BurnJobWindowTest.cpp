// Burns started with the Burn button, against the recording library of this
// build: the log of a burn, each result's report, the reallocation retry,
// the rewritable-disc questions, abort from another thread.
#include <atomic>
#include <chrono>
#include <regex>
#include <thread>

#include "JobsWindowFixture.h"
#include "recording/BurnJob.h"
#include "framework/CheckedFormat.h"
#include "framework/WorkerThread.h"
#include "res/TextIds.h"
#include "settings/OtherSettings.h"

namespace bb::app::test {
namespace {

// This file's own suite over the shared fixture.
class BurnJobWindowTest : public JobsWindowTest {};

using platform::ShownMessageBox;

TEST_F(BurnJobWindowTest, SuccessfulDvdImageBurnLogsEachStepInOrder) {
    WriteDrives("");
    auto& h = Start();
    const std::string root = SampleRoot();
    ChooseRoot(h, root, "SAMPLE");
    SelectRecorder(h, "Image Recorder");
    const std::string image = (m_dir / "out.nrg").string();
    m_pickers.QueuePath(image);

    ASSERT_TRUE(h.Click(IDC_BURN));

    const std::vector<std::string> log = From(h.Lines(IDC_LOG), T(res::kTxtBurnStart));
    ASSERT_GE(log.size(), 8u);
    EXPECT_EQ(log[1], T(res::kTxtRecorderPrefix) + " \"Image Recorder\"");
    EXPECT_EQ(log[2], "Using ISO Flags: ISO UDF Realloc DVD CMPT");
    EXPECT_EQ(log[3], T(res::kTxtScanStart)) << "the scan follows";
    const auto dvd = std::find(log.begin(), log.end(), T(res::kTxtMediaIsDvd));
    ASSERT_NE(dvd, log.end());
    ASSERT_NE(dvd + 1, log.end());
    EXPECT_EQ(dvd[1].rfind(T(res::kTxtSpeedPrefix) + ": ", 0), 0u) << dvd[1];
    EXPECT_NE(dvd[1].find("kB/s)"), std::string::npos) << dvd[1];
    // Then only the library's lines and phases, the result and the time.
    const auto ok = std::find(dvd + 2, log.end(), T(res::kTxtBurnOk));
    ASSERT_NE(ok, log.end());
    ASSERT_GT(ok - dvd, 2);
    for (auto it = dvd + 2; it != ok; ++it)
        EXPECT_TRUE(it->rfind("===> ", 0) == 0 || it->rfind("=> ", 0) == 0) << *it;
    EXPECT_TRUE(Has(log, "===> Image file: " + image));
    ASSERT_EQ(ok + 2, log.end());
    EXPECT_TRUE(std::regex_match(ok[1], std::regex("Time taken: 0:00:[0-9][0-9]"))) << ok[1];

    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, T(res::kTxtBurnOk));
    EXPECT_EQ(boxes[0].caption, "Info");
    EXPECT_EQ(boxes[0].type, 0x40u);
    EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtStatusReady));

    const auto picks = m_pickers.Requests();
    ASSERT_EQ(picks.size(), 1u);
    EXPECT_EQ(picks[0].kind, platform::ScriptedFilePickers::Request::Kind::Save);
    EXPECT_EQ(picks[0].initialName, "SAMPLE.nrg");
    static const char kFilter[] = "Nero Image (*.nrg)\0*.nrg\0Iso Image (*.iso)\0*.iso\0All Files (*.*)\0*.*\0";
    EXPECT_EQ(picks[0].filter, std::string(kFilter, sizeof kFilter));
    EXPECT_NE(picks[0].flags & 0x2u, 0u) << "overwrite prompt";
    EXPECT_GT(fs::file_size(image), 1024u * 1024u);

    // The window is idle again.
    EXPECT_EQ(h.GetTitle(), "Brenvik Burn 1.2.1");
    EXPECT_EQ(h.GetItemText(IDC_PERCENT), "0 %");
    EXPECT_EQ(h.GetItemText(IDC_TIME_REMAINING), "--:--");
    EXPECT_TRUE(h.IsItemEnabled(IDC_BURN));
    EXPECT_FALSE(h.IsItemEnabled(IDC_ABORT));
    EXPECT_FALSE(m_dlg->Jobs().Session().AbortRequested());
    EXPECT_FALSE(m_dlg->Jobs().Session().Tree());
}

TEST_F(BurnJobWindowTest, CancelledImageFileIsAFailedBurn) {
    WriteDrives("");
    auto& h = Start();
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    ASSERT_TRUE(h.Click(IDC_BURN));  // no path queued: the picker is cancelled
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnOk)));
}

// Each library result as the log, the box and the status line report it.
TEST_F(BurnJobWindowTest, EachResultIsReportedInLogBoxAndStatus) {
    struct Case {
        int result;
        int textId;
        int statusId;
        bool forcedShutdown;
    } cases[] = {
        {1, res::kTxtBurnResult1, res::kTxtStatusBurnFailed, false}, {2, res::kTxtBurnResult2, res::kTxtStatusBurnFailed, false},
        {3, res::kTxtBurnResult3, res::kTxtStatusBurnFailed, false}, {4, res::kTxtBurnResult4, res::kTxtStatusBurnFailed, false},
        {5, res::kTxtBurnResult5, res::kTxtStatusBurnFailed, false}, {6, res::kTxtBurnAborted, res::kTxtBurnAborted, false},
        {9, res::kTxtBurnResultOther, res::kTxtStatusBurnFailed, false}, {4, res::kTxtBurnResult4, res::kTxtStatusBurnFailed, true},
    };
    WriteDrives("[BB Writer]\ndisc = blank\nmedium = DVD-R\n");
    auto& h = Start(std::string("Device: BB Writer\r\n"));
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        WriteDrives("[BB Writer]\ndisc = blank\nmedium = DVD-R\nburn result = " + std::to_string(c.result) + "\n");
        m_dlg->m_pOtherDlg->m_bForceShutdown = c.forcedShutdown;
        h.SetCheck(IDC_SHUTDOWN, c.forcedShutdown ? BST_CHECKED : BST_UNCHECKED);
        m_ui.ClearBoxes();
        ASSERT_TRUE(h.Click(IDC_BURN));

        const std::string text = c.textId == res::kTxtBurnResultOther
                                     ? framework::Format(T(c.textId), {c.result})
                                     : T(c.textId);
        const auto log = From(h.Lines(IDC_LOG), T(res::kTxtBurnStart));
        EXPECT_TRUE(Has(log, text)) << text;
        EXPECT_FALSE(Has(log, T(res::kTxtBurnOk)));
        const auto boxes = m_ui.Boxes();
        if (c.forcedShutdown) {
            EXPECT_TRUE(boxes.empty()) << "an unattended forced shutdown is not held up";
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, text);
            EXPECT_EQ(boxes[0].caption, "Error");
            EXPECT_EQ(boxes[0].type, 0x10u);
        }
        EXPECT_EQ(h.GetItemText(IDC_STATUS), T(c.statusId));
        EXPECT_TRUE(h.IsItemEnabled(IDC_BURN));
        h.SetItemText(IDC_LOG, "");
    }
}

// The library gives up reallocating the DVD-Video files: one question; Yes
// burns again without reallocation, No leaves it.
TEST_F(BurnJobWindowTest, ReallocationFailureAsksOnceAndRetriesWithoutIt) {
    for (const int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer);
        WriteDrives("[BB Writer]\ndisc = blank\nmedium = DVD-R\nrealloc fails = yes\n");
        auto& h = Start("Device: BB Writer\r\n");
        ChooseRoot(h, SampleRoot(answer == IDYES ? "yes" : "no"), "SAMPLE");
        m_ui.ClearBoxes();
        m_ui.QueueAnswers({answer});
        ASSERT_TRUE(h.Click(IDC_BURN));

        const auto log = h.Lines(IDC_LOG);
        EXPECT_TRUE(Has(log, "===> DVD-Video files reallocation failed"));
        EXPECT_FALSE(Has(log, T(res::kTxtBurnResult3))) << "left to the question";
        const auto boxes = m_ui.Boxes();
        ASSERT_GE(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, T(res::kTxtReallocRetryQuestion));
        EXPECT_EQ(boxes[0].caption, "Problem Reallocation!");
        EXPECT_EQ(boxes[0].type, 0x34u);
        EXPECT_FALSE(m_dlg->Jobs().Session().ReallocFailed());
        if (answer == IDYES) {
            ASSERT_EQ(boxes.size(), 2u) << "asked once";
            EXPECT_EQ(boxes[1].text, T(res::kTxtBurnOk));
            const auto retry = From(log, T(res::kTxtReallocRetryYes));
            EXPECT_TRUE(Has(retry, "Using ISO Flags: ISO UDF DVD CMPT"));
            EXPECT_TRUE(Has(retry, T(res::kTxtBurnOk)));
            EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), BST_UNCHECKED);
            EXPECT_EQ(m_dlg->m_bReallocate, 0);
        } else {
            EXPECT_EQ(boxes.size(), 1u);
            EXPECT_TRUE(Has(log, T(res::kTxtReallocRetryNo)));
            EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtStatusReallocDeclined));
            EXPECT_EQ(h.GetCheck(IDC_REALLOCATE), BST_CHECKED);
        }
        m_dlg.reset();
    }
}

// A forced unattended shutdown asks nothing, so the failure is reported.
TEST_F(BurnJobWindowTest, ReallocationFailureIsReportedWhenNobodyWillBeAsked) {
    WriteDrives("[BB Writer]\ndisc = blank\nmedium = DVD-R\nrealloc fails = yes\n");
    auto& h = Start("Device: BB Writer\r\nMoreFlags: 1\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    h.SetCheck(IDC_SHUTDOWN, BST_CHECKED);
    ASSERT_TRUE(h.Click(IDC_BURN));
    EXPECT_TRUE(m_ui.Boxes().empty());
    EXPECT_TRUE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnResult3)));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtStatusBurnFailed));
}

TEST_F(BurnJobWindowTest, RecorderWithoutSpeedsBurnsAtZeroAndLogsNoSpeed) {
    WriteDrives("[BB Slow]\ndisc = blank\nmedium = DVD-R\ndvd base rate = 0\n");
    auto& h = Start("Device: BB Slow\r\n");
    EXPECT_FALSE(h.IsItemEnabled(IDC_SPEED_LIST));
    EXPECT_EQ(h.ComboGetCount(IDC_SPEED_LIST), 0);
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    ASSERT_TRUE(h.Click(IDC_BURN));
    const auto log = From(h.Lines(IDC_LOG), T(res::kTxtBurnStart));
    EXPECT_TRUE(Has(log, T(res::kTxtBurnOk)));
    for (const std::string& line : log)
        EXPECT_NE(line.rfind(T(res::kTxtSpeedPrefix), 0), 0u) << line;
    EXPECT_FALSE(h.IsItemEnabled(IDC_SPEED_LIST)) << "after the burn: still nothing to choose from";
}

// A DVD-RW that holds data: the media check asks (unless told not to) and
// hands the disc to the automatic erase, whose worker then burns; right
// after that erase the preparation never hands it to another erase, so
// the library asks whether to overwrite.
TEST_F(BurnJobWindowTest, RewritableDiscWithDataQuestions) {
    struct Case {
        const char* burnFlags;
        bool afterErase;
        int mediaAnswer;      // 0: no question expected
        int overwriteAnswer;  // 0: the library does not ask
        bool erased;          // handed to the automatic erase
    } cases[] = {
        {"8040", false, IDNO, 0, false},
        {"8040", false, IDYES, 0, true},
        {"80008040", false, 0, 0, true},
        {"80008040", true, 0, IDYES, false},
        {"80008040", true, 0, IDNO, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.burnFlags) + (c.afterErase ? " after erase " : " ") +
                     std::to_string(c.mediaAnswer) + " " + std::to_string(c.overwriteAnswer));
        fs::remove_all(m_dir / "discs");
        WriteDrives("[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n");
        auto& h = Start(std::string("Device: BB RW\r\nBurnFlags: ") + c.burnFlags + "\r\n");
        ChooseRoot(h, SampleRoot(), "SAMPLE");
        m_ui.ClearBoxes();
        if (c.mediaAnswer != 0)
            m_ui.QueueAnswers({c.mediaAnswer});
        if (c.overwriteAnswer != 0)
            m_ui.QueueAnswers({c.overwriteAnswer});
        if (c.afterErase) {
            // The burn right after an automatic erase.
            recording::JobInputs inputs = m_dlg->CollectJobInputs();
            (void)recording::BurnJob(m_dlg->Jobs().Session()).PrepareAndBurn(inputs, /*afterErase=*/true);
        } else {
            ASSERT_TRUE(h.Click(IDC_BURN));
        }
        // The erase and the burn after it run on the erase worker.
        Settle();

        const auto log = h.Lines(IDC_LOG);
        const auto boxes = m_ui.Boxes();
        if (c.mediaAnswer != 0) {
            ASSERT_FALSE(boxes.empty());
            EXPECT_EQ(boxes[0].text, T(res::kTxtEraseQuestion));
            EXPECT_EQ(boxes[0].caption, "Overwrite ReWriteable?!");
            EXPECT_EQ(boxes[0].type, 0x124u);
        }
        const bool declined = c.mediaAnswer == IDNO;
        // The burn after an erase does not announce the erase again.
        EXPECT_EQ(Has(log, T(res::kTxtEraseBeforeBurn) + " DVD-RW"), !declined && !c.afterErase);
        EXPECT_EQ(Has(log, T(res::kTxtBurnStart)), !declined);
        if (c.erased) {
            // Erased first, then burned onto the blank disc without a question.
            const auto afterCheck = From(log, T(res::kTxtEraseBeforeBurn) + " DVD-RW");
            EXPECT_TRUE(Has(From(afterCheck, T(res::kTxtBurnStart)), T(res::kTxtBurnOk)));
            for (const auto& box : boxes)
                EXPECT_NE(box.text, T(res::kTxtOverwriteQuestion));
        }
        if (c.overwriteAnswer != 0) {
            const bool yes = c.overwriteAnswer == IDYES;
            ASSERT_FALSE(boxes.empty());
            EXPECT_EQ(boxes[0].text, T(res::kTxtOverwriteQuestion));
            EXPECT_EQ(boxes[0].type, 0x124u);
            EXPECT_EQ(Has(log, T(res::kTxtOverwriteAccepted)), yes);
            EXPECT_EQ(Has(log, T(res::kTxtOverwriteDeclined)), !yes);
            EXPECT_EQ(Has(log, T(res::kTxtBurnOk)), yes);
        }
        m_dlg.reset();
    }
}

TEST_F(BurnJobWindowTest, AbortFromAnotherThreadIsAnsweredWithinASecond) {
    // About ten seconds of writing, unless aborted.
    WriteDrives("[BB Writer]\ndisc = blank\nmedium = DVD-R\nburn seconds = 1000\n");
    auto& h = Start("Device: BB Writer\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    m_ui.QueueAnswers({IDNO, IDYES});  // the first Abort is taken back

    std::atomic<bool> clicked{false};
    std::chrono::steady_clock::time_point abortedAt;
    std::thread user([&] {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (h.GetItemText(IDC_TIME_REMAINING) == "--:--" || h.GetItemText(IDC_PERCENT) == "0 %") {
            if (std::chrono::steady_clock::now() > give_up)
                return;
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
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, T(res::kTxtAbortQuestion));
    EXPECT_EQ(boxes[0].caption, T(res::kTxtAbortCaption));
    EXPECT_EQ(boxes[2].caption, "Error");
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnOk)));
    EXPECT_FALSE(m_dlg->Jobs().Session().AbortRequested()) << "cleared at the end of the job";
}

TEST_F(BurnJobWindowTest, BurnPreparationStopsBeforeTheRecorder) {
    WriteDrives("");
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
