// A sandbox holding a DVD root ("root") and a language file whose texts name
// their ids ("T682"; the label texts carry their %d), so that logs can be
// compared line by line; the real file service with single operations
// replaced; paths and texts in the platform's own form.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compilation/CompilationHost.h"
#include "compilation/LabelText.h"
#include "platform/Files.h"
#include "platform/Paths.h"
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
        for (const std::string& e : entries) Sandbox::MakeTree({"root/" + e});
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

    std::vector<std::string> log, status;

private:
    const settings::LanguageTable& m_texts;
};

// The real file service with single operations replaced by a test.
class DelegatingFiles : public platform::Files {
public:
    using Entries = std::optional<std::vector<platform::FolderEntry>>;
    Entries List(const std::string& folder, const std::string& pattern) override { return real().List(folder, pattern); }
    bool Exists(const std::string& p) override { return real().Exists(p); }
    bool IsFolder(const std::string& p) override { return real().IsFolder(p); }
    std::optional<platform::FolderId> FolderIdentity(const std::string& p) override { return real().FolderIdentity(p); }
    std::optional<uint64_t> FileSize(const std::string& p) override { return real().FileSize(p); }
    bool Move(const std::string& a, const std::string& b) override { return real().Move(a, b); }
    bool Delete(const std::string& p) override { return real().Delete(p); }
    std::optional<std::vector<std::string>> ReadLines(const std::string& p) override { return real().ReadLines(p); }
    bool WriteText(const std::string& p, const std::string& t, platform::LineEnding e) override {
        return real().WriteText(p, t, e);
    }
    bool WriteTextAtomically(const std::string& p, const std::string& t, platform::LineEnding e) override {
        return real().WriteTextAtomically(p, t, e);
    }
    std::string ProgramPath() override { return real().ProgramPath(); }
    std::optional<std::string> VolumeName(const std::string& p) override { return real().VolumeName(p); }

protected:
    static platform::Files& real() { return platform::SystemFiles(); }
};

// Lists no folder whose path holds `part`, as if the user may not read it.
class NoListing : public DelegatingFiles {
public:
    explicit NoListing(std::string part) : m_part(std::move(part)) {}
    Entries List(const std::string& folder, const std::string& pattern) override {
        return folder.find(m_part) != std::string::npos ? std::nullopt : real().List(folder, pattern);
    }

private:
    std::string m_part;
};

// '/' in a test's path becomes the platform's separator.
inline std::string P(std::string path) {
    for (char& c : path)
        if (c == '/') c = platform::kPathSeparator;
    return path;
}

// The Latin-1 letters of a UTF-8 text as single bytes of code page 1252.
inline std::string ToCp1252(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i)
        out += uint8_t(utf8[i]) == 0xC3 && i + 1 < utf8.size() ? char(uint8_t(utf8[++i]) + 0x40) : utf8[i];
    return out;
}

// UTF-8 letters become code page 1252 where the program's text is in that code page.
inline std::string Native(const std::string& utf8) {
    return compilation::NativeLabelEncoding() == compilation::LabelEncoding::Utf8 ? utf8 : ToCp1252(utf8);
}

}  // namespace bb::compilation
