// What the console front end asks of the system about itself.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace bb::platform {

// Whether `stream` is a terminal a person types at and reads.
[[nodiscard]] bool IsTerminal(std::FILE* stream);

// Full path of the running executable; `argv0` made absolute when the
// system cannot tell.
[[nodiscard]] std::string RunningExecutablePath(const std::string& argv0);

// From now on, each time the user interrupts the program (Ctrl-C, a request
// to terminate, the terminal closing) `handler` runs on a thread of its own,
// not in a signal handler, with the number of interrupts so far; the
// program is no longer ended by them. Writing to a pipe whose reader has
// gone fails instead of ending the program. Call once.
void WhenInterrupted(std::function<void(int count)> handler);

// Ends the program at once, as the interrupt would have without a handler.
[[noreturn]] void EndAsInterrupted();

}  // namespace bb::platform
