// The process environment.
#pragma once

#include <optional>
#include <string>

namespace bb::platform {

class Environment {
public:
    virtual ~Environment() = default;
    virtual std::optional<std::string> Get(const std::string& name) = 0;
    virtual bool Set(const std::string& name, const std::string& value) = 0;
};

Environment& SystemEnvironment();
// Replaces the service for the whole process (null restores the native one).
void SetSystemEnvironment(Environment* replacement);

}  // namespace bb::platform
