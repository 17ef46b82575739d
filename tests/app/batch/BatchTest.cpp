// The erase job and the command-line run on the headless window with the build's
// recording library; what follows a burn (closing, the desktop log, the shutdown
// sequence); the log files, the log buttons, the Shutdown box and the label.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/ShutdownDlg.h"
#include "framework/CheckedFormat.h"
#include "platform/Shutdown.h"
#include "recording/EraseJob.h"
#include "recording/LogFile.h"
#include "settings/OtherSettings.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {

namespace {

namespace fs = std::filesystem;

// Notes each call; `onCall` runs at each call, before it is noted.
class FakeShutdown final : public platform::Shutdown {
public:
    std::string StartHidden(const std::string& commandLine) override { return Note("start " + commandLine); }
    std::string EndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege) override {
        return Note(platform::DescribeEndSession(flags, reserved, enablePrivilege));
    }
    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex);
        return calls;
    }
    std::function<void()> onCall;

private:
    std::string Note(const std::string& call) {
        if (onCall) onCall();
        std::lock_guard lock(mutex);
        calls.push_back(call);
        return {};
    }
    mutable std::mutex mutex;
    std::vector<std::string> calls;
};

// The job threads read HOME while the test changes it.
class FakeEnvironment final : public platform::Environment {
public:
    std::optional<std::string> Get(const std::string& name) override {
        std::lock_guard lock(mutex);
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    bool Set(const std::string& name, const std::string& value) override {
        std::lock_guard lock(mutex);
        values[name] = value;
        return true;
    }
    void Unset(const std::string& name) {
        std::lock_guard lock(mutex);
        values.erase(name);
    }

private:
    std::mutex mutex;
    std::map<std::string, std::string> values;
};

class BatchTest : public app::test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_ui.AddTemplate(app::HeadlessShutdownDialog());
        m_env.Set("HOME", m_box.MakeFolder("home"));
        platform::SetSystemEnvironment(&m_env);
        platform::SetSystemShutdown(&m_shutdown);
    }
    void TearDown() override {
        Settle();
        WindowTest::TearDown();
        platform::SetSystemShutdown(nullptr);
        platform::SetSystemEnvironment(nullptr);
    }
    // The window with a command line its worker starts reading at once.
    platform::HeadlessDialogHost& StartWith(const std::string& commandLine, const std::string& settings = "") {
        return Start(settings, commandLine, /*batch=*/true);
    }

    // The simulated disc notes an erase in its state file.
    bool Erased() const { return m_box.Read("discs/rw.iso.state").find("disc=blank") != std::string::npos; }
    static constexpr const char* kRewritable = "[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n";

    const fs::path m_home = m_dir / "home";
    FakeEnvironment m_env;
    FakeShutdown m_shutdown;
};

// The erase job on the headless window: the confirmation, the estimate's
// refusals, a failing erase, the countdown, and the automatic erase that
// hands the disc on to the burn.
class EraseJobTest : public BatchTest {};

