#include "platform/Registry.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    }
    return HKEY_LOCAL_MACHINE;
}

// Closes the key on every path out of a function.
class OpenKey {
public:
    OpenKey(RegistryRoot root, const std::string& key, REGSAM access) {
        if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, access, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~OpenKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

class Win32Registry final : public Registry {
public:
    std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                          const std::string& value, size_t capacity) override {
        if (capacity == 0)
            return std::nullopt;
        OpenKey k(root, key, KEY_READ);
        if (!k.get())
            return std::nullopt;
        // The query gets exactly the caller's buffer: a longer value answers
        // ERROR_MORE_DATA and counts as missing, as it does for the caller.
        std::vector<char> buffer(capacity, '\0');
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(capacity);
        if (RegQueryValueExA(k.get(), value.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
            return std::nullopt;
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return std::nullopt;
        // A value stored without its terminator fills the buffer exactly;
        // the text then ends where the data ends.
        size_t length = strnlen(buffer.data(), size);
        if (length >= capacity)
            return std::nullopt;
        return std::string(buffer.data(), length);
    }

    bool WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                     const std::string& data) override {
        OpenKey k(root, key, KEY_SET_VALUE);
        if (!k.get())
            return false;
        return RegSetValueExA(k.get(), value.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.c_str()),
                              static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
    }

    bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) override {
        OpenKey k(root, key, KEY_SET_VALUE);
        if (!k.get())
            return false;
        return RegDeleteValueA(k.get(), value.c_str()) == ERROR_SUCCESS;
    }
};

}  // namespace

Registry& NativeRegistry() {
    static Win32Registry registry;
    return registry;
}

}  // namespace bb::platform
