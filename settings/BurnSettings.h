// The persistent settings, one field per key of the settings file, in file
// order. At run time each value lives in the object that edits it (the main
// window or one of the three settings holders); this record is how they
// travel to and from the file. The initial values are the defaults that
// apply when the file or a key is absent.
#pragma once

#include <cstdint>
#include <string>

#include "settings/SettingsFlags.h"

namespace bb::settings {

struct BurnSettings {
    std::string device;            // Device: text of the selected recorder entry
    int mediaType = 0;             // MediaType: 0 DVD, 1 CD
    int32_t fsFlags = settings::fsflags::kDefault;        // FSFlags, hexadecimal
    uint32_t burnFlags = settings::burnflags::kDefault;   // BurnFlags, hexadecimal
    uint32_t moreFlags = 0;        // MoreFlags, hexadecimal
    int speed = -1;                // Speed: index in the speed list, -1 none
    std::string language;          // Language: language file name
    std::string successWave;       // SuccessWave
    std::string errorWave;         // ErrorWave
    int enableAudio = 0;           // EnableAudio
    int limitCd = settings::limits::kCd;     // LimitCD, MB
    int limitDvd = settings::limits::kDvd;   // LimitDVD, MB
    int limitCdRed = settings::limits::kCdRed;    // LimitCDRed, MB
    int limitDvdRed = settings::limits::kDvdRed;  // LimitDVDRed, MB
    std::string defaultSourceDir;  // DefaultSourceDir: the DVD root in use

    bool operator==(const BurnSettings&) const = default;
};

}  // namespace bb::settings
