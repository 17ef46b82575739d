#include "tests/fuzz/MemoryFiles.h"

#include "platform/Wildcard.h"

namespace bb::fuzz {

MemoryFiles::MemoryFiles(std::string rootPath) : m_rootPath(std::move(rootPath)) {
    m_root.isFolder = true;
    m_root.id = m_nextId++;
}

MemoryFiles::Node* MemoryFiles::Add(Node& folder, const std::string& name, bool isFolder, uint64_t size,
                                    Node* target) {
    Node& parent = *folder.Resolved();
    for (auto& [existing, node] : parent.children)
        if (existing == name) return nullptr;
    auto node = std::make_unique<Node>();
    node->isFolder = isFolder || target != nullptr;
    node->size = node->isFolder ? 0 : size;
    node->id = m_nextId++;
    node->target = target;
    parent.children.emplace_back(name, std::move(node));
    return parent.children.back().second.get();
}

MemoryFiles::Node* MemoryFiles::Find(const std::string& path) {
    if (path.compare(0, m_rootPath.size(), m_rootPath) != 0) return nullptr;
    Node* node = &m_root;
    size_t at = m_rootPath.size();
    while (at < path.size()) {
        if (path[at] == '/') {
            ++at;
            continue;
        }
        const size_t end = path.find('/', at);
        const std::string name = path.substr(at, end == std::string::npos ? std::string::npos : end - at);
        Node* folder = node->Resolved();
        if (!folder->isFolder) return nullptr;
        Node* next = nullptr;
        for (auto& [entry, child] : folder->children)
            if (entry == name) next = child.get();
        if (next == nullptr) return nullptr;
        node = next;
        at = end == std::string::npos ? path.size() : end;
    }
    return node;
}

std::optional<std::vector<platform::FolderEntry>> MemoryFiles::List(const std::string& folder,
                                                                    const std::string& pattern) {
    Node* node = Find(folder);
    if (node == nullptr || !node->Resolved()->isFolder) return std::nullopt;
    std::vector<platform::FolderEntry> entries;
    for (auto& [name, child] : node->Resolved()->children)
        if (platform::WildcardMatch(pattern, name))
            entries.push_back({name, child->isFolder, child->isFolder ? 0 : child->size});
    return entries;
}

bool MemoryFiles::IsFolder(const std::string& path) {
    Node* node = Find(path);
    return node != nullptr && node->Resolved()->isFolder;
}

std::optional<platform::FolderId> MemoryFiles::FolderIdentity(const std::string& path) {
    Node* node = Find(path);
    if (node == nullptr || !node->Resolved()->isFolder) return std::nullopt;
    return platform::FolderId{1, node->Resolved()->id};
}

std::optional<uint64_t> MemoryFiles::FileSize(const std::string& path) {
    Node* node = Find(path);
    if (node == nullptr || node->Resolved()->isFolder) return std::nullopt;
    return node->size;
}

}  // namespace bb::fuzz
