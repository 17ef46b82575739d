#include "platform/Console.h"

#include <io.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace bb::platform {

bool IsTerminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}

std::string RunningExecutablePath(const std::string& argv0) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return std::string(path, length);
    std::error_code ec;
    return std::filesystem::absolute(argv0, ec).string();
}

namespace {

std::function<void(int)>* g_interruptHandler = nullptr;
std::atomic<int> g_interrupts{0};

// The system calls this on a thread of its own for each console event.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
        (*g_interruptHandler)(++g_interrupts);
        if (event == CTRL_CLOSE_EVENT)
            Sleep(4000);  // the system ends the process after this returns: give the job its time
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void WhenInterrupted(std::function<void(int count)> handler) {
    if (g_interruptHandler != nullptr)
        return;
    g_interruptHandler = new std::function<void(int)>(std::move(handler));
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void EndAsInterrupted() {
    ExitProcess(CONTROL_C_EXIT);
}

}  // namespace bb::platform
