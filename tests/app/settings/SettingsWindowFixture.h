// A main window on the headless host with the templates of the settings
// dialogs, scripted file pickers, a sound service that only records, and
// Brenvik.ini read back as keys and values.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../window/MainWindowFixture.h"
#include "platform/FilePickerService.h"
#include "platform/ScriptedFilePickers.h"
#include "platform/Sound.h"
#include "res/HeadlessDialogs.h"
#include "res/resource.h"
#include "settings/LanguageTable.h"

namespace bb::app::test {

class RecordingSound final : public platform::Sound {
public:
    bool PlayFileAsync(const std::string& path) override {
        played.push_back(path);
        return true;
    }
    std::vector<std::string> played;
};

class SettingsWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (int id : {IDD_FSFLAGS, IDD_OTHER_SETTINGS, IDD_LANGUAGE, IDD_AUDIO})
            m_ui.AddTemplate(res::HeadlessDialog(id));
        platform::SetSystemFilePickers(&m_pickers);
        platform::SetSystemSound(&m_sound);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        platform::SetSystemFilePickers(nullptr);
        platform::SetSystemSound(nullptr);
    }

    // Two simulated recorders besides the image recorder.
    void WriteTwoRecorders() {
        WriteFile("NeroAPI-drives.ini",
                  "time scale = 0.01\n[BB Writer One]\ndisc = blank\nmedium = DVD-R\n"
                  "[BB Writer Two]\ndisc = blank\nmedium = DVD-R\n");
    }
    void CopyLanguages() {
        CopyEnglish();
        fs::copy_file(fs::path(BB_SOURCE_DIR) / "lang" / "deutsch.lng", m_dir / "deutsch.lng");
    }

    fs::path IniPath() const { return m_dir / "Brenvik.ini"; }
    bool IniWritten() const { return fs::exists(IniPath()); }
    // Brenvik.ini's "Key: value" lines.
    std::map<std::string, std::string> Ini() const {
        std::map<std::string, std::string> keys;
        std::ifstream in(IniPath(), std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const size_t colon = line.find(": ");
            if (!line.empty() && line[0] != '#' && colon != std::string::npos)
                keys[line.substr(0, colon)] = line.substr(colon + 2);
        }
        return keys;
    }
    // The text `id` of a language file of the sandbox.
    std::string TextOf(const std::string& file, int id) const {
        return settings::LanguageTable((m_dir / file).string()).GetText(id);
    }
    // A settings dialog run from the Settings menu; `script` acts in it.
    void RunFromMenu(platform::HeadlessDialogHost& main, int command, int templateId,
                     platform::HeadlessUi::Script script) {
        bool opened = false;
        m_ui.WhenOpened(templateId, [&](platform::HeadlessDialogHost& h) {
            opened = true;
            script(h);
        });
        ASSERT_TRUE(main.ChooseMenu(command));
        ASSERT_TRUE(opened) << "dialog " << templateId << " did not open";
    }

    platform::ScriptedFilePickers m_pickers;
    RecordingSound m_sound;
};

}  // namespace bb::app::test
