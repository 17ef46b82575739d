// Helpers shared by the steps of the DVD root scan.
#pragma once

#include <string>

#include "compilation/DvdRootScan.h"

namespace bb::compilation {

std::string UpperAscii(std::string text);

// Links new items after an anchor: the first as its first child or as its
// next, every later one as the next of the one before.
class ItemChain {
public:
    ItemChain(neroapi::IsoItem* anchor, bool asFirstChild)
        : m_pAnchor(anchor), m_bAsFirstChild(asFirstChild) {}
    void Link(neroapi::IsoItem* item);

private:
    neroapi::IsoItem* m_pAnchor;
    bool m_bAsFirstChild;
    neroapi::IsoItem* m_pLast = nullptr;
};

// Ends a scan step in failure: releases the whole tree and logs why.
[[nodiscard]] int FailOutOfMemory(ScanContext& ctx);
[[nodiscard]] int FailPathTooLong(ScanContext& ctx, const std::string& path);

// Makes a file item for `path` named `discName` and links it, or fails the
// scan (out of memory, or a name or path that does not fit its field).
[[nodiscard]] int AddFileItem(ItemChain& chain, const std::string& discName,
                              const std::string& path, ScanContext& ctx);

}  // namespace bb::compilation
