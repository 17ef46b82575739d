// Where the files of a VIDEO_TS folder must lie, as its IFO files say.
//
// A player finds menus, titles and backups through sector numbers stored in
// VIDEO_TS.IFO and each VTS_nn_0.IFO, not through the file system, so each
// file has to start exactly at the sector its IFO names. Offsets here are in
// sectors from the first sector of VIDEO_TS.IFO.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bb::recorder::image {

struct DvdFile {
    std::string name;        // name on the disc; compared without regard to case
    std::string sourcePath;  // IFO files are read from here
    uint64_t size = 0;
};

struct DvdLayout {
    bool ok = false;
    std::string message;           // why the IFOs are not usable, when !ok
    std::vector<int64_t> offsets;  // per input file; -1 for a file that is not part of DVD-Video
    uint64_t spanSectors = 0;      // from VIDEO_TS.IFO to the end of the last title set
};

DvdLayout PlanDvdVideoLayout(const std::vector<DvdFile>& files);

}  // namespace bb::recorder::image
