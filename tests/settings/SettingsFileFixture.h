// A sandbox holding the settings file of one test.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"
#include "tests/support/Sandbox.h"

namespace bb::settings {

class SettingsFileTest : public bb::test::SandboxTest {
protected:
    void Write(const std::string& bytes) const { std::ofstream(m_path, std::ios::binary) << bytes; }
    [[nodiscard]] std::string Read() const {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string m_path = SettingsFilePath(Folder());
    LanguageTable m_builtinTexts;  // no language file: the built-in template
};

}  // namespace bb::settings
