// The program's command line: split into words, then read as batch options.
//
//   /D <folder>  DVD root        /V <label>  volume label
//   /C  prepare only (fill in, enable Burn, do not start)
//   /E  don't eject after burning    /O  don't ask before overwriting a rewritable disc
//   /L  write the log to the desktop after a successful run
//   /S  shut down after a successful run
// Options start with "/" or "-"; only their second character counts, in either case.
#pragma once

#include <string>
#include <vector>

namespace bb::recording {

constexpr size_t kMaxCommandLineWords = 99;

// The words of a command line.
struct CommandLineWords {
    std::vector<std::string> words;  // at most kMaxCommandLineWords
    bool tooMany = false;            // the line held more words: it is refused as a whole
};

// Splits the command-line tail into words: blanks and tabs separate words,
// double quotes group (and are never part of a word; blanks and tabs inside
// them are kept as typed), a word begun right before an opening quote is
// dropped, and an unclosed quote drops its word.
CommandLineWords SplitCommandLine(const std::string& commandLine);

// One step of reading the words, in order; the worker applies them in order.
struct BatchStep {
    enum class Kind {
        PrepareOnly,     // C
        Folder,          // D with its value
        NoEject,         // E
        LogToDesktop,    // L
        NoOverwriteAsk,  // O
        Shutdown,        // S
        Label,           // V with its value
        NotAnOption,     // a bare word or an unknown letter: text 602
        FolderMissing,   // D without a value: text 598
        LabelMissing,    // V without a value: text 600
    };
    Kind kind;
    std::string value;
};

std::vector<BatchStep> ReadBatchOptions(const std::vector<std::string>& words);

}  // namespace bb::recording
