// Run-time loading of shared libraries, by full path only.
#pragma once

#include <memory>
#include <string>

namespace bb::platform {

// A loaded module. Freed when the last owner lets go.
class Module {
public:
    virtual ~Module() = default;
    // The exported symbol of that (undecorated) name, or null.
    virtual void* Symbol(const char* name) const = 0;
};

class ModuleLoader {
public:
    virtual ~ModuleLoader() = default;
    // Loads the library at this full path; null when it cannot be loaded.
    virtual std::unique_ptr<Module> Load(const std::string& fullPath) = 0;
};

ModuleLoader& SystemModuleLoader();
// Replaces the service for the whole process (null restores the native one).
void SetSystemModuleLoader(ModuleLoader* replacement);

}  // namespace bb::platform
