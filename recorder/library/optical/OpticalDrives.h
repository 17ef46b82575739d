// Optical drives of the machine and pseudo-drives on files, for the
// recorder list: discovery, the disc in a drive, erasing and writing one
// image stream. Built on the system's recording engine where the build
// found it; elsewhere there are no drives and every call says so.
//
// BB_NEROAPI_PSEUDO_DRIVES=/path/a.img:/path/b.img adds a drive per file,
// after the machine's drives. BB_NEROAPI_PSEUDO_CAPACITY=4G (bytes, or with
// K, M, G) sets the size of the disc such a drive holds.
#pragma once

#include "recorder/image/ImageWriter.h"
#include "recorder/library/optical/Diagnosis.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bb::recorder::library::optical {

struct DriveSummary {
    std::string name;       // unique in the recorder list
    std::string address;    // the engine's: "/dev/sr0", "stdio:/path/a.img"
    std::string model;      // vendor and product
    bool pseudo = false;
    uint32_t mediaMask = 0; // media the drive writes (records' bits)
    std::vector<double> dvdSpeeds;  // write multiples
    std::vector<double> cdSpeeds;
};

struct MediaInfo {
    DiscStatus status = DiscStatus::Unknown;
    int profile = 0;
    uint64_t capacitySectors = 0;  // free sectors of a blank disc, else what it holds
    uint64_t usedSectors = 0;
    bool erasable = false;
};

// Whether this build can reach drives at all.
bool Available();

// The machine's drives (scanned once per process, never waiting more than a
// few seconds) and the pseudo-drives. No error: a machine without drives
// has none.
std::vector<DriveSummary> ListDrives();

// The disc in a drive, or the verdict why it cannot be read.
struct MediaResult {
    MediaInfo info;
    Verdict failure;  // problem None when info is valid
};
MediaResult ReadMedia(const std::string& address, const std::string& name);

// What a job tells its caller while it runs and asks it.
struct JobHooks {
    std::function<void(const std::string&)> log;
    std::function<void(const std::string&)> phase;
    std::function<void(int)> progress;
    std::function<bool()> aborted;
    // Asked before a rewritable disc holding data is blanked; false keeps it.
    std::function<bool()> mayOverwrite;
};

// Seconds a full or quick erase of the disc would take, or kErase*.
int EraseEstimate(const std::string& address, const std::string& name, bool quick);
Verdict Erase(const std::string& address, const std::string& name, bool quick);

struct BurnRequest {
    std::string address;
    std::string name;
    uint64_t sectors = 0;     // 2048-byte sectors of the image
    bool simulate = false;
    bool underrunProof = false;
    bool verify = false;
    bool eject = false;
    uint32_t speedKBs = 0;    // records' units; 0 the fastest
    uint32_t baseRate = 1385;
    // Writes the image, every byte in order, into the sink; run once for the
    // write and again to verify.
    std::function<image::WriteResult(image::Sink&, const image::Callbacks&)> produce;
};
Verdict Burn(const BurnRequest& request, const JobHooks& hooks);

}  // namespace bb::recorder::library::optical
