// The command-line run on the headless window with the build's recording
// library: the words read by the worker, what runs, what is shown, and what
// follows a burn (closing, the desktop log, the shutdown sequence).
#include <algorithm>
#include <fstream>
#include <sstream>

#include "BatchFixture.h"
#include "framework/CheckedFormat.h"
#include "res/TextIds.h"

namespace bb::app::test {
namespace {

// This file's own suite over the shared fixture.
class BatchRunTest : public BatchTest {};

constexpr int kNoBurnRan = 99;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(BatchRunTest, CommandLinesThroughTheWorker) {
    WriteDrives("");  // the image recorder only
    const std::string spaced = SampleRoot("My DVD");
    const std::string root = SampleRoot("dvd");
    const auto refused = [this](const std::string& word) { return T(res::kTxtClUnknownWord) + " \"" + word + "\""; };

    struct Case {
        std::string commandLine;
        std::vector<std::string> logged;  // these log lines, in this order
        std::string volume;       // the label afterwards
        bool burned;
        bool errorBox;
        bool burnEnabled;         // checked when nothing burned
        std::string desktopLog;   // a log file expected in the home folder
    } cases[] = {
        {"-d \"" + spaced + "\" -v MOVIE", {}, "MOVIE", true, false, false, ""},
        {"/D " + root + " /L", {T(res::kTxtClLogToDesktop)}, "DVD", true, false, false, "DVD.log"},
        {"/C /D " + root, {}, "DVD", false, false, true, ""},
        {"/C\t/D  " + root, {}, "DVD", false, false, true, ""},
        {"/Dfolder", {T(res::kTxtClMissingFolder)}, "UNDEFINED", false, true, false, ""},
        {"/D \"\" /V MOVIE", {T(res::kTxtClMissingFolder)}, "MOVIE", false, true, false, ""},
        // Each refused word is named.
        {"/X /C", {refused("/X")}, "UNDEFINED", false, true, false, ""},
        {"/X MOVIE /Q", {refused("/X"), refused("MOVIE"), refused("/Q")}, "UNDEFINED", false, true, false, ""},
        // A folder that was read has been through the size gate, which
        // enables Burn; the refused word keeps the run from starting.
        {"MOVIE /D " + root, {refused("MOVIE")}, "UNDEFINED", false, true, true, ""},
        {"/D " + root + " /V", {T(res::kTxtClMissingLabel)}, "UNDEFINED", false, true, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine.substr(0, 80));
        m_ui.ClearBoxes();
        if (c.burned) m_pickers.QueuePath((m_dir / "out.nrg").string());
        auto& h = StartWith(c.commandLine);
        Settle();

        const auto log = h.Lines(IDC_LOG);
        size_t from = 0;
        for (const std::string& line : c.logged) {
            auto it = std::find(log.begin() + long(from), log.end(), line);
            ASSERT_NE(it, log.end()) << line;
            from = size_t(it - log.begin()) + 1;
        }
        EXPECT_EQ(h.GetItemText(IDC_VOLUME), c.volume);
        EXPECT_EQ(Has(log, T(res::kTxtBurnStart)), c.burned);
        EXPECT_EQ(Has(log, T(res::kTxtBurnOk)), c.burned);
        EXPECT_EQ(h.Ended(), c.burned) << "a successful run closes the window";
        EXPECT_EQ(m_workerResult.load(), c.burned ? 0 : kNoBurnRan);
        if (!c.burned) {
            EXPECT_EQ(h.IsItemEnabled(IDC_BURN), c.burnEnabled);
        }
        const auto boxes = m_ui.Boxes();
        const bool errorBox = !boxes.empty() && boxes.back().caption == "CL parsing error!";
        EXPECT_EQ(errorBox, c.errorBox);
        if (errorBox) {
            EXPECT_EQ(boxes.back().type, 0x10u);
            EXPECT_EQ(boxes.size(), 1u) << "one box for all the refused words";
        }
        if (!c.desktopLog.empty()) {
            EXPECT_EQ(ReadAll(m_home / c.desktopLog).rfind("Brenvik Burn log (saved after the command-line run)", 0), 0u);
            fs::remove(m_home / c.desktopLog);
        }
        EXPECT_TRUE(fs::is_empty(m_home)) << "no other desktop log";
        fs::remove(m_dir / "out.nrg");
        m_dlg.reset();
    }
}

// 99 words are read; a line of more is refused as a whole, with the limit
// named, and nothing of it is read or burned.
TEST_F(BatchRunTest, LinesOfMoreThan99WordsAreRefusedWhole) {
    WriteDrives("");
    const std::string root = SampleRoot("dvd");
    for (int count : {99, 100, 300}) {
        SCOPED_TRACE(count);
        std::string line = "/D " + root;
        for (int i = 0; i < count - 4; ++i) line += " /E";
        line += " /V LABEL";
        const bool read = count <= 99;
        m_ui.ClearBoxes();
        if (read) m_pickers.QueuePath((m_dir / "out.nrg").string());
        auto& h = StartWith(line);
        Settle();

        const auto log = h.Lines(IDC_LOG);
        EXPECT_EQ(Has(log, framework::Format(T(res::kTxtClTooManyWords), {99})), !read);
        EXPECT_EQ(Has(log, framework::Format(T(res::kTxtClFolder), {root})), read);
        EXPECT_EQ(Has(log, T(res::kTxtBurnOk)), read);
        EXPECT_EQ(m_workerResult.load(), read ? 0 : kNoBurnRan);
        const auto boxes = m_ui.Boxes();
        if (read) {
            EXPECT_EQ(h.GetItemText(IDC_VOLUME), "LABEL");
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].caption, "CL parsing error!");
            EXPECT_EQ(boxes[0].type, 0x10u);
            EXPECT_FALSE(fs::exists(m_dir / "out.nrg"));
        }
        fs::remove(m_dir / "out.nrg");
        m_dlg.reset();
    }
}

