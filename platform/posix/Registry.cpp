#include "platform/Registry.h"

#include <cstdlib>

#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "platform/NativeServices.h"

namespace platform {
namespace {

std::string ProgramFolder(Files& files) {
    std::string program = files.ProgramPath();
    size_t slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

}  // namespace

// The store lives beside the program ("registry.ini"), or where
// BB_REGISTRY_FILE says. The recording library's folder defaults to the
// program folder, where the build puts libNeroAPI.so, so a fresh build finds
// it without any set-up.
Registry& NativeRegistry() {
    static FileRegistry registry = [] {
        Files& files = NativeFiles();
        const std::string folder = ProgramFolder(files);
        const char* override = std::getenv("BB_REGISTRY_FILE");
        std::string path = override && *override ? override : folder + "/registry.ini";
        return FileRegistry(files, path,
                            {{RegistryRoot::LocalMachine, "SOFTWARE\\ahead\\Shared", "NeroAPI", folder}});
    }();
    return registry;
}

}  // namespace platform
