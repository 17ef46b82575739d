// Handing documents, links and programs to the system.
#pragma once

#include <cstdint>
#include <string>

namespace bb::platform {

// Show commands of ShellExecuteA and WinExec (SW_SHOWNORMAL and friends).
enum ShowCommand : int { kShowHidden = 0, kShowNormal = 1, kShowMaximized = 3, kShowDefault = 10 };

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document, folder or URL with its associated program
    // (ShellExecuteA, verb "open"). Above 32 means started; otherwise one of
    // ShellExecuteA's error codes (2 file not found, 31 no association...).
    virtual intptr_t Open(const std::string& target, int showCommand) = 0;
    // The same through ShellExecuteExA with the system's error boxes
    // suppressed (SEE_MASK_FLAG_NO_UI); true when started.
    virtual bool OpenQuietly(const std::string& target, int showCommand) = 0;
    // Starts a program from a command line such as "hh.exe C:\x\help.chm"
    // (WinExec). Above 31 means started; otherwise WinExec's error codes.
    virtual unsigned Run(const std::string& commandLine, int showCommand) = 0;
};

// Windows: the shell. Elsewhere: "xdg-open" for Open when installed, and the
// command line's program looked up on PATH for Run; the same result codes.
Shell& SystemShell();
// Replaces the service for the whole process (null restores the native one).
void SetSystemShell(Shell* replacement);

}  // namespace bb::platform
