#include "app/HelpFile.h"

#include "controls/PathUtil.h"
#include "platform/Paths.h"

namespace bb::app {

namespace {
constexpr const char* kHelpViewer = "hh.exe ";
constexpr const char* kFallbackHelpFile = "english.chm";
}  // namespace

HelpChoice ChooseHelpFile(const std::string& programDir, const std::string& languageFile,
                          const std::function<bool(const std::string&)>& exists) {
    controls::CPathUtil paths;
    const std::string base = paths.WithoutExtension(framework::CString(languageFile.c_str())).str();
    HelpChoice choice;
    choice.path = platform::JoinPath(programDir, base + ".chm");
    choice.exists = !base.empty() && exists(choice.path);
    if (!choice.exists) {
        choice.path = platform::JoinPath(programDir, kFallbackHelpFile);
        choice.exists = exists(choice.path);
    }
    choice.command = kHelpViewer + choice.path;
    return choice;
}

}  // namespace bb::app
