// CFilePicker against the scripted pickers service: the record the dialog
// gets and the answers it refuses. (The windows that use it check the
// kind, name, filter and folder browser they ask for.)
#include <gtest/gtest.h>

#include "controls/FilePicker.h"
#include "platform/ScriptedFilePickers.h"
#include "platform/ServiceOverride.h"

namespace bb::platform {
namespace {

const char kWavFilter[] = "WAV Audio (*.wav)\0*.wav\0All Files (*.*)\0*.*\0";

class FilePickerTest : public ::testing::Test {
protected:
    platform::ScriptedFilePickers m_pickers;
    platform::ScopedOverride<platform::FilePickerService, platform::SetSystemFilePickers> m_use{m_pickers};
};

// 88 bytes, the caller's flags with the explorer style, and its extension.
TEST_F(FilePickerTest, RecordCarriesSizeFlagsAndExtension) {
    m_pickers.QueuePath("image.nrg");
    controls::CFilePicker picker(0, "nrg", "NO_NAME.nrg", 0x2, kWavFilter, nullptr);
    ASSERT_EQ(picker.PickFile(), 1);
    EXPECT_EQ(picker.GetFilePath().str(), "image.nrg");
    const auto requests = m_pickers.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].structSize, 88u);
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
    // The initial name is cut to the buffer.
    EXPECT_EQ(controls::CFilePicker(1, nullptr, std::string(300, 'n').c_str(), 0, kWavFilter, nullptr).GetFilePath().str(),
              std::string(259, 'n'));
    EXPECT_EQ(controls::CFilePicker(1, nullptr, nullptr, 0, kWavFilter, nullptr).GetFilePath().str(), "");
}

}  // namespace
}  // namespace bb::platform