TEST_F(BatchRunTest, FolderAndLabelAreLoggedWithTheirValues) {
    WriteDrives("");
    const std::string root = SampleRoot("dvd");
    auto& h = StartWith("/C /D " + root + " /V Movie /E /O");
    Settle();
    const auto log = h.Lines(IDC_LOG);
    EXPECT_TRUE(Has(log, framework::Format(T(res::kTxtClFolder), {root})));
    EXPECT_TRUE(Has(log, framework::Format(T(res::kTxtClLabel), {"Movie"})));
    EXPECT_TRUE(Has(log, T(res::kTxtClNoEject)));
    EXPECT_TRUE(Has(log, T(res::kTxtClNoOverwriteQuestion)));
    EXPECT_EQ(m_dlg->m_strSourceDir, root.c_str());
    EXPECT_FALSE(Has(log, T(res::kTxtBurnStart)));
}

// /O erases a rewritable disc holding data before the burn without asking.
TEST_F(BatchRunTest, OverwriteSwitchQuickErasesBeforeTheBurn) {
    WriteDrives("[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n");
    const std::string root = SampleRoot("dvd");
    auto& h = StartWith("/D " + root + " /V MOVIE /O", "Device: BB RW\r\n");
    Settle();
    const auto log = h.Lines(IDC_LOG);
    EXPECT_TRUE(Has(log, T(res::kTxtErasing)));
    EXPECT_TRUE(Has(log, T(res::kTxtBurnOk)));
    for (const auto& box : m_ui.Boxes())
        EXPECT_NE(box.text, T(res::kTxtEraseQuestion)) << "no question about the disc";
    EXPECT_EQ(m_workerResult.load(), 0);
    EXPECT_TRUE(h.Ended());
}

// Without /O the look at the disc happens once: one question about a
// rewritable disc holding data, one line about a disc the library cannot
// describe.
TEST_F(BatchRunTest, DiscIsLookedAtOnceWithoutTheOverwriteSwitch) {
    WriteDrives("[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n");
    const std::string root = SampleRoot("dvd");
    m_ui.QueueAnswers({IDNO});
    auto& rw = StartWith("/D " + root + " /V MOVIE", "Device: BB RW\r\n");
    Settle();
    const auto boxes = m_ui.Boxes();
    EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(), [&](const auto& b) { return b.text == T(res::kTxtEraseQuestion); }),
              1);
    EXPECT_FALSE(Has(rw.Lines(IDC_LOG), T(res::kTxtBurnStart))) << "the disc was kept";
    m_dlg.reset();

    WriteDrives("");
    m_pickers.QueuePath((m_dir / "out.nrg").string());
    auto& image = StartWith("/D " + root + " /V MOVIE");
    Settle();
    const auto log = image.Lines(IDC_LOG);
    EXPECT_EQ(std::count(log.begin(), log.end(), T(res::kTxtNoDiscInfo)), 1);
    EXPECT_TRUE(Has(log, T(res::kTxtBurnOk)));
}

