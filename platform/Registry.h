// String values under the three registry roots. On Windows the real registry
// (ANSI functions); elsewhere a small file-backed store beside the program.
#pragma once

#include <optional>
#include <string>

namespace bb::platform {

enum class RegistryRoot { LocalMachine, CurrentUser, ClassesRoot };

class Registry {
public:
    virtual ~Registry() = default;
    // The value's text, or nothing when the key or value is missing or the
    // value is not a string. `capacity` is the caller's buffer size in bytes
    // (terminator included): a longer value fails like the Win32 query does.
    virtual std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                                  const std::string& value,
                                                  size_t capacity = 255) = 0;
    // Writes a REG_SZ value (length plus one byte). False when the key cannot
    // be opened for writing.
    virtual bool WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                             const std::string& data) = 0;
    virtual bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) = 0;
};

// The process's registry: the real one on Windows, the file store elsewhere.
Registry& SystemRegistry();
// Replaces the service for the whole process (null restores the native one).
void SetSystemRegistry(Registry* replacement);

}  // namespace bb::platform
