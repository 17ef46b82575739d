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

namespace uitest {

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
            ui_.AddTemplate(bbres::HeadlessDialog(id));
        platform::SetSystemSound(&sound_);
    }
    void TearDown() override {
        WindowTest::TearDown();
        platform::SetSystemSound(nullptr);
    }

    bool IniWritten() const { return fs::exists(dir_ / "Brenvik.ini"); }
    // Brenvik.ini's "Key: value" lines.
    std::map<std::string, std::string> Ini() const {
        std::map<std::string, std::string> keys;
        std::ifstream in(dir_ / "Brenvik.ini", std::ios::binary);
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
        ui_.WhenOpened(templateId, [&](platform::HeadlessDialogHost& h) {
            opened = true;
            script(h);
        });
        ASSERT_TRUE(main.ChooseMenu(command));
        ASSERT_TRUE(opened) << "dialog " << templateId << " did not open";
    }

    RecordingSound sound_;
};

}  // namespace uitest
