#include "platform/DesktopFolder.h"

#include "platform/Registry.h"

namespace bb::platform {

std::optional<std::string> DesktopFolder(Registry& registry, Environment&, Files&) {
    auto folder = registry.ReadString(RegistryRoot::CurrentUser,
                                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                      "Desktop", 260);
    if (!folder || folder->empty())
        return std::nullopt;
    return folder;
}

}  // namespace bb::platform
