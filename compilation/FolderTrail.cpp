#include "compilation/FolderTrail.h"

#include <algorithm>

namespace bb::compilation {

bool FolderTrail::Holds(platform::Files& files, const std::string& folder) const {
    const std::optional<platform::FolderId> id = files.FolderIdentity(folder);
    return id && std::find(m_folders.begin(), m_folders.end(), id) != m_folders.end();
}

FolderTrail::Inside::Inside(FolderTrail& trail, platform::Files& files, const std::string& folder)
    : m_trail(trail) {
    m_trail.m_folders.push_back(files.FolderIdentity(folder));
}

FolderTrail::Inside::~Inside() { m_trail.m_folders.pop_back(); }

}  // namespace bb::compilation
