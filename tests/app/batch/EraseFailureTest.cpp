// Erases that fail, in the window and in the command-line run, and what
// follows an automatic erase: a failure is reported as one, the burn that
// was to follow does not start, each question is asked once, and the burn
// after a good erase gets the reallocation retry a blank disc gets.
#include <algorithm>
#include <fstream>
#include <sstream>

#include "BatchFixture.h"
#include "res/TextIds.h"

namespace bb::app::test {
namespace {

class EraseFailureTest : public BatchTest {};

constexpr const char* kRewritable = "[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n";
constexpr const char* kLibraryError = "The disc in BB RW could not be erased";

bool DiscStillHoldsData(const fs::path& sandbox) {
    std::ifstream in(sandbox / "discs" / "rw.iso.state", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    // Without a state file the disc is what the drives file says: data.
    return text.str().empty() || text.str().find("disc=data") != std::string::npos;
}

long Count(const std::vector<std::string>& lines, const std::string& line) {
    return long(std::count(lines.begin(), lines.end(), line));
}

// The Erase button on a recorder whose erase fails: the library's error
// and the failure in the log, the status line and an error box; nothing
// says the erase finished.
TEST_F(EraseFailureTest, FailedEraseFromTheEraseButtonIsReportedAsAFailure) {
    WriteDrives(std::string(kRewritable) + "erase fails = yes\n");
    auto& h = Start("Device: BB RW\r\n");
    m_ui.QueueAnswers({IDYES});
    ASSERT_TRUE(h.Click(IDC_ERASE));
    Settle();

    const auto log = From(h.Lines(IDC_LOG), T(res::kTxtErasing));
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].rfind(kLibraryError, 0), 0u) << log[1];
    EXPECT_EQ(log[2], T(res::kTxtEraseFailed));
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtEraseDone)));
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].type, 0x10u);
    EXPECT_EQ(boxes[1].text.rfind(T(res::kTxtEraseFailed) + "\n" + kLibraryError, 0), 0u) << boxes[1].text;
    EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtEraseFailed));
    EXPECT_TRUE(h.IsItemEnabled(IDC_ERASE)) << "back to idle";
    EXPECT_TRUE(DiscStillHoldsData(m_dir));
}

// The command-line run on a disc whose erase fails, told not to ask (/O)
// and asked (answered Yes): the failure is reported, the burn does not
// start, the run fails and the window is shown.
TEST_F(EraseFailureTest, FailedEraseInTheCommandLineRunStopsTheRun) {
    for (const bool dontAsk : {true, false}) {
        SCOPED_TRACE(dontAsk);
        fs::remove_all(m_dir / "discs");
        WriteDrives(std::string(kRewritable) + "erase fails = yes\n");
        const std::string root = SampleRoot("dvd");
        m_ui.ClearBoxes();
        m_ui.SetResponder([](const platform::ShownMessageBox&) { return IDYES; });
        auto& h = StartWith("/D " + root + " /V MOVIE" + (dontAsk ? " /O" : ""), "Device: BB RW\r\n");
        Settle();

        const auto log = h.Lines(IDC_LOG);
        EXPECT_EQ(Count(log, T(res::kTxtEraseBeforeBurn) + " DVD-RW"), 1);
        EXPECT_EQ(Count(log, T(res::kTxtEraseFailed)), 1);
        EXPECT_TRUE(std::any_of(log.begin(), log.end(),
                                [](const std::string& line) { return line.rfind(kLibraryError, 0) == 0; }));
        EXPECT_FALSE(Has(log, T(res::kTxtBurnStart)));
        EXPECT_FALSE(Has(log, T(res::kTxtEraseDone)));
        const auto boxes = m_ui.Boxes();
        EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(), [&](const auto& b) { return b.text == T(res::kTxtEraseQuestion); }),
                  dontAsk ? 0 : 1);
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.back().type, 0x10u);
        EXPECT_NE(m_workerResult.load(), 0);
        EXPECT_FALSE(h.Ended()) << "a failed run leaves the window";
        EXPECT_EQ(h.GetShowState(), SW_SHOWNORMAL);
        EXPECT_TRUE(DiscStillHoldsData(m_dir));
        m_dlg.reset();
    }
}

// A command-line run that fails without any box (the folder does not
// exist) shows the window again, so that its log is seen.
TEST_F(EraseFailureTest, FailedRunWithoutABoxRestoresTheWindow) {
    WriteDrives("");
    auto& h = StartWith("/D " + (m_dir / "missing").string() + " /V MOVIE");
    Settle();
    EXPECT_TRUE(m_ui.Boxes().empty());
    EXPECT_NE(m_workerResult.load(), 0);
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnOk)));
    EXPECT_EQ(h.GetShowState(), SW_SHOWNORMAL);
}

// The burn after an automatic erase, in the window and in the command-line
// run, fails on reallocation: the retry question comes, not the error box,
// and the failure is not left standing.
TEST_F(EraseFailureTest, BurnAfterAutomaticEraseOffersTheReallocationRetry) {
    for (const bool commandLine : {false, true}) {
        SCOPED_TRACE(commandLine);
        fs::remove_all(m_dir / "discs");
        WriteDrives(std::string(kRewritable) + "realloc fails = yes\n");
        const std::string root = SampleRoot("dvd");
        m_ui.ClearBoxes();
        m_ui.SetResponder([this](const platform::ShownMessageBox& box) {
            return box.text == T(res::kTxtEraseQuestion) ? IDYES : IDNO;
        });
        platform::HeadlessDialogHost* h = nullptr;
        if (commandLine) {
            h = &StartWith("/D " + root + " /V MOVIE", "Device: BB RW\r\n");
        } else {
            h = &Start("Device: BB RW\r\n");
            ChooseRoot(*h, root, "MOVIE");
            ASSERT_TRUE(h->Click(IDC_BURN));
        }
        Settle();

        std::vector<std::string> captions;
        for (const auto& box : m_ui.Boxes())
            captions.push_back(box.caption);
        EXPECT_EQ(captions, (std::vector<std::string>{"Overwrite ReWriteable?!", "Problem Reallocation!"}));
        const auto log = h->Lines(IDC_LOG);
        EXPECT_TRUE(Has(log, T(res::kTxtEraseDone)));
        EXPECT_TRUE(Has(log, T(res::kTxtReallocRetryNo)));
        EXPECT_FALSE(Has(log, T(res::kTxtBurnResult3)));
        EXPECT_EQ(h->GetItemText(IDC_STATUS), T(res::kTxtStatusReallocDeclined));
        EXPECT_FALSE(m_dlg->Jobs().Session().ReallocFailed());
        m_dlg.reset();
    }
}

}  // namespace
}  // namespace bb::app::test
