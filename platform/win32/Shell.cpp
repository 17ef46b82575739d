#include "platform/Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

class Win32Shell final : public Shell {
public:
    intptr_t Open(const std::string& target, int showCommand) override {
        HINSTANCE result = ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, showCommand);
        // Not a module handle: an integer result dressed as one for 16-bit
        // compatibility.
        return reinterpret_cast<intptr_t>(result);
    }

    bool OpenQuietly(const std::string& target, int showCommand) override {
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.lpVerb = "open";
        info.lpFile = target.c_str();
        info.nShow = showCommand;
        return ShellExecuteExA(&info) != 0;
    }

    unsigned Run(const std::string& commandLine, int showCommand) override {
        return WinExec(commandLine.c_str(), static_cast<UINT>(showCommand));
    }
};

}  // namespace

Shell& NativeShell() {
    static Win32Shell shell;
    return shell;
}

}  // namespace bb::platform
