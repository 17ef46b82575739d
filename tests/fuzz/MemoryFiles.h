// A folder tree held in memory, for the scan harness: folders, files with
// any size, and links that lead to another folder of the tree. Only what the
// scan and the folder size ask is answered; every change fails.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace bb::fuzz {

class MemoryFiles : public platform::Files {
public:
    struct Node {
        bool isFolder = false;
        uint64_t size = 0;
        uint64_t id = 0;
        Node* target = nullptr;  // a link: the folder it leads to
        std::vector<std::pair<std::string, std::unique_ptr<Node>>> children;
        Node* Resolved() { return target != nullptr ? target : this; }
    };

    explicit MemoryFiles(std::string rootPath);

    Node& Root() { return m_root; }
    // Adds an entry to `folder` (a name the folder already has is skipped).
    Node* Add(Node& folder, const std::string& name, bool isFolder, uint64_t size, Node* target);

    std::optional<std::vector<platform::FolderEntry>> List(const std::string& folder,
                                                           const std::string& pattern) override;
    bool Exists(const std::string& path) override { return Find(path) != nullptr; }
    bool IsFolder(const std::string& path) override;
    std::optional<platform::FolderId> FolderIdentity(const std::string& path) override;
    std::optional<uint64_t> FileSize(const std::string& path) override;
    bool Move(const std::string&, const std::string&) override { return false; }
    bool Delete(const std::string&) override { return false; }
    std::optional<std::vector<std::string>> ReadLines(const std::string&) override { return std::nullopt; }
    bool WriteText(const std::string&, const std::string&, platform::LineEnding) override { return false; }
    bool WriteTextAtomically(const std::string&, const std::string&, platform::LineEnding) override {
        return false;
    }
    std::string ProgramPath() override { return "/program/brenvik-burn"; }
    std::optional<std::string> VolumeName(const std::string&) override { return std::string("FUZZ"); }

private:
    Node* Find(const std::string& path);

    std::string m_rootPath;
    Node m_root;
    uint64_t m_nextId = 1;
};

}  // namespace bb::fuzz
