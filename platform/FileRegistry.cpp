#include "platform/FileRegistry.h"

#include <algorithm>

#include "platform/Files.h"

namespace bb::platform {
namespace {

const char* RootName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RegistryRoot::CurrentUser: return "HKEY_CURRENT_USER";
    case RegistryRoot::ClassesRoot: return "HKEY_CLASSES_ROOT";
    }
    return "HKEY_LOCAL_MACHINE";
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return fold(x) == fold(y);
           });
}

std::string SectionName(RegistryRoot root, const std::string& key) {
    std::string name = RootName(root);
    if (!key.empty())
        name += "\\" + key;
    return name;
}

// "@" in the file is the key's default value, whose name is empty.
std::string FileValueName(const std::string& value) { return value.empty() ? "@" : value; }

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

}  // namespace

FileRegistry::FileRegistry(Files& files, std::string path, std::vector<RegistryDefault> defaults)
    : m_files(files), m_path(std::move(path)), m_defaults(std::move(defaults)) {}

std::vector<FileRegistry::Section> FileRegistry::Load() const {
    std::vector<Section> sections;
    auto lines = m_files.ReadLines(m_path);
    if (!lines)
        return sections;
    for (const std::string& line : *lines) {
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            size_t close = line.rfind(']');
            if (close == std::string::npos || close == 0)
                continue;
            sections.push_back({line.substr(1, close - 1), {}});
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos || sections.empty())
            continue;
        sections.back().entries.push_back({line.substr(0, eq), line.substr(eq + 1)});
    }
    return sections;
}

bool FileRegistry::Save(const std::vector<Section>& sections) const {
    std::string text = "; Brenvik Burn registry values. [ROOT\\key] sections, value=data lines, @ = default value.\n";
    for (const Section& section : sections) {
        if (section.entries.empty())
            continue;
        text += "\n[" + section.name + "]\n";
        for (const Entry& e : section.entries)
            text += e.value + "=" + e.data + "\n";
    }
    return m_files.WriteTextAtomically(m_path, text, LineEnding::Lf);
}

std::optional<std::string> FileRegistry::ReadString(RegistryRoot root, const std::string& key,
                                                    const std::string& value, size_t capacity) {
    std::optional<std::string> found;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const std::string sectionName = SectionName(root, key);
        const std::string valueName = FileValueName(value);
        for (const Section& section : Load()) {
            if (!SameName(section.name, sectionName))
                continue;
            for (const Entry& e : section.entries)
                if (SameName(e.value, valueName))
                    found = e.data;
        }
    }
    if (!found) {
        for (const RegistryDefault& d : m_defaults)
            if (d.root == root && SameName(d.key, key) && SameName(d.value, value))
                found = d.data;
    }
    // The same limit as the Win32 query: the text and its terminator must
    // fit the caller's buffer.
    if (found && found->size() + 1 > capacity)
        return std::nullopt;
    return found;
}

bool FileRegistry::WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                               const std::string& data) {
    if (value.find('=') != std::string::npos || HasLineBreak(value) || HasLineBreak(key) ||
        HasLineBreak(data))
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Section> sections = Load();
    const std::string sectionName = SectionName(root, key);
    const std::string valueName = FileValueName(value);
    auto section = std::find_if(sections.begin(), sections.end(),
                                [&](const Section& s) { return SameName(s.name, sectionName); });
    if (section == sections.end()) {
        sections.push_back({sectionName, {}});
        section = sections.end() - 1;
    }
    auto entry = std::find_if(section->entries.begin(), section->entries.end(),
                              [&](const Entry& e) { return SameName(e.value, valueName); });
    if (entry == section->entries.end())
        section->entries.push_back({valueName, data});
    else
        entry->data = data;
    return Save(sections);
}

bool FileRegistry::DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Section> sections = Load();
    const std::string sectionName = SectionName(root, key);
    const std::string valueName = FileValueName(value);
    bool removed = false;
    for (Section& section : sections) {
        if (!SameName(section.name, sectionName))
            continue;
        auto& entries = section.entries;
        auto end = std::remove_if(entries.begin(), entries.end(),
                                  [&](const Entry& e) { return SameName(e.value, valueName); });
        removed = removed || end != entries.end();
        entries.erase(end, entries.end());
    }
    return removed && Save(sections);
}

}  // namespace bb::platform
