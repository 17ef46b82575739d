// The current user's desktop folder, where unattended runs leave their log.
#pragma once

#include <optional>
#include <string>

namespace bb::platform {

class Environment;
class Files;
class Registry;

// Windows: HKCU "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell
// Folders" value "Desktop" (read into 260 bytes). Elsewhere: XDG_DESKTOP_DIR
// of $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config) when that folder
// exists, else $HOME. Nothing when none of these can be had.
std::optional<std::string> DesktopFolder(Registry& registry, Environment& environment, Files& files);
// The same with the system services.
std::optional<std::string> DesktopFolder();

}  // namespace bb::platform
