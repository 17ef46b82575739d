#include "platform/Console.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>

namespace bb::platform {

bool IsTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

std::string RunningExecutablePath(const std::string& argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self.string();
    return std::filesystem::absolute(argv0, ec).string();
}

namespace {

int g_interruptPipe[2] = {-1, -1};
std::atomic<int> g_lastSignal{SIGINT};

// Async-signal-safe: only write(2) on a pipe the watcher thread reads.
extern "C" void OnSignal(int signal) {
    const int saved = errno;
    g_lastSignal = signal;
    const char byte = char(signal);
    (void)!write(g_interruptPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

void WhenInterrupted(std::function<void(int count)> handler) {
    // Close-on-exec: programs the job starts must not hold the pipe.
    if (g_interruptPipe[0] >= 0 || pipe2(g_interruptPipe, O_CLOEXEC) != 0)
        return;
    std::thread([handler = std::move(handler)] {
        int count = 0;
        char byte = 0;
        for (;;) {
            const ssize_t got = read(g_interruptPipe[0], &byte, 1);
            if (got == 1)
                handler(++count);
            else if (got < 0 && errno == EINTR)
                continue;
            else
                return;
        }
    }).detach();
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

void EndAsInterrupted() {
    const int last = g_lastSignal.load();
    signal(last, SIG_DFL);
    raise(last);
    _exit(128 + last);
}

}  // namespace bb::platform
