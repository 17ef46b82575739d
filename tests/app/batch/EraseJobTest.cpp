// The erase job on the headless window with the build's recording library:
// the confirmation, the estimate's refusals, the erase with its countdown,
// and the automatic erase that hands the disc on to the burn.
#include <fstream>
#include <sstream>

#include "BatchFixture.h"
#include "recording/EraseJob.h"
#include "res/TextIds.h"

namespace bb::app::test {
namespace {

// This file's own suite over the shared fixture.
class EraseJobTest : public BatchTest {};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The simulated disc records an erase in its state file.
bool DiscErased(const fs::path& sandbox) {
    return ReadAll(sandbox / "discs" / "rw.iso.state").find("disc=blank") != std::string::npos;
}

constexpr const char* kRewritable =
    "[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n";

TEST_F(EraseJobTest, EraseAnsweredNoChangesNothing) {
    WriteDrives(kRewritable);
    auto& h = Start("Device: BB RW\r\n");
    const auto logBefore = h.Lines(IDC_LOG);
    const std::string statusBefore = h.GetItemText(IDC_STATUS);
    m_ui.QueueAnswers({IDNO});
    ASSERT_TRUE(h.Click(IDC_ERASE));
    Settle();

    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, T(res::kTxtEraseQuestion));
    EXPECT_EQ(boxes[0].caption, "Erase ReWriteable");
    EXPECT_EQ(boxes[0].type, 0x124u);
    EXPECT_EQ(h.Lines(IDC_LOG), logBefore);
    EXPECT_EQ(h.GetItemText(IDC_STATUS), statusBefore);
    EXPECT_TRUE(h.IsItemEnabled(IDC_ERASE));
    EXPECT_FALSE(DiscErased(m_dir));
}

// Each refusal of the estimate is logged and shown with the word that the
// disc was not erased, and nothing is erased.
TEST_F(EraseJobTest, RefusedEstimateIsLoggedAndShownWithoutErasing) {
    const struct {
        int estimate;
        int textId;
    } cases[] = {{-1, res::kTxtEraseNoDisc}, {-2, res::kTxtEraseNotSupported}, {-3, res::kTxtEraseNotRewritable}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.estimate);
        fs::remove_all(m_dir / "discs");
        WriteDrives(std::string(kRewritable) + "quick erase seconds = " + std::to_string(c.estimate) + "\n");
        auto& h = Start("Device: BB RW\r\n");
        m_ui.ClearBoxes();
        m_ui.QueueAnswers({IDYES});
        ASSERT_TRUE(h.Click(IDC_ERASE));
        Settle();

        const auto log = From(h.Lines(IDC_LOG), T(c.textId));
        EXPECT_EQ(log, (std::vector<std::string>{T(c.textId), T(res::kTxtEraseFailed)}));
        const auto boxes = m_ui.Boxes();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[1].text, T(res::kTxtEraseFailed) + "\n" + T(c.textId));
        EXPECT_EQ(boxes[1].type, unsigned(MB_ICONERROR));
        EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtEraseFailed));
        EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtErasing))) << "NeroEraseCDRW was not called";
        EXPECT_FALSE(DiscErased(m_dir));
        EXPECT_TRUE(h.IsItemEnabled(IDC_ERASE)) << "back to idle";
        EXPECT_EQ(h.GetItemText(IDC_TIME_TOTAL), "--:--");
        m_dlg.reset();
    }
}

