#include "tests/unit/binding/FakeServices.h"

namespace binding_test {
namespace {

class FakeModule final : public platform::Module {
public:
    FakeModule(SymbolTable symbols, int& live) : m_symbols(std::move(symbols)), m_live(live) { ++m_live; }
    ~FakeModule() override { --m_live; }
    void* Symbol(const char* name) const override {
        auto it = m_symbols.find(name);
        return it == m_symbols.end() ? nullptr : it->second;
    }

private:
    SymbolTable m_symbols;
    int& m_live;
};

}  // namespace

std::unique_ptr<platform::Module> FakeModuleLoader::Load(const std::string& fullPath) {
    loadedPaths.push_back(fullPath);
    if (refuse) return nullptr;
    return std::make_unique<FakeModule>(symbols, liveModules);
}

std::optional<std::string> FakeRegistry::ReadString(platform::RegistryRoot root, const std::string& key,
                                                    const std::string& value, size_t capacity) {
    if (root != platform::RegistryRoot::LocalMachine) return std::nullopt;
    reads.emplace_back(key, value);
    auto it = values.find({key, value});
    // Like the real query: the value and its terminator must fit.
    if (it == values.end() || it->second.size() + 1 > capacity) return std::nullopt;
    return it->second;
}

bool FakeRegistry::WriteString(platform::RegistryRoot root, const std::string& key, const std::string& value,
                               const std::string& data) {
    if (root != platform::RegistryRoot::LocalMachine || readOnlyKeys.count(key)) return false;
    writes.push_back({{key, value}, data});
    values[{key, value}] = data;
    return true;
}

bool FakeRegistry::DeleteValue(platform::RegistryRoot, const std::string& key, const std::string& value) {
    return values.erase({key, value}) != 0;
}

std::optional<std::string> FakeEnvironment::Get(const std::string& name) {
    auto it = variables.find(name);
    if (it == variables.end()) return std::nullopt;
    return it->second;
}

bool FakeEnvironment::Set(const std::string& name, const std::string& value) {
    ++sets;
    variables[name] = value;
    return true;
}

}  // namespace binding_test
