// A fake recording library for the wrapper tests: entry points are plain
// NERO_CDECL functions (the library's calling convention) whose answers and
// records live in one global, reset by the fixture before every test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "neroapi/NeroApiLib.h"
#include "neroapi/NeroFunctions.h"
#include "tests/unit/binding/FakeServices.h"

namespace binding_test {

struct FakeLibraryState {
    uint32_t fourDigit = 0;            // answer of NeroGetAPIVersion
    NeroApiLib::ApiVersion version;    // answer of NeroGetAPIVersionEx
    int acceptExpected = 1;            // answer of both expected-version calls
    std::optional<NeroApiLib::ApiVersion> expectedEx;  // what they were told
    std::optional<uint32_t> expectedFourDigit;
    bool allocatorFails = false;
    std::set<void*> liveBlocks;        // from NeroCreateIsoItemOfSize, not yet freed
    std::vector<size_t> allocations;   // sizes asked for
    std::vector<void*> freed;          // in order
    int calls = 0;                     // calls of the entry point under test
};
extern FakeLibraryState g_fake;

// Entry points every fake library has.
void NERO_CDECL FakeFreeMem(void* memory);
void* NERO_CDECL FakeCreateIsoItemOfSize(size_t size);

// Registry and PATH that lead the binding to "C:\Lib\NeroAPI.dll" (Windows
// spelling on every build), a loader serving `loader.symbols`, and the
// allocator, NeroFreeMem and NeroSetExpectedAPIVersionEx exported.
class FakeLibraryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Library versions: four-digit number, four-part, or both missing.
    void WithFourDigitVersion(uint32_t number);
    void WithVersion(NeroApiLib::ApiVersion version);
    void LoadLibrary();

    FakeModuleLoader loader;
    FakeRegistry registry;
    FakeEnvironment environment;
    std::optional<NeroApiLib::ScopedServices> services;
};

}  // namespace binding_test
