// Turning a DVD root folder into the tree of ISO items in DVD-Video order:
// AUDIO_TS, VIDEO_TS (its files in the order players expect), JACKET_P (its
// pictures), then every other entry of the root.
//
// DVD-Video names are looked up without regard to letter case on every file
// system; they go on the disc in upper case. Every step is logged.
#pragma once

#include <string>

#include "compilation/CompilationHost.h"
#include "compilation/FolderTrail.h"
#include "compilation/IsoTree.h"

namespace bb::settings { class LanguageTable; }

namespace bb::platform {
class Files;
}

namespace bb::compilation {

struct ScanContext {
    IsoTree& tree;               // the main window's tree; released on failure
    LogSink& log;
    const settings::LanguageTable& texts;
    platform::Files& files;
    FolderTrail trail = {};      // the folders the scan is inside
};

// Builds the tree of `root` into ctx.tree (releasing any tree held before),
// with the status line showing the scan's progress. Returns the first
// top-level item, or null when the scan failed (the tree is then released).
neroapi::IsoItem* ScanDvdRoot(const std::string& root, ScanContext& ctx, StatusLine& status);

// The sub-steps. Each returns 0 on success; non-zero on failure, after
// which the whole tree has been released and the given items are gone.

// The DVD-Video files of `folder` as the children of `videoTs`.
[[nodiscard]] int AddVideoTsFiles(const std::string& folder, neroapi::IsoItem* videoTs,
                                  ScanContext& ctx);
// Every entry of `folder`, recursively, except folders and files named
// AUDIO_TS, VIDEO_TS or JACKET_P at any depth, and links back to a folder
// the scan is inside (each logged). The first new item becomes
// the first child of `anchor` when `asFirstChild` is set, else its next.
[[nodiscard]] int AddFolderItems(const std::string& folder, neroapi::IsoItem* anchor,
                                 bool asFirstChild, ScanContext& ctx);
// The picture files (J??___??.MP2) of `folder` as the children of `jacket`.
[[nodiscard]] int AddJacketPictures(const std::string& folder, neroapi::IsoItem* jacket,
                                    ScanContext& ctx);

// Lines of this unit that have no language text.
constexpr const char* kAddingLine = "Adding ";
constexpr const char* kAddingFileLine = "Adding file ";
constexpr const char* kPathTooLongLine = "Path too long for the disc (255 characters at most): ";
constexpr const char* kUnreadableFolderLine = "Can't read folder ";
// A symbolic link (or junction) to a folder that the walk is already inside.
constexpr const char* kFolderLoopLine = "Link back to a folder that holds it, not followed: ";

}  // namespace bb::compilation
