#include "settings/LanguageTable.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "settings/BuiltinTexts.h"

namespace bb::settings {

namespace {

// One line without its end, however long. False at the end of the file.
bool ReadLine(std::FILE* file, std::string& line) {
    line.clear();
    char chunk[512];
    bool any = false;
    while (std::fgets(chunk, sizeof chunk, file)) {
        any = true;
        line += chunk;
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            // Text mode drops the CR of a CR LF on Windows only; a file
            // edited there reads the same elsewhere.
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
    }
    return any;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

std::optional<std::string> FindInFile(const std::string& path, int id) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return std::nullopt;
    std::optional<std::string> found;
    std::string line;
    while (ReadLine(file, line)) {
        if (!line.empty() && (line[0] == '#' || line[0] == ';'))
            continue;
        // A line that does not start with a number reads as id 0, which the
        // program never asks for.
        if (std::strtoul(line.c_str(), nullptr, 10) != static_cast<unsigned long>(id))
            continue;
        size_t start = line.find_first_not_of("0123456789: \t");
        found = start == std::string::npos ? std::string() : line.substr(start);
        break;
    }
    std::fclose(file);
    return found;
}

}  // namespace

LanguageTable::LanguageTable(std::string path) : m_strFile(std::move(path)) {}

int LanguageTable::SetFile(const std::string& path) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strFile = path;
    return 0;
}

std::string LanguageTable::GetFile() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strFile;
}

std::optional<std::string> LanguageTable::GetFileText(int id) const {
    return FindInFile(GetFile(), id);
}

std::string LanguageTable::GetText(int id) const {
    std::optional<std::string> text = GetFileText(id);
    if (!text) {
        const char* builtin = settings::BuiltinText(id);
        return builtin ? builtin : "";
    }
    ReplaceAll(*text, "\\n", "\n");
    ReplaceAll(*text, "\\r", "\r");
    return std::move(*text);
}

}  // namespace bb::settings
