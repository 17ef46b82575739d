// The recorder context of the main window against the recording library of
// this build, and the library's callbacks as the window answers them.
#include <cstring>
#include <ctime>
#include <regex>

#include "JobsWindowFixture.h"
#include "res/TextIds.h"
#include "settings/FsFlagsSettings.h"

namespace bb::app::test {
namespace {

// This file's own suite over the shared fixture.
class RecorderWindowTest : public JobsWindowTest {};

constexpr const char* kDrives =
    "[BB Reader]\ndevice kind = 2\n"
    "[BB Forbidden]\ncapabilities = 0\n"
    "[BB DVD Only]\nmedia = 0x4001C\ndvd base rate = 1385\ndvd speeds = 1 2 4\n"
    "[BB CD Only]\nmedia = 0x1\ncd base rate = 150\ncd speeds = 4 8 16 24 32 48\n";

std::vector<std::string> Names(platform::HeadlessDialogHost& h) {
    std::vector<std::string> names;
    for (const auto& item : h.ComboItems(IDC_RECORDER_LIST))
        names.push_back(item.first);
    return names;
}

TEST_F(RecorderWindowTest, RecordersAreFilteredByKindPermissionAndMedia) {
    WriteDrives(kDrives);
    auto& h = Start();
    EXPECT_EQ(Names(h), (std::vector<std::string>{"Image Recorder", "BB DVD Only"}));
    // Item data: each entry's own record inside the library's list.
    for (const auto& [name, data] : h.ComboItems(IDC_RECORDER_LIST))
        EXPECT_EQ(reinterpret_cast<const neroapi::DriveInfo*>(data)->deviceName, name);

    const auto log = From(h.Lines(IDC_LOG), T(res::kTxtRecorderSetup));
    ASSERT_EQ(log.size(), 6u);
    EXPECT_TRUE(std::regex_match(log[1], std::regex("Nero API version [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+")))
        << log[1];
    EXPECT_EQ(log[2], T(res::kTxtInitOk));
    EXPECT_EQ(log[3], T(res::kTxtRecordersFound));
    EXPECT_EQ(log[4], "Image Recorder");
    EXPECT_EQ(log[5], "BB DVD Only");
    EXPECT_FALSE(Has(h.Lines(IDC_LOG), T(res::kTxtRecorderPrefix) + " \"Image Recorder\"..."))
        << "the set-up's own selection logs no media line";
}

TEST_F(RecorderWindowTest, SpeedsOfTheSelectedRecorderAndTheSavedChoice) {
    struct Case {
        const char* settings;
        const char* recorder;
        int speed;
    } cases[] = {
        {"", "Image Recorder", -1},                                 // first recorder, last speed
        {"Device: bb dvd\r\nSpeed: 1\r\n", "BB DVD Only", 1},        // prefix, any letter case
        {"Device: BB DVD Only\r\nSpeed: 7\r\n", "BB DVD Only", 2},   // beyond the list: last
        {"Device: Gone\r\nSpeed: 0\r\n", "Image Recorder", 0},       // no match: first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteDrives(kDrives);
        auto& h = Start(c.settings);
        const int selected = h.ComboGetCurSel(IDC_RECORDER_LIST);
        ASSERT_GE(selected, 0);
        EXPECT_EQ(h.ComboGetText(IDC_RECORDER_LIST, selected), c.recorder);
        const int count = h.ComboGetCount(IDC_SPEED_LIST);
        EXPECT_EQ(h.ComboGetCurSel(IDC_SPEED_LIST), c.speed < 0 ? count - 1 : c.speed);
        EXPECT_EQ(m_dlg->m_nSpeed, h.ComboGetCurSel(IDC_SPEED_LIST));
        EXPECT_TRUE(h.IsItemEnabled(IDC_SPEED_LIST));
        if (std::string(c.recorder) == "BB DVD Only") {
            std::vector<std::string> texts;
            for (const auto& item : h.ComboItems(IDC_SPEED_LIST))
                texts.push_back(item.first);
            EXPECT_EQ(texts, (std::vector<std::string>{"1.0x (1385 kB/s)", "2.0x (2770 kB/s)", "4.0x (5540 kB/s)"}));
        }
        m_dlg.reset();
    }
}

TEST_F(RecorderWindowTest, SelectingARecorderLogsItsNameAndMediaTypes) {
    WriteDrives(kDrives);
    auto& h = Start();
    ASSERT_TRUE(h.SelectCombo(IDC_RECORDER_LIST, 1));
    const auto log = h.Lines(IDC_LOG);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], T(res::kTxtRecorderPrefix) + " \"BB DVD Only\"...");
    EXPECT_TRUE(std::regex_match(log.back(), std::regex("\\(.*DVD.*\\)"))) << log.back();
    EXPECT_EQ(h.ComboGetCount(IDC_SPEED_LIST), 3);
}

