// The tree of ISO items handed to the recording library: a forest linked
// through firstChild (a folder's contents) and next (the following item of
// the same folder). The program allocates every item, cleared to zero, and
// releases the tree itself.
#pragma once

#include <string>

#include "neroapi/NeroRecords.h"

namespace bb::compilation {

// Longest name or source path an item can carry: its field is 256 bytes
// including the terminator.
constexpr size_t kIsoTextMax = sizeof(neroapi::IsoItem::name) - 1;
static_assert(sizeof(neroapi::IsoItem::name) == sizeof(neroapi::IsoItem::sourcePath));

// A new item cleared to zero, or null when memory is short.
neroapi::IsoItem* NewIsoItem();

// Releases `item`, its next chain and its first-child subtree, and sets the
// pointer to null. Iterative, so a folder of 100,000 files cannot exhaust
// the stack.
void FreeIsoTree(neroapi::IsoItem*& item);

// Copies `text` into a 256-byte field; false (field untouched) when it does
// not fit.
[[nodiscard]] bool SetIsoText(char (&field)[256], const std::string& text);

// Owns a tree for as long as the main window keeps it; FreeIsoTree is the
// one way of releasing it, and the destructor uses it too.
class IsoTree {
public:
    IsoTree() = default;
    ~IsoTree() { FreeIsoTree(m_pRoot); }
    IsoTree(const IsoTree&) = delete;
    IsoTree& operator=(const IsoTree&) = delete;

    neroapi::IsoItem* Root() const { return m_pRoot; }
    explicit operator bool() const { return m_pRoot != nullptr; }
    // Takes over `root`, releasing the tree held so far.
    void Reset(neroapi::IsoItem* root = nullptr);

private:
    friend void FreeIsoTree(IsoTree& tree);
    neroapi::IsoItem* m_pRoot = nullptr;
};

void FreeIsoTree(IsoTree& tree);

}  // namespace bb::compilation
