// Starting helper programs (player, opener) without waiting for them.
#pragma once

#include <string>
#include <vector>

namespace bb::platform {

// Full path of `program` found along PATH, or empty. A name with a '/' is
// taken as it stands when it is executable.
std::string FindProgram(const std::string& program);

// Starts `argv` (argv[0] a full path) in its own session with stdin, stdout
// and stderr on /dev/null, detached so it never becomes a zombie of ours.
// True when the program was executed.
bool SpawnDetached(const std::vector<std::string>& argv);

// Splits a command line into words at blanks; double quotes group words.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace bb::platform