TEST_F(RecorderWindowTest, SwitchingMediaClassRebuildsTheContextAndAppliesThePreset) {
    struct Step {
        int radio;
        int logTextId;
        const char* recorder;  // listed now
        const char* gone;      // no longer listed
        int32_t fsFlags;
    } steps[] = {
        {IDC_MEDIA_CD, res::kTxtMediaClassCd, "BB CD Only", "BB DVD Only", 0x1A},
        {IDC_MEDIA_DVD, res::kTxtMediaClassDvd, "BB DVD Only", "BB CD Only", 0x18},
    };
    WriteDrives(kDrives);
    auto& h = Start();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.logTextId);
        ASSERT_TRUE(h.Click(s.radio));
        const auto log = From(h.Lines(IDC_LOG), T(s.logTextId));
        ASSERT_GE(log.size(), 6u);
        EXPECT_EQ(log[1], T(res::kTxtRecorderSetup));
        EXPECT_EQ(log[2].rfind("Nero API version ", 0), 0u);
        EXPECT_EQ(log[3], T(res::kTxtInitOk));
        EXPECT_EQ(log[4], T(res::kTxtRecordersFound));
        const auto names = Names(h);
        EXPECT_NE(std::find(names.begin(), names.end(), s.recorder), names.end());
        EXPECT_EQ(std::find(names.begin(), names.end(), s.gone), names.end());
        EXPECT_EQ(m_dlg->m_pFsFlagsDlg->GetFlags(), s.fsFlags);
        EXPECT_TRUE(h.IsItemEnabled(IDC_RECORDER_LIST));
        EXPECT_EQ(h.GetTitle(), "Brenvik Burn 1.2.1");
        h.SetItemText(IDC_LOG, "");
    }
}

TEST_F(RecorderWindowTest, RefreshRebuildsForTheCurrentClass) {
    WriteDrives(kDrives);
    auto& h = Start("MediaType: 1\r\n");
    EXPECT_EQ(Names(h), (std::vector<std::string>{"Image Recorder", "BB CD Only"}));
    WriteDrives(std::string(kDrives) + "[BB New CD]\nmedia = 0x1\n");
    ASSERT_TRUE(h.Click(IDC_REFRESH));
    EXPECT_EQ(Names(h), (std::vector<std::string>{"Image Recorder", "BB CD Only", "BB New CD"}));
}

TEST_F(RecorderWindowTest, LibraryThatCannotBeLoadedEndsTheWindow) {
    m_registry = std::make_unique<platform::FileRegistry>(
        platform::SystemFiles(), (m_dir / "registry.ini").string(),
        std::vector<platform::RegistryDefault>{{platform::RegistryRoot::LocalMachine, neroapi::kSharedKey,
                                                neroapi::kSharedValue, m_dir.string()}});
    neroapi::Services services;
    services.registry = m_registry.get();
    m_library.reset();
    m_library.emplace(services);
    auto& h = Start();
    EXPECT_TRUE(h.Ended());
    EXPECT_EQ(h.Result(), -1);
    EXPECT_TRUE(Has(h.Lines(IDC_LOG), T(res::kTxtLibraryNotLoaded)));
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, T(res::kTxtLibraryNotLoadedBox));
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].type, 0x10u);
}

