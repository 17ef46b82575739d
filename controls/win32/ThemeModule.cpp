// UxTheme.dll found the way the system finds any library by name; a missing
// library only means the classic look.
#include <windows.h>

#include "controls/ThemeLib.h"
#include "platform/ModuleLoader.h"

namespace bb::controls {
namespace {

class ThemeModule final : public platform::Module {
public:
    explicit ThemeModule(HMODULE module) : m_module(module) {}
    ~ThemeModule() override { FreeLibrary(m_module); }
    void* Symbol(const char* name) const override {
        return reinterpret_cast<void*>(GetProcAddress(m_module, name));
    }

private:
    HMODULE m_module;
};

}  // namespace

std::unique_ptr<platform::Module> OpenThemeModule() {
    HMODULE module = LoadLibraryA("UxTheme.dll");
    if (!module)
        return nullptr;
    return std::make_unique<ThemeModule>(module);
}

}  // namespace bb::controls
