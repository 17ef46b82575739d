// SystemX() of every service: the native one unless a replacement is set.
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/ModuleLoader.h"
#include "platform/NativeServices.h"
#include "platform/Registry.h"
#include "platform/ServiceOverride.h"

namespace platform {
namespace {
ServiceSlot<Environment> g_environment;
ServiceSlot<Files> g_files;
ServiceSlot<ModuleLoader> g_moduleLoader;
ServiceSlot<Registry> g_registry;
}  // namespace

Environment& SystemEnvironment() { return g_environment.Get(NativeEnvironment()); }
void SetSystemEnvironment(Environment* replacement) { g_environment.Set(replacement); }

Files& SystemFiles() { return g_files.Get(NativeFiles()); }
void SetSystemFiles(Files* replacement) { g_files.Set(replacement); }

ModuleLoader& SystemModuleLoader() { return g_moduleLoader.Get(NativeModuleLoader()); }
void SetSystemModuleLoader(ModuleLoader* replacement) { g_moduleLoader.Set(replacement); }

Registry& SystemRegistry() { return g_registry.Get(NativeRegistry()); }
void SetSystemRegistry(Registry* replacement) { g_registry.Set(replacement); }

}  // namespace platform