// The records handed to the library point at the dialog's own texts and
// callbacks, and stay valid while it lives.
TEST_F(RecorderWindowTest, LibraryRecordsCarryTheWindowsTextsAndCallbacks) {
    WriteDrives("");
    auto& h = Start();
    recording::RecorderSession& session = m_dlg->Jobs().Session();
    const neroapi::LibSettingsRecord& s = session.SettingsRecord();
    EXPECT_STREQ(s.libraryFilesFolder, "NeroFiles");
    EXPECT_STREQ(s.vendor, "ahead");
    EXPECT_STREQ(s.software, "Nero - Burning Rom");
    EXPECT_STREQ(s.languageFile, "Nero.txt");
    EXPECT_EQ(s.idleUser, &session);
    EXPECT_EQ(s.userDialogUser, &session);
    EXPECT_EQ(s.reserved1 | s.reserved2, 0u);
    const neroapi::LibProgressRecord& p = *session.ProgressRecord();
    EXPECT_EQ(p.user, &session);
    EXPECT_TRUE(p.progress && p.aborted && p.addLogLine && p.setPhase);
    EXPECT_FALSE(p.disableAbort || p.setMajorPhase || p.subTaskProgress);

    // Through the records as the library calls them.
    session.RequestAbort();
    EXPECT_EQ(p.aborted(p.user), 1);
    EXPECT_EQ(s.idle(s.idleUser), 1);
    session.ClearAbort();
    EXPECT_EQ(s.userDialog(s.userDialogUser, 13, nullptr), 1);
    p.setPhase(p.user, "Writing");
    EXPECT_EQ(h.Lines(IDC_LOG).back(), "=> Writing");
}

TEST_F(RecorderWindowTest, ProgressReportsDriveTheLabelsBarAndTitle) {
    WriteDrives("");
    auto& h = Start();
    recording::RecorderSession& session = m_dlg->Jobs().Session();
    EXPECT_EQ(session.OnProgress(0), 0);
    EXPECT_EQ(h.GetItemText(IDC_PERCENT), "0 %");
    EXPECT_EQ(h.GetItemText(IDC_TIME_REMAINING), "?:??");
    EXPECT_EQ(h.GetItemText(IDC_TIME_TOTAL), "?:??");
    EXPECT_EQ(h.GetTitle(), "0 % Brenvik Burn 1.2.1");

    (void)session.OnProgress(10);
    EXPECT_EQ(h.GetItemText(IDC_PERCENT), "10 %");
    EXPECT_EQ(h.GetItemText(IDC_TIME_REMAINING), "?:??") << "first report: no estimate yet";
    EXPECT_EQ(h.GetTitle(), "10 % Brenvik Burn 1.2.1");
    EXPECT_EQ(h.ProgressGetPos(IDC_PROGRESS), 10);

    (void)session.OnProgress(20);
    EXPECT_EQ(h.GetItemText(IDC_PERCENT), "20 %");
    EXPECT_NE(h.GetItemText(IDC_TIME_REMAINING), "--:--");

    session.RequestAbort();
    EXPECT_EQ(session.OnProgress(20), 1);
    EXPECT_EQ(h.ProgressGetPos(IDC_PROGRESS), 20);
}

TEST_F(RecorderWindowTest, LibraryLinesAndPhasesGoToTheLog) {
    struct Case {
        const char* text;
        std::string logged;
        BOOL reallocFailed;
    } cases[] = {
        {"Writing lead-in", "===> Writing lead-in", FALSE},
        {"Required file neroapi.dll missing", "===> " + T(res::kTxtRequiredFile), FALSE},
        {"DVD-Video files reallocation failed", "===> DVD-Video files reallocation failed", TRUE},
        {"DVD-Video files reallocation failed.", "===> DVD-Video files reallocation failed.", FALSE},
        {"dvd-video files reallocation failed", "===> dvd-video files reallocation failed", FALSE},
    };
    WriteDrives("");
    auto& h = Start();
    recording::RecorderSession& session = m_dlg->Jobs().Session();
    for (const Case& c : cases) {
        session.ClearReallocFailed();
        session.OnLogLine(c.text);
        EXPECT_EQ(h.Lines(IDC_LOG).back(), c.logged);
        EXPECT_EQ(session.ReallocFailed(), c.reallocFailed != FALSE) << c.text;
    }
    session.OnPhase("Writing the image");
    EXPECT_EQ(h.Lines(IDC_LOG).back(), "=> Writing the image");
}

