// Simulated recorders, read from the configuration file (format: see
// NeroAPI-drives.sample.ini beside this file).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bb::recorder::library {

enum class TrayContent { Empty, Blank, Data };

struct RecorderConfig {
    std::string name;
    uint32_t deviceKind = 1;
    uint32_t capabilities = 0x1;
    uint32_t mediaMask = 0x4001C | 0x1;
    uint32_t dvdBaseRate = 1385;
    std::vector<double> dvdSpeeds = {1, 2, 4, 8};   // multiples of the base rate
    uint32_t cdBaseRate = 150;
    std::vector<double> cdSpeeds = {4, 8, 16, 24};
    TrayContent tray = TrayContent::Blank;           // until the disc's state file says otherwise
    std::string medium = "DVD-R";
    int eraseSecondsFull = 900;                      // or -1, -2, -3 as the estimate's result
    int eraseSecondsQuick = 60;
    bool eraseFails = false;                         // the erase itself fails; the disc keeps its data
    int burnResult = 0;                              // rehearsed NeroBurn result; 0 burns
    bool reallocFails = false;                       // with track flag 0x40: result 3
    double burnSeconds = 0;                          // the write phase lasts at least this long
    int writeErrorPercent = -1;                      // writing fails at this percentage
    double waitSeconds = 30;                         // how long the recorder waits for a disc
    double timeScale = 1;                            // every duration above is multiplied by it
    uint64_t capacitySectors = 0;                    // 0: the medium's own
    std::string discImage;                           // absolute path of the disc's image file
};

struct ConfigReadResult {
    std::vector<RecorderConfig> recorders;
    std::vector<std::string> warnings;  // "file:line: what is wrong"
};

// `folder` resolves relative disc image paths; `origin` names the file in
// warnings.
ConfigReadResult ParseRecorderConfig(const std::string& text, const std::string& folder,
                                     const std::string& origin);

// The configuration file in use: BB_NEROAPI_CONFIG, else NeroAPI-drives.ini
// in the library's folder.
std::string RecorderConfigPath();

// Reads the file in use; a missing file gives no recorders and no warning.
ConfigReadResult ReadRecorderConfig();

}  // namespace bb::recorder::library
