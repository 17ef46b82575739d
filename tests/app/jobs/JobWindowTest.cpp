// Burns started with the Burn button and the recorder context, against the
// build's recording library and its simulated recorders.
#include <atomic>
#include <chrono>
#include <cstring>
#include <regex>
#include <thread>

#include <gtest/gtest.h>

#include "framework/CheckedFormat.h"
#include "recording/BurnJob.h"
#include "settings/FsFlagsSettings.h"
#include "settings/OtherSettings.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {

namespace {

namespace fs = std::filesystem;

// Burns started with the Burn button against the build's recording library:
// the log of a burn, the report of a failure, the reallocation retry, the
// library's overwrite question, abort from another thread.
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
}

// A failed burn in the log, the box and the status line; an unattended
// forced shutdown is not held up by a box.
TEST_F(BurnJobWindowTest, FailedBurnIsReportedInLogBoxAndStatus) {
    const struct { int result; std::string text; int statusId; bool forcedShutdown; } cases[] = {
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

// The recorder context of the main window against the recording library of
// this build, and the library's callbacks as the window answers them.

class RecorderWindowTest : public app::test::WindowTest {};

constexpr const char* kDrives =
    "[BB Reader]\ndevice kind = 2\n"
    "[BB Forbidden]\ncapabilities = 0\n"
    "[BB DVD Only]\nmedia = 0x4001C\ndvd base rate = 1385\ndvd speeds = 1 2 4\n"
    "[BB CD Only]\nmedia = 0x1\ncd base rate = 150\ncd speeds = 4 8 16 24 32 48\n";

std::vector<std::string> Names(platform::HeadlessDialogHost& h, int id = IDC_RECORDER_LIST) {
    std::vector<std::string> names;
    for (const auto& item : h.ComboItems(id)) names.push_back(item.first);
    return names;
}

// The list holds the writing recorders the library allows for the media
// class; a switch of class or Refresh sets the context up again.
TEST_F(RecorderWindowTest, RecordersOfTheMediaClassAreListedAfreshOnEachSwitch) {
    WriteDrives(kDrives);
    auto& h = Start();
    EXPECT_EQ(Names(h), (std::vector<std::string>{"Image Recorder", "BB DVD Only"}));
    // Item data: each entry's own record inside the library's list.
    for (const auto& [name, data] : h.ComboItems(IDC_RECORDER_LIST))
        EXPECT_EQ(reinterpret_cast<const neroapi::DriveInfo*>(data)->deviceName, name);
    // The set-up's log lines are FakeLibraryWindow's table.
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtRecorderPrefix) + " \"Image Recorder\"..."))
        << "the set-up's own selection logs no media line";

    const struct { int radio, logTextId; std::vector<std::string> names; int32_t fsFlags; } steps[] = {
        {IDC_MEDIA_CD, res::kTxtMediaClassCd, {"Image Recorder", "BB CD Only"}, 0x1A},
        {IDC_MEDIA_DVD, res::kTxtMediaClassDvd, {"Image Recorder", "BB DVD Only"}, 0x18},
    };
    for (const auto& s : steps) {
        ASSERT_TRUE(h.Click(s.radio));
        const auto log = From(h.Lines(IDC_LOG), T(s.logTextId));
        ASSERT_GE(log.size(), 5u) << s.radio;
        EXPECT_EQ(log[1], T(res::kTxtRecorderSetup));
        EXPECT_EQ(log[4], T(res::kTxtRecordersFound));
        EXPECT_EQ(Names(h), s.names);
        EXPECT_EQ(m_dlg->m_pFsFlagsDlg->GetFlags(), s.fsFlags) << "the class's preset";
        EXPECT_TRUE(h.IsItemEnabled(IDC_RECORDER_LIST));
        h.SetItemText(IDC_LOG, "");
    }
    WriteDrives(std::string(kDrives) + "[BB New DVD]\nmedia = 0x4001C\n");
    ASSERT_TRUE(h.Click(IDC_REFRESH));
    EXPECT_EQ(Names(h), (std::vector<std::string>{"Image Recorder", "BB DVD Only", "BB New DVD"}));
}

TEST_F(RecorderWindowTest, SavedRecorderAndSpeedAreChosenAtStartAndSelectionLogsTheMedia) {
    // speed: -1: the last
    const struct { const char* settings; const char* recorder; int speed; } cases[] = {
        {"Device: bb dvd\r\nSpeed: 1\r\n", "BB DVD Only", 1},  // prefix, any letter case
        {"Device: BB DVD Only\r\nSpeed: 7\r\n", "BB DVD Only", 2},
        {"Device: Gone\r\nSpeed: 0\r\n", "Image Recorder", 0},  // no match: the first
    };
    WriteDrives(kDrives);
    for (const auto& c : cases) {
        auto& h = Start(c.settings);
        const int selected = h.ComboGetCurSel(IDC_RECORDER_LIST);
        ASSERT_GE(selected, 0) << c.settings;
        EXPECT_EQ(h.ComboGetText(IDC_RECORDER_LIST, selected), c.recorder) << c.settings;
        EXPECT_EQ(h.ComboGetCurSel(IDC_SPEED_LIST), c.speed) << c.settings;
        EXPECT_EQ(m_dlg->m_nSpeed, c.speed) << c.settings;
    }
    auto& h = Start();
    ASSERT_TRUE(h.SelectCombo(IDC_RECORDER_LIST, 1));
    const auto log = h.Lines(IDC_LOG);
    EXPECT_EQ(log[log.size() - 2], T(res::kTxtRecorderPrefix) + " \"BB DVD Only\"...");
    EXPECT_TRUE(std::regex_match(log.back(), std::regex("\\(.*DVD.*\\)"))) << log.back();
    EXPECT_EQ(Names(h, IDC_SPEED_LIST),
              (std::vector<std::string>{"1.0x (1385 kB/s)", "2.0x (2770 kB/s)", "4.0x (5540 kB/s)"}));
    EXPECT_TRUE(h.IsItemEnabled(IDC_SPEED_LIST));
}

