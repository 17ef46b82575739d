#include <cstdio>
#include <unordered_map>

#include "compilation/DvdRootScan.h"
#include "compilation/ScanItems.h"
#include "res/TextIds.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace bb::compilation {
namespace {

// The files of a VIDEO_TS folder by their upper-case names, listed once so
// that the 1,200 lookups of a scan cost nothing, on any file system. Where
// a case-sensitive file system holds two spellings, the upper-case one wins,
// else the first listed.
class FileIndex {
public:
    FileIndex(platform::Files& files, const std::string& folder) {
        const auto entries = files.List(folder, "*");
        if (!entries)
            return;
        for (const platform::FolderEntry& e : *entries) {
            if (e.isFolder)
                continue;
            const std::string key = UpperAscii(e.name);
            auto [it, added] = m_names.emplace(key, e.name);
            if (!added && e.name == key)
                it->second = e.name;
        }
    }
    // The name as found, or null.
    const std::string* Find(const std::string& upperName) const {
        auto it = m_names.find(upperName);
        return it == m_names.end() ? nullptr : &it->second;
    }

private:
    std::unordered_map<std::string, std::string> m_names;
};

std::string TitleSetName(int titleSet, int part, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "VTS_%.2d_%d.%s", titleSet, part, extension);
    return name;
}

}  // namespace

int AddVideoTsFiles(const std::string& folder, neroapi::IsoItem* videoTs, ScanContext& ctx) {
    ctx.log.AppendLogId(res::kTxtAddingVideoFiles);
    const FileIndex index(ctx.files, folder);
    ItemChain chain(videoTs, true);

    enum class Outcome { Absent, Added, Failed };
    auto add = [&](const std::string& upperName) {
        const std::string* found = index.Find(upperName);
        if (!found)
            return Outcome::Absent;
        if (AddFileItem(chain, upperName, platform::JoinPath(folder, *found), ctx) != 0)
            return Outcome::Failed;
        ctx.log.AppendLog(kAddingLine + upperName);
        return Outcome::Added;
    };
    // A required file that is missing ends the scan with its own text.
    auto require = [&](const std::string& upperName, int missingText) {
        const Outcome outcome = add(upperName);
        if (outcome == Outcome::Absent) {
            FreeIsoTree(ctx.tree);
            ctx.log.AppendLogId(missingText);
        }
        return outcome == Outcome::Added;
    };

    if (!require("VIDEO_TS.IFO", res::kTxtNoVideoTsIfo))
        return 1;
    const Outcome vob = add("VIDEO_TS.VOB");
    if (vob == Outcome::Failed)
        return 1;
    if (vob == Outcome::Absent)
        ctx.log.AppendLogId(res::kTxtNoVideoTsVob);
    if (!require("VIDEO_TS.BUP", res::kTxtNoVideoTsBup))
        return 1;

    // Every title set number is tried: a gap ends nothing. A title set
    // without its IFO contributes nothing, whatever else it has.
    for (int titleSet = 1; titleSet <= 99; ++titleSet) {
        const Outcome ifo = add(TitleSetName(titleSet, 0, "IFO"));
        if (ifo == Outcome::Failed)
            return 1;
        if (ifo == Outcome::Absent)
            continue;
        for (int part = 0; part <= 9; ++part)
            if (add(TitleSetName(titleSet, part, "VOB")) == Outcome::Failed)
                return 1;
        if (add(TitleSetName(titleSet, 0, "BUP")) == Outcome::Failed)
            return 1;
    }
    return 0;
}

}  // namespace bb::compilation
