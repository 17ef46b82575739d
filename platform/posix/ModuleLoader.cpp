#include "platform/ModuleLoader.h"

#include <dlfcn.h>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

class PosixModule final : public Module {
public:
    explicit PosixModule(void* handle) : m_handle(handle) {}
    ~PosixModule() override { dlclose(m_handle); }
    PosixModule(const PosixModule&) = delete;
    PosixModule& operator=(const PosixModule&) = delete;

    void* Symbol(const char* name) const override { return dlsym(m_handle, name); }

private:
    void* m_handle;
};

class PosixModuleLoader final : public ModuleLoader {
public:
    std::unique_ptr<Module> Load(const std::string& fullPath) override {
        // A bare name would make dlopen search the library path; only a
        // path with a folder is loaded, like LoadLibraryA of a full path.
        if (fullPath.find('/') == std::string::npos)
            return nullptr;
        // RTLD_NOW: an unresolved symbol fails here, not at the first call.
        void* handle = dlopen(fullPath.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return nullptr;
        return std::make_unique<PosixModule>(handle);
    }
};

}  // namespace

ModuleLoader& NativeModuleLoader() {
    static PosixModuleLoader loader;
    return loader;
}

}  // namespace bb::platform
