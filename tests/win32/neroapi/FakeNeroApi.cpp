// A small stand-in for the recording library, built as NeroAPI.dll in two
// folders: one exports the four-digit version calls (and a few others), the
// other neither expected-version call, so the loader must refuse it.
#include <cstdint>
#include <cstdlib>

#include "neroapi/NeroFunctions.h"

#define FAKE_EXPORT extern "C" __declspec(dllexport)

#ifndef BB_FAKE_WITHOUT_EXPECTED_VERSION
namespace bb::neroapi {

FAKE_EXPORT int NERO_CDECL NeroSetExpectedAPIVersion(uint32_t fourDigitVersion) {
    return fourDigitVersion == 6601 ? 1 : 0;
}

}  // namespace bb::neroapi
#endif

namespace bb::neroapi {

FAKE_EXPORT uint32_t NERO_CDECL NeroGetAPIVersion() { return 6601; }

FAKE_EXPORT void* NERO_CDECL NeroCreateIsoItemOfSize(size_t size) { return std::calloc(1, size); }

FAKE_EXPORT void NERO_CDECL NeroFreeMem(void* memory) { std::free(memory); }

// Mixes every argument into the result, so a caller that pushes or pops the
// stack differently sees a wrong answer or a broken frame.
FAKE_EXPORT int NERO_CDECL NeroEraseCDRW(neroapi::DeviceHandle device, int mode) {
    return static_cast<int>(reinterpret_cast<intptr_t>(device)) * 10 + mode;
}

// Both sides must agree on every signature.
[[maybe_unused]] static constexpr neroapi::FnNeroGetAPIVersion kCheckVersion = NeroGetAPIVersion;
[[maybe_unused]] static constexpr neroapi::FnNeroCreateIsoItemOfSize kCheckAlloc = NeroCreateIsoItemOfSize;
[[maybe_unused]] static constexpr neroapi::FnNeroFreeMem kCheckFree = NeroFreeMem;
[[maybe_unused]] static constexpr neroapi::FnNeroEraseCDRW kCheckErase = NeroEraseCDRW;

}  // namespace bb::neroapi