// What the burns through the library do not show on demand: the abort and
// idle answers, the required-file line in the language's words, the disc
// request's box, the image request cancelled and at the buffer's length.
TEST_F(RecorderWindowTest, LibraryCallbacksReachTheWindow) {
    auto& h = Start();
    recording::RecorderSession& session = m_dlg->Jobs().Session();
    const neroapi::LibSettingsRecord& s = session.SettingsRecord();
    const neroapi::LibProgressRecord& p = *session.ProgressRecord();
    EXPECT_EQ(std::string(s.libraryFilesFolder) + "|" + s.software, "NeroFiles|Nero - Burning Rom");
    EXPECT_FALSE(p.disableAbort || p.setMajorPhase || p.subTaskProgress);
    session.RequestAbort();
    EXPECT_EQ(p.aborted(p.user) * 10 + s.idle(s.idleUser), 11);
    session.ClearAbort();
    EXPECT_EQ(s.userDialog(s.userDialogUser, 13, nullptr), 1);
    p.addLogLine(p.user, 0, "Required file neroapi.dll missing");
    EXPECT_EQ(h.Lines(IDC_LOG).back(), "===> " + T(res::kTxtRequiredFile)) << "the language's text";
    EXPECT_TRUE(m_ui.Boxes().empty());

    // Waiting for a disc: the library's own text in an information box.
    EXPECT_EQ(session.AnswerRequest(15, reinterpret_cast<void*>(intptr_t(1))), 0);
    ASSERT_EQ(m_ui.Boxes().size(), 1u);
    EXPECT_NE(Shown()[0].find("|Information|0x40"), std::string::npos) << Shown()[0];

    char buffer[neroapi::kImageFileNameCapacity + 8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(session.AnswerRequest(20, buffer), 0) << "cancelled";
    EXPECT_EQ(buffer[0], 'x');
    const std::string longest = "/" + std::string(254, 'a') + ".nrg";  // 259 characters
    m_pickers.QueuePath(longest);
    EXPECT_EQ(session.AnswerRequest(20, buffer), 1);
    EXPECT_EQ(std::string(buffer), longest);
}

// What the progress reports show lands in the percent and time labels, the
// bar and the title; a later job that reports too little progress to
// measure does not show the earlier job's total.
TEST_F(RecorderWindowTest, ProgressReachesLabelsBarAndTitleAndEachJobTimesItself) {
    WriteDrives("[BB Refusing]\ndisc = blank\nmedium = DVD-R\nburn result = 5\ndisc image = discs/r.iso\n");
    auto& h = Start("Device: BB Refusing\r\n");
    ChooseRoot(h, SampleRoot(), "SAMPLE");
    recording::RecorderSession& session = m_dlg->Jobs().Session();
    const auto shown = [&] {
        return h.GetItemText(IDC_PERCENT) + "|" + h.GetItemText(IDC_TIME_REMAINING) + "|" +
               h.GetItemText(IDC_TIME_TOTAL) + "|" + std::to_string(h.ProgressGetPos(IDC_PROGRESS)) + "|" +
               h.GetTitle();
    };
    EXPECT_EQ(session.OnProgress(0), 0);
    EXPECT_EQ(shown(), "0 %|?:??|?:??|0|0 % Brenvik Burn 1.2.1");
    (void)session.OnProgress(10);
    EXPECT_EQ(shown(), "10 %|?:??|?:??|10|10 % Brenvik Burn 1.2.1") << "first report: no estimate yet";
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    (void)session.OnProgress(20);
    ASSERT_GE(session.TotalSeconds(), 10);
    EXPECT_TRUE(std::regex_match(shown(), std::regex("20 %\\|[0-9]+:[0-9]{2}\\|[0-9]+:[0-9]{2}\\|20\\|20 % .*")))
        << shown();
    session.RequestAbort();
    EXPECT_EQ(session.OnProgress(20), 1);
    session.ClearAbort();

    ASSERT_TRUE(h.Click(IDC_BURN));
    ASSERT_TRUE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnStart)));
    EXPECT_EQ(session.TotalSeconds(), 0);
}

// The sample (0.7 MB) against the red limit of the media class.
TEST_F(RecorderWindowTest, SizeGateFollowsTheRedLimitOfTheMediaClass) {
    const struct { const char* settings; int gate; } cases[] = {
        {"LimitDVDRed: 0\r\n", 1},
        {"LimitDVDRed: 0\r\nMoreFlags: 4\r\n", 0},  // ignore the source size
        {"MediaType: 1\r\nLimitCDRed: 0\r\nLimitDVDRed: 8106\r\n", 1},
    };
    for (const auto& c : cases) {
        auto& h = Start(c.settings);
        ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, SampleRoot()));
        m_dlg->UpdateData(TRUE);
        EXPECT_EQ(m_dlg->CheckSourceSize(), c.gate) << c.settings;
        EXPECT_EQ(h.IsItemEnabled(IDC_BURN), c.gate == 0) << c.settings;
        EXPECT_EQ(m_dlg->m_sizeMeter.valueMb, 1) << c.settings;
    }
}

}  // namespace
}  // namespace bb::app::test