TEST_F(RecorderWindowTest, LibraryRequestsAreAnswered) {
    WriteDrives("");
    auto& h = Start();
    recording::RecorderSession& session = m_dlg->Jobs().Session();
    session.SetImageLabel("MYDISC");
    for (auto [request, answer] : std::vector<std::pair<int, int>>{{2, 5}, {6, 3}, {7, 5}, {12, 5}, {13, 1}, {3, 0}, {99, 0}})
        EXPECT_EQ(session.AnswerRequest(request, nullptr), answer) << request;
    EXPECT_TRUE(m_ui.Boxes().empty());

    // Waiting for a disc: the library's own text in an information box.
    EXPECT_EQ(session.AnswerRequest(15, reinterpret_cast<void*>(intptr_t(1))), 0);
    ASSERT_EQ(m_ui.Boxes().size(), 1u);
    EXPECT_EQ(m_ui.Boxes()[0].caption, "Information");
    EXPECT_EQ(m_ui.Boxes()[0].type, 0x40u);

    // The image file: cancelled, then a name longer than the library's buffer.
    char buffer[neroapi::kImageFileNameCapacity + 8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(session.AnswerRequest(20, buffer), 0);
    EXPECT_EQ(buffer[0], 'x');
    const std::string longest = "/" + std::string(254, 'a') + ".nrg";  // 259 characters
    m_pickers.QueuePath(longest);
    EXPECT_EQ(session.AnswerRequest(20, buffer), 1);
    EXPECT_EQ(std::string(buffer), longest);
    EXPECT_EQ(buffer[260], 'x') << "nothing written past the library's buffer";
    EXPECT_EQ(m_pickers.Requests().back().initialName, "MYDISC.nrg");

    // Overwriting a rewritable disc.
    m_ui.ClearBoxes();
    m_ui.QueueAnswers({IDYES, IDNO});
    EXPECT_EQ(session.AnswerRequest(22, nullptr), 5);
    EXPECT_EQ(h.Lines(IDC_LOG).back(), T(res::kTxtOverwriteAccepted));
    EXPECT_EQ(session.AnswerRequest(22, nullptr), 0);
    EXPECT_EQ(h.Lines(IDC_LOG).back(), T(res::kTxtOverwriteDeclined));
    const auto boxes = m_ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, T(res::kTxtOverwriteQuestion));
    EXPECT_EQ(boxes[0].caption, "Overwrite ReWriteable?!");
    EXPECT_EQ(boxes[0].type, 0x124u);
}

TEST_F(RecorderWindowTest, ReallocateBoxLogsAndInformsOnlyWhenTurnedOff) {
    WriteDrives("");
    auto& h = Start();
    ASSERT_TRUE(h.Click(IDC_REALLOCATE));  // on -> off
    EXPECT_EQ(h.Lines(IDC_LOG).back(), T(res::kTxtReallocOff));
    ASSERT_EQ(m_ui.Boxes().size(), 1u);
    EXPECT_EQ(m_ui.Boxes()[0].caption, "Just 4 Info");
    EXPECT_EQ(m_ui.Boxes()[0].text, T(res::kTxtReallocOffInfo));
    ASSERT_TRUE(h.Click(IDC_REALLOCATE));  // off -> on
    EXPECT_EQ(h.Lines(IDC_LOG).back(), T(res::kTxtReallocOn));
    EXPECT_EQ(m_ui.Boxes().size(), 1u);
}

TEST_F(RecorderWindowTest, SizeGateFollowsTheRedLimitOfTheMediaClass) {
    struct Case {
        const char* settings;
        int gate;
    } cases[] = {
        {"LimitDVDRed: 0\r\n", 1},                   // the sample is above 0 MB
        {"LimitDVDRed: 0\r\nMoreFlags: 4\r\n", 0},   // ignore the source size
        {"LimitDVDRed: 8106\r\n", 0},
        {"MediaType: 1\r\nLimitCDRed: 0\r\nLimitDVDRed: 8106\r\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteDrives("");
        auto& h = Start(c.settings);
        fs::remove_all(m_dir / "dvd");
        ASSERT_TRUE(h.Type(IDC_SOURCE_DIR, SampleRoot()));
        m_dlg->UpdateData(TRUE);
        EXPECT_EQ(m_dlg->CheckSourceSize(), c.gate);
        EXPECT_EQ(h.IsItemEnabled(IDC_BURN), c.gate == 0);
        EXPECT_EQ(m_dlg->m_sizeMeter.valueMb, 1) << "0.7 MB";
        m_dlg.reset();
    }
}

}  // namespace
}  // namespace bb::app::test
