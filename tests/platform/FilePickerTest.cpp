// CFilePicker against the scripted pickers service: what the dialog is
// asked, and what the picker answers.
#include <gtest/gtest.h>

#include "controls/FilePicker.h"
#include "platform/Paths.h"
#include "platform/ScriptedFilePickers.h"
#include "platform/ServiceOverride.h"

namespace bb::platform {

namespace {

using platform::ScriptedFilePickers;
using Kind = ScriptedFilePickers::Request::Kind;

const char kWavFilter[] = "WAV Audio (*.wav)\0*.wav\0All Files (*.*)\0*.*\0";

class FilePickerTest : public ::testing::Test {
protected:
    ScriptedFilePickers m_pickers;
    platform::ScopedOverride<platform::FilePickerService, platform::SetSystemFilePickers> m_use{m_pickers};
    const std::string m_sound = platform::JoinPath(platform::JoinPath("media", "sounds"), "ding.wav");
};

TEST_F(FilePickerTest, OpenDialogIsAskedWithTheRecordAndAnswersThePath) {
    m_pickers.QueuePath(m_sound);
    controls::CFilePicker picker(1, nullptr, "*.wav", 0, kWavFilter, nullptr);
    ASSERT_EQ(picker.PickFile(), 1);
    EXPECT_EQ(picker.GetFilePath().str(), m_sound);

    auto requests = m_pickers.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, Kind::Open);
    EXPECT_EQ(requests[0].structSize, 88u);
    EXPECT_EQ(requests[0].flags, 0x80000u);
    EXPECT_EQ(requests[0].initialName, "*.wav");
    EXPECT_EQ(requests[0].filter, std::string(kWavFilter, sizeof kWavFilter));
    EXPECT_EQ(requests[0].defaultExtension, "");
}

TEST_F(FilePickerTest, SaveDialogKeepsTheCallersFlagsAndExtension) {
    m_pickers.QueuePath("image.nrg");
    controls::CFilePicker picker(0, "nrg", "NO_NAME.nrg", 0x2, kWavFilter, nullptr);
    ASSERT_EQ(picker.PickFile(), 1);
    auto requests = m_pickers.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, Kind::Save);
    EXPECT_EQ(requests[0].flags, 0x80002u);
    EXPECT_EQ(requests[0].defaultExtension, "nrg");
}

TEST_F(FilePickerTest, CancelEmptyScriptAndOverlongAnswerGiveTwo) {
    m_pickers.QueueCancel();
    m_pickers.QueuePath(std::string(260, 'x'));  // no room for the terminator
    for (int run = 0; run < 3; ++run) {
        controls::CFilePicker picker(1, nullptr, "start.wav", 0, kWavFilter, nullptr);
        EXPECT_EQ(picker.PickFile(), 2) << "run " << run;
        EXPECT_EQ(picker.GetFilePath().str(), "start.wav") << "run " << run;
    }
}

TEST_F(FilePickerTest, InitialNameIsCutToTheBuffer) {
    const std::string longName(300, 'n');
    controls::CFilePicker picker(1, nullptr, longName.c_str(), 0, kWavFilter, nullptr);
    EXPECT_EQ(picker.GetFilePath().str(), std::string(259, 'n'));
    controls::CFilePicker unnamed(1, nullptr, nullptr, 0, kWavFilter, nullptr);
    EXPECT_EQ(unnamed.GetFilePath().str(), "");
}

TEST_F(FilePickerTest, FolderBrowserAnswersTheChosenFolder) {
    const std::string dvd = platform::JoinPath("media", "MOVIE");
    m_pickers.QueuePath(dvd);
    m_pickers.QueueCancel();

    controls::CFilePicker picker;
    ASSERT_EQ(picker.PickFolder("Choose the DVD root", "start", 0x49, nullptr), 1);
    EXPECT_EQ(picker.GetFolderPath().str(), dvd);
    EXPECT_EQ(picker.PickFolder("Again", nullptr, 0x49, nullptr), 2);

    auto requests = m_pickers.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].kind, Kind::Folder);
    EXPECT_EQ(requests[0].title, "Choose the DVD root");
    EXPECT_EQ(requests[0].initialFolder, "start");
    EXPECT_EQ(requests[0].flags, 0x49u);
    EXPECT_EQ(requests[1].initialFolder, "");
}

}  // namespace

}  // namespace bb::platform
