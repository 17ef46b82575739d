// A registry of string values kept in a small text file: the stand-in for
// the Windows registry where there is none.
//
// File format (UTF-8 text, LF or CR LF):
//
//   ; comment (also "#")
//   [HKEY_LOCAL_MACHINE\SOFTWARE\ahead\Shared]
//   NeroAPI=/opt/brenvik
//   @=text of the key's default (unnamed) value
//
// A section names a root (HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER or
// HKEY_CLASSES_ROOT) and a key path; each line under it is value=data, the
// data running to the end of the line unquoted. Key and value names are
// compared without regard to letter case, as Windows does. Value names
// cannot hold '=' and data cannot hold line breaks; writes of such values
// fail. Writing creates the key when needed (the file has no permissions to
// model), and every write replaces the file atomically.
//
// Defaults given at construction answer reads of values the file lacks; a
// value in the file always wins.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace bb::platform {

class Files;

struct RegistryDefault {
    RegistryRoot root;
    std::string key;
    std::string value;
    std::string data;
};

class FileRegistry final : public Registry {
public:
    FileRegistry(Files& files, std::string path, std::vector<RegistryDefault> defaults = {});

    std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                          const std::string& value, size_t capacity = 255) override;
    bool WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                     const std::string& data) override;
    bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) override;

    const std::string& path() const { return m_path; }

private:
    struct Entry {
        std::string value;
        std::string data;
    };
    struct Section {
        std::string name;  // "HKEY_...\key"
        std::vector<Entry> entries;
    };

    std::vector<Section> Load() const;
    [[nodiscard]] bool Save(const std::vector<Section>& sections) const;

    Files& m_files;
    std::string m_path;
    std::vector<RegistryDefault> m_defaults;
    mutable std::mutex m_mutex;
};

}  // namespace bb::platform
