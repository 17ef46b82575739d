#include "platform/DesktopFolder.h"

#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Registry.h"

namespace bb::platform {

std::optional<std::string> DesktopFolder() {
    return DesktopFolder(SystemRegistry(), SystemEnvironment(), SystemFiles());
}

}  // namespace bb::platform
