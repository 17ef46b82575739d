#include "platform/Paths.h"

namespace bb::platform {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == kPathSeparator)
        return folder + name;
    return folder + kPathSeparator + name;
}

}  // namespace bb::platform
