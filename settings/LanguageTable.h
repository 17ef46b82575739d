// Texts by number from the current language file.
//
// Nothing of the file is kept: every lookup opens the file and reads it from
// the top to the first line with the id, so an edited file or a new path
// takes effect at the next lookup. Lookups may run on any thread.
#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace bb::settings {

class LanguageTable {
public:
    explicit LanguageTable(std::string path = {});
    LanguageTable(const LanguageTable&) = delete;
    LanguageTable& operator=(const LanguageTable&) = delete;

    // Full path of the language file; returns 0.
    int SetFile(const std::string& path);
    int SetFile(const char* path) { return SetFile(std::string(path ? path : "")); }
    std::string GetFile() const;

    // The text for `id`: the file's first line with that id, with "\n" and
    // "\r" turned into line breaks; else the built-in text; else empty.
    std::string GetText(int id) const;

    // The file's own text for `id`, escapes not yet applied; nothing when
    // the file cannot be read or has no line with the id.
    std::optional<std::string> GetFileText(int id) const;

private:
    mutable std::mutex m_mutex;  // guards m_strFile against a lookup on a job thread
    std::string m_strFile;
};

}  // namespace bb::settings
