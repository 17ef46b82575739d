#include "platform/Shell.h"

#include <unistd.h>

#include "platform/NativeServices.h"
#include "platform/posix/Spawn.h"

namespace bb::platform {
namespace {

// The result codes of ShellExecuteA and WinExec, so callers (and their
// error texts) work alike on both platforms.
constexpr intptr_t kStarted = 33;
constexpr intptr_t kOutOfResources = 0;
constexpr intptr_t kFileNotFound = 2;
constexpr intptr_t kNoAssociation = 31;

bool LooksLikeUrl(const std::string& target) {
    return target.find("://") != std::string::npos || target.compare(0, 7, "mailto:") == 0;
}

class PosixShell final : public Shell {
public:
    intptr_t Open(const std::string& target, int) override {
        // xdg-open answers only after the opener has run; a missing local
        // file is caught here so the caller can say so.
        if (!LooksLikeUrl(target) && access(target.c_str(), F_OK) != 0)
            return kFileNotFound;
        std::string opener = FindProgram("xdg-open");
        if (opener.empty())
            return kNoAssociation;
        return SpawnDetached({opener, target}) ? kStarted : kOutOfResources;
    }

    bool OpenQuietly(const std::string& target, int showCommand) override {
        return Open(target, showCommand) > 32;
    }

    unsigned Run(const std::string& commandLine, int) override {
        std::vector<std::string> argv = SplitCommandLine(commandLine);
        if (argv.empty())
            return kFileNotFound;
        argv[0] = FindProgram(argv[0]);
        if (argv[0].empty())
            return kFileNotFound;
        return SpawnDetached(argv) ? kStarted : kOutOfResources;
    }
};

}  // namespace

Shell& NativeShell() {
    static PosixShell shell;
    return shell;
}

}  // namespace bb::platform