TEST_F(EraseJobTest, ErasePressedErasesWithAbortDisabledAndReports) {
    // An estimate of two seconds; the erase itself takes a hundredth of it.
    WriteDrives(std::string(kRewritable) + "erase seconds = 2\n");
    auto& h = Start("Device: BB RW\r\n");
    ASSERT_TRUE(h.Click(IDC_FULL_ERASE));
    ASSERT_EQ(m_dlg->m_nEraseMode, 0);
    bool jobControlsUsableAtTheEnd = true;
    m_ui.QueueAnswers({IDYES});
    m_ui.SetResponder([&](const platform::ShownMessageBox& box) {
        // The closing box comes while the window is still in its job state.
        if (box.text == T(res::kTxtEraseDone))
            jobControlsUsableAtTheEnd = h.IsItemEnabled(IDC_ABORT) || h.IsItemEnabled(IDC_ERASE);
        return IDOK;
    });
    ASSERT_TRUE(h.Click(IDC_ERASE));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtStatusErasing));
    Settle();

    std::string estimate = T(res::kTxtEraseEstimate);
    estimate.replace(estimate.find("%d"), 2, "2");
    EXPECT_EQ(From(h.Lines(IDC_LOG), estimate),
              (std::vector<std::string>{estimate, T(res::kTxtErasing), T(res::kTxtStatusReady), T(res::kTxtEraseDone)}));
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, T(res::kTxtEraseDone));
    EXPECT_EQ(boxes[1].type, unsigned(MB_ICONINFORMATION));
    EXPECT_FALSE(jobControlsUsableAtTheEnd);
    EXPECT_TRUE(DiscErased(m_dir));
    EXPECT_EQ(h.GetRadioIndex(IDC_FULL_ERASE), 0) << "the user's method is kept";
    EXPECT_TRUE(h.IsItemEnabled(IDC_ERASE));
    EXPECT_EQ(h.GetItemText(IDC_TIME_REMAINING), "--:--");
    EXPECT_EQ(h.GetItemText(IDC_PERCENT), "0 %");
}

TEST_F(EraseJobTest, NoRecorderSelectedEndsLikeAnUnopenedRecorder) {
    WriteDrives("");
    auto& h = Start();
    h.ComboSetCurSel(IDC_RECORDER_LIST, -1);
    m_ui.QueueAnswers({IDYES});
    ASSERT_TRUE(h.Click(IDC_ERASE));
    Settle();
    EXPECT_EQ(From(h.Lines(IDC_LOG), T(res::kTxtCannotOpenRecorder)),
              (std::vector<std::string>{T(res::kTxtCannotOpenRecorder), T(res::kTxtEraseFailed)}));
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].type, 0x10u);
    EXPECT_TRUE(h.IsItemEnabled(IDC_ERASE)) << "back to idle";
}

// Burn on a rewritable disc holding data, agreed to be overwritten: the
// quick erase runs on its worker without a question of its own, and the
// burn follows on that worker once the erase is over.
TEST_F(EraseJobTest, AutomaticEraseThenBurnsOnTheWorker) {
    WriteDrives(std::string(kRewritable) + "quick erase seconds = 30\n");
    auto& h = Start("Device: BB RW\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    ASSERT_TRUE(h.Click(IDC_FULL_ERASE));
    m_ui.ClearBoxes();
    m_ui.QueueAnswers({IDYES});
    ASSERT_TRUE(h.Click(IDC_BURN));
    // The click has returned: the erase (0.3 s here) is still running.
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnStart)));
    EXPECT_FALSE(h.IsItemEnabled(IDC_ABORT));
    Settle();

    std::string estimate = T(res::kTxtEraseEstimate);
    estimate.replace(estimate.find("%d"), 2, "30");
    const auto log = From(h.Lines(IDC_LOG), T(res::kTxtEraseBeforeBurn) + " DVD-RW");
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6),
              (std::vector<std::string>{T(res::kTxtEraseBeforeBurn) + " DVD-RW", estimate, T(res::kTxtErasing),
                                        T(res::kTxtStatusReady), T(res::kTxtEraseDone), T(res::kTxtBurnStart)}));
    EXPECT_TRUE(Has(log, T(res::kTxtBurnOk)));
    // One question (the disc) and the burn's own report; no erase boxes.
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, T(res::kTxtEraseQuestion));
    EXPECT_EQ(boxes[1].text, T(res::kTxtBurnOk));
    EXPECT_EQ(h.GetRadioIndex(IDC_FULL_ERASE), 1) << "the quick method is selected afterwards";
    EXPECT_NE(ReadAll(m_dir / "discs" / "rw.iso.state").find("disc=data"), std::string::npos);
    EXPECT_GT(fs::file_size(m_dir / "discs" / "rw.iso"), 0u);
}

