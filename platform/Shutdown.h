// Ending the Windows session. Never reached by tests: they install a fake
// with SetSystemShutdown, and the stand-in outside Windows only describes.
#pragma once

#include <cstdint>
#include <string>

namespace bb::platform {

class Shutdown {
public:
    virtual ~Shutdown() = default;
    // Starts `commandLine` hidden, the way the 9x family is shut down
    // ("C:\WINDOWS\RUNDLL32.EXE user,ExitWindows"). Returns what was done.
    virtual std::string StartHidden(const std::string& commandLine) = 0;
    // ExitWindowsEx(flags, reserved), after enabling SeShutdownPrivilege on
    // the process token when asked (NT needs it to switch off). Returns what
    // was done. Refusals by Windows are not reported.
    virtual std::string EndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege) = 0;
};

// Windows: the real calls. Elsewhere: a stand-in that returns the text of
// what it would have done and does nothing.
Shutdown& SystemShutdown();
// Replaces the service for the whole process (null restores the native one).
void SetSystemShutdown(Shutdown* replacement);

// The text both implementations report for EndSession.
std::string DescribeEndSession(uint32_t flags, uint32_t reserved, bool enablePrivilege);

}  // namespace bb::platform
