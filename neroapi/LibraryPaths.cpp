#include "neroapi/LibraryPaths.h"

namespace bb::neroapi {

std::string JoinFolder(std::string_view folder, std::string_view name, const PathStyle& style) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path.append(folder);
    path.push_back(style.folderSeparator);
    path.append(name);
    return path;
}

}  // namespace bb::neroapi
