// Gathering the settings from their holders for the file, and handing what
// the file held back to them.
#pragma once

#include <string>

#include "settings/AudioSettings.h"
#include "settings/BurnSettings.h"
#include "settings/FsFlagsSettings.h"
#include "settings/OtherSettings.h"

namespace bb::settings {

// The settings the main window keeps in its own members.
struct MainWindowSettings {
    std::string device;        // m_strDevice when reading; the recorder list's selection when writing
    int mediaType = 0;         // m_nMediaType
    int reallocate = 1;        // "Reallocate VIDEO_TS Structure" box, FSFlags bit 0x40
    int speed = -1;            // m_nSpeed
    std::string languageFile;  // m_strLanguageFile
    std::string sourceDir;     // m_strSourceDir
};

// The holders of every setting.
struct SettingsHolders {
    MainWindowSettings& window;
    CFsFlagsSettings& fsFlags;
    COtherSettings& other;
    CAudioSettings& audio;
};

BurnSettings CollectSettings(const SettingsHolders& holders);
void DistributeSettings(const BurnSettings& settings, const SettingsHolders& holders);

}  // namespace bb::settings
