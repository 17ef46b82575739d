// The native implementation of each service, defined once per platform in
// win32/ or posix/. Everything else reaches them through SystemX(), which
// also honours a replacement installed by a test.
#pragma once

namespace bb::platform {

class Environment;
class Files;
class FilePickerService;
class ModuleLoader;
class Registry;
class Shell;
class Shutdown;
class Sound;

Environment& NativeEnvironment();
Files& NativeFiles();
FilePickerService& NativeFilePickers();
ModuleLoader& NativeModuleLoader();
Registry& NativeRegistry();
Shell& NativeShell();
Shutdown& NativeShutdown();
Sound& NativeSound();

}  // namespace bb::platform
