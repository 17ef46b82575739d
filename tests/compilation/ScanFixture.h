// A sandbox holding a DVD root ("root") and a language file whose texts name
// their ids ("T682"; the label texts carry their %d), so that
// logs can be compared line by line.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "compilation/CompilationHost.h"
#include "settings/LanguageTable.h"
#include "tests/support/Sandbox.h"

namespace bb::compilation {

class ScanSandbox : public bb::test::SandboxTest {
protected:
    void SetUp() override {
        std::string lng;
        for (int id = 500; id <= 832; ++id)
            lng += std::to_string(id) + ": T" + std::to_string(id) + (id == 594 || id == 596 || id == 622 ? " %d" : "") + "\n";
        m_texts.SetFile(WriteFile("test.lng", lng));
    }

    // Below the DVD root "root" of the sandbox.
    std::string At(const std::string& relative) const { return Sandbox::At("root/" + relative); }
    void MakeTree(const std::vector<std::string>& entries) const {
        for (const std::string& e : entries) {
            if (!e.empty() && e.back() == '/') MakeFolder("root/" + e);
            else WriteFile("root/" + e, e);
        }
    }
    bool MakeFolderLink(const std::string& relative, const std::filesystem::path& target) const {
        return Sandbox::MakeFolderLink("root/" + relative, target);
    }

    const std::filesystem::path& m_base = Root();
    const std::string m_root = MakeFolder("root");
    settings::LanguageTable m_texts;
};

// Records what the scan reports to the main window.
class RecordingWindow : public compilation::LogSink, public compilation::StatusLine {
public:
    explicit RecordingWindow(const settings::LanguageTable& texts) : m_texts(texts) {}
    void AppendLog(const std::string& line) override { log.push_back(line); }
    void AppendLogId(int id) override { log.push_back(m_texts.GetText(id)); }
    void ShowStatus(const std::string& text) override { status.push_back(text); }

    std::vector<std::string> log;
    std::vector<std::string> status;

private:
    const settings::LanguageTable& m_texts;
};

}  // namespace bb::compilation
