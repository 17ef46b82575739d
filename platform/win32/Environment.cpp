#include "platform/Environment.h"

#include <windows.h>

#include <vector>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

class Win32Environment final : public Environment {
public:
    std::optional<std::string> Get(const std::string& name) override {
        SetLastError(ERROR_SUCCESS);
        // First call asks for the size; the value may change between the two
        // calls (another thread), so retry until it fits.
        DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
        while (needed != 0) {
            std::vector<char> buffer(needed);
            DWORD got = GetEnvironmentVariableA(name.c_str(), buffer.data(), needed);
            if (got < needed)
                return std::string(buffer.data(), got);
            needed = got;
        }
        // A set but empty variable also answers 0, with no error recorded.
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND)
            return std::nullopt;
        return std::string();
    }

    bool Set(const std::string& name, const std::string& value) override {
        return SetEnvironmentVariableA(name.c_str(), value.c_str()) != 0;
    }
};

}  // namespace

Environment& NativeEnvironment() {
    static Win32Environment environment;
    return environment;
}

}  // namespace bb::platform