TEST_F(BatchRunTest, ShutdownSwitchWithAFailingBurnDoesNotShutDown) {
    WriteDrives("[BB Faulty]\ndisc = blank\nmedium = DVD+R\ndisc image = discs/f.iso\nwrite error at = 40\n");
    const std::string root = SampleRoot("dvd");
    auto& h = StartWith("/D " + root + " /V MOVIE /S /L", "Device: BB Faulty\r\n");
    Settle();
    const auto log = h.Lines(IDC_LOG);
    EXPECT_TRUE(Has(log, T(res::kTxtClShutdown)));
    EXPECT_TRUE(Has(log, framework::Format(T(res::kTxtShutdownLogPath), {(m_home / "MOVIE.log").string()})));
    EXPECT_TRUE(Has(log, T(res::kTxtBurnStart)));
    EXPECT_FALSE(Has(log, T(res::kTxtBurnOk)));
    EXPECT_NE(m_workerResult.load(), 0);
    EXPECT_TRUE(m_shutdown.Calls().empty());
    EXPECT_FALSE(h.Ended()) << "the window stays after a failed run";
    EXPECT_TRUE(h.IsItemEnabled(IDC_QUIT));
    EXPECT_TRUE(fs::is_empty(m_home)) << "no desktop log after a failure";
    EXPECT_EQ(h.GetShowState(), SW_SHOWNORMAL) << "the error report brought the window back";
}

// After a successful run with /S: the notice closes, the log of kind 1 is
// written, the system is asked to go down, and only then the window closes.
TEST_F(BatchRunTest, ShutdownSequenceRunsInOrder) {
    WriteDrives("");
    const std::string root = SampleRoot("dvd");
    m_pickers.QueuePath((m_dir / "out.nrg").string());
    platform::HeadlessDialogHost* notice = nullptr;
    std::string noticeText;
    m_ui.WhenOpened(IDD_SHUTDOWN, [&](platform::HeadlessDialogHost& host) {
        notice = &host;
        noticeText = host.GetItemText(IDC_SHUTDOWN_TEXT);
        EXPECT_TRUE(host.PressKey(VK_ESCAPE));
        EXPECT_TRUE(host.PressKey(VK_RETURN));
        EXPECT_FALSE(host.Ended()) << "the keys do not close the notice early";
    });
    platform::HeadlessDialogHost* mainWindow = nullptr;
    bool noticeGone = false, logWritten = false, windowOpen = false;
    m_shutdown.onCall = [&] {
        noticeGone = notice != nullptr && notice->Ended();
        logWritten = fs::exists(m_home / "MOVIE.log");
        windowOpen = mainWindow != nullptr && !mainWindow->Ended();
    };
    const auto started = std::chrono::steady_clock::now();
    auto& h = StartWith("/D " + root + " /V MOVIE /S");
    mainWindow = &h;
    Settle();

    EXPECT_EQ(noticeText, T(res::kTxtShutdownNotice));
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << "the notice stays five seconds";
    EXPECT_TRUE(noticeGone);
    EXPECT_TRUE(logWritten);
    EXPECT_TRUE(windowOpen);
    // Outside Windows the version cannot be read: kind 0, the classic log-off.
    EXPECT_EQ(m_shutdown.Calls(), (std::vector<std::string>{"ExitWindowsEx(0x0, 0xFFFFFFFF)"}));
    EXPECT_TRUE(h.Ended());
    const std::string file = ReadAll(m_home / "MOVIE.log");
    EXPECT_EQ(file.rfind("Brenvik Burn log (saved before shutting down Windows)", 0), 0u);
    EXPECT_NE(file.find(T(res::kTxtBurnOk)), std::string::npos);
    EXPECT_EQ(m_workerResult.load(), 0);
}

}  // namespace
}  // namespace bb::app::test
