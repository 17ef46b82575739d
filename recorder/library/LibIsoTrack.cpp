#include "recorder/library/LibIsoTrack.h"

#include <cstring>
#include <mutex>
#include <set>

namespace bb::recorder::library {
namespace {

// ISO 9660 allows 8 levels and UDF a path of 1023 bytes; 255 levels is far
// beyond both and keeps the copy's recursion shallow.
constexpr int kMaxDepth = 255;

std::mutex g_mutex;
std::set<const neroapi::IsoTrack*> g_tracks;

bool Terminated(const char* field, size_t width) {
    return std::memchr(field, '\0', width) != nullptr;
}

class TreeReader {
public:
    bool ReadChain(const neroapi::IsoItem* item, image::Node& folder, int depth) {
        if (depth > kMaxDepth) {
            return Fail("the item tree is deeper than " + std::to_string(kMaxDepth) + " levels");
        }
        for (; item != nullptr; item = item->next) {
            if (!m_seen.insert(item).second) {
                return Fail("the item tree links an item twice (a cycle)");
            }
            if (!Terminated(item->name, sizeof item->name)) {
                return Fail("an item name is not terminated within 256 characters");
            }
            if (!Terminated(item->sourcePath, sizeof item->sourcePath)) {
                return Fail("the source path of \"" + std::string(item->name) +
                            "\" is not terminated within 256 characters");
            }
            if (item->name[0] == '\0') {
                return Fail("an item has no name");
            }
            image::Node node;
            node.name = item->name;
            node.isDir = item->isFolder != 0;
            if (node.isDir) {
                if (!ReadChain(item->firstChild, node, depth + 1)) {
                    return false;
                }
            } else {
                node.sourcePath = item->sourcePath;
            }
            folder.children.push_back(std::move(node));
        }
        return true;
    }

    std::string error;

private:
    bool Fail(const std::string& why) {
        error = why;
        return false;
    }

    std::set<const neroapi::IsoItem*> m_seen;
};

}  // namespace

LibIsoTrack::LibIsoTrack(image::Node root, std::string label, uint32_t flags)
    : m_root(std::move(root)), m_label(std::move(label)), m_flags(flags) {
    std::lock_guard lock(g_mutex);
    g_tracks.insert(this);
}

void LibIsoTrack::Destroy(uint32_t flags) {
    m_root = image::Node{};
    m_hasContent = false;
    if ((flags & 0x1) != 0) {
        {
            std::lock_guard lock(g_mutex);
            g_tracks.erase(this);
        }
        delete this;
    }
}

intptr_t LibIsoTrack::Op9(intptr_t* out1, intptr_t* out2) {
    if (out1 != nullptr) *out1 = 0;
    if (out2 != nullptr) *out2 = 0;
    return 0;
}

void LibIsoTrack::Op29(intptr_t* o1, intptr_t* o2, intptr_t* o3, intptr_t* o4, intptr_t* o5,
                       intptr_t* o6, intptr_t* o7, intptr_t* o8) {
    for (intptr_t* out : {o1, o2, o3, o4, o5, o6, o7, o8}) {
        if (out != nullptr) *out = 0;
    }
}

LibIsoTrack* FindTrack(const neroapi::IsoTrack* track) {
    std::lock_guard lock(g_mutex);
    if (g_tracks.count(track) == 0) {
        return nullptr;
    }
    // Only LibIsoTrack objects are registered.
    return static_cast<LibIsoTrack*>(const_cast<neroapi::IsoTrack*>(track));
}

TreeCopy CopyItemTree(const neroapi::IsoItem* first) {
    TreeCopy copy;
    copy.root.isDir = true;
    if (first == nullptr) {
        copy.error = "the compilation is empty";
        return copy;
    }
    TreeReader reader;
    copy.ok = reader.ReadChain(first, copy.root, 0);
    copy.error = reader.error;
    return copy;
}

}  // namespace bb::recorder::library
