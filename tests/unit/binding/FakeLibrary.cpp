#include "tests/unit/binding/FakeLibrary.h"

#include <cstdlib>

namespace binding_test {

FakeLibraryState g_fake;

void NERO_CDECL FakeFreeMem(void* memory) {
    g_fake.freed.push_back(memory);
    if (g_fake.liveBlocks.erase(memory)) std::free(memory);
}

void* NERO_CDECL FakeCreateIsoItemOfSize(size_t size) {
    g_fake.allocations.push_back(size);
    if (g_fake.allocatorFails) return nullptr;
    void* block = std::calloc(1, size);
    g_fake.liveBlocks.insert(block);
    return block;
}

namespace {

uint32_t NERO_CDECL FakeGetApiVersion() { return g_fake.fourDigit; }

int NERO_CDECL FakeGetApiVersionEx(uint16_t* a, uint16_t* b, uint16_t* c, uint16_t* d, void*) {
    *a = g_fake.version.majorHigh;
    *b = g_fake.version.majorLow;
    *c = g_fake.version.minorHigh;
    *d = g_fake.version.minorLow;
    return 1;
}

int NERO_CDECL FakeSetExpectedEx(uint16_t a, uint16_t b, uint16_t c, uint16_t d, void*) {
    g_fake.expectedEx = NeroApiLib::ApiVersion{a, b, c, d};
    return g_fake.acceptExpected;
}

}  // namespace

void FakeLibraryTest::SetUp() {
    g_fake = FakeLibraryState{};
    registry.values[{NeroApiLib::kSharedKey, NeroApiLib::kSharedValue}] = "C:\\Lib";
    environment.variables["PATH"] = "C:\\Lib";
    services.emplace(NeroApiLib::Services{&registry, &loader, &environment, NeroApiLib::kWindowsPaths});
    loader.Export("NeroFreeMem", FakeFreeMem);
    loader.Export("NeroCreateIsoItemOfSize", FakeCreateIsoItemOfSize);
    loader.Export("NeroSetExpectedAPIVersionEx", FakeSetExpectedEx);
}

void FakeLibraryTest::TearDown() {
    services.reset();
    EXPECT_EQ(loader.liveModules, 0);
    EXPECT_TRUE(g_fake.liveBlocks.empty()) << "library memory not given back";
    for (void* block : g_fake.liveBlocks) std::free(block);
}

void FakeLibraryTest::WithFourDigitVersion(uint32_t number) {
    g_fake.fourDigit = number;
    loader.Export("NeroGetAPIVersion", FakeGetApiVersion);
}

void FakeLibraryTest::WithVersion(NeroApiLib::ApiVersion version) {
    g_fake.version = version;
    loader.Export("NeroGetAPIVersionEx", FakeGetApiVersionEx);
}

void FakeLibraryTest::LoadLibrary() { ASSERT_TRUE(NeroApiLib::Load()); }

}  // namespace binding_test
