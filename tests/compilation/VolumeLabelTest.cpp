#include <gtest/gtest.h>

#include <map>

#include "compilation/VolumeLabel.h"
#include "tests/compilation/ScanFixture.h"

namespace bb::compilation {
namespace {

// Volume names by root, as a drive would report them.
class VolumeNames : public DelegatingFiles {
public:
    std::optional<std::string> VolumeName(const std::string& root) override {
        asked.push_back(root);
        auto it = names.find(root);
        if (it == names.end())
            return std::nullopt;
        return it->second;
    }
    std::map<std::string, std::string> names;
    std::vector<std::string> asked;
};

// The main window as the label handlers see it: members, a control layer
// that Pull/Push exchange with, and a record of every box and log line.
class FakeWindow : public compilation::LabelWindow {
public:
    FakeWindow(const settings::LanguageTable& texts, VolumeNames& files) : m_texts(texts), m_files(files) {}

    void PullValues() override {
        volume = controlVolume;
        sourceDir = controlSourceDir;
    }
    void PushValues() override {
        controlVolume = volume;
        controlSourceDir = sourceDir;
        controlLength = lengthText;
    }
    std::string& Volume() override { return volume; }
    std::string& SourceDir() override { return sourceDir; }
    void SetLabelLengthText(const std::string& text) override { lengthText = text; }
    uint32_t GetMoreFlags() override { return moreFlags; }
    void CheckSourceSize() override { sizeChecks.push_back(sourceDir); }
    int ShowMessage(const std::string& text, const std::string& caption, unsigned type) override {
        boxes.push_back(text + "|" + caption + "|" + std::to_string(type));
        return 1;
    }
    void AppendLog(const std::string& line) override { log.push_back(line); }
    const settings::LanguageTable& Texts() override { return m_texts; }
    platform::Files& Files() override { return m_files; }

    std::string volume = "UNDEFINED", sourceDir, lengthText;
    std::string controlVolume = "UNDEFINED", controlSourceDir, controlLength;
    uint32_t moreFlags = 0;
    std::vector<std::string> sizeChecks, boxes, log;

private:
    const settings::LanguageTable& m_texts;
    VolumeNames& m_files;
};

// A drive root as the platform writes it, and the same followed by a blank
// (the blank is trimmed, the separator put back).
const std::string kDriveRoot = platform::kPathSeparator == '\\' ? "D:\\" : "/";
const std::string kDriveRootBlank = platform::kPathSeparator == '\\' ? "D: " : "/ ";

class VolumeLabelTest : public ScanSandbox {
protected:
    VolumeNames m_files;
    FakeWindow m_window{m_texts, m_files};
};

TEST_F(VolumeLabelTest, DeriveFromFolderShowsLabelAndRemainingLength) {
    const struct {
        std::string path;
        uint32_t moreFlags;
        std::string label, length;
        std::vector<std::string> boxes;
    } cases[] = {
        {"/movies/Äpfel & Birnen (Teil 1)/", 0, "AEPFEL___BIRNEN_TEIL_1", "10", {}},
        {"/movies/ABCDEFGHIJKLMNOPQRST", 0x2, "ABCDEFGHIJKLMNOP", "0", {"T622 16|Information|64"}},
    };
    for (const auto& c : cases) {
        m_window.moreFlags = c.moreFlags;
        m_window.boxes.clear();
        compilation::DeriveVolumeLabel(m_window, P(Native(c.path)));
        EXPECT_EQ(m_window.controlVolume, c.label) << c.path;
        EXPECT_EQ(m_window.controlLength, c.length) << c.path;
        EXPECT_EQ(m_window.boxes, c.boxes) << c.path;
    }
    EXPECT_TRUE(m_files.asked.empty());
    // While typing, the remaining length goes below zero.
    m_window.controlVolume = "ABCDEFGHIJKLMNOPQRST";
    compilation::UpdateLabelLength(m_window);
    EXPECT_EQ(m_window.controlLength, "-4");
}

TEST_F(VolumeLabelTest, DriveRootTakesTheVolumeNameElseNoName) {
    m_files.names[kDriveRoot] = "MY_DVD";
    compilation::DeriveVolumeLabel(m_window, kDriveRoot);
    EXPECT_EQ(m_window.controlVolume, "MY_DVD");
    EXPECT_EQ(m_files.asked, std::vector<std::string>{kDriveRoot});

    m_files.names.clear();
    compilation::DeriveVolumeLabel(m_window, kDriveRootBlank);
    EXPECT_EQ(m_window.controlVolume, "NO_NAME");
    EXPECT_EQ(m_files.asked.back(), kDriveRoot);

    m_files.names[kDriveRoot] = "";  // an unlabelled volume
    compilation::DeriveVolumeLabel(m_window, kDriveRoot);
    EXPECT_EQ(m_window.controlVolume, "NO_NAME");

    // A dropped drive root is named from its path alone.
    m_files.names[kDriveRoot] = "MY_DVD";
    m_files.asked.clear();
    compilation::OnDropFiles(m_window, {kDriveRoot});
    EXPECT_EQ(m_window.controlSourceDir, kDriveRoot);
    EXPECT_EQ(m_window.controlVolume, "NO_NAME");
    EXPECT_EQ(m_window.sizeChecks, std::vector<std::string>{kDriveRoot});
    compilation::OnDropFiles(m_window, {P(Native("/movies/Straße"))});
    EXPECT_EQ(m_window.controlVolume, "STRASSE");
    EXPECT_TRUE(m_files.asked.empty());
}

TEST_F(VolumeLabelTest, CheckRejectsTheFirstForbiddenCharacter) {
    // The first byte of É: the UTF-8 lead byte, or the code page 1252 letter.
    const std::string eAcute = std::to_string(static_cast<unsigned char>(Native("\xC3\x89")[0]));
    const struct {
        std::string volume;
        int result;
        std::string normalized;
        std::vector<std::string> boxes, log;
    } cases[] = {
        {"MY_DVD_2005", 0, "MY_DVD_2005", {}, {}},
        {"Hello!", -1, "HELLO!", {"T594 33|Error!|16"}, {"T596 33"}},
        {"it's 'mine'", -1, "IT'S_'MINE'", {"T594 39|Error!|16"}, {"T596 39"}},
        {Native("caf\xC3\xA9"), -1, Native("CAF\xC3\x89"), {"T594 " + eAcute + "|Error!|16"},
         {"T596 " + eAcute}},
    };
    for (const auto& c : cases) {
        m_window.boxes.clear();
        m_window.log.clear();
        m_window.volume = c.volume;
        EXPECT_EQ(compilation::CheckVolumeLabel(m_window), c.result) << c.volume;
        EXPECT_EQ(m_window.volume, c.normalized) << c.volume;
        EXPECT_EQ(m_window.controlVolume, c.normalized) << c.volume << ": the window keeps the normalised label";
        EXPECT_EQ(m_window.boxes, c.boxes) << c.volume;
        EXPECT_EQ(m_window.log, c.log) << c.volume;
    }
}

}  // namespace
}  // namespace bb::compilation
