#include "platform/ModuleLoader.h"

#include <windows.h>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

class Win32Module final : public Module {
public:
    explicit Win32Module(HMODULE module) : m_module(module) {}
    ~Win32Module() override { FreeLibrary(m_module); }
    Win32Module(const Win32Module&) = delete;
    Win32Module& operator=(const Win32Module&) = delete;

    void* Symbol(const char* name) const override {
        // FARPROC to object pointer: the caller casts back to the function
        // type it expects.
        return reinterpret_cast<void*>(GetProcAddress(m_module, name));
    }

private:
    HMODULE m_module;
};

class Win32ModuleLoader final : public ModuleLoader {
public:
    std::unique_ptr<Module> Load(const std::string& fullPath) override {
        // A bare name would be searched for along the DLL search path (the
        // current folder included); only a path with a folder is loaded.
        if (fullPath.find_first_of("\\/") == std::string::npos)
            return nullptr;
        // No "could not find component" box for a missing dependency: the
        // caller reports the failure itself.
        UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        HMODULE module = LoadLibraryA(fullPath.c_str());
        SetErrorMode(previous);
        if (!module)
            return nullptr;
        return std::make_unique<Win32Module>(module);
    }
};

}  // namespace

ModuleLoader& NativeModuleLoader() {
    static Win32ModuleLoader loader;
    return loader;
}

}  // namespace bb::platform
