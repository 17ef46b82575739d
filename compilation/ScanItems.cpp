#include "compilation/ScanItems.h"

#include "res/TextIds.h"

namespace bb::compilation {

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

void ItemChain::Link(neroapi::IsoItem* item) {
    if (m_pLast)
        m_pLast->next = item;
    else if (m_bAsFirstChild)
        m_pAnchor->firstChild = item;
    else
        m_pAnchor->next = item;
    m_pLast = item;
}

int FailOutOfMemory(ScanContext& ctx) {
    FreeIsoTree(ctx.tree);
    ctx.log.AppendLogId(res::kTxtOutOfMemory);
    return 1;
}

int FailPathTooLong(ScanContext& ctx, const std::string& path) {
    FreeIsoTree(ctx.tree);
    ctx.log.AppendLog(kPathTooLongLine + path);
    return 1;
}

int AddFileItem(ItemChain& chain, const std::string& discName, const std::string& path,
                ScanContext& ctx) {
    if (discName.size() > kIsoTextMax || path.size() > kIsoTextMax)
        return FailPathTooLong(ctx, path);
    neroapi::IsoItem* item = NewIsoItem();
    if (!item)
        return FailOutOfMemory(ctx);
    (void)SetIsoText(item->name, discName);
    (void)SetIsoText(item->sourcePath, path);
    chain.Link(item);
    return 0;
}

}  // namespace bb::compilation
