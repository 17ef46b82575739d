#include "platform/Registry.h"

#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/NativeServices.h"
#include "platform/posix/ProgramRegistry.h"

namespace bb::platform {

std::unique_ptr<FileRegistry> MakeProgramRegistry(Files& files, Environment& environment) {
    const std::string program = files.ProgramPath();
    const size_t slash = program.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : program.substr(0, slash);
    auto chosen = environment.Get("BB_REGISTRY_FILE");
    std::string path = chosen && !chosen->empty() ? *chosen : folder + "/registry.ini";
    return std::make_unique<FileRegistry>(
        files, path,
        std::vector<RegistryDefault>{{RegistryRoot::LocalMachine, "SOFTWARE\\ahead\\Shared", "NeroAPI", folder}});
}

Registry& NativeRegistry() {
    static std::unique_ptr<FileRegistry> registry = MakeProgramRegistry(NativeFiles(), NativeEnvironment());
    return *registry;
}

}  // namespace bb::platform
