// A sandbox holding the settings file of one test.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"
#include "tests/support/Sandbox.h"

class SettingsFileTest : public bbtest::SandboxTest {
protected:
    void Write(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
    [[nodiscard]] std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string path_ = SettingsFilePath(Folder());
    LanguageTable builtinTexts_;  // no language file: the built-in template
};
