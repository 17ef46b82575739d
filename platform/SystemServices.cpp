// SystemX() of every service: the native one unless a replacement is set.
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/ModuleLoader.h"
#include "platform/NativeServices.h"
#include "platform/Registry.h"
#include "platform/ServiceOverride.h"
#include "platform/Shell.h"
#include "platform/Shutdown.h"
#include "platform/Sound.h"
#include "platform/FilePickerService.h"

namespace bb::platform {
namespace {
ServiceSlot<Environment> g_environment;
ServiceSlot<Files> g_files;
ServiceSlot<ModuleLoader> g_moduleLoader;
ServiceSlot<Registry> g_registry;
ServiceSlot<Shell> g_shell;
ServiceSlot<Shutdown> g_shutdown;
ServiceSlot<Sound> g_sound;
ServiceSlot<FilePickerService> g_filePickers;
}  // namespace

Environment& SystemEnvironment() { return g_environment.Get(NativeEnvironment()); }
void SetSystemEnvironment(Environment* replacement) { g_environment.Set(replacement); }

Files& SystemFiles() { return g_files.Get(NativeFiles()); }
void SetSystemFiles(Files* replacement) { g_files.Set(replacement); }

ModuleLoader& SystemModuleLoader() { return g_moduleLoader.Get(NativeModuleLoader()); }
void SetSystemModuleLoader(ModuleLoader* replacement) { g_moduleLoader.Set(replacement); }

Registry& SystemRegistry() { return g_registry.Get(NativeRegistry()); }
void SetSystemRegistry(Registry* replacement) { g_registry.Set(replacement); }

Shell& SystemShell() { return g_shell.Get(NativeShell()); }
void SetSystemShell(Shell* replacement) { g_shell.Set(replacement); }

Shutdown& SystemShutdown() { return g_shutdown.Get(NativeShutdown()); }
void SetSystemShutdown(Shutdown* replacement) { g_shutdown.Set(replacement); }

Sound& SystemSound() { return g_sound.Get(NativeSound()); }
void SetSystemSound(Sound* replacement) { g_sound.Set(replacement); }

FilePickerService& SystemFilePickers() { return g_filePickers.Get(NativeFilePickers()); }
void SetSystemFilePickers(FilePickerService* replacement) { g_filePickers.Set(replacement); }

}  // namespace bb::platform
