// A fake recording library behind the binding's services: a registry, an
// environment and a module loader whose modules serve a table of entry
// points. Entry points are plain NERO_CDECL functions (captureless lambdas
// converted), so their answers and observations live in the global g_fake,
// reset before every test.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "neroapi/NeroApiLib.h"
#include "neroapi/NeroFunctions.h"
#include "platform/Environment.h"
#include "platform/ModuleLoader.h"
#include "platform/Registry.h"

namespace bb::neroapi::test {

class FakeModuleLoader final : public platform::ModuleLoader {
public:
    template <typename Fn>
    void Export(const char* name, Fn function) {
        symbols[name] = reinterpret_cast<void*>(function);
    }
    std::unique_ptr<platform::Module> Load(const std::string& fullPath) override;

    std::map<std::string, void*> symbols;
    std::vector<std::string> loadedPaths;
    bool refuse = false;
    int liveModules = 0;
};

// HKEY_LOCAL_MACHINE only; values keyed by (key, value name).
class FakeRegistry final : public platform::Registry {
public:
    using Place = std::pair<std::string, std::string>;
    std::optional<std::string> ReadString(platform::RegistryRoot, const std::string& key,
                                          const std::string& value, size_t capacity) override;
    bool WriteString(platform::RegistryRoot, const std::string& key, const std::string& value,
                     const std::string& data) override;
    bool DeleteValue(platform::RegistryRoot, const std::string& key, const std::string& value) override {
        return values.erase({key, value}) != 0;
    }
    std::optional<std::string> Value(const char* key, const char* value) const {
        auto it = values.find({key, value});
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }

    std::map<Place, std::string> values;
    std::set<std::string> readOnlyKeys;
};

class FakeEnvironment final : public platform::Environment {
public:
    std::optional<std::string> Get(const std::string& name) override {
        auto it = variables.find(name);
        return it == variables.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool Set(const std::string& name, const std::string& value) override {
        variables[name] = value;
        return true;
    }
    std::map<std::string, std::string> variables;
};

struct FakeLibraryState {
    uint32_t fourDigit = 0;          // answer of NeroGetAPIVersion
    neroapi::ApiVersion version;  // answer of NeroGetAPIVersionEx
    int acceptExpected = 1;
    std::optional<neroapi::ApiVersion> expectedEx;
    std::optional<uint32_t> expectedFourDigit;
    bool allocatorFails = false;
    std::set<void*> liveBlocks;      // from NeroCreateIsoItemOfSize, not yet freed
    std::vector<size_t> allocations;
    std::vector<void*> freed;
    int calls = 0;                   // of the entry point under test
};
extern FakeLibraryState g_fake;

void* NERO_CDECL FakeCreateIsoItemOfSize(size_t size);

// The registry names "C:\Lib" (Windows spelling on every build), which PATH
// already holds; the library exports NeroFreeMem, NeroCreateIsoItemOfSize
// and NeroSetExpectedAPIVersionEx. TearDown checks that the module and every
// block of library memory were given back.
class FakeLibraryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Drops both version calls, adds those asked for, and (re)loads.
    void LoadWithVersions(std::optional<neroapi::ApiVersion> version, uint32_t fourDigit = 0);
    void LoadLibrary() { ASSERT_TRUE(neroapi::Load()); }

    FakeModuleLoader loader;
    FakeRegistry registry;
    FakeEnvironment environment;
    std::optional<neroapi::ScopedServices> services;
};

}  // namespace bb::neroapi::test
