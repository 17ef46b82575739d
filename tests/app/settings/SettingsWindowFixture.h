// The main window with the templates of the settings dialogs, a sound
// service that only records, and Brenvik.ini read back as keys and values.
#pragma once

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/Sound.h"
#include "res/HeadlessDialogs.h"
#include "tests/app/WindowFixture.h"

namespace bb::app::test {

class RecordingSound final : public platform::Sound {
public:
    bool PlayFileAsync(const std::string& path) override {
        played.push_back(path);
        return true;
    }
    std::vector<std::string> played;
};

class SettingsWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        for (int id : {IDD_FSFLAGS, IDD_OTHER_SETTINGS, IDD_LANGUAGE, IDD_AUDIO})
            m_ui.AddTemplate(res::HeadlessDialog(id));
        platform::SetSystemSound(&m_sound);
    }
    void TearDown() override {
        WindowTest::TearDown();
        platform::SetSystemSound(nullptr);
    }

    bool IniWritten() const { return fs::exists(m_dir / "Brenvik.ini"); }
    // Brenvik.ini's "Key: value" lines.
    std::map<std::string, std::string> Ini() const {
        std::map<std::string, std::string> keys;
        std::ifstream in(m_dir / "Brenvik.ini", std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const size_t colon = line.find(": ");
            if (!line.empty() && line[0] != '#' && colon != std::string::npos)
                keys[line.substr(0, colon)] = line.substr(colon + 2);
        }
        return keys;
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

    RecordingSound m_sound;
};

}  // namespace bb::app::test