// An erase that cannot start (a refused estimate, no recorder) or that the
// library fails: reported as a failure with its reason, nothing erased, and
// the window idle again.
TEST_F(EraseJobTest, EraseThatCannotRunOrFailsIsReportedAsAFailure) {
    // drive: after kRewritable; reason: the line before the failure, and the box's second part
    const struct { const char* drive; bool noRecorder; std::string reason; } cases[] = {
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

// Yes erases with Abort disabled and reports. (The question itself, and No
// changing nothing, are walked in the running program: main-window-walk.sh.)
TEST_F(EraseJobTest, ErasePressedErasesWithAbortDisabledAndReports) {
    // An estimate of two seconds; the erase itself takes a hundredth of it.
    WriteDrives(std::string(kRewritable) + "erase seconds = 2\n");
    auto& h = Start("Device: BB RW\r\n");
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

// The command-line run on the headless window (what the worker reads, runs
// and shows, and what follows a burn: closing, the desktop log, the shutdown
// sequence), the log files, the log buttons, the Shutdown box and the label.
class BatchRunTest : public BatchTest {};

constexpr int kNoBurnRan = 99;

TEST_F(BatchRunTest, CommandLinesThroughTheWorker) {
    const std::string root = SampleRoot("My DVD");
    const auto refused = [](const std::string& word) { return T(res::kTxtClUnknownWord) + " \"" + word + "\""; };
    const struct {
        std::string commandLine;
        std::vector<std::string> logged;  // these log lines, in this order
        std::string volume;               // the label afterwards, when given
        bool burned, errorBox, burnEnabled;  // Burn is checked when nothing burned
    } cases[] = {
        {"/D \"" + root + "\" /L", {T(res::kTxtClLogToDesktop), T(res::kTxtBurnOk)}, "MY_DVD", true, false, false},
        {"/C\t/D  \"" + root + "\" /V Movie /E /O",
         {framework::Format(T(res::kTxtClFolder), {root}), framework::Format(T(res::kTxtClLabel), {"Movie"}),
          T(res::kTxtClNoEject), T(res::kTxtClNoOverwriteQuestion)},
         "", false, false, true},
        {"/Dfolder", {T(res::kTxtClMissingFolder)}, "UNDEFINED", false, true, false},
        {"/X MOVIE /Q", {refused("/X"), refused("MOVIE"), refused("/Q")}, "UNDEFINED", false, true, false},
        // A folder that was read has been through the size gate, which
        // enables Burn; the refused word keeps the run from starting.
        {"MOVIE /D \"" + root + "\"", {refused("MOVIE")}, "UNDEFINED", false, true, true},
        {"/D \"" + root + "\" /V", {T(res::kTxtClMissingLabel)}, "UNDEFINED", false, true, true},
    };
    for (const auto& c : cases) {
        const std::string name = c.commandLine.substr(0, 60);
        m_ui.ClearBoxes();
        if (c.burned) m_pickers.QueuePath((m_dir / "out.nrg").string());
        auto& h = StartWith(c.commandLine);
        Settle();
        const auto log = h.Lines(IDC_LOG);
        auto from = log.begin();
        for (const std::string& line : c.logged) {
            from = std::find(from, log.end(), line);
            ASSERT_NE(from, log.end()) << name << ": " << line;
        }
        EXPECT_EQ(Count(log, T(res::kTxtNoDiscInfo)), c.burned ? 1 : 0) << "the disc is looked at once: " << name;
        if (!c.volume.empty()) {
            EXPECT_EQ(h.GetItemText(IDC_VOLUME), c.volume) << name;
        }
        EXPECT_EQ(Has(log, T(res::kTxtBurnStart)), c.burned) << name;
        EXPECT_EQ(h.Ended(), c.burned) << "a successful run closes the window: " << name;
        EXPECT_EQ(m_workerResult.load(), c.burned ? 0 : kNoBurnRan) << name;
        if (!c.burned) {
            EXPECT_EQ(h.IsItemEnabled(IDC_BURN), c.burnEnabled) << name;
        }
        // One box for all the refused words.
        const auto boxes = Shown();
        EXPECT_EQ(boxes.size() == 1 && boxes[0].find("|CL parsing error!|0x10") != std::string::npos, c.errorBox)
            << name;
        if (c.burned) {
            EXPECT_EQ(m_box.Read("home/MY_DVD.log").rfind("Brenvik Burn log (saved after the command-line run)", 0), 0u);
            fs::remove(m_home / "MY_DVD.log");
        }
        EXPECT_TRUE(fs::is_empty(m_home)) << "no other desktop log: " << name;
    }
}

// A failed run, with a box (an erase that fails after the question) or
// without one (the folder does not exist), leaves the window shown.
TEST_F(BatchRunTest, FailedRunLeavesTheWindowShown) {
    for (const bool erase : {true, false}) {
        WriteDrives(erase ? kRewritable + std::string("erase fails = yes\n") : "");
        m_ui.ClearBoxes();
        m_ui.SetResponder([](const platform::ShownMessageBox&) { return IDYES; });
        auto& h = StartWith("/D " + (erase ? SampleRoot() : (m_dir / "missing").string()) + " /V MOVIE",
                            "Device: BB RW\r\n");
        Settle();
        const auto log = h.Lines(IDC_LOG);
        const auto boxes = m_ui.Boxes();
        EXPECT_EQ(Count(log, T(res::kTxtEraseFailed)), erase ? 1 : 0);
        EXPECT_EQ(boxes.size(), erase ? 2u : 0u);
        if (erase) {
            EXPECT_EQ(boxes.at(0).text, T(res::kTxtEraseQuestion));
            EXPECT_FALSE(Has(log, T(res::kTxtBurnStart))) << "the burn that was to follow";
        }
        EXPECT_NE(m_workerResult.load(), 0) << erase;
        EXPECT_FALSE(h.Ended()) << erase;
        EXPECT_EQ(h.GetShowState(), SW_SHOWNORMAL) << erase;
    }
}

// The window is torn down while its worker waits for the erase question to be
// put: the question is dropped, never shown, and the worker ends instead of
// waiting for a window that is gone.
TEST_F(BatchRunTest, WindowTornDownBeforeTheWorkersQuestionRunsDropsIt) {
    WriteDrives(kRewritable);
    (void)StartWith("/D " + SampleRoot() + " /V MOVIE", "Device: BB RW\r\n");
    // The window starts the worker; from then on nothing is pumped, so what
    // the worker asks stays queued.
    while (framework::RunningWorkerThreads() == 0 && m_ui.HasPendingMessage()) (void)m_ui.PumpMessage();
    ASSERT_EQ(framework::RunningWorkerThreads(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    std::atomic<bool> gone{false};
    std::thread watchdog([&] {
        for (int i = 0; i < 300 && !gone; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!gone) {
            std::fputs("the worker still waits for the closed window\n", stderr);
            std::_Exit(3);
        }
    });
    m_dlg.reset();  // waits for the job threads
    gone = true;
    watchdog.join();
    while (m_ui.HasPendingMessage()) (void)m_ui.PumpMessage();
    EXPECT_EQ(Shown(), std::vector<std::string>{});
    EXPECT_FALSE(Erased()) << "a dropped question is not a Yes";
}

TEST_F(BatchRunTest, ShutdownSwitchWithAFailingBurnDoesNotShutDown) {
    WriteDrives("[BB Faulty]\ndisc = blank\nmedium = DVD+R\ndisc image = discs/f.iso\nwrite error at = 40\n");
    auto& h = StartWith("/D " + SampleRoot() + " /V MOVIE /S /L", "Device: BB Faulty\r\n");
    Settle();
    const auto log = h.Lines(IDC_LOG);
    EXPECT_TRUE(Has(log, T(res::kTxtClShutdown)));
    EXPECT_TRUE(Has(log, framework::Format(T(res::kTxtShutdownLogPath), {(m_home / "MOVIE.log").string()})));
    EXPECT_TRUE(Has(log, T(res::kTxtBurnStart)) && !Has(log, T(res::kTxtBurnOk)));
    EXPECT_NE(m_workerResult.load(), 0);
    EXPECT_TRUE(m_shutdown.Calls().empty());
    EXPECT_FALSE(h.Ended());
    EXPECT_TRUE(h.IsItemEnabled(IDC_QUIT));
    EXPECT_TRUE(fs::is_empty(m_home)) << "no desktop log after a failure";
    EXPECT_EQ(h.GetShowState(), SW_SHOWNORMAL) << "the error report brought the window back";
}

// After a successful run with /S: the notice closes, the log of kind 1 is
// written, the system is asked to go down, and only then the window closes.
TEST_F(BatchRunTest, ShutdownSequenceRunsInOrder) {
    m_pickers.QueuePath((m_dir / "out.nrg").string());
    platform::HeadlessDialogHost *notice = nullptr, *mainWindow = nullptr;
    std::string noticeText;
    m_ui.WhenOpened(IDD_SHUTDOWN, [&](platform::HeadlessDialogHost& host) {
        notice = &host;
        noticeText = host.GetItemText(IDC_SHUTDOWN_TEXT);
        EXPECT_TRUE(host.PressKey(VK_ESCAPE) && host.PressKey(VK_RETURN));
        EXPECT_FALSE(host.Ended()) << "the keys do not close the notice early";
    });
    std::string order;
    m_shutdown.onCall = [&] {
        order = std::to_string(notice && notice->Ended()) + std::to_string(fs::exists(m_home / "MOVIE.log")) +
                std::to_string(mainWindow && !mainWindow->Ended());
    };
    const auto started = std::chrono::steady_clock::now();
    auto& h = StartWith("/D " + SampleRoot() + " /V MOVIE /S");
    mainWindow = &h;
    Settle();
    EXPECT_EQ(noticeText, T(res::kTxtShutdownNotice));
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << "the notice stays five seconds";
    EXPECT_EQ(order, "111") << "notice gone, log written, window open";
    // Outside Windows the version cannot be read: kind 0, the classic log-off.
    EXPECT_EQ(m_shutdown.Calls(), (std::vector<std::string>{"ExitWindowsEx(0x0, 0xFFFFFFFF)"}));
    EXPECT_TRUE(h.Ended());
    const std::string file = m_box.Read("home/MOVIE.log");
    EXPECT_EQ(file.rfind("Brenvik Burn log (saved before shutting down Windows)", 0), 0u);
    EXPECT_NE(file.find(T(res::kTxtBurnOk)), std::string::npos);
    EXPECT_EQ(m_workerResult.load(), 0);
}

class LogAndLabelTest : public BatchTest {};

// What stands between the two rules of a log file.
std::string LogPart(const std::string& file) {
    const std::string rule = "----------------------------------------\n";
    const size_t begin = file.find(rule), end = file.rfind("\n" + rule);
    if (begin == std::string::npos || end == std::string::npos || end < begin + rule.size()) return "<no log part>";
    return file.substr(begin + rule.size(), end - begin - rule.size());
}

TEST_F(LogAndLabelTest, LogFilesKeepTheLogAsItIs) {
    auto& h = Start();
    m_dlg->OnClearLog();
    for (const char* line : {"first line", "100% done", "50 %s and %d stay", "===> library said 5%"})
        m_dlg->AppendLog(line);
    m_dlg->m_strVolume = "MOVIE";
    const std::pair<recording::LogFileKind, const char*> kinds[] = {
        {recording::LogFileKind::Shutdown, "Brenvik Burn log (saved before shutting down Windows)\n"},
        {recording::LogFileKind::CommandLine, "Brenvik Burn log (saved after the command-line run)\n"},
        {recording::LogFileKind::Saved, "Brenvik Burn log\n"},
    };
    for (const auto& [kind, heading] : kinds) {
        m_dlg->WriteLogFile(int(kind), m_box.At("saved.log").c_str());
        const std::string file = m_box.Read("saved.log");
        EXPECT_EQ(file.rfind(heading, 0), 0u) << file;
        EXPECT_EQ(LogPart(file), "first line\n100% done\n50 %s and %d stay\n===> library said 5%");
        EXPECT_EQ(file.find('\r'), std::string::npos);
        EXPECT_NE(file.find("Volume: MOVIE\nVersion: 1.2.1\n"), std::string::npos) << file;
        // The time in ctime form, at the top and at the end.
        const size_t date = file.find("Date: ");
        ASSERT_NE(date, std::string::npos);
        const std::string when = file.substr(date + 6, 25);
        EXPECT_EQ(when.back(), '\n');
        EXPECT_NE(file.find("End of log: " + when), std::string::npos);
    }
    // More than an edit control holds by default: every line is kept.
    m_dlg->OnClearLog();
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        const std::string line = "Adding file /media/dvd/extras/clip-" + std::to_string(10000 + i) + ".txt...";
        m_dlg->AppendLog(line.c_str());
        expected += (i ? "\n" : "") + line;
    }
    EXPECT_EQ(h.Lines(IDC_LOG).size(), 2000u);
    m_dlg->WriteLogFile(int(recording::LogFileKind::Saved), m_box.At("long.log").c_str());
    EXPECT_TRUE(LogPart(m_box.Read("long.log")) == expected) << "the saved log differs from the lines appended";
}

TEST_F(LogAndLabelTest, DesktopLogIsNamedAfterTheLabelAndReplaced) {
    Start();
    m_dlg->m_strVolume = "NO_NAME";
    EXPECT_EQ(m_dlg->DesktopLogPath(), (m_home / "NO_NAME.log").string().c_str());
    for (const char* job : {"first job", "second job"}) {
        m_dlg->OnClearLog();
        m_dlg->AppendLog(job);
        m_dlg->WriteLogFile(2, nullptr);
        EXPECT_EQ(LogPart(m_box.Read("home/NO_NAME.log")), job) << "a later job of the same label replaces the file";
    }
    // No desktop: no path, no file, no message.
    m_env.Unset("HOME");
    fs::remove(m_home / "NO_NAME.log");
    EXPECT_TRUE(m_dlg->DesktopLogPath().IsEmpty());
    m_ui.ClearBoxes();
    m_dlg->WriteLogFile(2, nullptr);
    EXPECT_TRUE(fs::is_empty(m_home));
    EXPECT_TRUE(m_ui.Boxes().empty());
}

// A forced shutdown after the label was refused: the window keeps the
// normalised label, and the desktop log is written under a name made safe.
TEST_F(LogAndLabelTest, RefusedLabelStaysNormalisedAndNamesASafeDesktopLog) {
    auto& h = Start("MoreFlags: 1\r\n");  // force the shutdown, even on error
    ChooseRoot(h, SampleRoot(), "my<dvd>|*/x");
    ASSERT_TRUE(h.Click(IDC_SHUTDOWN));
    ASSERT_TRUE(h.Click(IDC_BURN));
    Settle();
    const std::string refused = framework::Format(T(res::kTxtLabelBadCharLog), {int('<')});
    EXPECT_EQ(m_dlg->m_strVolume.str(), "MY<DVD>|*/X");
    EXPECT_TRUE(Has(h.Lines(IDC_LOG), refused));
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnStart)));
    EXPECT_EQ(m_shutdown.Calls().size(), 1u);
    const std::string file = m_box.Read("home/MY_DVD____X.log");
    EXPECT_NE(file.find("Volume: MY<DVD>|*/X\n"), std::string::npos) << file;
    EXPECT_NE(LogPart(file).find(refused), std::string::npos);
}

// A cancelled Save Log ("Break...") is walked in the running program.
TEST_F(LogAndLabelTest, SaveLogWritesTheChosenFile) {
    auto& h = Start();
    ASSERT_TRUE(h.Type(IDC_VOLUME, "MOVIE"));
    m_dlg->UpdateData(TRUE);
    m_pickers.QueuePath(m_box.At("chosen.log"));
    ASSERT_TRUE(h.Click(IDC_SAVE_LOG));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), "Saving Log...");
    EXPECT_EQ(m_box.Read("chosen.log").rfind("Brenvik Burn log\n", 0), 0u);
    const auto request = m_pickers.Requests().at(0);
    EXPECT_EQ(request.kind, platform::ScriptedFilePickers::Request::Kind::Save);
    EXPECT_EQ(request.initialName, "MOVIE.log");
    const char kPairs[] = "Log Files (*.log)\0*.log\0All Files (*.*)\0*.*\0";
    EXPECT_EQ(request.filter.substr(0, sizeof kPairs), std::string(kPairs, sizeof kPairs));
}

