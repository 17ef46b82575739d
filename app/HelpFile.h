// Which compiled help file the Help command opens, and the command line that
// starts the help viewer on it.
#pragma once

#include <functional>
#include <string>

namespace bb::app {

struct HelpChoice {
    std::string path;     // the help file to show
    bool exists = false;  // whether `path` was found on disk
    std::string command;  // "hh.exe <path>"
};

// The help file beside the program named after the language file
// (deutsch.lng: deutsch.chm; my.lang.lng: my.lang.chm); when there is none,
// english.chm in the same folder. `exists` answers whether a file is there.
[[nodiscard]] HelpChoice ChooseHelpFile(const std::string& programDir, const std::string& languageFile,
                                        const std::function<bool(const std::string&)>& exists);

}  // namespace bb::app
