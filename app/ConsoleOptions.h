// What the console front end answers itself, before the program's own
// command line is read: --help and --version, and the usage shown when no
// command line is given.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace bb::app {

// Exit statuses of the console front end.
inline constexpr int kExitSuccess = 0;    // the burn succeeded; --help, --version
inline constexpr int kExitJobFailed = 1;  // the run failed or did not start
inline constexpr int kExitUsage = 2;      // no command line: usage shown

// The version line: "Brenvik Burn 1.2.1".
std::string VersionLine();
// `helpFolder`, when given, is named as the place of the help pages.
void PrintUsage(std::ostream& out, const std::string& programName, const std::string& helpFolder = {});

// The folder of the help pages (en/, de/): help/ in the program folder when
// the build put them there, else the folder they are installed in.
std::string HelpPagesFolder(const std::string& programFolder, const std::string& installedFolder);

// The process exit status when the arguments (without the program name) are
// exactly "--help" or "--version", after printing the answer to `out`;
// nothing when the program's own command line is to run.
std::optional<int> AnswerFrontEndOption(const std::vector<std::string>& args, std::ostream& out,
                                        const std::string& programName, const std::string& helpFolder = {});

// The command-line tail the program reads, rebuilt from the words the shell
// split: a word holding a blank or a tab is enclosed in double quotes.
std::string CommandLineTail(const std::vector<std::string>& args);

}  // namespace bb::app
