// Wrappers that forward unchanged on every library version; each gives its
// fixed substitute result when the library or the entry point is missing.
#include <cstring>

#include "neroapi/LoadedLibrary.h"
#include "neroapi/NeroApiLib.h"
#include "neroapi/NeroFunctions.h"

namespace bb::neroapi {

using detail::Lookup;

void NeroFreeMem(void* memory) {
    if (auto f = Lookup<neroapi::FnNeroFreeMem>("NeroFreeMem")) f.call(memory);
}

char* NeroGetErrorLog() {
    auto f = Lookup<neroapi::FnNeroGetErrorLog>("NeroGetErrorLog");
    return f ? f.call() : nullptr;
}

void NeroClearErrors() {
    if (auto f = Lookup<neroapi::FnNeroClearErrors>("NeroClearErrors")) f.call();
}

int NeroInit(neroapi::LibSettingsRecord* settings, const char* reserved) {
    auto f = Lookup<neroapi::FnNeroInit>("NeroInit");
    return f ? f.call(settings, reserved) : 1;
}

int NeroDone() {
    auto f = Lookup<neroapi::FnNeroDone>("NeroDone");
    if (!f) return 1;
    // 5.5.6.4 to 5.5.6.6 must not be sent NeroDone.
    if (SkipsNeroDone(NeroGetAPIVersion())) return 1;
    return f.call();
}

void NeroCloseDevice(neroapi::DeviceHandle device) {
    if (auto f = Lookup<neroapi::FnNeroCloseDevice>("NeroCloseDevice")) f.call(device);
}

void* NeroCreateIsoItemOfSize(size_t size) {
    auto f = Lookup<neroapi::FnNeroCreateIsoItemOfSize>("NeroCreateIsoItemOfSize");
    return f ? f.call(size) : nullptr;
}

int NeroEjectLoadCD(neroapi::DeviceHandle device, int eject) {
    auto f = Lookup<neroapi::FnNeroEjectLoadCD>("NeroEjectLoadCD");
    return f ? f.call(device, eject) : -1;
}

int NeroGetCDRWErasingTime(neroapi::DeviceHandle device, int mode) {
    auto f = Lookup<neroapi::FnNeroGetCDRWErasingTime>("NeroGetCDRWErasingTime");
    return f ? f.call(device, mode) : -1;
}

int NeroEraseCDRW(neroapi::DeviceHandle device, int mode) {
    auto f = Lookup<neroapi::FnNeroEraseCDRW>("NeroEraseCDRW");
    return f ? f.call(device, mode) : -1;
}

char* NeroGetTypeNameOfMedia(uint32_t mediaMask, const char* delimiter) {
    if (auto f = Lookup<neroapi::FnNeroGetTypeNameOfMedia>("NeroGetTypeNameOfMedia")) {
        return f.call(mediaMask, delimiter);
    }
    // Taken from the library so the caller frees it like any library text.
    static constexpr char kSubstitute[] = "CD-R/RW";
    auto* text = static_cast<char*>(NeroCreateIsoItemOfSize(sizeof kSubstitute));
    if (text) std::memcpy(text, kSubstitute, sizeof kSubstitute);
    return text;
}

char* NeroGetLocalizedWaitCDTexts(int waitType) {
    auto f = Lookup<neroapi::FnNeroGetLocalizedWaitCDTexts>("NeroGetLocalizedWaitCDTexts");
    return f ? f.call(waitType) : nullptr;
}

}  // namespace bb::neroapi
