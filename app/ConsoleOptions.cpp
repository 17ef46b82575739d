#include "app/ConsoleOptions.h"

#include <filesystem>
#include <system_error>

#include "framework/CString.h"
#include "platform/Paths.h"
#include "res/ProgramIdentity.h"

namespace bb::app {

std::string VersionLine() {
    framework::CString line;
    line.Format(res::kTitleFormat, res::kProgramName, res::kProgramVersion);
    return line.str();
}

void PrintUsage(std::ostream& out, const std::string& programName, const std::string& helpFolder) {
    out << "Usage: " << programName << " [options]\n"
        << "Writes a DVD-Video folder (a DVD root holding VIDEO_TS) to disc or to an image file.\n"
        << "\n"
        << "  /D <folder>  the DVD root to burn\n"
        << "  /V <label>   the volume label (default: derived from the folder)\n"
        << "  /C           prepare only: fill in the window, do not burn\n"
        << "  /E           do not eject the disc after burning\n"
        << "  /O           do not ask before overwriting a rewritable disc\n"
        << "  /L           after a successful burn, write the log to the desktop\n"
        << "  /S           after a successful burn, shut the computer down\n"
        << "Options start with / or -; only their first letter counts, in either case.\n"
        << "A word that starts with / and holds another / is a path (/D /media/dvd/MOVIE).\n"
        << "The image recorder writes <label>.nrg in the current folder; on a terminal\n"
        << "you may type another name. Questions take their default answer when no\n"
        << "terminal is attached.\n"
        << "Recorder, speed and the other settings come from Brenvik.ini beside the program.\n"
        << "\n"
        << "  --help       this text\n"
        << "  --version    the version line\n"
        << "\n"
        << "Exit status:\n"
        << "  " << kExitSuccess << "  the burn succeeded (or --help, --version)\n"
        << "  " << kExitJobFailed << "  nothing was burned: the burn (or the erase before it) failed,\n"
        << "     a question was answered No,\n"
        << "     the command line was refused, /D was missing, or /C only prepared\n"
        << "  " << kExitUsage << "  no command line given: the usage was shown\n";
    if (!helpFolder.empty()) {
        out << "\n"
            << "Help pages (HTML), English and German:\n"
            << "  " << platform::JoinPath(platform::JoinPath(helpFolder, "en"), "index.htm") << "\n"
            << "  " << platform::JoinPath(platform::JoinPath(helpFolder, "de"), "index.htm") << "\n";
    }
}

std::string HelpPagesFolder(const std::string& programFolder, const std::string& installedFolder) {
    const std::string beside = platform::JoinPath(programFolder, "help");
    std::error_code ec;
    return std::filesystem::is_directory(beside, ec) ? beside : installedFolder;
}

std::optional<int> AnswerFrontEndOption(const std::vector<std::string>& args, std::ostream& out,
                                        const std::string& programName, const std::string& helpFolder) {
    if (args.size() != 1)
        return std::nullopt;
    if (args[0] == "--help") {
        PrintUsage(out, programName, helpFolder);
        return kExitSuccess;
    }
    if (args[0] == "--version") {
        out << VersionLine() << "\n";
        return kExitSuccess;
    }
    return std::nullopt;
}

std::string CommandLineTail(const std::vector<std::string>& args) {
    std::string tail;
    for (const std::string& word : args) {
        if (!tail.empty())
            tail += ' ';
        if (word.find_first_of(" \t") != std::string::npos)
            tail += '"' + word + '"';
        else
            tail += word;
    }
    return tail;
}

}  // namespace bb::app
