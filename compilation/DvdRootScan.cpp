#include "compilation/DvdRootScan.h"

#include <optional>

#include "compilation/ScanItems.h"
#include "res/TextIds.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "settings/LanguageTable.h"

namespace bb::compilation {
namespace {

// The DVD-Video entries of the root, by their names as found. Only their
// existence counts here, not whether they are folders.
struct RootEntries {
    std::optional<std::string> audioTs, videoTs, jacketP;
};

RootEntries ProbeRoot(platform::Files& files, const std::string& root) {
    RootEntries found;
    const auto entries = files.List(root, "*");
    if (!entries)
        return found;
    for (const platform::FolderEntry& e : *entries) {
        const std::string upper = UpperAscii(e.name);
        std::optional<std::string>* slot = upper == "AUDIO_TS"   ? &found.audioTs
                                           : upper == "VIDEO_TS" ? &found.videoTs
                                           : upper == "JACKET_P" ? &found.jacketP
                                                                 : nullptr;
        // Where a case-sensitive file system holds two spellings, the
        // upper-case one wins, else the first listed.
        if (slot && (!*slot || e.name == upper))
            *slot = e.name;
    }
    return found;
}

neroapi::IsoItem* NewFixedFolder(const char* name) {
    neroapi::IsoItem* item = NewIsoItem();
    if (item) {
        (void)SetIsoText(item->name, name);
        item->isFolder = 1;
    }
    return item;
}

}  // namespace

neroapi::IsoItem* ScanDvdRoot(const std::string& root, ScanContext& ctx, StatusLine& status) {
    FreeIsoTree(ctx.tree);
    // AUDIO_TS and the other entries are walked inside the root.
    const FolderTrail::Inside inRoot(ctx.trail, ctx.files, root);
    status.ShowStatus(ctx.texts.GetText(res::kTxtStatusScanning));
    ctx.log.AppendLogId(res::kTxtScanStart);
    ctx.log.AppendLog(ctx.texts.GetText(res::kTxtScanRootPrefix) + " \"" + root + "\"");

    const RootEntries found = ProbeRoot(ctx.files, root);
    ctx.log.AppendLogId(found.audioTs ? res::kTxtAudioTsFound : res::kTxtAudioTsMissing);
    ctx.log.AppendLogId(found.videoTs ? res::kTxtVideoTsFound : res::kTxtVideoTsMissing);
    if (found.jacketP)
        ctx.log.AppendLogId(res::kTxtJacketFound);

    // A fixed folder that cannot be had ends the scan before the status
    // line says anything more.
    auto outOfMemory = [&ctx]() -> neroapi::IsoItem* {
        (void)FailOutOfMemory(ctx);
        return nullptr;
    };
    auto failed = [&ctx, &status]() -> neroapi::IsoItem* {
        status.ShowStatus(ctx.texts.GetText(res::kTxtStatusScanFailed));
        return nullptr;
    };

    neroapi::IsoItem* audioTs = NewFixedFolder("AUDIO_TS");
    if (!audioTs)
        return outOfMemory();
    ctx.tree.Reset(audioTs);
    if (found.audioTs &&
        AddFolderItems(platform::JoinPath(root, *found.audioTs), audioTs, true, ctx) != 0)
        return failed();

    neroapi::IsoItem* videoTs = NewFixedFolder("VIDEO_TS");
    if (!videoTs)
        return outOfMemory();
    audioTs->next = videoTs;
    // A root without a VIDEO_TS folder is taken to be the VIDEO_TS folder.
    const std::string videoFolder = found.videoTs ? platform::JoinPath(root, *found.videoTs) : root;
    if (AddVideoTsFiles(videoFolder, videoTs, ctx) != 0)
        return failed();

    if (found.videoTs) {
        neroapi::IsoItem* last = videoTs;
        if (found.jacketP) {
            neroapi::IsoItem* jacketP = NewFixedFolder("JACKET_P");
            if (!jacketP)
                return outOfMemory();
            videoTs->next = jacketP;
            last = jacketP;
            if (AddJacketPictures(platform::JoinPath(root, *found.jacketP), jacketP, ctx) != 0)
                return failed();
        }
        if (AddFolderItems(root, last, false, ctx) != 0)
            return failed();
    }

    status.ShowStatus(ctx.texts.GetText(ctx.tree ? res::kTxtStatusScanDone : res::kTxtStatusScanFailed));
    return ctx.tree.Root();
}

}  // namespace bb::compilation
