#include "compilation/IsoTree.h"

#include <cstring>
#include <new>
#include <vector>

namespace bb::compilation {

neroapi::IsoItem* NewIsoItem() {
    auto* item = new (std::nothrow) neroapi::IsoItem;
    if (item)
        std::memset(item, 0, sizeof *item);
    return item;
}

void FreeIsoTree(neroapi::IsoItem*& item) {
    std::vector<neroapi::IsoItem*> pending;
    pending.push_back(item);
    item = nullptr;
    while (!pending.empty()) {
        neroapi::IsoItem* current = pending.back();
        pending.pop_back();
        if (!current)
            continue;
        pending.push_back(current->next);
        pending.push_back(current->firstChild);
        delete current;
    }
}

bool SetIsoText(char (&field)[256], const std::string& text) {
    if (text.size() > kIsoTextMax)
        return false;
    std::memcpy(field, text.c_str(), text.size() + 1);
    return true;
}

void IsoTree::Reset(neroapi::IsoItem* root) {
    FreeIsoTree(m_pRoot);
    m_pRoot = root;
}

void FreeIsoTree(IsoTree& tree) { FreeIsoTree(tree.m_pRoot); }

}  // namespace bb::compilation