// A refused automatic erase ends the job: the disc was asked about once (or
// not at all, when the settings say not to ask), logged as to be erased once,
// and the burn does not start.
TEST_F(EraseJobTest, RefusedAutomaticEraseStopsTheBurn) {
    for (const bool dontAsk : {false, true}) {
        SCOPED_TRACE(dontAsk);
        fs::remove_all(m_dir / "discs");
        WriteDrives(std::string(kRewritable) + "quick erase seconds = -3\n");
        auto& h = Start(std::string("Device: BB RW\r\nBurnFlags: ") + (dontAsk ? "80008040" : "8040") + "\r\n");
        ChooseRoot(h, SampleRoot(), "SAMPLE");
        m_ui.ClearBoxes();
        m_ui.SetResponder([](const platform::ShownMessageBox&) { return IDYES; });
        ASSERT_TRUE(h.Click(IDC_BURN));
        Settle();

        const auto log = From(h.Lines(IDC_LOG), T(res::kTxtEraseBeforeBurn) + " DVD-RW");
        EXPECT_EQ(log, (std::vector<std::string>{T(res::kTxtEraseBeforeBurn) + " DVD-RW", T(res::kTxtEraseNotRewritable),
                                                 T(res::kTxtEraseFailed)}));
        std::vector<std::string> boxes;
        for (const auto& box : m_ui.Boxes())
            boxes.push_back(box.text + "|" + std::to_string(box.type));
        std::vector<std::string> expected;
        if (!dontAsk)
            expected.push_back(T(res::kTxtEraseQuestion) + "|" + std::to_string(0x124));
        expected.push_back(T(res::kTxtEraseFailed) + "\n" + T(res::kTxtEraseNotRewritable) + "|" + std::to_string(0x10));
        EXPECT_EQ(boxes, expected);
        EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtEraseFailed));
        EXPECT_TRUE(h.IsItemEnabled(IDC_BURN)) << "back to idle";
        EXPECT_FALSE(DiscErased(m_dir));
        m_dlg.reset();
    }
}

// The countdown of a 90-second estimate with a wait the test controls.
TEST_F(EraseJobTest, EraseCountdownShowsTheEstimateAndItsEnd) {
    WriteDrives("");
    auto& h = Start();
    struct Case {
        int endsAtWait;  // the wait that sees the event; 0: never
        bool timeoutBox;
    } cases[] = {{3, false}, {91 + 1 + 40, false}, {0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.endsAtWait);
        m_ui.ClearBoxes();
        std::vector<std::string> remaining, percent;
        std::string total;
        int waits = 0;
        recording::EraseJob(m_dlg->Jobs().Session()).CountDown(90, [&](int ms) {
            EXPECT_EQ(ms, 1000);
            ++waits;
            remaining.push_back(h.GetItemText(IDC_TIME_REMAINING));
            percent.push_back(h.GetItemText(IDC_PERCENT));
            if (waits == 1) total = h.GetItemText(IDC_TIME_TOTAL);
            return waits == c.endsAtWait;
        });
        EXPECT_EQ(total, "1:30");
        ASSERT_GE(remaining.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(remaining.begin(), remaining.begin() + 3),
                  (std::vector<std::string>{"1:30", "1:29", "1:28"}));
        EXPECT_EQ(std::vector<std::string>(percent.begin(), percent.begin() + 3),
                  (std::vector<std::string>{"0.0 %", "1.1 %", "2.2 %"}));
        if (c.endsAtWait == 3) {
            EXPECT_EQ(waits, 3) << "the thread ends as soon as the erase does";
            EXPECT_EQ(h.ProgressGetRange(IDC_PROGRESS), std::make_pair(0, 90));
        } else {
            EXPECT_EQ(remaining[90], "0:00");
            EXPECT_EQ(h.ProgressGetRange(IDC_PROGRESS), std::make_pair(0, 100));
            EXPECT_EQ(h.GetItemText(IDC_TIME_TOTAL), "?:??");
        }
        const auto boxes = m_ui.Boxes();
        ASSERT_EQ(boxes.size(), c.timeoutBox ? 1u : 0u);
        if (c.timeoutBox) {
            EXPECT_EQ(boxes[0].text, T(res::kTxtEraseTimeout));
            EXPECT_EQ(boxes[0].caption, "Timeout Error");
            EXPECT_EQ(boxes[0].type, 0x10u);
            EXPECT_EQ(waits, 91 + 1 + 601);
        }
    }
}

}  // namespace
}  // namespace bb::app::test
