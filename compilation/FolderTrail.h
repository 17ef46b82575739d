// The folders a walk of the DVD root is inside, from where it began down to
// where it is, known by their ids. The folder listing follows symbolic links
// (and junctions on Windows), so a link back up to one of these folders
// would be walked round and round until the path grew too long; the walk
// asks the trail first and passes such a link by.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace bb::compilation {

class FolderTrail {
public:
    // True when `folder` is one the walk is inside, by whatever path.
    [[nodiscard]] bool Holds(platform::Files& files, const std::string& folder) const;

    // The walk is inside `folder` while this lives. A folder whose id the
    // system will not give is walked without the check.
    class Inside {
    public:
        Inside(FolderTrail& trail, platform::Files& files, const std::string& folder);
        ~Inside();
        Inside(const Inside&) = delete;
        Inside& operator=(const Inside&) = delete;

    private:
        FolderTrail& m_trail;
    };

private:
    std::vector<std::optional<platform::FolderId>> m_folders;
};

}  // namespace bb::compilation
