// The erase job on the headless window: the confirmation, the estimate's
// refusals, a failing erase, the countdown, and the automatic erase that
// hands the disc on to the burn.
#include "BatchFixture.h"
#include "framework/CheckedFormat.h"
#include "recording/EraseJob.h"

namespace bb::app::test {
namespace {

class EraseJobTest : public BatchTest {};

// An erase that cannot start (a refused estimate, no recorder) or that the
// library fails: reported as a failure with its reason, nothing erased, and
// the window idle again.
TEST_F(EraseJobTest, EraseThatCannotRunOrFailsIsReportedAsAFailure) {
    const struct {
        const char* drive;  // after kRewritable
        bool noRecorder;
        std::string reason;  // the line before the failure, and the box's second part
    } cases[] = {
        {"quick erase seconds = -1\n", false, T(res::kTxtEraseNoDisc)},
        {"quick erase seconds = -2\n", false, T(res::kTxtEraseNotSupported)},
        {"quick erase seconds = -3\n", false, T(res::kTxtEraseNotRewritable)},
        {"", true, T(res::kTxtCannotOpenRecorder)},
        {"erase fails = yes\n", false, "The disc in BB RW could not be erased"},
    };
    for (const auto& c : cases) {
        fs::remove_all(m_dir / "discs");
        WriteDrives(kRewritable + std::string(c.drive));
        auto& h = Start("Device: BB RW\r\n");
        if (c.noRecorder) h.ComboSetCurSel(IDC_RECORDER_LIST, -1);
        m_ui.ClearBoxes();
        m_ui.QueueAnswers({IDYES});
        ASSERT_TRUE(h.Click(IDC_ERASE));
        Settle();
        // The library's own error line carries more after its start.
        const auto log = h.Lines(IDC_LOG);
        const auto failed = std::find(log.begin(), log.end(), T(res::kTxtEraseFailed));
        ASSERT_TRUE(failed != log.begin() && failed + 1 == log.end()) << c.reason;
        EXPECT_EQ(failed[-1].rfind(c.reason, 0), 0u) << failed[-1];
        EXPECT_EQ(Has(log, T(res::kTxtErasing)), std::string(c.drive) == "erase fails = yes\n") << c.reason;
        const auto boxes = m_ui.Boxes();
        ASSERT_EQ(boxes.size(), 2u) << c.reason;
        EXPECT_EQ(boxes[1].text.rfind(T(res::kTxtEraseFailed) + "\n" + c.reason, 0), 0u) << boxes[1].text;
        EXPECT_EQ(boxes[1].type, unsigned(MB_ICONERROR)) << c.reason;
        EXPECT_EQ(h.GetItemText(IDC_STATUS) + "|" + h.GetItemText(IDC_TIME_TOTAL), T(res::kTxtEraseFailed) + "|--:--");
        EXPECT_TRUE(h.IsItemEnabled(IDC_ERASE)) << c.reason;
        EXPECT_FALSE(Erased()) << c.reason;
    }
}

// Answered No, the question changes nothing; Yes erases with Abort
// disabled and reports.
TEST_F(EraseJobTest, ErasePressedAsksThenErasesWithAbortDisabledAndReports) {
    // An estimate of two seconds; the erase itself takes a hundredth of it.
    WriteDrives(std::string(kRewritable) + "erase seconds = 2\n");
    auto& h = Start("Device: BB RW\r\n");
    const auto logBefore = h.Lines(IDC_LOG);
    const std::string statusBefore = h.GetItemText(IDC_STATUS);
    m_ui.QueueAnswers({IDNO});
    ASSERT_TRUE(h.Click(IDC_ERASE));
    Settle();
    EXPECT_EQ(Shown(), (std::vector<std::string>{T(res::kTxtEraseQuestion) + "|Erase ReWriteable|0x124"}));
    EXPECT_EQ(h.Lines(IDC_LOG), logBefore);
    EXPECT_EQ(h.GetItemText(IDC_STATUS), statusBefore);
    EXPECT_FALSE(Erased());
    m_ui.ClearBoxes();

    ASSERT_TRUE(h.Click(IDC_FULL_ERASE));
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
    const std::string estimate = framework::Format(T(res::kTxtEraseEstimate), {2});
    EXPECT_EQ(From(h.Lines(IDC_LOG), estimate),
              (std::vector<std::string>{estimate, T(res::kTxtErasing), T(res::kTxtStatusReady), T(res::kTxtEraseDone)}));
    EXPECT_EQ(Shown().at(1), T(res::kTxtEraseDone) + "||" + Hex(MB_ICONINFORMATION));
    EXPECT_FALSE(jobControlsUsableAtTheEnd);
    EXPECT_TRUE(Erased());
    EXPECT_EQ(h.GetRadioIndex(IDC_FULL_ERASE), 0) << "the user's method is kept";
    EXPECT_TRUE(h.IsItemEnabled(IDC_ERASE));
    EXPECT_EQ(h.GetItemText(IDC_TIME_REMAINING) + h.GetItemText(IDC_PERCENT), "--:--0 %");
}

// The countdown reaches the window's labels; an erase that never ends is
// given up with a box of its own.
TEST_F(EraseJobTest, EraseCountdownShowsTheEstimateAndGivesUp) {
    auto& h = Start();
    std::vector<std::string> shown;
    int waits = 0;
    recording::EraseJob(m_dlg->Jobs().Session()).CountDown(90, [&](int ms) {
        EXPECT_EQ(ms, 1000);
        if (++waits <= 2)
            shown.push_back(h.GetItemText(IDC_TIME_TOTAL) + " " + h.GetItemText(IDC_TIME_REMAINING) + " " +
                            h.GetItemText(IDC_PERCENT) + " " + std::to_string(h.ProgressGetRange(IDC_PROGRESS).second));
        return false;
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"1:30 1:30 0.0 % 90", "1:30 1:29 1.1 % 90"}));
    EXPECT_EQ(waits, 91 + 1 + 601);
    EXPECT_EQ(h.GetItemText(IDC_TIME_TOTAL), "?:??");
    EXPECT_EQ(Shown(), (std::vector<std::string>{T(res::kTxtEraseTimeout) + "|Timeout Error|0x10"}));
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
    const std::string announced = T(res::kTxtEraseBeforeBurn) + " DVD-RW";
    auto log = From(h.Lines(IDC_LOG), announced);
    log.resize(std::min<size_t>(log.size(), 6));
    EXPECT_EQ(log, (std::vector<std::string>{announced, framework::Format(T(res::kTxtEraseEstimate), {30}),
                                             T(res::kTxtErasing), T(res::kTxtStatusReady), T(res::kTxtEraseDone),
                                             T(res::kTxtBurnStart)}));
    // One question (the disc) and the burn's own report; no erase boxes.
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text + "|" + boxes[1].text, T(res::kTxtEraseQuestion) + "|" + T(res::kTxtBurnOk));
    EXPECT_EQ(h.GetRadioIndex(IDC_FULL_ERASE), 1) << "the quick method is selected afterwards";
}

}  // namespace
}  // namespace bb::app::test
