// The registry store of this program outside Windows.
#pragma once

#include <memory>

#include "platform/FileRegistry.h"

namespace bb::platform {

class Environment;
class Files;

// The store beside the program ("registry.ini"), or the file named by the
// environment variable BB_REGISTRY_FILE. The recording library's folder
// (HKLM "SOFTWARE\ahead\Shared" value "NeroAPI") defaults to the program
// folder, where the build puts libNeroAPI.so, so a fresh build finds it
// without any set-up.
std::unique_ptr<FileRegistry> MakeProgramRegistry(Files& files, Environment& environment);

}  // namespace bb::platform
