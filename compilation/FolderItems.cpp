#include "compilation/DvdRootScan.h"
#include "compilation/ScanItems.h"
#include "res/TextIds.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "settings/LanguageTable.h"

namespace bb::compilation {
namespace {

// These have their own place in the tree; anywhere else they are left out.
bool IsDvdFolderName(const std::string& name) {
    const std::string upper = UpperAscii(name);
    return upper == "AUDIO_TS" || upper == "VIDEO_TS" || upper == "JACKET_P";
}

}  // namespace

int AddFolderItems(const std::string& folder, neroapi::IsoItem* anchor, bool asFirstChild,
                   ScanContext& ctx) {
    ctx.log.AppendLog(ctx.texts.GetText(res::kTxtAddingFolderPrefix) + " \"" + folder + "\"...");
    const FolderTrail::Inside inside(ctx.trail, ctx.files, folder);
    const auto entries = ctx.files.List(folder, "*");
    if (!entries) {
        // A folder too deep for any of its files to be named on the disc: on
        // Windows it cannot even be listed past MAX_PATH, so refuse it the way
        // one of its files would be refused rather than leave it out.
        if (folder.size() + 2 > kIsoTextMax)
            return FailPathTooLong(ctx, folder);
        // Not passed over in silence: the disc will lack what the folder holds.
        ctx.log.AppendLog(kUnreadableFolderLine + folder);
        return 0;
    }
    ItemChain chain(anchor, asFirstChild);
    for (const platform::FolderEntry& entry : *entries) {
        if (IsDvdFolderName(entry.name))
            continue;
        const std::string path = platform::JoinPath(folder, entry.name);
        if (!entry.isFolder) {
            if (AddFileItem(chain, entry.name, path, ctx) != 0)
                return 1;
            ctx.log.AppendLog(kAddingFileLine + path + "...");
            continue;
        }
        if (ctx.trail.Holds(ctx.files, path)) {
            ctx.log.AppendLog(kFolderLoopLine + path);
            continue;
        }
        if (entry.name.size() > kIsoTextMax)
            return FailPathTooLong(ctx, path);
        neroapi::IsoItem* item = NewIsoItem();
        if (!item)
            return FailOutOfMemory(ctx);
        (void)SetIsoText(item->name, entry.name);
        item->isFolder = 1;
        chain.Link(item);
        if (AddFolderItems(path, item, true, ctx) != 0)
            return 1;
    }
    return 0;
}

}  // namespace bb::compilation
