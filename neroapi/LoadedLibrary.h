// Process-wide state of the binding: the loaded module, the library's folder
// and the services. Internal to neroapi/.
//
// One mutex guards the three; it is held only to copy or replace them, never
// during a library call. Callers take a shared reference to the module for
// the length of their call, so Unload on one thread cannot free the library
// under a call running on another.
#pragma once

#include <memory>
#include <string>

#include "neroapi/NeroApiLib.h"
#include "platform/ModuleLoader.h"

namespace bb::neroapi::detail {

struct ResolvedServices {
    platform::Registry& registry;
    platform::ModuleLoader& loader;
    platform::Environment& environment;
    PathStyle paths;
};
[[nodiscard]] ResolvedServices CurrentServices();

[[nodiscard]] std::shared_ptr<platform::Module> CurrentModule();
// Puts a module in place (null: none) and lets go of the previous one.
void ReplaceModule(std::shared_ptr<platform::Module> module);

[[nodiscard]] std::string Folder();
void SetFolder(std::string folder);

// An entry point of the loaded library with the module it belongs to.
template <typename Fn>
struct Entry {
    std::shared_ptr<platform::Module> module;
    Fn call = nullptr;
    explicit operator bool() const { return call != nullptr; }
};

template <typename Fn>
[[nodiscard]] Entry<Fn> Lookup(const char* name) {
    Entry<Fn> entry{CurrentModule()};
    if (entry.module) entry.call = reinterpret_cast<Fn>(entry.module->Symbol(name));
    return entry;
}

}  // namespace bb::neroapi::detail
