#include "platform/DesktopFolder.h"

#include "platform/Environment.h"
#include "platform/Files.h"

namespace bb::platform {
namespace {

// The value of XDG_DESKTOP_DIR in user-dirs.dirs: a shell assignment of a
// double-quoted path that is absolute or starts with "$HOME/".
std::optional<std::string> XdgDesktopDir(const std::vector<std::string>& lines,
                                         const std::string& home) {
    const std::string key = "XDG_DESKTOP_DIR=";
    for (const std::string& raw : lines) {
        size_t start = raw.find_first_not_of(" \t");
        if (start == std::string::npos || raw.compare(start, key.size(), key) != 0)
            continue;
        std::string value = raw.substr(start + key.size());
        size_t end = value.find_last_not_of(" \t");
        value = end == std::string::npos ? std::string() : value.substr(0, end + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value == "$HOME")
            return home;
        if (value.compare(0, 6, "$HOME/") == 0)
            return home + value.substr(5);
        if (!value.empty() && value[0] == '/')
            return value;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> DesktopFolder(Registry&, Environment& environment, Files& files) {
    auto home = environment.Get("HOME");
    if (!home || home->empty())
        return std::nullopt;
    auto configHome = environment.Get("XDG_CONFIG_HOME");
    std::string config = configHome && !configHome->empty() ? *configHome : *home + "/.config";
    if (auto lines = files.ReadLines(config + "/user-dirs.dirs")) {
        auto desktop = XdgDesktopDir(*lines, *home);
        if (desktop && files.IsFolder(*desktop))
            return desktop;
    }
    return home;
}

}  // namespace bb::platform
