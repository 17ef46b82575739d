#include "platform/base/ModuleFolder.h"

namespace bb::platform {

// The recording library links this file and stays free of <windows.h>; these two kernel32 functions are all
// it needs, declared with the types of their ABI.
extern "C" {
__declspec(dllimport) int __stdcall GetModuleHandleExA(unsigned long flags, const char* address,
                                                       void** module);
__declspec(dllimport) unsigned long __stdcall GetModuleFileNameA(void* module, char* buffer,
                                                                 unsigned long size);
}

}  // namespace bb::platform

namespace bb::platform {
namespace {

constexpr unsigned long kFromAddress = 0x4;        // GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
constexpr unsigned long kUnchangedRefCount = 0x2;  // GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT

void Anchor() {}

}  // namespace

std::string ModuleFolder() {
    void* module = nullptr;
    if (GetModuleHandleExA(kFromAddress | kUnchangedRefCount,
                           reinterpret_cast<const char*>(&Anchor), &module) == 0) {
        return {};
    }
    char buffer[1024];
    const unsigned long length = GetModuleFileNameA(module, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) {
        return {};
    }
    const std::string file(buffer, length);
    const size_t separator = file.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : file.substr(0, separator);
}

}  // namespace bb::platform
