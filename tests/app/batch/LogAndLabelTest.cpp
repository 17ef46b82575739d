// The log files, the log buttons, the Shutdown box, and the label and DVD
// root handlers of the main window.
#include <fstream>
#include <sstream>

#include "BatchFixture.h"
#include "framework/CheckedFormat.h"
#include "recording/LogFile.h"
#include "res/TextIds.h"
#include "settings/OtherSettings.h"

namespace bb::app::test {
namespace {

// This file's own suite over the shared fixture.
class LogAndLabelTest : public BatchTest {};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The log part of a file written from the templates of english.lng: what
// stands between the two rules.
std::string LogPart(const std::string& file) {
    const std::string rule = "----------------------------------------\n";
    const size_t begin = file.find(rule);
    const size_t end = file.rfind("\n" + rule);
    if (begin == std::string::npos || end == std::string::npos || end < begin + rule.size()) return "<no log part>";
    return file.substr(begin + rule.size(), end - begin - rule.size());
}

TEST_F(LogAndLabelTest, LogFilesKeepTheLogAsItIs) {
    WriteDrives("");
    auto& h = Start();
    m_dlg->OnClearLog();
    ASSERT_TRUE(h.Lines(IDC_LOG).empty());
    for (const char* line : {"first line", "100% done", "50 %s and %d stay", "===> library said 5%"})
        m_dlg->AppendLog(line);
    m_dlg->m_strVolume = "MOVIE";

    const struct {
        recording::LogFileKind kind;
        const char* heading;
    } kinds[] = {
        {recording::LogFileKind::Shutdown, "Brenvik Burn log (saved before shutting down Windows)\n"},
        {recording::LogFileKind::CommandLine, "Brenvik Burn log (saved after the command-line run)\n"},
        {recording::LogFileKind::Saved, "Brenvik Burn log\n"},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(int(k.kind));
        const fs::path path = m_dir / "saved.log";
        m_dlg->WriteLogFile(int(k.kind), path.string().c_str());
        const std::string file = ReadAll(path);
        EXPECT_EQ(file.rfind(k.heading, 0), 0u) << file;
        EXPECT_EQ(LogPart(file), "first line\n100% done\n50 %s and %d stay\n===> library said 5%");
        EXPECT_EQ(file.find('\r'), std::string::npos);
        EXPECT_NE(file.find("Volume: MOVIE\nVersion: 1.2.1\n"), std::string::npos);
        // The time in ctime form, at the top and at the end.
        const size_t date = file.find("Date: ");
        ASSERT_NE(date, std::string::npos);
        const std::string when = file.substr(date + 6, 25);
        EXPECT_EQ(when.size(), 25u);
        EXPECT_EQ(when.back(), '\n');
        EXPECT_NE(file.find("End of log: " + when), std::string::npos);
    }
}

// A long session (a few jobs, a root of a few hundred files) fills more
// than an edit control holds by default; the window and the file it is
// saved to keep every line, the last ones included.
TEST_F(LogAndLabelTest, LongSessionKeepsEveryLineInTheWindowAndTheFile) {
    WriteDrives("");
    auto& h = Start();
    m_dlg->OnClearLog();
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        const std::string line = "Adding file /media/dvd/extras/clip-" + std::to_string(10000 + i) + ".txt...";
        m_dlg->AppendLog(line.c_str());
        expected += (i ? "\n" : "") + line;
    }
    ASSERT_GT(expected.size(), 60000u) << "twice what an edit control holds at first";
    EXPECT_EQ(h.Lines(IDC_LOG).size(), 2000u);

    const fs::path path = m_dir / "long.log";
    m_dlg->WriteLogFile(int(recording::LogFileKind::Saved), path.string().c_str());
    const std::string part = LogPart(ReadAll(path));
    EXPECT_EQ(part.size(), expected.size());
    EXPECT_TRUE(part == expected) << "the saved log differs from the lines appended";
}

TEST_F(LogAndLabelTest, DesktopLogIsNamedAfterTheLabelAndReplaced) {
    WriteDrives("");
    auto& h = Start();
    m_dlg->m_strVolume = "NO_NAME";
    const fs::path desktop = m_home / "NO_NAME.log";
    EXPECT_EQ(m_dlg->DesktopLogPath(), desktop.string().c_str());

    m_dlg->OnClearLog();
    m_dlg->AppendLog("first job");
    m_dlg->WriteLogFile(2, nullptr);
    EXPECT_EQ(LogPart(ReadAll(desktop)), "first job");
    m_dlg->OnClearLog();
    m_dlg->AppendLog("second job");
    m_dlg->WriteLogFile(1, nullptr);
    EXPECT_EQ(LogPart(ReadAll(desktop)), "second job") << "a later job of the same label replaces the file";

    // No desktop: no path and no file, and no message either.
    m_env.Unset("HOME");
    fs::remove(desktop);
    EXPECT_TRUE(m_dlg->DesktopLogPath().IsEmpty());
    m_ui.ClearBoxes();
    m_dlg->WriteLogFile(2, nullptr);
    EXPECT_TRUE(fs::is_empty(m_home));
    EXPECT_TRUE(m_ui.Boxes().empty());
    (void)h;
}

// A forced shutdown after the label was refused: the window keeps the
// normalised label, and the desktop log is written under a name made safe.
TEST_F(LogAndLabelTest, RefusedLabelStaysNormalisedAndNamesASafeDesktopLog) {
    WriteDrives("");
    auto& h = Start("MoreFlags: 1\r\n");  // force the shutdown, even on error
    ChooseRoot(h, SampleRoot(), "my<dvd>|*/x");
    ASSERT_TRUE(h.Click(IDC_SHUTDOWN));
    ASSERT_TRUE(h.Click(IDC_BURN));
    Settle();

    EXPECT_EQ(m_dlg->m_strVolume.str(), "MY<DVD>|*/X");
    EXPECT_TRUE(Has(h.Lines(IDC_LOG), framework::Format(T(res::kTxtLabelBadCharLog), {int('<')})));
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtBurnStart)));
    EXPECT_EQ(m_shutdown.Calls().size(), 1u);
    const fs::path desktop = m_home / "MY_DVD____X.log";
    ASSERT_TRUE(fs::exists(desktop));
    const std::string file = ReadAll(desktop);
    EXPECT_NE(file.find("Volume: MY<DVD>|*/X\n"), std::string::npos) << file;
    EXPECT_NE(LogPart(file).find(framework::Format(T(res::kTxtLabelBadCharLog), {int('<')})), std::string::npos);
}

