// Stand-ins for the registry, the process environment and the module loader,
// handed to the binding through NeroApiLib::Services.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Environment.h"
#include "platform/ModuleLoader.h"
#include "platform/Registry.h"

namespace binding_test {

// A table of named entry points; fill it with plain NERO_CDECL functions.
using SymbolTable = std::map<std::string, void*>;

class FakeModuleLoader final : public platform::ModuleLoader {
public:
    template <typename Fn>
    void Export(const char* name, Fn function) {
        symbols[name] = reinterpret_cast<void*>(function);
    }
    std::unique_ptr<platform::Module> Load(const std::string& fullPath) override;

    SymbolTable symbols;
    std::vector<std::string> loadedPaths;
    bool refuse = false;  // the file "cannot be loaded"
    int liveModules = 0;  // loaded and not yet freed
};

class FakeRegistry final : public platform::Registry {
public:
    using Place = std::pair<std::string, std::string>;  // key, value (HKLM only)

    std::optional<std::string> ReadString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& value, size_t capacity) override;
    bool WriteString(platform::RegistryRoot root, const std::string& key, const std::string& value,
                     const std::string& data) override;
    bool DeleteValue(platform::RegistryRoot root, const std::string& key, const std::string& value) override;

    std::map<Place, std::string> values;
    std::set<std::string> readOnlyKeys;
    std::vector<Place> reads;
    std::vector<std::pair<Place, std::string>> writes;
};

class FakeEnvironment final : public platform::Environment {
public:
    std::optional<std::string> Get(const std::string& name) override;
    bool Set(const std::string& name, const std::string& value) override;

    std::map<std::string, std::string> variables;
    int sets = 0;
};

}  // namespace binding_test
