// The command-line run on the headless window (what the worker reads, runs
// and shows, and what follows a burn: closing, the desktop log, the shutdown
// sequence), the log files, the log buttons, the Shutdown box and the label.
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "BatchFixture.h"
#include "framework/CheckedFormat.h"
#include "recording/LogFile.h"
#include "settings/OtherSettings.h"

namespace bb::app::test {
namespace {

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
    EXPECT_TRUE(framework::WaitForWorkerThreads(0));
    EXPECT_FALSE(Erased());
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

TEST_F(LogAndLabelTest, SaveLogWritesTheChosenFileOrSaysBreak) {
    auto& h = Start();
    ASSERT_TRUE(h.Type(IDC_VOLUME, "MOVIE"));
    m_dlg->UpdateData(TRUE);
    m_pickers.QueueCancel();
    ASSERT_TRUE(h.Click(IDC_SAVE_LOG));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), "Break...");
    m_pickers.QueuePath(m_box.At("chosen.log"));
    ASSERT_TRUE(h.Click(IDC_SAVE_LOG));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), "Saving Log...");
    EXPECT_EQ(m_box.Read("chosen.log").rfind("Brenvik Burn log\n", 0), 0u);
    const auto request = m_pickers.Requests().at(1);
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
