#include "platform/Shutdown.h"

#include <windows.h>

#include <vector>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

void EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

class Win32Shutdown final : public Shutdown {
public:
    std::string StartHidden(const std::string& commandLine) override {
        SECURITY_ATTRIBUTES process = {sizeof process, nullptr, TRUE};
        SECURITY_ATTRIBUTES thread = {sizeof thread, nullptr, TRUE};
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        char title[] = "rundll";
        startup.lpTitle = title;
        startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USEFILLATTRIBUTE;
        startup.dwFillAttribute = 0xF1;
        startup.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION info = {};
        // CreateProcessA may write into the command line.
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        if (!CreateProcessA(nullptr, line.data(), &process, &thread, TRUE, NORMAL_PRIORITY_CLASS,
                            nullptr, nullptr, &startup, &info))
            return "could not start " + commandLine;
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return "started " + commandLine;
    }

    std::string EndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege) override {
        if (enablePrivilege)
            EnableShutdownPrivilege();
        ExitWindowsEx(flags, reserved);
        return DescribeEndSession(flags, reserved, enablePrivilege);
    }
};

}  // namespace

Shutdown& NativeShutdown() {
    static Win32Shutdown shutdown;
    return shutdown;
}

}  // namespace bb::platform