TEST_F(LogAndLabelTest, SaveLogWritesTheChosenFileOrSaysBreak) {
    WriteDrives("");
    auto& h = Start();
    ASSERT_TRUE(h.Type(IDC_VOLUME, "MOVIE"));
    m_dlg->UpdateData(TRUE);
    m_dlg->AppendLog("to be saved");

    m_pickers.QueueCancel();
    ASSERT_TRUE(h.Click(IDC_SAVE_LOG));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), "Break...");

    const fs::path chosen = m_dir / "chosen.log";
    m_pickers.QueuePath(chosen.string());
    ASSERT_TRUE(h.Click(IDC_SAVE_LOG));
    EXPECT_EQ(h.GetItemText(IDC_STATUS), "Saving Log...");
    EXPECT_EQ(ReadAll(chosen).rfind("Brenvik Burn log\n", 0), 0u);

    const auto requests = m_pickers.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].kind, platform::ScriptedFilePickers::Request::Kind::Save);
    EXPECT_EQ(requests[1].initialName, "MOVIE.log");
    const char kPairs[] = "Log Files (*.log)\0*.log\0All Files (*.*)\0*.*\0";
    const std::string pairs(kPairs, sizeof kPairs);  // the list ends with an empty string
    EXPECT_EQ(requests[1].filter.substr(0, pairs.size()), pairs);
}

TEST_F(LogAndLabelTest, ShutdownBoxAnnouncesTheLogAndKeepsTheDisc) {
    WriteDrives("");
    auto& h = Start();
    ASSERT_TRUE(h.Type(IDC_VOLUME, "MOVIE"));
    const uint32_t before = m_dlg->m_pOtherDlg->GetBurnFlags();
    ASSERT_EQ(before & settings::burnflags::kNoEject, 0u);
    const size_t lines = h.Lines(IDC_LOG).size();

    ASSERT_TRUE(h.Click(IDC_SHUTDOWN));  // on
    auto log = h.Lines(IDC_LOG);
    ASSERT_EQ(log.size(), lines + 1);
    EXPECT_EQ(log.back(), framework::Format(T(res::kTxtShutdownLogPath), {(m_home / "MOVIE.log").string()}));
    EXPECT_NE(m_dlg->m_pOtherDlg->GetBurnFlags() & settings::burnflags::kNoEject, 0u);

    ASSERT_TRUE(h.Click(IDC_SHUTDOWN));  // off
    EXPECT_EQ(h.Lines(IDC_LOG).size(), lines + 1) << "unchecking changes nothing";
    EXPECT_NE(m_dlg->m_pOtherDlg->GetBurnFlags() & settings::burnflags::kNoEject, 0u);
    EXPECT_TRUE(m_shutdown.Calls().empty());
}

TEST_F(LogAndLabelTest, LabelFollowsTheEditsTheBrowserAndDrops) {
    WriteDrives("");
    auto& h = Start();
    const std::string root = SampleRoot("My Movie-2005");

    // Typing shows the remaining length at once; leaving normalises.
    ASSERT_TRUE(h.Type(IDC_VOLUME, "my movie-2005"));
    EXPECT_EQ(h.GetItemText(IDC_LABEL_LENGTH), "19");
    ASSERT_TRUE(h.LeaveEdit(IDC_VOLUME));
    EXPECT_EQ(h.GetItemText(IDC_VOLUME), "MY_MOVIE_2005");
    EXPECT_EQ(h.GetItemText(IDC_LABEL_LENGTH), "19");

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
    EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), other);
    EXPECT_EQ(h.GetItemText(IDC_VOLUME), "OTHER");

    // The browser: a chosen folder names the label, a cancelled one says so.
    m_pickers.QueuePath(root);
    ASSERT_TRUE(h.Click(IDC_BROWSE));
    EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), root);
    EXPECT_EQ(h.GetItemText(IDC_VOLUME), "MY_MOVIE_2005");
    EXPECT_EQ(h.GetItemText(IDC_STATUS), T(res::kTxtStatusReady));
    const auto requests = m_pickers.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, T(res::kTxtBrowseTitle));
    EXPECT_EQ(requests[0].initialFolder, other);
    EXPECT_EQ(requests[0].kind, platform::ScriptedFilePickers::Request::Kind::Folder);
    m_pickers.QueueCancel();
    ASSERT_TRUE(h.Click(IDC_BROWSE));
    EXPECT_EQ(h.GetItemText(IDC_SOURCE_DIR), "Can't get dir...");
    EXPECT_EQ(h.GetItemText(IDC_VOLUME), "MY_MOVIE_2005");
}

}  // namespace
}  // namespace bb::app::test
