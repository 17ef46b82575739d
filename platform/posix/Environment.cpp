#include "platform/Environment.h"

#include <cstdlib>
#include <mutex>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

class PosixEnvironment final : public Environment {
public:
    std::optional<std::string> Get(const std::string& name) override {
        // getenv's pointer is invalidated by a concurrent setenv of the same
        // name; copy it while holding the lock that Set takes.
        std::lock_guard<std::mutex> lock(m_mutex);
        const char* value = std::getenv(name.c_str());
        if (!value)
            return std::nullopt;
        return std::string(value);
    }

    bool Set(const std::string& name, const std::string& value) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        return setenv(name.c_str(), value.c_str(), 1) == 0;
    }

private:
    std::mutex m_mutex;
};

}  // namespace

Environment& NativeEnvironment() {
    static PosixEnvironment environment;
    return environment;
}

}  // namespace bb::platform
