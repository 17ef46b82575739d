#include "tests/neroapi/FakeLibrary.h"

#include <cstdlib>

namespace bb::neroapi::test {

FakeLibraryState g_fake;

namespace {

class FakeModule final : public platform::Module {
public:
    FakeModule(std::map<std::string, void*> symbols, int& live) : m_symbols(std::move(symbols)), m_live(live) {
        ++m_live;
    }
    ~FakeModule() override { --m_live; }
    void* Symbol(const char* name) const override {
        auto it = m_symbols.find(name);
        return it == m_symbols.end() ? nullptr : it->second;
    }

private:
    std::map<std::string, void*> m_symbols;
    int& m_live;
};

}  // namespace

std::unique_ptr<platform::Module> FakeModuleLoader::Load(const std::string& fullPath) {
    loadedPaths.push_back(fullPath);
    return refuse ? nullptr : std::make_unique<FakeModule>(symbols, liveModules);
}

std::optional<std::string> FakeRegistry::ReadString(platform::RegistryRoot, const std::string& key,
                                                    const std::string& value, size_t capacity) {
    auto it = values.find({key, value});
    // Like the real query: the value and its terminator must fit.
    if (it == values.end() || it->second.size() + 1 > capacity) return std::nullopt;
    return it->second;
}

bool FakeRegistry::WriteString(platform::RegistryRoot, const std::string& key, const std::string& value,
                               const std::string& data) {
    if (readOnlyKeys.count(key)) return false;
    values[{key, value}] = data;
    return true;
}

void* NERO_CDECL FakeCreateIsoItemOfSize(size_t size) {
    g_fake.allocations.push_back(size);
    if (g_fake.allocatorFails) return nullptr;
    void* block = std::calloc(1, size);
    g_fake.liveBlocks.insert(block);
    return block;
}

void FakeLibraryTest::SetUp() {
    g_fake = FakeLibraryState{};
    registry.values[{neroapi::kSharedKey, neroapi::kSharedValue}] = "C:\\Lib";
    environment.variables["PATH"] = "C:\\Lib";
    services.emplace(neroapi::Services{&registry, &loader, &environment, neroapi::kWindowsPaths});
    loader.Export<neroapi::FnNeroFreeMem>("NeroFreeMem", [](void* memory) {
        g_fake.freed.push_back(memory);
        if (g_fake.liveBlocks.erase(memory)) std::free(memory);
    });
    loader.Export("NeroCreateIsoItemOfSize", FakeCreateIsoItemOfSize);
    loader.Export<neroapi::FnNeroSetExpectedAPIVersionEx>(
        "NeroSetExpectedAPIVersionEx", [](uint16_t a, uint16_t b, uint16_t c, uint16_t d, void* reserved) {
            g_fake.expectedEx = neroapi::ApiVersion{a, b, c, d};
            return reserved ? 0 : g_fake.acceptExpected;
        });
}

void FakeLibraryTest::TearDown() {
    services.reset();
    EXPECT_EQ(loader.liveModules, 0);
    EXPECT_TRUE(g_fake.liveBlocks.empty()) << "library memory not given back";
    for (void* block : g_fake.liveBlocks) std::free(block);
}

void FakeLibraryTest::LoadWithVersions(std::optional<neroapi::ApiVersion> version, uint32_t fourDigit) {
    loader.symbols.erase("NeroGetAPIVersionEx");
    loader.symbols.erase("NeroGetAPIVersion");
    g_fake.version = version.value_or(neroapi::ApiVersion{});
    g_fake.fourDigit = fourDigit;
    if (version) {
        loader.Export<neroapi::FnNeroGetAPIVersionEx>(
            "NeroGetAPIVersionEx", [](uint16_t* a, uint16_t* b, uint16_t* c, uint16_t* d, void*) {
                *a = g_fake.version.majorHigh, *b = g_fake.version.majorLow;
                *c = g_fake.version.minorHigh, *d = g_fake.version.minorLow;
                return 1;
            });
    }
    if (fourDigit) loader.Export<neroapi::FnNeroGetAPIVersion>("NeroGetAPIVersion", [] { return g_fake.fourDigit; });
    LoadLibrary();
}

}  // namespace bb::neroapi::test
