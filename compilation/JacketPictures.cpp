#include "compilation/DvdRootScan.h"
#include "compilation/ScanItems.h"
#include "res/TextIds.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace bb::compilation {

int AddJacketPictures(const std::string& folder, neroapi::IsoItem* jacket, ScanContext& ctx) {
    ctx.log.AppendLogId(res::kTxtAddingJacket);
    const auto entries = ctx.files.List(folder, "J??___??.MP2");
    if (!entries) {
        ctx.log.AppendLog(kUnreadableFolderLine + folder);
        return 0;
    }
    ItemChain chain(jacket, true);
    for (const platform::FolderEntry& entry : *entries) {
        if (entry.isFolder)
            continue;
        const std::string discName = UpperAscii(entry.name);
        if (AddFileItem(chain, discName, platform::JoinPath(folder, entry.name), ctx) != 0)
            return 1;
        ctx.log.AppendLog(kAddingLine + discName);
    }
    return 0;
}

}  // namespace bb::compilation
