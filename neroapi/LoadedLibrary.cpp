#include "neroapi/LoadedLibrary.h"

#include <mutex>
#include <utility>

#include "platform/Environment.h"
#include "platform/Registry.h"

namespace bb::neroapi::detail {
namespace {

struct State {
    std::mutex mutex;
    std::shared_ptr<platform::Module> module;
    std::string folder;
    Services services;
};

State& TheState() {
    static State state;
    return state;
}

}  // namespace

ResolvedServices CurrentServices() {
    Services services;
    {
        State& state = TheState();
        std::lock_guard lock(state.mutex);
        services = state.services;
    }
    return ResolvedServices{
        services.registry ? *services.registry : platform::SystemRegistry(),
        services.loader ? *services.loader : platform::SystemModuleLoader(),
        services.environment ? *services.environment : platform::SystemEnvironment(),
        services.paths,
    };
}

std::shared_ptr<platform::Module> CurrentModule() {
    State& state = TheState();
    std::lock_guard lock(state.mutex);
    return state.module;
}

void ReplaceModule(std::shared_ptr<platform::Module> module) {
    State& state = TheState();
    {
        std::lock_guard lock(state.mutex);
        std::swap(state.module, module);
    }
    // `module` now holds the previous one; it is released here, outside the
    // lock, or later by the last call still using it.
}

std::string Folder() {
    State& state = TheState();
    std::lock_guard lock(state.mutex);
    return state.folder;
}

void SetFolder(std::string folder) {
    State& state = TheState();
    std::lock_guard lock(state.mutex);
    state.folder = std::move(folder);
}

}  // namespace bb::neroapi::detail

namespace bb::neroapi {

Services SetServices(const Services& services) {
    auto& state = detail::TheState();
    std::lock_guard lock(state.mutex);
    return std::exchange(state.services, services);
}

ScopedServices::ScopedServices(const Services& services) : m_previous(SetServices(services)) {}

ScopedServices::~ScopedServices() {
    Unload();
    (void)SetServices(m_previous);
}

bool IsLoaded() { return detail::CurrentModule() != nullptr; }

std::string LibraryFolder() { return detail::Folder(); }

}  // namespace bb::neroapi