// Each click logs where the log will go and keeps the disc in the recorder.
TEST_F(LogAndLabelTest, ShutdownBoxAnnouncesTheLogAndKeepsTheDisc) {
    auto& h = Start();
    ASSERT_TRUE(h.Type(IDC_VOLUME, "MOVIE"));
    ASSERT_EQ(m_dlg->m_pOtherDlg->GetBurnFlags() & settings::burnflags::kNoEject, 0u);
    const size_t lines = h.Lines(IDC_LOG).size();
    for (const bool on : {true, false}) {
        ASSERT_TRUE(h.Click(IDC_SHUTDOWN));
        const auto log = h.Lines(IDC_LOG);
        ASSERT_EQ(log.size(), lines + 1) << "unchecking logs nothing";
        EXPECT_EQ(log.back(), framework::Format(T(res::kTxtShutdownLogPath), {(m_home / "MOVIE.log").string()}));
        EXPECT_NE(m_dlg->m_pOtherDlg->GetBurnFlags() & settings::burnflags::kNoEject, 0u) << on;
    }
    EXPECT_TRUE(m_shutdown.Calls().empty());
}

TEST_F(LogAndLabelTest, LabelFollowsTheEditsAndDrops) {
    auto& h = Start();
    const std::string root = SampleRoot("My Movie-2005");
    // Typing shows the remaining length at once; leaving normalises.
    ASSERT_TRUE(h.Type(IDC_VOLUME, "my movie-2005"));
    EXPECT_EQ(h.GetItemText(IDC_LABEL_LENGTH), "19");
    ASSERT_TRUE(h.LeaveEdit(IDC_VOLUME));
    EXPECT_EQ(h.GetItemText(IDC_VOLUME), "MY_MOVIE_2005");
    // A changed DVD root names the label; leaving it unchanged does not.
    ASSERT_TRUE(h.Type(IDC_VOLUME, "KEEP"));
    ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, root, /*leave=*/true));
    EXPECT_EQ(h.GetItemText(IDC_VOLUME), "MY_MOVIE_2005");
    EXPECT_TRUE(h.IsItemEnabled(IDC_BURN)) << "the size gate ran";
    ASSERT_TRUE(h.Type(IDC_VOLUME, "KEEP"));
    ASSERT_TRUE(h.LeaveEdit(IDC_SOURCE_DIR));
    EXPECT_EQ(h.GetItemText(IDC_VOLUME), "KEEP");
    // One dropped folder is taken, two are not.
    const std::string other = SampleRoot("Other");
    h.DropFiles({framework::CString(other), framework::CString(root)});
    EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), root);
    h.DropFiles({framework::CString(other)});
    EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR) + "|" + h.GetItemText(IDC_VOLUME), other + "|OTHER");
}

}  // namespace
}  // namespace bb::app::test
